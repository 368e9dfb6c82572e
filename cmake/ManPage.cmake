# Writes a man page from its hand-written frame and the program's own --help, so that the page
# never drifts from the program. Run as:
#   cmake -DPROGRAM=exe -DTEMPLATE=x.1.in -DOUTPUT=x.1 -DVERSION=v [-DCOMMANDS=a;b] -P ManPage.cmake
# @HELP@ in the frame receives `PROGRAM --help`; @COMMANDS@ receives `PROGRAM C --help` of each of
# COMMANDS, one paragraph each.
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{ASAN_OPTIONS} detect_leaks=0)
# The page is English, whatever language the builder's programs speak.
set(ENV{LC_ALL} C.UTF-8)
set(ENV{LANGUAGE} "")

function(help_of out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help OUTPUT_VARIABLE text RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed (${rc})")
  endif()
  # As literal text of a roff .nf block: backslashes and hyphens escaped, no line taken as a request.
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

help_of(HELP)
set(COMMANDS_TEXT "")
foreach(command IN LISTS COMMANDS)
  help_of(text ${command})
  string(APPEND COMMANDS_TEXT ".SS ${command}\n.nf\n${text}\n.fi\n")
endforeach()
set(COMMANDS "${COMMANDS_TEXT}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
