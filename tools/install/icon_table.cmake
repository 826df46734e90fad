# Turns one PNG of the icon into a C++ table of 0xAARRGGBB pixels, so that
# the program carries the installed icon's art for its window. netpbm's
# pngtopam decodes it (PAM: a short text header, then RGBA bytes).
#   cmake -DPNG=icon.png -DOUTPUT=table.cpp -P icon_table.cmake
find_program(PNGTOPAM pngtopam REQUIRED)
set(pam ${OUTPUT}.pam)
execute_process(COMMAND ${PNGTOPAM} -alphapam ${PNG} OUTPUT_FILE ${pam} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "icon_table: pngtopam could not read ${PNG}")
endif()

file(READ ${pam} bytes HEX)
string(FIND "${bytes}" "454e444844520a" header_end)   # "ENDHDR\n"
if(header_end LESS 0)
  message(FATAL_ERROR "icon_table: ${pam} is no PAM file")
endif()
math(EXPR header_length "${header_end} / 2")
file(READ ${pam} header LIMIT ${header_length})
string(REGEX MATCH "WIDTH ([0-9]+)" _ "${header}")
set(width ${CMAKE_MATCH_1})
string(REGEX MATCH "HEIGHT ([0-9]+)" _ "${header}")
set(height ${CMAKE_MATCH_1})
if(NOT header MATCHES "TUPLTYPE RGB_ALPHA" OR NOT header MATCHES "MAXVAL 255\n")
  message(FATAL_ERROR "icon_table: ${pam} holds no 8-bit RGBA pixels")
endif()

math(EXPR pixels_start "${header_end} + 14")
string(SUBSTRING "${bytes}" ${pixels_start} -1 pixels)
string(LENGTH "${pixels}" length)
math(EXPR expected "${width} * ${height} * 8")
if(NOT length EQUAL expected)
  message(FATAL_ERROR "icon_table: ${pam} has ${length} hex digits of pixels, not ${expected}")
endif()
string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\1\\2\\3u," pixels "${pixels}")
string(REGEX REPLACE "((0x[0-9a-f]+u,)(0x[0-9a-f]+u,)(0x[0-9a-f]+u,)(0x[0-9a-f]+u,)(0x[0-9a-f]+u,)(0x[0-9a-f]+u,))"
       "\\1\n" pixels "${pixels}")
file(REMOVE ${pam})
file(WRITE ${OUTPUT}.part
     "// Made by the build from the icon's PNG; do not edit.\n"
     "#include <cstdint>\n\n"
     "extern const int quorila_icon_width = ${width};\n"
     "extern const int quorila_icon_height = ${height};\n"
     "extern const uint32_t quorila_icon_pixels[] = {\n${pixels}\n};\n")
file(RENAME ${OUTPUT}.part ${OUTPUT})
