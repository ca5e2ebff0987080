# SPDX-License-Identifier: GPL-3.0-or-later
# The package's build: the compiler and linker flags Debian's own packages
# are built with (fortify, stack protector, relro, bind now) and PIE, and
# the tool that lists the libraries the package depends on. Without
# dpkg-shlibdeps cpack would still make a .deb, one that installs and then
# cannot start, so its absence stops the configure here.
if(LASTOVAR_SANITIZE)
    message(FATAL_ERROR "LASTOVAR_DEB and LASTOVAR_SANITIZE exclude each other: "
                        "the package is built without sanitizers")
endif()
if(CMAKE_BUILD_TYPE STREQUAL "Debug")
    message(FATAL_ERROR "LASTOVAR_DEB needs an optimised build (-DCMAKE_BUILD_TYPE=Release): "
                        "_FORTIFY_SOURCE works only with optimisation")
endif()
find_program(LASTOVAR_DPKG_BUILDFLAGS dpkg-buildflags)
find_program(LASTOVAR_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT LASTOVAR_DPKG_BUILDFLAGS OR NOT LASTOVAR_DPKG_SHLIBDEPS)
    message(FATAL_ERROR "LASTOVAR_DEB needs dpkg-buildflags and dpkg-shlibdeps from the "
                        "Debian package dpkg-dev (bash scripts/deps.sh installs it): without "
                        "them the package would lack its hardening and its library dependencies")
endif()

# hardening=+all adds bind now to the default set; run in the source folder
# so that the file prefix map gives the paths the package's sources have.
foreach(vrsta CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${LASTOVAR_DPKG_BUILDFLAGS} --get ${vrsta}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE zastavice_${vrsta} OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
string(APPEND CMAKE_CXX_FLAGS " ${zastavice_CPPFLAGS} ${zastavice_CXXFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${zastavice_LDFLAGS}")
message(STATUS "Package build flags: ${zastavice_CPPFLAGS} ${zastavice_CXXFLAGS} ${zastavice_LDFLAGS}")

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
