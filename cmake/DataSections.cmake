# Writes the linker's default script with the start-up tables (.CRT) and the
# thread-local template (.tls) moved into .data, and the unwind tables
# (.eh_frame) into .rdata. With the file alignment of 4096 each section costs
# whole pages of the exe: .CRT and .tls were a few bytes each, and the unwind
# tables ended a page of their own. The template goes first: offsets of
# thread-local data are taken from the start of the section that holds it.
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
  # The unwind tables are read-only data too: kept in .rdata they share its
  # last page. They go before the runtime pseudo-relocations, which the
  # script finds from the end of .rdata; their order is kept, so that the
  # start-up code's marker stays first and the terminator last.
  if(NOT script MATCHES "\n  \\.eh_frame BLOCK\\(__section_alignment__\\) :[ \n]*{([^}]*)}")
    message(FATAL_ERROR "The default linker script has no .eh_frame section")
  endif()
  string(STRIP "${CMAKE_MATCH_1}" unwind)
  string(REPLACE "${CMAKE_MATCH_0}" "" script "${script}")
  set(relocs "    . = ALIGN(4);\n    __rt_psrelocs_start = .;")
  string(FIND "${script}" "${relocs}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The default linker script has no runtime pseudo-relocations in .rdata")
  endif()
  string(REPLACE "${relocs}" "    ${unwind}\n${relocs}" script "${script}")
  file(WRITE ${output} "${script}")
endfunction()
