# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's command line with no display and no platform chosen: --help and --version answer
# on standard output and exit 0, an unknown option shows the usage on standard error and exits 2.
#   cmake -DPROGRAM=path/to/movesta -DVERSION=x.y.z -P command_line.cmake
function(expect args status stream pattern)
    execute_process(COMMAND ${PROGRAM} ${args} RESULT_VARIABLE code OUTPUT_VARIABLE out
                    ERROR_VARIABLE err TIMEOUT 20)
    message("movesta ${args}: exit ${code}\n--- stdout\n${out}--- stderr\n${err}---")
    if(NOT code STREQUAL "${status}")
        message(FATAL_ERROR "movesta ${args}: exit ${code}, expected ${status}")
    endif()
    if(NOT ${stream} MATCHES "${pattern}")
        message(FATAL_ERROR "movesta ${args}: ${stream} does not match '${pattern}'")
    endif()
    foreach(quiet out err)
        if(NOT quiet STREQUAL stream AND NOT "${${quiet}}" STREQUAL "")
            message(FATAL_ERROR "movesta ${args}: unexpected output on std${quiet}")
        endif()
    endforeach()
endfunction()

expect("--help" 0 out "^Usage: movesta \\[options\\]\n.*-h, --help.*-v, --version.*\nHelp: F1 .*\n  /[^\n]*/movesta/product_page/index\\.html\n$")
expect("-h" 0 out "^Usage: movesta")
expect("--version" 0 out "^Movesta ${VERSION}\n.*GPL-3.0-or-later")
expect("-v" 0 out "^Movesta ${VERSION}\n")
# Qt's options are let through to Qt: with one of them, --help still answers.
expect("-platform;offscreen;--help" 0 out "^Usage: movesta")
expect("-style=fusion;--version" 0 out "^Movesta ${VERSION}\n")
expect("--frobnicate" 2 err "^movesta: unknown option '--frobnicate'\nUsage: movesta")
expect("report.txt" 2 err "^movesta: unknown option 'report.txt'\nUsage: movesta")
