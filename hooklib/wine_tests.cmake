# The Linux side: the record header compiled natively, then GlanceHook.dll and
# its test programs cross-built with mingw-w64 and run under Wine in a private
# X server. Without the cross compiler or Wine the Windows part is skipped.
set(LEXORIN_HOOKLIB_TEST_SOURCES ${PROJECT_SOURCE_DIR}/tests/hooklib)

find_package(doctest QUIET)
if(doctest_FOUND)
  add_executable(capture_record_test
    ${LEXORIN_HOOKLIB_TEST_SOURCES}/doctest_main.cpp
    ${LEXORIN_HOOKLIB_TEST_SOURCES}/capture_record_test.cpp)
  target_include_directories(capture_record_test PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(capture_record_test PRIVATE doctest::doctest)
  lexorin_warnings(capture_record_test)
  add_test(NAME capture_record COMMAND capture_record_test)
  set_tests_properties(capture_record PROPERTIES LABELS core)
endif()

find_program(LEXORIN_MINGW_CXX x86_64-w64-mingw32-g++-posix)
find_program(LEXORIN_MINGW_OBJDUMP x86_64-w64-mingw32-objdump)
find_program(LEXORIN_WINE64 wine64 PATHS /usr/lib/wine)
find_program(LEXORIN_WINESERVER wineserver PATHS /usr/lib/wine)
find_program(LEXORIN_XVFB_RUN xvfb-run)
find_program(LEXORIN_XDOTOOL xdotool)
set(missing "")
foreach(tool LEXORIN_MINGW_CXX LEXORIN_MINGW_OBJDUMP LEXORIN_WINE64 LEXORIN_WINESERVER LEXORIN_XVFB_RUN LEXORIN_XDOTOOL)
  if(NOT ${tool})
    list(APPEND missing ${tool})
  endif()
endforeach()
if(NOT doctest_FOUND)
  list(APPEND missing doctest)
endif()
if(missing)
  message(WARNING "hooklib: GlanceHook.dll and its Wine tests are skipped; not found: ${missing} "
                  "(scripts/setup-debian.sh installs them)")
  return()
endif()

get_target_property(doctest_include doctest::doctest INTERFACE_INCLUDE_DIRECTORIES)
if(CMAKE_BUILD_TYPE)
  set(windows_build_type ${CMAKE_BUILD_TYPE})
else()
  set(windows_build_type Release)
endif()

include(ExternalProject)
set(windows_build ${CMAKE_CURRENT_BINARY_DIR}/windows)
ExternalProject_Add(glancehook_windows
  SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}
  BINARY_DIR ${windows_build}
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
    -DCMAKE_BUILD_TYPE=${windows_build_type}
    -DLEXORIN_HOOKLIB_TESTS=ON
    -DLEXORIN_DOCTEST_INCLUDE_DIR=${doctest_include}
    -DLEXORIN_XDOTOOL=${LEXORIN_XDOTOOL}
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 2
  BUILD_ALWAYS TRUE
  INSTALL_COMMAND "")

# One Wine prefix for all tests, booted once; the tests take turns with it.
set(windows_bin ${windows_build}/bin)
set(wine_runner ${LEXORIN_HOOKLIB_TEST_SOURCES}/run_under_wine.sh)
set(wine_environment
  WINEPREFIX=${CMAKE_CURRENT_BINARY_DIR}/wineprefix
  WINE64=${LEXORIN_WINE64}
  WINESERVER=${LEXORIN_WINESERVER}
  XVFB_RUN=${LEXORIN_XVFB_RUN})

add_test(NAME hooklib_wine_prefix COMMAND ${wine_runner} --boot)
set_tests_properties(hooklib_wine_prefix PROPERTIES FIXTURES_SETUP hooklib_wine_prefix)

add_test(NAME hooklib_binary_interface
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${LEXORIN_MINGW_OBJDUMP} -DLIBRARY=${windows_bin}/GlanceHook.dll
          -P ${LEXORIN_HOOKLIB_TEST_SOURCES}/check_binary_interface.cmake)

foreach(program hooklib_unit_test hooklib_capture_engine_test hooklib_cross_process_test)
  string(REGEX REPLACE "^hooklib_(.*)_test$" "hooklib_\\1" test_name ${program})
  add_test(NAME ${test_name} COMMAND ${wine_runner} ${windows_bin}/${program}.exe)
  set_tests_properties(${test_name} PROPERTIES FIXTURES_REQUIRED hooklib_wine_prefix)
endforeach()

set(wine_tests hooklib_wine_prefix hooklib_unit hooklib_capture_engine hooklib_cross_process)
set_tests_properties(${wine_tests} PROPERTIES
  ENVIRONMENT "${wine_environment}"
  RESOURCE_LOCK hooklib_wine_prefix
  TIMEOUT 120)
set_tests_properties(${wine_tests} hooklib_binary_interface PROPERTIES LABELS wine)
