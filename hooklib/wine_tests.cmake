# The Linux side: GlanceHook.dll cross-built with mingw-w64. Without the
# cross compiler it is skipped.
find_program(LEXORIN_MINGW_CXX x86_64-w64-mingw32-g++-posix)
set(missing "")
foreach(tool LEXORIN_MINGW_CXX)
  if(NOT ${tool})
    list(APPEND missing ${tool})
  endif()
endforeach()
if(missing)
  message(WARNING "hooklib: GlanceHook.dll is skipped; not found: ${missing} "
                  "(scripts/setup-debian.sh installs them)")
  return()
endif()

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
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 2
  BUILD_ALWAYS TRUE
  INSTALL_COMMAND "")

