# Warnings for our own targets: call tenvira_warnings(target).
# -Wno-psabi: the audio path's 256-bit vectors go only to inlined helpers, never
# across a library boundary, so GCC's note on how they would be passed without
# AVX concerns no interface of ours.
function(tenvira_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local -Wno-psabi)
endfunction()
