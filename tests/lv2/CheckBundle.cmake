# Fails unless the bundle's Turtle (the plug-in, its presets and its UI)
# passes sord_validate against LV2's own vocabularies, and the
# DSP module needs no display library.
if(NOT SORD_VALIDATE)
  message(FATAL_ERROR "sord_validate not found (Debian: sordi)")
endif()
file(GLOB_RECURSE schemas ${SPEC_DIR}/*.ttl)

function(validate folder)
  file(GLOB turtle ${folder}/*.ttl)
  list(LENGTH turtle count)
  if(count LESS 3)
    message(FATAL_ERROR "expected manifest, plug-in and presets in ${folder}, found '${turtle}'")
  endif()
  execute_process(COMMAND ${SORD_VALIDATE} ${schemas} ${turtle}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE failed)
  set(report "${out}${err}")
  if(failed OR NOT report MATCHES "Found 0 errors" OR report MATCHES "Error:|Warning:")
    message(FATAL_ERROR "sord_validate on ${folder}:\n${out}${err}")
  endif()
endfunction()

validate(${BUNDLE})

execute_process(COMMAND readelf -d ${MODULE} OUTPUT_VARIABLE dynamic)
if(dynamic MATCHES "libX11|libcairo|libjpeg|libfontconfig")
  message(FATAL_ERROR "the DSP module needs a display library:\n${dynamic}")
endif()
