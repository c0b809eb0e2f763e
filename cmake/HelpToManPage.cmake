# Makes a manual page from a program's own --help, so the page never tells
# other options than the program has.
#   cmake -DPROGRAM=<exe> -DNAME=<name> -DSUMMARY=<one line> -DVERSION=<x.y>
#         -DTAIL=<roff file appended> -DOUTPUT=<page> -P HelpToManPage.cmake
execute_process(COMMAND ${PROGRAM} --help
                OUTPUT_VARIABLE help ERROR_VARIABLE help_err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR help STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} --help failed (${status}): ${help_err}")
endif()

# Plain text inside .nf: backslashes and minus signs written out, and a line
# that starts with a dot or an apostrophe kept from being read as a request.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(TOUPPER "${NAME}" title)
string(REPLACE "-" "\\-" name_roff "${NAME}")

file(READ ${TAIL} tail)
file(WRITE ${OUTPUT}
".TH ${title} 1 \"\" \"Program ${VERSION}\" \"User Commands\"
.SH NAME
${name_roff} \\- ${SUMMARY}
.SH DESCRIPTION
This is the text of
.BR \"${name_roff} \\-\\-help\" :
.PP
.nf
${help}.fi
${tail}")
