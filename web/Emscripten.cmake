# SPDX-License-Identifier: GPL-3.0-or-later
# The browser edition's toolchain: Debian's emscripten, whose linker runs its
# JavaScript optimiser under Node. Debian keeps that optimiser's parser
# (node-acorn) in /usr/share/nodejs, where only Debian's own Node looks;
# the path is given so that any Node finds it.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
