# Fails when a file of a layer includes a header of the project that lies outside the folders
# the layer may use: its own and those of the layers below it. Run as a build step by
# tav_layer_check (cmake/TavTargets.cmake):
#   cmake -DCONFIG=<name>-layer.cmake -DSOURCE_DIR=<project> -DSTAMP=<file> -P CheckLayerIncludes.cmake
# CONFIG sets LAYER, ALLOWED (folders, each without its subfolders) and FILES. Quoted includes
# whose first folder is not a folder of the project (system and third-party headers) are not the
# layer's concern.
include(${CONFIG})
set(faults "")
foreach(file IN LISTS FILES)
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
    string(REGEX REPLACE "/.*" "" top "${header}")
    if(NOT IS_DIRECTORY ${SOURCE_DIR}/${top})
      continue()
    endif()
    # A header belongs to the folder it lies in, not to the folders above it: a subfolder
    # (module/export) is a folder of its own.
    get_filename_component(folder "${header}" DIRECTORY)
    list(FIND ALLOWED "${folder}" at)
    if(at EQUAL -1)
      file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
      string(APPEND faults "  ${shown}: #include \"${header}\"\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "${LAYER} includes a layer above it (it may use: ${ALLOWED}):\n${faults}")
endif()
file(TOUCH ${STAMP})
