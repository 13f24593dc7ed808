#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# run.sh ibus|fcitx5 TEST [ARGUMENT ...]
#
# Runs the test with a real input method of a Thai typist, on the X server
# and D-Bus session it is given (xvfb-run, dbus-run-session): IBus with its
# panel, or Fcitx 5 with its keyboard and D-Bus front end, each in a
# throwaway home with the Thai engines and the X server's layout US. The
# test switches the engines itself (DUSET_IM_SWITCH). It is skipped (77),
# saying what is missing, where the framework, its Thai engine or Qt's front
# end for it is not installed (in CI, where every test runs, it fails).
set -euo pipefail
framework=$1
shift

# In CI every test runs: there a missing piece is a failure.
skip() {
    echo "skipped: $*"
    [[ ${CI:-} == true ]] && exit 1
    exit 77
}

export HOME
HOME=$(mktemp -d)
daemon=
cleanup() {
    [[ -n $daemon ]] && kill "$daemon" 2>/dev/null
    rm -rf "$HOME"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local/share
unset XDG_RUNTIME_DIR
# The IBus panel takes a desktop without a name for Plasma on Wayland, where
# it leaves the layouts alone.
export XDG_CURRENT_DESKTOP=openbox
setxkbmap -layout us

plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)/platforminputcontexts
owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}

case $framework in
ibus)
    command -v ibus-daemon >/dev/null || skip "needs IBus (Debian package ibus)"
    [[ -x /usr/libexec/ibus-engine-libthai ]] || skip "needs IBus's Thai engine (Debian package ibus-libthai)"
    [[ -e $plugins/libibusplatforminputcontextplugin.so ]] || skip "needs Qt's IBus front end (Debian package libqt6gui6)"
    ibus-daemon --xim=false >"$HOME/daemon.log" 2>&1 &
    daemon=$!
    for _ in $(seq 100); do
        ibus engine >/dev/null 2>&1 && break
        sleep 0.1
    done
    export QT_IM_MODULE=ibus DUSET_IM_SWITCH="ibus engine" DUSET_IM_ENGINES="xkb:th::tha,libthai"
    ;;
fcitx5)
    command -v fcitx5 >/dev/null || skip "needs Fcitx 5 (Debian package fcitx5)"
    [[ -e /usr/lib/x86_64-linux-gnu/fcitx5/libthai.so ]] || skip "needs Fcitx 5's Thai engine (Debian package fcitx5-libthai)"
    [[ -e $plugins/libfcitx5platforminputcontextplugin.so ]] ||
        skip "needs Fcitx 5's front end for Qt 6 (Debian package fcitx5-frontend-qt6)"
    # One group with the Thai keyboard and LibThai over the US layout of the
    # X server, as a Thai typist sets Fcitx up; every window shares the
    # engine chosen.
    mkdir -p "$XDG_CONFIG_HOME/fcitx5"
    cat >"$XDG_CONFIG_HOME/fcitx5/profile" <<'PROFILE'
[Groups/0]
Name=Thai
Default Layout=us
DefaultIM=libthai

[Groups/0/Items/0]
Name=keyboard-th
Layout=

[Groups/0/Items/1]
Name=libthai
Layout=

[GroupOrder]
0=Thai
PROFILE
    printf '[Behavior]\nShareInputState=All\n' >"$XDG_CONFIG_HOME/fcitx5/config"
    fcitx5 --disable=all --enable=xcb,dbus,dbusfrontend,keyboard,libthai >"$HOME/daemon.log" 2>&1 &
    daemon=$!
    for _ in $(seq 100); do
        owned org.fcitx.Fcitx5 && break
        sleep 0.1
    done
    export QT_IM_MODULE=fcitx DUSET_IM_SWITCH="fcitx5-remote -s" DUSET_IM_ENGINES="keyboard-th,libthai"
    ;;
*)
    echo "usage: $0 ibus|fcitx5 TEST [ARGUMENT ...]" >&2
    exit 2
    ;;
esac
export DUSET_IM=$framework
status=0
"$@" || status=$?
if ((status != 0)); then
    echo "--- what the input method said:"
    tail -n 40 "$HOME/daemon.log"
fi
exit $status
