# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DCLANG_FORMAT=<program> -DGIT=<program> -DSOURCE_DIR=<dir> [-DFIX=ON] -P format.cmake
#
# Checks every C++ file that git tracks against .clang-format, and fails on
# the first difference it prints; with FIX, rewrites the files instead.
execute_process(COMMAND ${GIT} ls-files -- "*.cpp" "*.h"
    WORKING_DIRECTORY ${SOURCE_DIR}
    OUTPUT_VARIABLE files
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "git could not list the sources of ${SOURCE_DIR}")
endif()
string(REGEX REPLACE "\n$" "" files "${files}")
string(REPLACE "\n" ";" files "${files}")
if(FIX)
    set(mode -i)
else()
    set(mode --dry-run -Werror)
endif()
execute_process(COMMAND ${CLANG_FORMAT} --style=file ${mode} ${files}
    WORKING_DIRECTORY ${SOURCE_DIR}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "Some sources differ from .clang-format: build the target format to mend them.")
endif()
