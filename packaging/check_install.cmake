# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DVERSION=...
#     -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -P check_install.cmake
#
# Installs the built program into PREFIX, as `cmake --install` does for a
# person, and checks what lands there with the validators that software
# centres and menus trust.

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    message("$ ${ARGV}\n${output}")
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGV}")
    endif()
endfunction()

function(expect_png file size)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
    # The PNG signature, then the IHDR chunk with width and height.
    file(READ ${file} header HEX LIMIT 24)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 16 dimensions)
    math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "" side "${side}")
    string(LENGTH "${side}" digits)
    math(EXPR padding "8 - ${digits}")
    string(REPEAT "0" ${padding} zeros)
    set(wanted "${zeros}${side}${zeros}${side}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT dimensions STREQUAL wanted)
        message(FATAL_ERROR "${file} is not a ${size} x ${size} PNG (${header})")
    endif()
endfunction()

file(REMOVE_RECURSE ${PREFIX})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

set(desktop ${PREFIX}/share/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
foreach(file ${PREFIX}/games/duset ${desktop} ${metainfo} ${PREFIX}/share/doc/duset/copyright
        ${PREFIX}/share/doc/duset/changelog.gz ${PREFIX}/share/man/man6/duset.6.gz ${PREFIX}/share/man/th/man6/duset.6.gz)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
expect_png(${PREFIX}/share/icons/hicolor/16x16/apps/${APP_ID}.png 16)
expect_png(${PREFIX}/share/icons/hicolor/32x32/apps/${APP_ID}.png 32)

file(STRINGS ${metainfo} release REGEX "<release ")
if(NOT release MATCHES "version=\"${VERSION}\"")
    message(FATAL_ERROR "the metainfo's release is not version ${VERSION}: ${release}")
endif()

file(STRINGS ${metainfo} licence REGEX "<project_license>")
if(NOT licence MATCHES "<project_license>GPL-3.0-or-later</project_license>")
    message(FATAL_ERROR "the metainfo does not name the project's licence: ${licence}")
endif()

# A software centre shows the program in Thai where its language is Thai, as
# the menu does with the desktop entry.
foreach(element name summary p)
    file(STRINGS ${metainfo} thai REGEX "<${element} xml:lang=\"th\">")
    if(NOT thai)
        message(FATAL_ERROR "the metainfo has no Thai ${element}")
    endif()
endforeach()

run(${DESKTOP_FILE_VALIDATE} ${desktop})
run(${APPSTREAMCLI} validate --no-net ${metainfo})
# The tree as a whole: the metainfo's launchable and icon are found beside it.
run(${APPSTREAMCLI} validate-tree --no-net ${PREFIX})
