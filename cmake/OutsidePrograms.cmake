# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later

# duset_outside_programs(<test> <program>=<debian-package> ...)
#
# Finds the outside programs that a test runs, each into the cache variable
# DUSET_<PROGRAM> (upper case, "-" as "_"), and sets <test>_READY when all are
# there. A missing one stops the configuration in CI (CI=true), where every
# test has to run; elsewhere the test is registered to be skipped, and both
# the configuration and the test name the Debian package to install.
function(duset_outside_programs test)
    set(missing)
    foreach(entry IN LISTS ARGN)
        string(REPLACE "=" ";" pair "${entry}")
        list(GET pair 0 program)
        list(GET pair 1 package)
        string(TOUPPER "DUSET_${program}" variable)
        string(REPLACE "-" "_" variable "${variable}")
        find_program(${variable} ${program})
        if(NOT ${variable})
            list(APPEND missing "${program} (Debian package ${package})")
        endif()
    endforeach()
    if(NOT missing)
        set(${test}_READY TRUE PARENT_SCOPE)
        return()
    endif()
    set(${test}_READY FALSE PARENT_SCOPE)
    list(JOIN missing ", " needs)
    if("$ENV{CI}" STREQUAL "true")
        message(FATAL_ERROR "The test ${test} needs ${needs}.")
    endif()
    message(WARNING "The test ${test} is skipped: it needs ${needs}.")
    add_test(NAME ${test} COMMAND sh -c "echo \"skipped: needs $1\"; exit 77" sh "${needs}")
    set_tests_properties(${test} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()
