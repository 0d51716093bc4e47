# Fails when EXE imports a function that the list ALLOWED does not name.
# cmake -DOBJDUMP=<objdump> -DEXE=<exe> -DALLOWED=<list> -P CheckImports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed OR NOT dump MATCHES "DLL Name:")
  message(FATAL_ERROR "${OBJDUMP} found no import table in ${EXE}")
endif()

# objdump prints each DLL's name, then one line per function: address,
# hint and name, or the ordinal alone for an import by number.
string(REPLACE "\n" ";" lines "${dump}")
set(dll "")
set(imports "")
foreach(line IN LISTS lines)
  if(line MATCHES "^\tDLL Name: (.+)$")
    string(TOLOWER "${CMAKE_MATCH_1}" dll)
  elseif(dll AND line MATCHES "^\t[0-9a-f]+\t +[0-9]+  (.+)$")
    list(APPEND imports "${dll}!${CMAKE_MATCH_1}")
  elseif(dll AND line MATCHES "^\t[0-9a-f]+\t +([0-9]+)$")
    list(APPEND imports "${dll}!#${CMAKE_MATCH_1}")
  elseif(NOT line MATCHES "^\t")
    set(dll "")
  endif()
endforeach()

file(STRINGS ${ALLOWED} entries REGEX "^[^#]")
set(allowed "")
foreach(entry IN LISTS entries)
  string(STRIP "${entry}" entry)
  if(NOT entry MATCHES "^([^!]+)(!.+)$")
    message(FATAL_ERROR "${ALLOWED}: not DLL!function: ${entry}")
  endif()
  string(TOLOWER "${CMAKE_MATCH_1}" dll)
  list(APPEND allowed "${dll}${CMAKE_MATCH_2}")
endforeach()

list(LENGTH imports count)
set(unknown ${imports})
list(REMOVE_ITEM unknown ${allowed})
if(unknown)
  list(JOIN unknown "\n  " shown)
  message(FATAL_ERROR "${EXE} imports what ${ALLOWED} does not list:\n  ${shown}\n"
    "A function that Windows XP SP3 has goes into that list; any other is looked "
    "up at run time in src/platform/win32/Win32LateBound.")
endif()
message(STATUS "${count} imports, each in ${ALLOWED}")
