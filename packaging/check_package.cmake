# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DBUILD_DIR=... -DOUTPUT=... -DAPP_ID=... -DDPKG_DEB=... -P check_package.cmake
#
# Builds the Debian package with CPack and reads it back: its dependencies
# must name the libraries the program file links to and the Thai fonts, and
# it must carry the program, its desktop files and its copyright.

file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUTPUT}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
file(GLOB packages ${OUTPUT}/*.deb)
list(LENGTH packages count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made no package")
endif()

execute_process(COMMAND ${DPKG_DEB} --field ${packages} Package Version Depends Section Maintainer OUTPUT_VARIABLE fields
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${DPKG_DEB} --contents ${packages} OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
message("${fields}\n${contents}")

# A game, as its desktop entry says, kept by someone who can be named and
# written to.
if(NOT fields MATCHES "(^|\n)Section: games\n" OR NOT fields MATCHES "(^|\n)Maintainer: [^<\n]+ <[^@>\n]+@[^@>\n]+>\n")
    message(FATAL_ERROR "the package is not in the games section with a maintainer's address:\n${fields}")
endif()

# Found by dpkg-shlibdeps in the program file, not written by hand.
foreach(library libqt6widgets6 libqt6gui6 libqt6core6 libstdc\\+\\+6 libc6)
    if(NOT fields MATCHES "Depends:.*${library} \\(>= ")
        message(FATAL_ERROR "the package does not depend on ${library}")
    endif()
endforeach()
foreach(font fonts-thai-tlwg fonts-noto-core fonts-noto-ui-core fonts-comic-neue)
    if(NOT fields MATCHES "Depends:.*${font}")
        message(FATAL_ERROR "the package does not depend on ${font}")
    endif()
endforeach()
foreach(file ./usr/games/duset ./usr/share/applications/${APP_ID}.desktop ./usr/share/metainfo/${APP_ID}.metainfo.xml
        ./usr/share/icons/hicolor/16x16/apps/${APP_ID}.png ./usr/share/icons/hicolor/32x32/apps/${APP_ID}.png
        ./usr/share/doc/duset/copyright ./usr/share/doc/duset/changelog.gz ./usr/share/man/man6/duset.6.gz
        ./usr/share/man/th/man6/duset.6.gz)
    string(FIND "${contents}" " ${file}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the package does not carry ${file}")
    endif()
endforeach()

# The copyright file in Debian's machine-readable format: its header names
# the format, and every file of the package is under the program's licence.
execute_process(COMMAND ${DPKG_DEB} --extract ${packages} ${OUTPUT}/unpacked COMMAND_ERROR_IS_FATAL ANY)
file(READ ${OUTPUT}/unpacked/usr/share/doc/duset/copyright copyright)
if(NOT copyright MATCHES "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
        OR NOT copyright MATCHES "\nFiles: [*]\nCopyright: [^\n]+\nLicense: GPL-3.0-or-later\n"
        OR NOT copyright MATCHES "\n\nLicense: GPL-3.0-or-later\n ")
    message(FATAL_ERROR "the package's copyright file is not in Debian's machine-readable format:\n${copyright}")
endif()
