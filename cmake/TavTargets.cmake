# Shared compile settings and the helpers that every folder uses to declare its targets.

# Sources are UTF-8; narrow string literals become code page 936 (GBK) bytes.
set(TAV_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=GBK)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  # clang has no execution character set but UTF-8: its builds (the fuzz targets) keep literals UTF-8.
  set(TAV_CHARSET_FLAGS -finput-charset=UTF-8)
endif()
set(TAV_WARNINGS -Wall -Wextra -Wno-unused-parameter)
if(TAV_WERROR)
  list(APPEND TAV_WARNINGS -Werror)
endif()

set(TAV_SANITIZE_FLAGS "")
if(TAV_SANITIZE)
  set(TAV_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
endif()
if(TAV_FUZZ)
  set(TAV_SANITIZE_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
endif()

# Applies the project's flags to one target.
function(tav_flags target)
  target_compile_options(${target} PRIVATE ${TAV_WARNINGS} ${TAV_CHARSET_FLAGS} ${TAV_SANITIZE_FLAGS})
  target_link_options(${target} PUBLIC ${TAV_SANITIZE_FLAGS})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# tav_library(name [SHARED] [LAYER] DIRS dir... [LIBS lib...]): a library of every .cpp in the
# folders, static unless SHARED is given; folders of headers only make an interface library. A
# LAYER is one layer of the product: its sources and headers may include only headers of its own
# folders and of the layers it links (the folders of every LAYER library in LIBS, transitively);
# a build step checks their #include lines before anything that links the layer compiles.
function(tav_library name)
  cmake_parse_arguments(ARG "SHARED;LAYER" "" "DIRS;LIBS" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    # Headers only: an interface target; its dependents build after its include check.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    if(ARG_LAYER)
      tav_layer_check(${name} "${ARG_DIRS}" "${ARG_LIBS}")
    endif()
    return()
  endif()
  if(ARG_SHARED)
    # A shared library exports its whole interface, as the system library it stands for does.
    add_library(${name} SHARED ${sources})
    set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET default VISIBILITY_INLINES_HIDDEN OFF)
  else()
    add_library(${name} STATIC ${sources})
  endif()
  tav_flags(${name})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  if(ARG_LAYER)
    tav_layer_check(${name} "${ARG_DIRS}" "${ARG_LIBS}")
  endif()
endfunction()

# The include check of one layer (cmake/CheckLayerIncludes.cmake over its sources and headers).
function(tav_layer_check name dirs libs)
  set(allowed ${dirs})
  foreach(lib IN LISTS libs)
    if(TARGET ${lib})
      get_target_property(below ${lib} TAV_LAYER_DIRS)
      if(below)
        list(APPEND allowed ${below})
      endif()
    endif()
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_target_properties(${name} PROPERTIES TAV_LAYER_DIRS "${allowed}")
  set(files "")
  foreach(dir IN LISTS dirs)
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND files ${found})
  endforeach()
  set(config ${CMAKE_CURRENT_BINARY_DIR}/${name}-layer.cmake)
  file(GENERATE OUTPUT ${config} CONTENT "set(LAYER ${name})\nset(ALLOWED \"${allowed}\")\nset(FILES \"${files}\")\n")
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${name}-layer.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DCONFIG=${config} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
    DEPENDS ${files} ${config} ${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
    COMMENT "Checking the includes of layer ${name}" VERBATIM)
  add_custom_target(${name}_includes ALL DEPENDS ${stamp})
  # An interface library hands this dependency on to every target that links it.
  add_dependencies(${name} ${name}_includes)
endfunction()

# tav_test(name DIR dir LIBS lib... [PICTURES test...]): one GoogleTest executable of every .cpp
# in tests/<dir>. The PICTURES tests write pictures into $TAV_PICTURES_DIR when it is set: they
# carry the ctest label "pictures", by which the main job runs them.
function(tav_test name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS;PICTURES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${ARG_DIR}/*.cpp)
  if(NOT sources)
    message(STATUS "no tests yet in tests/${ARG_DIR}")
    return()
  endif()
  add_executable(${name} ${sources})
  tav_flags(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  set(environment "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
  if(NOT ARG_PICTURES)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${environment}")
    return()
  endif()
  # Labels are set per discovery: the other tests and the picture tests are discovered apart.
  list(JOIN ARG_PICTURES ":" pictures)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "-${pictures}"
    PROPERTIES ENVIRONMENT "${environment}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_FILTER "${pictures}" TEST_LIST ${name}_PICTURES
    PROPERTIES ENVIRONMENT "${environment}" LABELS pictures)
endfunction()
