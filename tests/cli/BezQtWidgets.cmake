# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when PROGRAM needs Qt Widgets (or Qt Print Support, which brings it),
# itself or through any library it loads: lastovar-cli is to run where no
# widgets are installed.
#   cmake -DPROGRAM=path -DOBJDUMP=path -P BezQtWidgets.cmake
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM "linux+elf")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL "objdump")
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${OBJDUMP}")
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES "${PROGRAM}"
    RESOLVED_DEPENDENCIES_VAR resolved
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
set(all ${resolved} ${unresolved})

# The libraries it must find, or the search itself went wrong.
foreach(needed Qt6Core Qt6Gui)
    set(found ${resolved})
    list(FILTER found INCLUDE REGEX "lib${needed}\\.so")
    if(NOT found)
        message(FATAL_ERROR "${PROGRAM}: lib${needed} not among its libraries: ${all}")
    endif()
endforeach()

set(widgets ${all})
list(FILTER widgets INCLUDE REGEX "libQt6(Widgets|PrintSupport)\\.so")
if(widgets)
    message(FATAL_ERROR "${PROGRAM} loads ${widgets}")
endif()
message(STATUS "${PROGRAM} loads no Qt Widgets")
