# Turns one font text into the C++ table the toolkit compiles in: one string
# literal per line, then a null pointer. Run by the build for every file in
# data/, so the font texts are the only copy kept in the repository.
#   cmake -DFONT_TEXT=data/NAME.font -DFONT_NAME=NAME -DOUTPUT=fontdata_NAME.cpp -P fontdata.cmake
# The whole text is rewritten at once rather than line by line: a loop over
# the ~10,000 lines of a large font would take CMake seconds per font.
file(READ "${FONT_TEXT}" text)
# A line is the text between line ends; a carriage return belongs to none.
string(REPLACE "\r" "" text "${text}")
string(REPLACE "\\" "\\\\" text "${text}")
string(REPLACE "\"" "\\\"" text "${text}")
string(LENGTH "${text}" length)
if(length GREATER 0)
  math(EXPR last "${length} - 1")
  string(SUBSTRING "${text}" ${last} 1 end)
  if(end STREQUAL "\n")
    string(SUBSTRING "${text}" 0 ${last} text)
  endif()
endif()
string(REPLACE "\n" "\",\n\"" text "${text}")
file(WRITE "${OUTPUT}.new"
     "// Made by the build from toolkit/fonts/data/${FONT_NAME}.font; do not edit.\n"
     "#include \"fontdata.h\"\n\n"
     "const char* const vqfontdata_${FONT_NAME}[] = {\n\"${text}\",\nnullptr};\n")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
