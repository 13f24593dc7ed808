# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DSOURCE_DIR=<dir> -P ScreenRules.cmake
#
# A screen reaches its controls only through the handles of its enumeration
# of them, hears them and puts a handler off for later only through Screen's
# guarded ways, and meets another screen only through what that screen
# offers: no file of screens/ looks a control up by its name or through the
# window, connects a signal or posts a call itself, includes another screen's
# header or casts a registry slot to a screen. Only screens.cpp, which makes
# the screens, knows them all.
cmake_minimum_required(VERSION 3.25)
file(GLOB sources ${SOURCE_DIR}/screens/*.cpp ${SOURCE_DIR}/screens/*.h)
set(broken)
foreach(source IN LISTS sources)
    get_filename_component(name ${source} NAME)
    get_filename_component(own ${source} NAME_WE)
    file(STRINGS ${source} lines)
    foreach(line IN LISTS lines)
        set(rule)
        if(line MATCHES "connect\\(")
            set(rule "connects a signal itself")
        elseif(line MATCHES "invokeMethod|singleShot|QTimer")
            set(rule "posts a call outside the guard")
        elseif(line MATCHES "control(<[^>]*>)?\\(\"|->control|findChild|controlAt|menuEntry")
            set(rule "reaches a control by its name or through the window")
        elseif(line MATCHES "cast<Form[0-9]")
            set(rule "casts to a screen")
        elseif(NOT name STREQUAL "screens.cpp" AND line MATCHES "#include \"(form[0-9])\\.h\""
                AND NOT CMAKE_MATCH_1 STREQUAL own)
            set(rule "includes another screen")
        endif()
        if(rule)
            list(APPEND broken "screens/${name} ${rule}: ${line}")
        endif()
    endforeach()
endforeach()
if(broken)
    list(JOIN broken "\n" report)
    message(FATAL_ERROR "${report}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files of screens/ keep to the screens' rules.")
