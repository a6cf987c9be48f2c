# Writes a manual page, compressed for installing, from what the programs print for --help, so that
# a page cannot say other than its program does. Run at build time, after the programs are built:
#
#   cmake -DPAGE=components -DPROGRAM_DIR=bin -DPROGRAMS=components -DVERSION=0.1 -DGZIP=/usr/bin/gzip
#         -DOUTPUT=components.1 -P man-page.cmake      (one program's page)
#   cmake -DPAGE=graphsteps -DPROGRAMS=closure8,closure12,... ...   (the page of the suite)
#
# Writes OUTPUT and OUTPUT.gz.
cmake_minimum_required(VERSION 3.22)
foreach(variable PAGE PROGRAM_DIR PROGRAMS VERSION GZIP OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "man-page.cmake: ${variable} is not given")
  endif()
endforeach()
string(REPLACE "," ";" PROGRAMS "${PROGRAMS}")

# Text as roff reads it literally: a backslash is \e, a hyphen the minus \- that can be copied into a
# shell, and a line starting with a dot or quote is no request.
function(roff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# "--record DIR" as a bold option and an italic argument.
function(roff_option out option)
  string(REGEX MATCH "^([^ ]+)( (.*))?$" matched "${option}")
  set(argument "${CMAKE_MATCH_3}")
  roff(name "${CMAKE_MATCH_1}")
  set(text "\\fB${name}\\fR")
  if(argument MATCHES "^[A-Z]+$")  # a placeholder (not if(argument): N is false to if())
    roff(argument "${argument}")
    string(APPEND text "\\ \\fI${argument}\\fR")  # a space the line is not broken at
  elseif(NOT argument STREQUAL "")  # a word typed as it stands: --palette safe
    roff(argument "${argument}")
    string(APPEND text "\\ \\fB${argument}\\fR")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Reads PROGRAM --help into help_<program>_summary, _usage (the options of the usage line),
# _description (the paragraph under it, one line) and _options (the tags, each with
# help_<program>_option_<i> for its text).
function(read_help program)
  execute_process(COMMAND ${PROGRAM_DIR}/${program} --help
                  OUTPUT_VARIABLE help ERROR_VARIABLE complaint RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "man-page.cmake: ${program} --help failed (${status}): ${complaint}")
  endif()
  string(REPLACE ";" "\\;" help "${help}")
  string(REPLACE "\n" ";" lines "${help}")
  set(part head)
  set(description "")
  set(options "")
  set(count 0)
  foreach(line IN LISTS lines)
    if(part STREQUAL "head")
      if(NOT line MATCHES "^${program}: (.+)$")
        message(FATAL_ERROR "man-page.cmake: ${program} --help does not start with '${program}: '")
      endif()
      set(summary "${CMAKE_MATCH_1}")
      set(part usage)
    elseif(line STREQUAL "")
    elseif(line MATCHES "^usage: ${program}( (.*))?$")
      set(usage "${CMAKE_MATCH_2}")
      set(part usage_more)
    elseif(part STREQUAL "usage_more" AND line MATCHES "^ +(\\[.*)$")  # the usage line goes on
      string(APPEND usage " ${CMAKE_MATCH_1}")
    elseif(line MATCHES "^  (-[^ ]*( [A-Za-z]+)?)  +(.*)$")
      math(EXPR count "${count} + 1")
      list(APPEND options "${CMAKE_MATCH_1}")
      set(option_${count} "${CMAKE_MATCH_3}")
      set(part options)
    elseif(line MATCHES "^  (-[^ ]*( [A-Za-z]+)?)$")  # a long option, its text on the lines below
      math(EXPR count "${count} + 1")
      list(APPEND options "${CMAKE_MATCH_1}")
      set(option_${count} "")
      set(part options)
    elseif(part STREQUAL "options" AND line MATCHES "^    +(.*)$")
      if(option_${count} STREQUAL "")
        set(option_${count} "${CMAKE_MATCH_1}")
      else()
        string(APPEND option_${count} " ${CMAKE_MATCH_1}")
      endif()
    elseif(part STREQUAL "description" OR part STREQUAL "usage_more")
      string(APPEND description " ${line}")
      set(part description)
    else()
      message(FATAL_ERROR "man-page.cmake: cannot read this line of ${program} --help: '${line}'")
    endif()
  endforeach()
  if(NOT DEFINED usage OR options STREQUAL "")
    message(FATAL_ERROR "man-page.cmake: ${program} --help has no usage line or no options")
  endif()
  string(STRIP "${description}" description)
  set(help_${program}_summary "${summary}" PARENT_SCOPE)
  set(help_${program}_usage "${usage}" PARENT_SCOPE)
  set(help_${program}_description "${description}" PARENT_SCOPE)
  set(help_${program}_options "${options}" PARENT_SCOPE)
  foreach(i RANGE 1 ${count})
    set(help_${program}_option_${i} "${option_${i}}" PARENT_SCOPE)
  endforeach()
endfunction()

foreach(program IN LISTS PROGRAMS)
  read_help(${program})
endforeach()

string(TOUPPER "${PAGE}" title)
set(page ".TH ${title} 1 \"\" \"graphsteps ${VERSION}\" \"graphsteps\"\n")

if(NOT PAGE STREQUAL "graphsteps")
  set(program ${PAGE})
  roff(summary "${help_${program}_summary}")
  roff(description "${help_${program}_description}")
  string(APPEND page ".SH NAME\n${program} \\- ${summary}\n.SH SYNOPSIS\n.B ${program}\n")
  string(REGEX MATCHALL "\\[[^]]+\\]" usage "${help_${program}_usage}")
  foreach(choice IN LISTS usage)
    string(REGEX REPLACE "^\\[(.*)\\]$" "\\1" choice "${choice}")
    roff_option(choice "${choice}")
    string(APPEND page "[${choice}]\n")
  endforeach()
  string(APPEND page ".SH DESCRIPTION\n${description}\n")
  string(APPEND page ".SH OPTIONS\n")
  set(i 0)
  foreach(option IN LISTS help_${program}_options)
    math(EXPR i "${i} + 1")
    roff_option(tag "${option}")
    roff(text "${help_${program}_option_${i}}")
    string(APPEND page ".TP\n${tag}\n${text}\n")
  endforeach()
  # Where the font is looked for, and what the exit statuses mean, are the same for the whole suite.
  string(APPEND page ".SH SEE ALSO\n\\fBgraphsteps\\fR(1), for the font, the environment and the exit status\n")
else()
  list(GET PROGRAMS 0 first)
  # "Shows the algorithm ..." as the rest of a sentence.
  string(SUBSTRING "${help_${first}_description}" 0 1 initial)
  string(SUBSTRING "${help_${first}_description}" 1 -1 rest)
  string(TOLOWER "${initial}" initial)
  roff(description "${initial}${rest}")
  string(APPEND page ".SH NAME\ngraphsteps \\- programs that each show one graph algorithm step by step\n"
                     ".SH DESCRIPTION\nEach program of graphsteps shows one graph algorithm at work on a small graph, in an\n"
                     "800 x 600 window. They are teaching tools, for students and teachers to watch together.\n"
                     ".PP\nRun without options, a program ${description}\n"
                     ".SH PROGRAMS\n")
  foreach(program IN LISTS PROGRAMS)
    roff(summary "${help_${program}_summary}")
    string(APPEND page ".TP\n\\fB${program}\\fR(1)\n${summary}\n")
  endforeach()
  # The options that every program lists, as the first program words them; then who takes each
  # of the others.
  string(APPEND page ".SH OPTIONS\nEvery program takes these options:\n")
  set(others "")
  foreach(program IN LISTS PROGRAMS)
    set(i 0)
    foreach(option IN LISTS help_${program}_options)
      math(EXPR i "${i} + 1")
      set(everywhere TRUE)
      foreach(other IN LISTS PROGRAMS)
        list(FIND help_${other}_options "${option}" found)
        if(found EQUAL -1)
          set(everywhere FALSE)
        endif()
      endforeach()
      list(FIND others "${option}" known)
      if(everywhere AND program STREQUAL first)
        roff_option(tag "${option}")
        roff(text "${help_${program}_option_${i}}")
        string(APPEND page ".TP\n${tag}\n${text}\n")
      elseif(NOT everywhere AND known EQUAL -1)
        list(APPEND others "${option}")
      endif()
    endforeach()
  endforeach()
  foreach(option IN LISTS others)
    set(takers "")
    foreach(program IN LISTS PROGRAMS)
      list(FIND help_${program}_options "${option}" found)
      if(NOT found EQUAL -1)
        list(APPEND takers "\\fB${program}\\fR")
      endif()
    endforeach()
    list(POP_BACK takers last)
    list(JOIN takers ", " takers)
    if(NOT takers STREQUAL "")
      set(takers "${takers} and ")
    endif()
    roff_option(tag "${option}")
    string(APPEND page ".PP\nOnly ${takers}${last} take ${tag}; their pages say what it does.\n")
  endforeach()
  string(APPEND page
    ".SH FILES\n"
    "The programs with labels load the font \\fItimes.ttf\\fR from the working folder, else from\n"
    "the folder of the program, else from the folder \\fIshare/graphsteps\\fR of the installation.\n"
    "Last they take Liberation Serif from the package fonts\\-liberation:\n"
    "\\fI\\%fonts/truetype/liberation/LiberationSerif\\-Regular.ttf\\fR under each data folder of\n"
    ".BR XDG_DATA_DIRS ,\n"
    "which on Debian is\n"
    ".IR \\%/usr/share/fonts/truetype/liberation/LiberationSerif\\-Regular.ttf .\n"
    "When none of them loads, the program says where it looked and exits with status 1.\n"
    ".SH ENVIRONMENT\n"
    ".TP\n.B XDG_DATA_DIRS\n"
    "The data folders, separated by colons, where Liberation Serif is looked for last; when it is\n"
    "unset or empty, \\fI/usr/local/share\\fR and \\fI/usr/share\\fR.\n"
    ".TP\n.B DISPLAY\n"
    "The display a window opens on; without one, a program writes its pictures only with\n"
    "\\fB\\-\\-record\\fR or \\fB\\-\\-gif\\fR.\n"
    ".SH EXIT STATUS\n"
    "0 when the show ran to its end, 1 when it could not (no display, no font, a file that could not\n"
    "be written), 2 for arguments a program does not take.\n"
    ".SH SEE ALSO\n")
  set(see "")
  foreach(program IN LISTS PROGRAMS)
    list(APPEND see "\\fB${program}\\fR(1)")
  endforeach()
  list(JOIN see ",\n" see)
  string(APPEND page "${see}\n")
endif()

file(WRITE "${OUTPUT}" "${page}")
# -n: no name or time stamp in the archive, so that the same page compresses to the same bytes.
execute_process(COMMAND "${GZIP}" -9 -n -c "${OUTPUT}" OUTPUT_FILE "${OUTPUT}.gz" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "man-page.cmake: ${GZIP} could not compress ${OUTPUT}")
endif()
