# Removes the output section .<section> from the script in <script_var> and
# appends what it held to <contents_var>.
function(hd_take_section script_var section contents_var)
  if(NOT ${script_var} MATCHES "\n  \\.${section} BLOCK\\(__section_alignment__\\) :[ \n]*{([^}]*)}")
    message(FATAL_ERROR "The default linker script has no .${section} section")
  endif()
  string(REPLACE "${CMAKE_MATCH_0}" "" script "${${script_var}}")
  set(${script_var} "${script}" PARENT_SCOPE)
  set(${contents_var} "${${contents_var}}${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# Replaces <anchor> by <text> in the script in <script_var>; <what> names the
# anchor when the script lacks it.
function(hd_replace_in_script script_var anchor text what)
  string(FIND "${${script_var}}" "${anchor}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The default linker script has no ${what}")
  endif()
  string(REPLACE "${anchor}" "${text}" script "${${script_var}}")
  set(${script_var} "${script}" PARENT_SCOPE)
endfunction()

# Writes the linker's default script with the start-up tables (.CRT) and the
# thread-local template (.tls) moved into .data. Each was a section of its
# own of a few bytes, each with its header and padding in the exe. The
# template goes first: offsets of thread-local data are taken from the start
# of the section that holds it. The unwind tables keep their own section:
# moving what the i686 unwinder walks is not worth a few bytes unless an
# exception is seen caught on a 32-bit Windows.
function(hd_write_data_sections_script output)
  execute_process(COMMAND ${CMAKE_LINKER} --verbose OUTPUT_VARIABLE verbose RESULT_VARIABLE failed)
  if(failed OR NOT verbose MATCHES "\n=+\n(.*)\n=+\n")
    message(FATAL_ERROR "${CMAKE_LINKER} --verbose printed no linker script")
  endif()
  set(script "${CMAKE_MATCH_1}")
  set(moved "")
  hd_take_section(script tls moved)
  hd_take_section(script CRT moved)
  # The few tables the default script leaves to orphan placement (.CRT$XD*).
  string(APPEND moved "    KEEP (*(SORT(.CRT$*)))\n")
  set(data "\n  .data BLOCK(__section_alignment__) :\n  {\n")
  hd_replace_in_script(script "${data}" "${data}${moved}" ".data section")
  file(WRITE ${output} "${script}")
endfunction()
