# Signal-processing blocks of the plug-in: plain C++, no framework dependency.
add_library(tenvira_dsp STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DspMath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DspAssert.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CParabolicShaper.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CValveModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CEQ.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CFastEnvFollower.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CCompressorSC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CLimiter.cpp
)
target_include_directories(tenvira_dsp PUBLIC ${CMAKE_SOURCE_DIR}/Source)
tenvira_warnings(tenvira_dsp)
