#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the benchmark twice on this machine: off screen, and on a virtual X
# server (Debian's xvfb and xauth). Arguments go to duset-bench, for example
#     bench/run.sh --runs 50 --tours 200 --round-trips 2000
# The build directory is build/ unless BUILD_DIR says otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${BUILD_DIR:-build}/bench/duset-bench
if [[ ! -x $bench ]]; then
    echo "build first: ./setup.sh test (or cmake --build ${BUILD_DIR:-build})" >&2
    exit 1
fi
if ! command -v xvfb-run >/dev/null; then
    echo "the X server run needs Debian's xvfb and xauth: apt-get install xvfb xauth" >&2
    exit 1
fi
# Qt wants a private run-time directory and warns at every start without one.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

QT_QPA_PLATFORM=offscreen "$bench" "$@"
echo
QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x1024x24' "$bench" "$@"
