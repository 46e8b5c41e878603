# The Windows side: GlanceHook.dll and, with LEXORIN_HOOKLIB_TESTS, the test
# programs. Everything is linked statically against the C and C++ run-time,
# so that the library imports only system DLLs.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

set(LEXORIN_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
include(${LEXORIN_ROOT}/cmake/Warnings.cmake)

# The library and the programs that load it share one folder.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_link_options(-static -static-libgcc -static-libstdc++)

# The capture engine, shared by the library and the test programs.
add_library(glancehook_engine OBJECT
  ${CMAKE_CURRENT_LIST_DIR}/api_hook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/capture_engine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/capture_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/captured_word.cpp
  ${CMAKE_CURRENT_LIST_DIR}/failed_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hit_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/import_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry_helper.cpp
  ${CMAKE_CURRENT_LIST_DIR}/target_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_replacements.cpp)
target_include_directories(glancehook_engine PUBLIC ${LEXORIN_ROOT})
target_compile_definitions(glancehook_engine PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(glancehook_engine PUBLIC user32 gdi32 advapi32)
lexorin_warnings(glancehook_engine)

add_library(GlanceHook SHARED ${CMAKE_CURRENT_LIST_DIR}/glance_hook.cpp ${CMAKE_CURRENT_LIST_DIR}/GlanceHook.def)
target_link_libraries(GlanceHook PRIVATE glancehook_engine)
set_target_properties(GlanceHook PROPERTIES PREFIX "" OUTPUT_NAME GlanceHook)
lexorin_warnings(GlanceHook)

option(LEXORIN_HOOKLIB_TESTS "Build the Windows test programs of GlanceHook.dll" OFF)
if(LEXORIN_HOOKLIB_TESTS)
  include(${LEXORIN_ROOT}/tests/hooklib/windows_tests.cmake)
endif()
