# Helpers shared by the project's CMake files.

# zrt_piece(<name> <sources>...): one piece of the runtime, an object library
# that libzrt gathers.  Include paths are rooted at the repository.
function(zrt_piece name)
  add_library(zrt_${name} OBJECT ${ARGN})
  target_include_directories(zrt_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  set_property(GLOBAL APPEND PROPERTY ZRT_PIECES zrt_${name})
endfunction()

# zomel_test(<name> <sources>... [LIBS <libs>...] [SERIAL] [DESKTOP]): a GoogleTest executable
# run by CTest.  SERIAL tests run alone: they start X servers and programs whose start-up times a
# loaded machine would stretch past their waits; they are labelled x-server, so that CI can run
# them when no compile competes with them.  DESKTOP tests (label desktop) are those whose result
# what a desktop has installed can change: print queues, fonts, locales, associations.
function(zomel_test name)
  cmake_parse_arguments(T "SERIAL;DESKTOP" "" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_dependencies(${name} zomel_resources)
  # Windows that host the display control create it by class id from the library the build
  # made; tests register it in their own temporary registry.
  if(TARGET veldosign)
    add_dependencies(${name} veldosign)
    target_compile_definitions(${name} PRIVATE VELDOSIGN_LIBRARY="$<TARGET_FILE:veldosign>")
  endif()
  # A test that waits for a person (a dialog nobody answers) fails instead of hanging.
  set(serial "")
  set(labels "")
  if(T_SERIAL)
    set(serial RUN_SERIAL TRUE)
    list(APPEND labels x-server)
  endif()
  if(T_DESKTOP)
    list(APPEND labels desktop)
  endif()
  if(labels)
    # One label each: the discovery flattens its properties into one list.
    list(LENGTH labels count)
    if(count GREATER 1)
      message(FATAL_ERROR "zomel_test(${name}): SERIAL and DESKTOP cannot both be given")
    endif()
    set(labels LABELS ${labels})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${ZOMEL_BIN_DIR}
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                       TIMEOUT ${ZOMEL_TEST_TIMEOUT} ${serial} ${labels})
  # The discovery flattens its properties into one list, which would split an environment of
  # more than one variable: the sanitizers' options are added to the tests it found, after it
  # ran.
  if(ZOMEL_SANITIZE)
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}_sanitizer.cmake)
    file(CONFIGURE OUTPUT ${script} @ONLY CONTENT [=[
if(@name@_TESTS)
  set_tests_properties(${@name@_TESTS} PROPERTIES ENVIRONMENT "@ZOMEL_TEST_ENVIRONMENT@")
endif()
]=])
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
  endif()
endfunction()

# zomel_test_environment(<tests>...): tests that CTest runs without zomel_test get the same
# environment and time limit.
function(zomel_test_environment)
  set_tests_properties(${ARGN} PROPERTIES ENVIRONMENT "${ZOMEL_TEST_ENVIRONMENT}"
                                          TIMEOUT ${ZOMEL_TEST_TIMEOUT})
endfunction()

# zomel_build_independent(<tests>...): tests of what no compiler changes (the packaging, the
# coded catalogue, the build's own targets).  CI runs them with its first build only:
# ctest -LE build-independent leaves them out.
function(zomel_build_independent)
  set_tests_properties(${ARGN} PROPERTIES LABELS build-independent)
endfunction()

# What every test runs with.  Under the sanitizers a finding ends the test with its report,
# leaks inside system libraries are suppressed by name, and tests get more time.
set(ZOMEL_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
set(ZOMEL_TEST_TIMEOUT 120)
if(ZOMEL_SANITIZE)
  set(lsan_suppressions ${PROJECT_SOURCE_DIR}/tools/sanitize/lsan.supp)
  list(APPEND ZOMEL_TEST_ENVIRONMENT
       "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_init_order=1"
       "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
       "LSAN_OPTIONS=suppressions=${lsan_suppressions}:print_suppressions=0")
  set(ZOMEL_TEST_TIMEOUT 360)
endif()

include(GoogleTest)
