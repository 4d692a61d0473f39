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

# tav_library(name [SHARED] DIRS dir... [LIBS lib...]): a library of every .cpp in the folders,
# static unless SHARED is given.
function(tav_library name)
  cmake_parse_arguments(ARG "SHARED" "" "DIRS;LIBS" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    # A folder still without code: an interface target keeps its dependents linking.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
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
endfunction()

# tav_test(name DIR dir LIBS lib...): one GoogleTest executable of every .cpp in tests/<dir>.
function(tav_test name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${ARG_DIR}/*.cpp)
  if(NOT sources)
    message(STATUS "no tests yet in tests/${ARG_DIR}")
    return()
  endif()
  add_executable(${name} ${sources})
  tav_flags(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
endfunction()
