# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DSOURCE_DIR=<dir> -P Layers.cmake
#
# The program's folders stand in layers, each using only the ones below it:
# the desktop and the resources at the bottom, the forms runtime over them,
# the screens over the runtime, and the start-up on top. No file includes a
# header of its own layer's neighbour or of a layer above.
cmake_minimum_required(VERSION 3.25)
set(below_desktop)
set(below_resources)
set(below_forms desktop resources)
set(below_screens forms desktop resources)
set(below_program screens forms desktop resources)
set(folders desktop resources forms screens program)
foreach(folder IN LISTS folders)
    file(GLOB headers RELATIVE ${SOURCE_DIR}/${folder} ${SOURCE_DIR}/${folder}/*.h)
    foreach(header IN LISTS headers)
        set(folder_of_${header} ${folder})
    endforeach()
endforeach()
set(broken)
set(count 0)
foreach(folder IN LISTS folders)
    file(GLOB sources ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
    foreach(source IN LISTS sources)
        math(EXPR count "${count} + 1")
        file(STRINGS ${source} includes REGEX "^#include \"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
            set(from "${folder_of_${header}}")
            if(from AND NOT from STREQUAL folder AND NOT from IN_LIST below_${folder})
                get_filename_component(name ${source} NAME)
                list(APPEND broken "${folder}/${name} reaches up or across into ${from}/: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(broken)
    list(JOIN broken "\n" report)
    message(FATAL_ERROR "${report}")
endif()
message(STATUS "${count} files keep to their layers.")
