# Compiler settings shared by every project target.
add_library(noma_options INTERFACE)
target_compile_options(noma_options INTERFACE -Wall -Wextra -Wpedantic)
if(NOMA_WERROR)
  target_compile_options(noma_options INTERFACE -Werror)
endif()
if(NOMA_SANITIZE)
  target_compile_options(noma_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(noma_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all)
  # The sanitizer build runs the tests with every stated precondition checked.
  target_compile_definitions(noma_options INTERFACE NOMA_CHECK_CONTRACTS)
endif()
if(NOMA_FUZZ)
  # Everything instrumented for libFuzzer; only the fuzz targets link its main.
  target_compile_options(noma_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
    -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/coverage-ignore.txt)
  target_compile_definitions(noma_options INTERFACE NOMA_CHECK_CONTRACTS)
  target_link_options(noma_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# noma_library(NAME SOURCES... LINKS deps...)
function(noma_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE noma_options)
endfunction()

# noma_test(NAME SOURCES... LINKS deps...)
function(noma_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gtest GTest::gtest_main noma_options)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "NOMA_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
