# SPDX-License-Identifier: GPL-3.0-or-later
cmake_policy(VERSION 3.25)
# Makes the packages' Debian changelog from NEWS.md, so that the changes are
# written once: an entry per released version (`## VERSION (YYYY-MM-DD)`),
# each paragraph or "- " item of its section an item of the entry, backticks
# dropped. "Unreleased" is left out: no package has it yet. Fails unless the
# newest version is the project's, with its release date.
#   cmake -DNEWS=... -DOUTPUT=... -DVERSION=... -DRELEASE_DATE=YYYY-MM-DD
#         -DMAINTAINER=... -P news_to_changelog.cmake
file(READ ${NEWS} text)
string(APPEND text "\n")
set(changelog "")
set(section "") # release, unreleased, or empty before the first version heading
set(entry "")
set(item "")
set(newest "")

macro(end_item)
    if(NOT item STREQUAL "")
        string(APPEND entry "  * ${item}\n")
        set(item "")
    endif()
endmacro()

macro(end_section)
    end_item()
    if(section STREQUAL "release")
        if(entry STREQUAL "")
            message(FATAL_ERROR "${NEWS}: version ${version} says nothing")
        endif()
        execute_process(COMMAND date -u -R -d ${date} OUTPUT_VARIABLE stamp
                        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        string(APPEND changelog "pelicast (${version}) unstable; urgency=medium\n\n"
                                "${entry}\n -- ${MAINTAINER}  ${stamp}\n\n")
    endif()
    set(entry "")
endmacro()

while(NOT text STREQUAL "")
    string(FIND "${text}" "\n" end)
    string(SUBSTRING "${text}" 0 ${end} line)
    math(EXPR end "${end} + 1")
    string(SUBSTRING "${text}" ${end} -1 text)
    string(REPLACE "`" "" line "${line}")

    if(line MATCHES "^## ")
        end_section()
        if(line STREQUAL "## Unreleased")
            set(section unreleased)
        elseif(line MATCHES "^## ([0-9][0-9A-Za-z.+~]*) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
            set(section release)
            set(version ${CMAKE_MATCH_1})
            set(date ${CMAKE_MATCH_2})
            if(newest STREQUAL "")
                set(newest "${version} (${date})")
                if(NOT newest STREQUAL "${VERSION} (${RELEASE_DATE})")
                    message(FATAL_ERROR "${NEWS}: the newest version is ${newest}, but "
                        "CMakeLists.txt says ${VERSION} (${RELEASE_DATE}); on a release, the "
                        "\"Unreleased\" heading becomes \"## VERSION (YYYY-MM-DD)\" of both")
                endif()
            endif()
        else()
            message(FATAL_ERROR "${NEWS}: \"${line}\" is neither \"## Unreleased\" nor "
                                "\"## VERSION (YYYY-MM-DD)\"")
        endif()
    elseif(NOT section STREQUAL "release")
        # The title, the introduction and what is not released yet.
    elseif(line STREQUAL "")
        end_item()
    elseif(line MATCHES "^- (.*)")
        end_item()
        set(item "${CMAKE_MATCH_1}")
    else()
        string(STRIP "${line}" line)
        if(item STREQUAL "")
            set(item "${line}")
        else()
            string(APPEND item "\n    ${line}")
        endif()
    endif()
endwhile()
end_section()

if(newest STREQUAL "")
    message(FATAL_ERROR "${NEWS} names no released version")
endif()
string(REGEX REPLACE "\n+$" "\n" changelog "${changelog}")
file(WRITE ${OUTPUT} "${changelog}")
