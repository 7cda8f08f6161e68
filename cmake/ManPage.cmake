# Writes the man page of the CLI from its --help text.
# Usage: cmake -DORBEL=<orbel binary> -DOUTPUT=<orbel.1> -DVERSION=<x.y.z> -P ManPage.cmake
execute_process(COMMAND ${ORBEL} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "orbel --help failed: ${status}")
endif()
string(REPLACE "${ORBEL}" "orbel" help "${help}")
# Roff treats a leading dot or quote as a request and a backslash as an escape.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")

file(WRITE ${OUTPUT} ".TH ORBEL 1 \"\" \"orbel ${VERSION}\" \"User Commands\"
.SH NAME
orbel \\- run, describe and decode the exports of the Orbel dialog library
.SH SYNOPSIS
.B orbel
.I command
[\\fIoptions\\fR]
.SH DESCRIPTION
The headless host of the Orbel dialog library: it lists the library's exports,
shows the controls of their dialogs, calls them through the scripted toolkit
and decodes the messages they build.
Each command has its own help: \\fBorbel\\fR \\fIcommand\\fR \\fB\\-\\-help\\fR.
.SH OPTIONS
.nf
${help}.fi
.SH EXIT STATUS
0 the run did what was asked; 1 usage error; 2 a script that did not run as
written; 3 a data error.
.SH SEE ALSO
The README of the package (share/doc/orbel/README.md).
")
