# Writes the linker's default script with the start-up tables (.CRT) and the
# thread-local template (.tls) moved into .data. Each was a section of its
# own of a few bytes, and with the file alignment of 4096 each cost 4 KB of
# the exe. The template goes first: offsets of thread-local data are taken
# from the start of the section that holds it.
function(hd_write_data_sections_script output)
  execute_process(COMMAND ${CMAKE_LINKER} --verbose OUTPUT_VARIABLE verbose RESULT_VARIABLE failed)
  if(failed OR NOT verbose MATCHES "\n=+\n(.*)\n=+\n")
    message(FATAL_ERROR "${CMAKE_LINKER} --verbose printed no linker script")
  endif()
  set(script "${CMAKE_MATCH_1}")
  set(moved "")
  foreach(section tls CRT)
    if(NOT script MATCHES "\n  \\.${section} BLOCK\\(__section_alignment__\\) :[ \n]*{([^}]*)}")
      message(FATAL_ERROR "The default linker script has no .${section} section")
    endif()
    string(APPEND moved "${CMAKE_MATCH_1}")
    string(REPLACE "${CMAKE_MATCH_0}" "" script "${script}")
  endforeach()
  # The few tables the default script leaves to orphan placement (.CRT$XD*).
  string(APPEND moved "    KEEP (*(SORT(.CRT$*)))\n")
  set(data "\n  .data BLOCK(__section_alignment__) :\n  {\n")
  string(FIND "${script}" "${data}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The default linker script has no .data section")
  endif()
  string(REPLACE "${data}" "${data}${moved}" script "${script}")
  file(WRITE ${output} "${script}")
endfunction()
