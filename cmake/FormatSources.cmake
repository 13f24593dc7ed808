# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DCLANG_FORMAT=<program> -DGIT=<program> -DSOURCE_DIR=<dir> -DMODE=check|fix -P FormatSources.cmake
#
# Runs clang-format with the project's .clang-format over every C++ file of
# the project: the ones git tracks and the new ones it does not ignore, so
# that the build folders and what is generated in them stay out. With
# MODE=check it changes nothing and fails on any file that differs; with
# MODE=fix it rewrites them.
foreach(variable CLANG_FORMAT GIT SOURCE_DIR MODE)
    if(NOT ${variable})
        message(FATAL_ERROR "FormatSources.cmake needs -D${variable}=...")
    endif()
endforeach()

execute_process(
    COMMAND ${GIT} ls-files --cached --others --exclude-standard -- "*.cpp" "*.h"
    WORKING_DIRECTORY ${SOURCE_DIR}
    OUTPUT_VARIABLE listed
    RESULT_VARIABLE listed_result)
if(NOT listed_result EQUAL 0)
    message(FATAL_ERROR "git could not list the C++ files of ${SOURCE_DIR}: it has to be a git checkout.")
endif()
string(REPLACE "\n" ";" files "${listed}")
set(present)
foreach(file IN LISTS files)
    # A tracked file deleted in the working tree is nothing to format.
    if(file AND EXISTS "${SOURCE_DIR}/${file}")
        list(APPEND present "${file}")
    endif()
endforeach()
list(REMOVE_DUPLICATES present)
if(NOT present)
    message(FATAL_ERROR "git listed no C++ files in ${SOURCE_DIR}.")
endif()

if(MODE STREQUAL "check")
    set(arguments --dry-run -Werror)
elseif(MODE STREQUAL "fix")
    set(arguments -i)
else()
    message(FATAL_ERROR "MODE is check or fix, not ${MODE}.")
endif()
execute_process(
    COMMAND ${CLANG_FORMAT} --style=file ${arguments} ${present}
    WORKING_DIRECTORY ${SOURCE_DIR}
    RESULT_VARIABLE format_result)
list(LENGTH present count)
if(NOT format_result EQUAL 0)
    if(MODE STREQUAL "check")
        message(FATAL_ERROR "Some of the ${count} C++ files differ from .clang-format's layout (above); "
            "`cmake --build <build> --target format` rewrites them.")
    endif()
    message(FATAL_ERROR "clang-format failed.")
endif()
message(STATUS "${count} C++ files laid out as .clang-format says.")
