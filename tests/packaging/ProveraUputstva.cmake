# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the manual pages as man shows them: UPUTSTVA (a list of pages) must
# format without a warning, and the page CLI_UPUTSTVO must name every
# command and every option that `CLI --help` lists, so the page cannot fall
# behind the program.
set(nedostaje)
foreach(stranica IN LISTS UPUTSTVA)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=250 ${MAN} --warnings -l ${stranica}
        OUTPUT_VARIABLE tekst ERROR_VARIABLE upozorenja RESULT_VARIABLE kod)
    if(NOT kod EQUAL 0 OR NOT upozorenja STREQUAL "")
        message(FATAL_ERROR "${stranica}: man exits with ${kod}:\n${upozorenja}")
    endif()
    if(stranica STREQUAL CLI_UPUTSTVO)
        set(cli_tekst "${tekst}")
    endif()
endforeach()

execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE pomoc RESULT_VARIABLE kod)
if(NOT kod EQUAL 0)
    message(FATAL_ERROR "${CLI} --help exits with ${kod}")
endif()
# A command's help starts on a line of its own, two blanks in.
string(REGEX MATCHALL "\n  [a-z][a-z-]* " komande "${pomoc}")
string(REGEX MATCHALL "--[a-z][a-z-]*" opcije "${pomoc}")
if(NOT komande OR NOT opcije)
    message(FATAL_ERROR "no command or option found in the help:\n${pomoc}")
endif()
foreach(k IN LISTS komande)
    string(STRIP "${k}" k)
    string(FIND "${cli_tekst}" "lastovar-cli ${k} " mesto)
    if(mesto EQUAL -1)
        list(APPEND nedostaje "command ${k}")
    endif()
endforeach()
list(REMOVE_DUPLICATES opcije)
foreach(o IN LISTS opcije)
    string(FIND "${cli_tekst}" "${o}" mesto)
    if(mesto EQUAL -1)
        list(APPEND nedostaje "option ${o}")
    endif()
endforeach()
if(nedostaje)
    list(JOIN nedostaje ", " nedostaje)
    message(FATAL_ERROR "${CLI_UPUTSTVO} does not describe: ${nedostaje}")
endif()
