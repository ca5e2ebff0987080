# SPDX-License-Identifier: GPL-3.0-or-later
# Writes IZLAZ, a C++ source holding the bytes of the six sketches Skica1.jpg
# .. Skica6.jpg of folder ULAZ as arrays.
set(sadrzaj "// Generated from assets/Skica*.jpg by UgradiSkice.cmake.\n#include \"SkiceGrede.h\"\n\nnamespace {\n")
foreach(n RANGE 1 6)
    file(READ "${ULAZ}/Skica${n}.jpg" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" hex "${hex}")
    string(APPEND sadrzaj "const unsigned char kSkica${n}[] = {\n${hex}};\n")
endforeach()
string(APPEND sadrzaj "\n}  // namespace\n\nstd::span<const unsigned char> SkicaGrede(int brojSila) {\n    switch (brojSila) {\n")
foreach(n RANGE 2 6)
    string(APPEND sadrzaj "        case ${n}: return kSkica${n};\n")
endforeach()
string(APPEND sadrzaj "        default: return kSkica1;\n    }\n}\n")
file(WRITE "${IZLAZ}.tmp" "${sadrzaj}")
file(COPY_FILE "${IZLAZ}.tmp" "${IZLAZ}" ONLY_IF_DIFFERENT)
file(REMOVE "${IZLAZ}.tmp")
