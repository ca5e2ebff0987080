# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it packs. CPack quietly leaves out the libraries the
# package depends on when dpkg-shlibdeps is missing, giving a .deb that
# installs and then cannot start; the configure checks for it too, but cpack
# may run after dpkg-dev has gone.
find_program(dpkg_shlibdeps dpkg-shlibdeps)
if(NOT dpkg_shlibdeps)
    message(FATAL_ERROR "dpkg-shlibdeps not found: install dpkg-dev (bash scripts/deps.sh) "
                        "so that the package lists the libraries it needs")
endif()
