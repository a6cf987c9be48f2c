# Writes OUTPUT, a C++ source that defines `extern const char NAME[]` as the exact text of INPUT,
# so that a page written as one self-contained file carries its script and style while they are
# kept, read and checked as the real files they are.
#   cmake -DINPUT=file.js -DOUTPUT=file.cpp -DNAME=variable -P embed_text.cmake
file(READ "${INPUT}" text)
# A raw string ends at its delimiter; a file that holds it would end the string early.
set(delimiter "graphsteps_page")
if(text MATCHES "\\)${delimiter}\"")
  message(FATAL_ERROR "${INPUT} holds )${delimiter}\", which would end its C++ raw string")
endif()
get_filename_component(source_name "${INPUT}" NAME)
set(source "// Made by CMake from ${source_name}: edit that file, not this one.\n")
string(APPEND source "extern const char ${NAME}[];\n")
string(APPEND source "const char ${NAME}[] = R\"${delimiter}(${text})${delimiter}\";\n")
# Written only when it changes, so that an unchanged page rebuilds nothing.
file(WRITE "${OUTPUT}.new" "${source}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
