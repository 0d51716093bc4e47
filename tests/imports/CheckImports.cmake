# Fails when EXE imports a function that the list ALLOWED does not name, or
# lacks one of the flags that say what it supports.
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

# Loaded at a random address (ASLR), no code run from its data (DEP), and
# aware of terminal server sessions: a toolchain change must not drop one.
if(NOT dump MATCHES "\nDllCharacteristics\t+([0-9a-fA-F]+)")
  message(FATAL_ERROR "${OBJDUMP} printed no DllCharacteristics for ${EXE}")
endif()
set(characteristics ${CMAKE_MATCH_1})
set(missing "")
foreach(flag IN ITEMS "DYNAMIC_BASE:0x40" "NX_COMPAT:0x100" "TERMINAL_SERVER_AWARE:0x8000")
  string(REPLACE ":" ";" flag "${flag}")
  list(GET flag 0 name)
  list(GET flag 1 bit)
  math(EXPR set "0x${characteristics} & ${bit}")
  if(set EQUAL 0)
    list(APPEND missing ${name})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "${EXE} lacks ${missing} (DllCharacteristics 0x${characteristics}): see its link options "
    "in src/CMakeLists.txt")
endif()
message(STATUS "DllCharacteristics 0x${characteristics}: DYNAMIC_BASE, NX_COMPAT, TERMINAL_SERVER_AWARE")
