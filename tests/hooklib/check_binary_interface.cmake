# Checks what GlanceHook.dll shows the platform: exactly its five exports,
# undecorated, and imports from system DLLs only (it is loaded into every
# hooked process, so it must not need the compiler's run-time DLLs).
#   cmake -DOBJDUMP=<mingw objdump> -DLIBRARY=<GlanceHook.dll> -P check_binary_interface.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${LIBRARY}")
endif()

# The name pointer table follows its heading up to the next blank line, one
# export a line: "\t[   0] IsAlreadyInstalled".
string(FIND "${dump}" "[Ordinal/Name Pointer] Table" table_start)
if(table_start EQUAL -1)
  message(FATAL_ERROR "${LIBRARY} has no export name table")
endif()
string(SUBSTRING "${dump}" ${table_start} -1 export_section)
string(FIND "${export_section}" "\n\n" table_end)
string(SUBSTRING "${export_section}" 0 ${table_end} export_section)
string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [^\n]+" export_lines "${export_section}")
set(exports "")
foreach(line ${export_lines})
  string(REGEX REPLACE "^\t\\[ *[0-9]+\\] " "" name "${line}")
  list(APPEND exports ${name})
endforeach()
list(SORT exports)
set(expected IsAlreadyInstalled KeyboardProc MouseProc SetHook UnHook)
if(NOT exports STREQUAL expected)
  message(FATAL_ERROR "exports are '${exports}', expected '${expected}'")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" import_lines "${dump}")
set(system_dlls kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll)
foreach(line ${import_lines})
  string(REGEX REPLACE "^DLL Name: " "" dll "${line}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-crt-.*\\.dll$")
    message(FATAL_ERROR "GlanceHook.dll imports ${dll}, which is not a system DLL")
  endif()
  list(APPEND imports ${dll})
endforeach()
message(STATUS "exports: ${exports}")
message(STATUS "imports: ${imports}")
