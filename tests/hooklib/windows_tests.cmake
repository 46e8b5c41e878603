# The Windows test programs of GlanceHook.dll, console programs that the
# Linux build runs under Wine. Included by hooklib/windows_build.cmake.
set(HOOKLIB_TESTS ${CMAKE_CURRENT_LIST_DIR})

# doctest is header-only; copy the build machine's header so that the cross
# compiler does not search the build machine's include folder.
configure_file(${LEXORIN_DOCTEST_INCLUDE_DIR}/doctest/doctest.h ${CMAKE_BINARY_DIR}/doctest/doctest/doctest.h COPYONLY)
add_library(hooklib_test_support STATIC
  ${HOOKLIB_TESTS}/doctest_main.cpp
  ${HOOKLIB_TESTS}/capture_options.cpp
  ${HOOKLIB_TESTS}/import_slots.cpp
  ${HOOKLIB_TESTS}/record_receiver.cpp
  ${HOOKLIB_TESTS}/test_window.cpp
  ${HOOKLIB_TESTS}/two_runs.cpp)
target_include_directories(hooklib_test_support PUBLIC ${LEXORIN_ROOT})
target_include_directories(hooklib_test_support SYSTEM PUBLIC ${CMAKE_BINARY_DIR}/doctest)
target_compile_definitions(hooklib_test_support PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(hooklib_test_support PUBLIC user32 gdi32 advapi32 dbghelp)
lexorin_warnings(hooklib_test_support)

# The capture engine with exports for the tests.
add_library(GlanceHookProbe SHARED ${HOOKLIB_TESTS}/probe.cpp)
target_compile_definitions(GlanceHookProbe PRIVATE GLANCEHOOK_PROBE_BUILD)
target_link_libraries(GlanceHookProbe PRIVATE glancehook_engine)
set_target_properties(GlanceHookProbe PROPERTIES PREFIX "")
lexorin_warnings(GlanceHookProbe)

function(hooklib_test_program name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE hooklib_test_support)
  lexorin_warnings(${name})
endfunction()

hooklib_test_program(hooklib_unit_test
  ${HOOKLIB_TESTS}/api_hook_test.cpp
  ${HOOKLIB_TESTS}/capture_record_test.cpp
  ${HOOKLIB_TESTS}/captured_word_test.cpp
  ${HOOKLIB_TESTS}/draw_text_length_test.cpp
  ${HOOKLIB_TESTS}/hit_geometry_test.cpp
  ${HOOKLIB_TESTS}/hot_key_test.cpp
  ${HOOKLIB_TESTS}/library_exports_test.cpp
  ${HOOKLIB_TESTS}/registry_helper_test.cpp
  ${HOOKLIB_TESTS}/word_rules_test.cpp)
target_link_libraries(hooklib_unit_test PRIVATE glancehook_engine)
add_dependencies(hooklib_unit_test GlanceHook)

hooklib_test_program(hooklib_capture_engine_test ${HOOKLIB_TESTS}/capture_engine_test.cpp)
target_link_libraries(hooklib_capture_engine_test PRIVATE GlanceHookProbe)

hooklib_test_program(hooklib_glance_target ${HOOKLIB_TESTS}/glance_target.cpp)
hooklib_test_program(hooklib_cross_process_test ${HOOKLIB_TESTS}/cross_process_test.cpp)
target_compile_definitions(hooklib_cross_process_test PRIVATE LEXORIN_XDOTOOL="${LEXORIN_XDOTOOL}")
add_dependencies(hooklib_cross_process_test GlanceHook hooklib_glance_target)
