# Warnings for our own targets: call tenvira_warnings(target).
function(tenvira_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local)
endfunction()
