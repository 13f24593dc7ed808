# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DLINTIAN=... -DOUTPUT=... -P check_lintian.cmake
#
# Runs Debian's checker on the package in OUTPUT, as the test debian_package
# left it. Every tag is shown, down to the pedantic ones; an error or a
# warning fails.

file(GLOB packages ${OUTPUT}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "no package in ${OUTPUT}: the test debian_package builds it")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --display-level ">=pedantic" --display-experimental
        --info ${packages}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message("$ lintian ${packages}\n${output}${errors}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian found errors or warnings (status ${status})")
endif()
