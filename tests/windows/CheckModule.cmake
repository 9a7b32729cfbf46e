# Checks a Windows module with objdump: it imports only system DLLs (the
# compiler runtimes are linked in) and exports exactly the given names.
#   -DOBJDUMP=... -DMODULE=... -DEXPORTS=name;name
cmake_minimum_required(VERSION 3.22)
set(system_dlls KERNEL32.dll USER32.dll GDI32.dll COMCTL32.dll COMDLG32.dll SHELL32.dll WININET.dll
    ADVAPI32.dll msvcrt.dll)
string(TOUPPER "${system_dlls}" system_dlls)

execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump cannot read ${MODULE}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" import_lines "${dump}")
set(imports "")
foreach(line IN LISTS import_lines)
  string(REGEX REPLACE "DLL Name: " "" dll "${line}")
  list(APPEND imports "${dll}")
  string(TOUPPER "${dll}" upper)
  if(NOT upper IN_LIST system_dlls)
    message(SEND_ERROR "${MODULE} imports ${dll}, which a bare Windows lacks")
  endif()
endforeach()
message(STATUS "imports: ${imports}")

string(REGEX REPLACE ".*\\[Ordinal/Name Pointer\\] Table\n" "" names "${dump}")
string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [^\n]+" export_lines "${names}")
set(exports "")
foreach(line IN LISTS export_lines)
  string(REGEX REPLACE "\t\\[ *[0-9]+\\] " "" name "${line}")
  list(APPEND exports "${name}")
endforeach()
list(SORT exports)
set(expected ${EXPORTS})
list(SORT expected)
message(STATUS "exports: ${exports}")
if(NOT exports STREQUAL expected)
  message(FATAL_ERROR "${MODULE} exports ${exports}, expected ${expected}")
endif()
