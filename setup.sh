#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing on a Debian 12 machine, builds duset, and then
# starts it (./setup.sh run) or runs every test (./setup.sh test).
# Run it as root, or as a user who may use sudo: only the installation of
# Debian packages needs root.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case $mode in
run | test) ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

# What building and running need: the compiler and build tools, Qt 6 and
# its translation tools (for the Thai of Qt's own texts), the X client
# libraries for keeping windows out of the task bar and for letting Xlib
# forget its requests, libxkbcommon with the keyboard data, from which the
# access keys learn which key carries which Thai letter, and the Thai
# faces the screens are drawn in; and what making the Debian package needs:
# file and dpkg-shlibdeps, which read the program file's libraries.
packages=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev libxcb1-dev libx11-dev
    libxkbcommon-dev xkb-data
    fonts-thai-tlwg fonts-noto-core fonts-noto-ui-core fonts-comic-neue
    dpkg-dev file
)
# The tests also run the desktop-entry and AppStream validators on the
# installed files, reuse, which asks git which files are the project's, on
# every file's licence, and clang-format on the layout of the C++ code; they
# count the memory of round trips on a virtual X server as well, and press
# access keys on it for real, with its layouts set by setxkbmap and the keys
# sent through XTest; they fuzz the reckoning, which takes clang with
# libFuzzer and the sanitizer run-time libraries; and Debian's own checker,
# lintian, reads the package. They run the screen reader Orca over the
# program, too: with the accessibility bus on its own D-Bus session,
# speech-dispatcher, a window manager, the Thai keyboard layout and keys
# pressed through the X server. They type through the input methods Thai
# typists run, too: IBus and Fcitx 5 with their Thai engines (LibThai, and
# Fcitx's Thai keyboard) and Fcitx's front end for Qt 6 (Qt carries IBus's).
# Fontconfig's fc-list counts the Thai faces that a font cache lists after
# the program met too little memory. They run the program under two more
# window managers, metacity and mutter (GNOME's, on X11), to see where those
# put and bring back its windows and what they keep off their window lists.
if [[ $mode == test ]]; then
    packages+=(desktop-file-utils appstream reuse git clang-format xvfb xauth clang libclang-rt-14-dev lintian)
    packages+=(x11-xkb-utils libxtst-dev fontconfig)
    packages+=(orca speech-dispatcher at-spi2-core dbus openbox xdotool x11-xserver-utils procps python3)
    packages+=(ibus ibus-libthai fcitx5 fcitx5-libthai fcitx5-frontend-qt6)
    packages+=(metacity mutter)
fi

as_root() {
    if [[ $EUID -eq 0 ]]; then
        "$@"
    else
        sudo "$@"
    fi
}

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Warnings stop the build in CI only, where the compiler is always the same.
werror=OFF
if [[ ${CI:-} == true ]]; then
    werror=ON
fi
testing=OFF
if [[ $mode == test ]]; then
    testing=ON
fi
# The build's generator, folder and type are the default preset's
# (CMakePresets.json), as the sanitizer run's are the sanitize preset's.
cmake --preset default -DBUILD_TESTING=$testing -DDUSET_WERROR=$werror
cmake --build --preset default

if [[ $mode == test ]]; then
    QT_QPA_PLATFORM=offscreen ctest --preset default

    # The reckoning under libFuzzer for a short while; the corpus it grows
    # stays in build-fuzz/ for the next run.
    cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
    cmake --build build-fuzz
    mkdir -p build-fuzz/corpus
    build-fuzz/fuzz_reckoning -max_total_time=40 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/ build-fuzz/corpus

    # Every test again, with AddressSanitizer and UndefinedBehaviorSanitizer
    # watching each read, write and calculation.
    cmake --preset sanitize -DDUSET_WERROR=$werror
    cmake --build --preset sanitize
    QT_QPA_PLATFORM=offscreen ctest --preset sanitize
    exit
fi

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    cat >&2 <<'TEXT'
duset is built (build/duset) but there is no display to show it on.
On a machine without a screen, run it on a virtual one:
    apt-get install xvfb xauth && xvfb-run -a build/duset
TEXT
    exit 1
fi
exec build/duset
