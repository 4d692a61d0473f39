# The include check covers a header-only layer: the protocol layer's check lists every header of
# protocol/, and a protocol header that reached common/ would fail the build.
#   cmake -DCONFIG=<build>/protocol/tav_protocol-layer.cmake -DSOURCE_DIR=<project> -DWORK=<dir>
#         -P HeaderLayerCheck.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT EXISTS ${CONFIG})
  message(FATAL_ERROR "no include check for the protocol layer (${CONFIG})")
endif()
include(${CONFIG})
file(GLOB headers ${SOURCE_DIR}/protocol/*.h)
foreach(header IN LISTS headers)
  if(NOT header IN_LIST FILES)
    message(FATAL_ERROR "the protocol layer's check skips ${header}")
  endif()
endforeach()

file(MAKE_DIRECTORY ${WORK})
set(probe ${WORK}/ReachesUp.h)
file(WRITE ${probe} "#pragma once\n#include \"platform/Win32Types.h\"\n#include \"common/ModuleLog.h\"\n")
file(WRITE ${WORK}/probe-layer.cmake "set(LAYER ${LAYER})\nset(ALLOWED \"${ALLOWED}\")\nset(FILES \"${FILES};${probe}\")\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DCONFIG=${WORK}/probe-layer.cmake -DSOURCE_DIR=${SOURCE_DIR}
                        -DSTAMP=${WORK}/probe.stamp -P ${SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(result EQUAL 0 OR NOT errors MATCHES "ReachesUp.h: #include \"common/ModuleLog.h\"")
  message(FATAL_ERROR "a protocol header including common/ passed the check:\n${errors}")
endif()
if(errors MATCHES "Win32Types")
  message(FATAL_ERROR "the check refused the platform, which the protocol layer links:\n${errors}")
endif()
