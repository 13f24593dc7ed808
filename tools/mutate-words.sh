#!/bin/sh
# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shows that the tests hold the words: in a throwaway copy of the sources,
# changes one letter of a text at a time (a verse of the reckoning, a verse
# field, a history line, an order-screen line, the About box, a menu entry),
# rebuilds, and lists the tests that fail. Each change must make at least one
# fail. Not part of CI: it builds the program again for every change.
#
#   tools/mutate-words.sh [ctest -R pattern]
#
# By default it runs every test but the real clients, and but reuse_lint,
# which needs the git checkout the copy is not.
#
# Prints one line per change and exits 1 if any change passed every test.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
pattern=${1:-}

cd "$here"
git ls-files -z | xargs -0 cp --parents -t "$copy"
export CCACHE_BASEDIR="$copy" CCACHE_NOHASHDIR=1
cmake -S "$copy" -B "$copy/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null

# file, what it holds, what it is changed to, what the change is
mutations() {
    cat <<'EOF'
reckoning/reckoning.cpp	ชะตะใครทั้งชายหญิง	ชะตาใครทั้งชายหญิง	verse 1 of the reckoning's table: ชะตะ to ชะตา
screens/form5.cpp	ที่พึ่งพักพำนักเนา	ที่พึ่งพักพํานักเนา	verse page 1: ำ decomposed into ํ and า
screens/form3.cpp	ให้เอาเดือนกับวัน	ให้เอาเดือนกับวาน	history: เดือนกับวัน to เดือนกับวาน
screens/form2.cpp	4.เดือนมีนาคม	4.เดือนมีนาคน	order screen: มีนาคม to มีนาคน
screens/form4.cpp	ดูดวงแบบไทยจากเศษของวัน	ดูดวงแบบไทยจากเศษของวาน	About box: ของวัน to ของวาน
screens/form4.cpp	&ประวัติความเป็นมา	&ประวัติความเป็นนา	menu entry: เป็นมา to เป็นนา
EOF
}

# Replaces a text that the file holds exactly once.
replace() {
    python3 - "$1" "$2" "$3" <<'EOF'
import sys
path, old, new = sys.argv[1:]
text = open(path, encoding="utf-8").read()
if text.count(old) != 1:
    sys.exit(f"{path}: {old!r} is there {text.count(old)} times")
open(path, "w", encoding="utf-8").write(text.replace(old, new))
EOF
}

tab=$(printf '\t')
mutations | while IFS="$tab" read -r file old new what; do
    replace "$copy/$file" "$old" "$new"
    if ! nice cmake --build "$copy/build" --parallel 2 >"$copy/build.log" 2>&1; then
        tail -20 "$copy/build.log"
        echo "$what: does not build" | tee -a "$copy/results"
    else
        failed=$(cd "$copy/build" && QT_QPA_PLATFORM=offscreen ctest --parallel 2 -LE real-client -E reuse_lint \
            ${pattern:+-R "$pattern"} 2>/dev/null | sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' | tr '\n' ' ')
        echo "$what: ${failed:+fails }${failed:-PASSES EVERY TEST}" | tee -a "$copy/results"
    fi
    replace "$copy/$file" "$new" "$old"
done
! grep -q -e "PASSES EVERY TEST" -e "does not build" "$copy/results"
