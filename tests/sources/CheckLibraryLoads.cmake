# Fails when a source under SOURCES loads a library other than through the
# one loader that takes it from the system folder by its full path.
# cmake -DSOURCES=<src folder> -P CheckLibraryLoads.cmake
cmake_minimum_required(VERSION 3.20)
set(loader "platform/win32/Win32SystemLibrary.cpp")
file(GLOB_RECURSE files RELATIVE ${SOURCES} ${SOURCES}/*.cpp ${SOURCES}/*.h)
list(LENGTH files count)
if(count EQUAL 0 OR NOT loader IN_LIST files)
  message(FATAL_ERROR "no sources, or no ${loader}, under ${SOURCES}")
endif()
set(found "")
foreach(file IN LISTS files)
  if(file STREQUAL loader)
    continue()
  endif()
  file(STRINGS ${SOURCES}/${file} lines REGEX "LoadLibrary[A-Za-z]*[ \t]*\\(")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(REPLACE ";" "" line "${line}")
    list(APPEND found "${file}: ${line}")
  endforeach()
endforeach()
if(found)
  list(JOIN found "\n  " shown)
  message(FATAL_ERROR "A library loaded by name searches the program's folder and the current one first, "
    "where a planted file of that name would run:\n  ${shown}\n"
    "Load it with LoadSystemLibrary (${loader}).")
endif()
message(STATUS "${count} sources, none loads a library but ${loader}")
