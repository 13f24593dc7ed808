#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the screen reader Orca over duset along the paths a blind person takes.

Everything runs in a temporary folder: a virtual X server with the Thai
keyboard layout and a window manager, a D-Bus session that starts the
accessibility bus, speech-dispatcher whose speech goes nowhere, and Orca with
fresh settings and its debug log, in which it writes every line it speaks. The
tour presses keys as a person does and, after each step, waits until Orca has
spoken the texts that matter there. It prints what Orca said at each step.
"""

import argparse
import gettext
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

STEP_TIMEOUT = 15.0  # seconds for Orca to speak what a step expects
QUIET = 0.4  # seconds without speech that end a step

# Orca writes "SPEECH OUTPUT: '<text>'" and then the voice, which starts with
# "{" or "[", sometimes after " voice=<name>", or is "None"; the text may run
# over lines, which the log indents.
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?(?:[\[{]|None)", re.S)
START = "SPEECH OUTPUT: '"
LINE_BREAK = re.compile(r"\r?\n {0,18}")


class TourFailed(Exception):
    pass


def simple(text):
    """A text as it is heard: runs of spaces, which only line texts up, as one."""
    return " ".join(text.split())


class Whole(str):
    """An expected text that is a whole spoken line, not a part of one."""


class State(str):
    """An expected state that a spoken line ends with: said on its own, or
    after the name and role of the control as it takes the focus. A state
    that ends as another does ("checked", "not checked") is given that one
    to tell them apart."""

    def __new__(cls, text, unlike=""):
        state = super().__new__(cls, text)
        state.unlike = unlike
        return state


class Line(str):
    """An expected text that is heard as a line of its own: a whole spoken
    line, or a whole line of a text spoken with line breaks."""


def read_words(path):
    """The texts of the program's word file by their keys, lines joined."""
    escapes = {"\\": "\\", "r": "\r", "n": "\n", "t": "\t"}
    words, key = {}, None
    for line in open(path, encoding="utf-8").read().splitlines():
        if line.startswith("[") and line.endswith("]"):
            key = line[1:-1]
            words[key] = []
        elif key is not None and len(line) >= 2 and line[0] == line[-1] == "|":
            text = re.sub(r"\\x\{([0-9A-Fa-f]+)\}|\\(.)",
                          lambda m: chr(int(m.group(1), 16)) if m.group(1) else escapes[m.group(2)], line[1:-1])
            words[key].append(text)
    return {key: "\r\n".join(lines) for key, lines in words.items()}


# The lines of each page as its tables set them out: the controls on each row,
# left to right.
ORDER_ROWS = [["Label1"], ["Label2", "Label3", "Label4"]] + [
    ["Label%d" % n] for n in (5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15, 16)]
HISTORY_ROWS = [["Label1"], ["Label2"]] + [["Text%d" % n] for n in range(1, 12)]
VERSE_1_ROWS = [["Label1"]] + [["Text%d" % r, "Text%d" % (r + 15)] for r in range(1, 16)] + [["Text31", "Text32"]]
VERSE_2_ROWS = [["Label1"], ["Text33", "Text34"], ["Text35", "Text38"], ["Text36", "Text39"], ["Text37", "Text40"]] + [
    ["Text%d" % (2 * r - 9), "Text%d" % (2 * r - 8)] for r in range(5, 15)]


class Speech:
    """The lines Orca has spoken so far, read from its debug log as it grows."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.pending = ""
        self.lines = []

    def poll(self):
        try:
            with open(self.path, "rb") as log:
                log.seek(self.offset)
                data = log.read()
        except FileNotFoundError:
            return
        self.offset += len(data)
        self.pending += data.decode("utf-8", errors="replace")
        while True:
            start = self.pending.find(START)
            if start < 0:
                self.pending = self.pending[-len(START):]
                return
            match = SPOKEN.match(self.pending, start)
            if not match:
                self.pending = self.pending[start:]
                return  # the rest of this line is still to come
            self.lines.append(LINE_BREAK.sub(" / ", match.group(1)))
            self.pending = self.pending[match.end():]


class Tour:
    def __init__(self, args):
        self.args = args
        self.folder = tempfile.mkdtemp(prefix="duset-orca-")
        self.processes = []  # (name, Popen), in the order started
        self.env = {}
        self.speech = Speech(os.path.join(self.folder, "orca-debug.log"))
        self.transcript = []
        self.mark = 0

    # The machinery

    def start(self, name, command, **kwargs):
        log = open(os.path.join(self.folder, name + ".out"), "wb")
        process = subprocess.Popen(command, env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, start_new_session=True, **kwargs)
        self.processes.append((name, process))
        return process

    def wait_for(self, what, ready, timeout=STEP_TIMEOUT):
        deadline = time.monotonic() + timeout
        while not ready():
            for name, process in self.processes:
                if process.poll() is not None:
                    raise TourFailed("%s ended (status %s) while waiting for %s; see %s.out"
                                     % (name, process.returncode, what, name))
            if time.monotonic() > deadline:
                raise TourFailed("no %s after %.0f s" % (what, timeout))
            time.sleep(0.05)

    def stop(self):
        for name, process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for name, process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()

    def set_up(self):
        a = self.args
        home = os.path.join(self.folder, "home")
        runtime = os.path.join(self.folder, "runtime")
        for path in (home, runtime):
            os.makedirs(path, mode=0o700)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "GSETTINGS_BACKEND": "memory",
            "LANG": "C.UTF-8",
            "LANGUAGE": "th",  # Orca speaks its own words in Thai
        }
        # libao, if a speech module opens it, writes to nothing.
        with open(os.path.join(home, ".libao"), "w") as config:
            config.write("default_driver=null\n")

        # The X server picks a free display and says which.
        reader, writer = os.pipe()
        self.start("xvfb", [a.xvfb, "-displayfd", str(writer), "-screen", "0", "1280x1024x24",
                            "-nolisten", "tcp"], pass_fds=(writer,))
        os.close(writer)
        display = b""
        deadline = time.monotonic() + STEP_TIMEOUT
        while not display.endswith(b"\n"):
            if time.monotonic() > deadline or not select.select([reader], [], [], 1)[0]:
                if time.monotonic() > deadline:
                    raise TourFailed("the X server named no display")
                continue
            chunk = os.read(reader, 16)
            if not chunk:
                raise TourFailed("the X server ended; see xvfb.out")
            display += chunk
        os.close(reader)
        self.env["DISPLAY"] = ":" + display.decode().strip()
        # The Thai layout, as a Thai desktop has it, and the one Latin letter of
        # an access key on a key of its own, so that no key press of the tour
        # has to change the keyboard map.
        subprocess.run([a.setxkbmap, "-layout", "th"], env=self.env, check=True)
        subprocess.run([a.xmodmap, "-e", "keycode any = l L"], env=self.env, check=True)

        started = os.path.join(self.folder, "wm-started")
        self.start("openbox", [a.openbox, "--startup", "touch " + started])
        self.wait_for("window manager", lambda: os.path.exists(started))

        bus = os.path.join(self.folder, "bus")
        self.start("dbus", [a.dbus_daemon, "--session", "--nofork", "--address=unix:path=" + bus])
        self.wait_for("session bus", lambda: os.path.exists(bus))
        self.env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + bus

        speechd = os.path.join(self.folder, "speechd")
        os.makedirs(speechd)
        with open(os.path.join(speechd, "speechd.conf"), "w") as config:
            config.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                         'AudioOutputMethod "libao"\n')
        socket = os.path.join(self.folder, "speechd.sock")
        self.start("speech-dispatcher", [a.speech_dispatcher, "--run-single", "--timeout", "0",
                                         "--config-dir", speechd, "--socket-path", socket,
                                         "--pid-file", os.path.join(self.folder, "speechd.pid"),
                                         "--log-dir", self.folder])
        self.wait_for("speech-dispatcher", lambda: os.path.exists(socket))
        self.env["SPEECHD_ADDRESS"] = "unix_socket:" + socket

        # Orca writes its log in blocks; the customisation, which it loads
        # from its settings folder, makes it write every line at once.
        prefs = os.path.join(self.folder, "orca")
        os.makedirs(prefs)
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as custom:
            custom.write("import orca.debug\n"
                         "if orca.debug.debugFile:\n"
                         "    orca.debug.debugFile.reconfigure(line_buffering=True)\n")
        self.start("orca", [a.orca, "--user-prefs", prefs, "--debug-file", self.speech.path])

        def orca_speaks():
            self.speech.poll()
            return bool(self.speech.lines)
        self.wait_for("word from Orca", orca_speaks, timeout=30)
        self.mark = len(self.speech.lines)

    # The tour

    def press(self, key):
        # At a person's pace: Qt holds each key until the screen reader has
        # seen it, and keys that come faster than that can reach the window
        # behind a menu that has just opened.
        subprocess.run([self.args.xdotool, "key", "--delay", "80", key], env=self.env, check=True)

    def step(self, title, keys, expect, absent=()):
        """Presses the keys and waits until every expected text is spoken.

        An expected text is a string, a Whole line, or a tuple of strings
        spoken in one line. No line may hold a text of absent."""
        for key in keys:
            self.press(key)
        wanted = [e if isinstance(e, tuple) else (e,) for e in expect]

        def holds(line, part):
            if isinstance(part, Whole):
                return simple(line).rstrip(".") == simple(part)
            if isinstance(part, State):
                said = simple(line).rstrip(".")
                return (said == part or said.endswith(" " + part)) and not (part.unlike and said.endswith(part.unlike))
            if isinstance(part, Line):
                return simple(part) in [simple(each).rstrip(".") for each in line.split(" / ")]
            return part in line

        def said(parts, lines):
            return any(all(holds(line, part) for part in parts) for line in lines)

        def heard(lines):
            return all(said(parts, lines) for parts in wanted)

        deadline = time.monotonic() + STEP_TIMEOUT
        while True:
            self.speech.poll()
            lines = self.speech.lines[self.mark:]
            if heard(lines):
                break
            if time.monotonic() > deadline:
                self.transcript.append((title, keys, lines))
                missing = [" + ".join(p) for p in wanted if not said(p, lines)]
                raise TourFailed("%s: Orca did not say %s" % (title, "; ".join(missing)))
            time.sleep(0.05)
        # The step ends once Orca is quiet, so that nothing it says late is
        # counted in the next step.
        count, quiet_since = len(self.speech.lines), time.monotonic()
        deadline = time.monotonic() + 3 * STEP_TIMEOUT
        while time.monotonic() - quiet_since < QUIET and time.monotonic() < deadline:
            time.sleep(0.05)
            self.speech.poll()
            if len(self.speech.lines) != count:
                count, quiet_since = len(self.speech.lines), time.monotonic()
        lines = self.speech.lines[self.mark:]
        self.mark = len(self.speech.lines)
        self.transcript.append((title, keys, lines))
        for text in absent:
            if any(text in line for line in lines):
                raise TourFailed("%s: Orca said %r" % (title, text))

    def run(self):
        # Orca's own words in Thai, from its catalogue beside it.
        prefix = os.path.dirname(os.path.dirname(os.path.realpath(self.args.orca)))
        orca_words = gettext.translation("orca", os.path.join(prefix, "share", "locale"), languages=["th"])
        selected = orca_words.pgettext("radiobutton", "selected")
        not_selected = orca_words.pgettext("radiobutton", "not selected")
        # Orca says the state after the box as the box takes the focus, or on
        # its own where the box is ticked after that.
        not_checked = State(orca_words.pgettext("checkbox", "not checked"))
        checked = State(orca_words.pgettext("checkbox", "checked"), unlike=not_checked)
        text_selected = orca_words.pgettext("text", "selected")
        words = read_words(self.args.words)

        def lines(form, rows):
            return [Line(" ".join(simple(words["%s %s" % (form, name)]) for name in row)) for row in rows]

        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        saved, self.env = self.env, env
        self.start("duset", [self.args.duset])
        self.env = saved

        self.step("The main menu opens", [],
                  ["Main menu", ("ตำราวรุณศ (ดูเศษ)", "Alt+L", "Let go !")])
        self.step("Alt+L opens the menu", ["alt+l"], ["ทำนาย"])
        self.step("Enter opens the entry screen", ["Return"],
                  ["กรอกข้อมูล > กดปุ่มทำนาย", "วัน"])
        self.step("Predict with empty lists warns", ["alt+Thai_thothahan"],
                  ["คำเตือน", "กรุณาเลือกช่อง วัน, เดือน, ปีเกิด ด้วยครับ"])
        self.step("Enter closes the warning", ["Return"], ["วัน"])
        self.step("Alt+Down opens the day list on its first item", ["alt+Down"], ["วันอาทิตย์"])
        self.step("Esc closes it", ["Escape"], ["วัน"])
        self.step("The day list, four steps down", ["Down"] * 4, ["วันพุธ"])
        self.step("Tab to the month list, one step down", ["Tab", "Down"],
                  ["เดือน", "เดือนมกราคม(เดือนยี่)"])
        self.step("Tab to the year list, twelve steps down", ["Tab"] + ["Down"] * 12,
                  ["ปีเกิด", "ปีกุน (หมู)"])
        self.step("Predict gives the verse of remainder 8", ["alt+Thai_thothahan"],
                  ["คำทำนายของคุณ", ("เศษ ๘ นั้นเปรื่องยศ", "ทั้งอำนาจแลวาสนา")])
        # The entry screen has the keys again: Orca names the control that
        # has the focus, and may or may not say the window's title first.
        self.step("Enter closes the verse", ["Return"], ["ปีเกิด"])
        self.step("Alt+ส empties the lists", ["alt+Thai_sosua"], ["ล้างข้อมูลแล้ว: วัน เดือน ปีเกิด ว่าง"])
        self.step("Alt+ว opens the birth-date screen", ["alt+Thai_wowaen"],
                  ["หาวัน เดือน ปีเกิด จากวันเกิด", "วัน"])
        self.step("The hand-over is refused while the date is missing", ["alt+Thai_nonu"],
                  ["ใส่วันที่ เลือกเดือน และพิมพ์ปี พ.ศ. ที่เกิด"])
        self.step("Alt+ช ticks the birth before dawn", ["alt+Thai_chochang"],
                  ["เกิดหลังเที่ยงคืน ก่อน 6 โมงเช้า", checked])
        self.step("Alt+ช clears it again", ["alt+Thai_chochang"], [not_checked])
        self.step("Alt+ว back to the day", ["alt+Thai_wowaen"], [("วัน", "หรือทั้งวันที่ เช่น 17/1/2539")])
        self.step("The day typed, Tab to the month list", ["1", "7", "Tab"], ["เดือน"])
        self.step("Alt+Down opens the month list on its first item", ["alt+Down"],
                  ["เดือนมกราคม(เดือนยี่)"])
        self.step("Down in the opened list", ["Down"], ["เดือนกุมภาพันธ์"])
        self.step("Up in the opened list", ["Up"], ["เดือนมกราคม(เดือนยี่)"])
        self.step("Enter picks the month", ["Return"], ["เดือน", "เดือนมกราคม(เดือนยี่)"])
        self.step("Down in the closed list", ["Down"], ["เดือนกุมภาพันธ์"])
        self.step("Up in the closed list", ["Up"], ["เดือนมกราคม(เดือนยี่)"])
        # A field is heard whole as it takes the focus and its text is selected.
        self.step("Shift+Tab to the day, heard whole", ["shift+Tab"], ["วัน", Whole("17 " + text_selected)])
        self.step("Tab back to the month list", ["Tab"], ["เดือน", "เดือนมกราคม(เดือนยี่)"])
        self.step("Tab to the year, 2539 typed: the results", ["Tab", "2", "5", "3", "9"],
                  ["ปี พ.ศ.", ("นับได้สองแบบ", "ค.ศ. 1996", "วันพุธ", "เดือนมกราคม(เดือนยี่)",
                               "(เลือกด้านล่าง)", "จันทรคติ วันพุธ แรม ๑๓ ค่ำ เดือนยี่ ปีกุน",
                               "ถ้าสูติบัตรระบุปีนักษัตรไว้ ให้เลือกตามสูติบัตร")])
        self.step("Shift+Tab and Tab back: the year is heard whole", ["shift+Tab", "Tab"],
                  [Whole("2539 " + text_selected)])
        self.step("Alt+ท chooses the traditional count", ["alt+Thai_thothahan"],
                  [("นับแบบไทย", "เดือนมกราคม(เดือนยี่) ปีกุน (หมู)"), selected,
                   ("ครบแล้ว", "ปีเกิด ปีกุน (หมู)", "ผลรวม วันพุธ ๔ + เดือนยี่ ๒ + ปีกุน ๑๒ = ๑๘ → เศษ ๘")],
                  absent=[not_selected])
        self.step("Shift+Tab reaches the sum", ["shift+Tab"],
                  [("ผลรวม", "วันพุธ ๔ + เดือนยี่ ๒ + ปีกุน ๑๒ = ๑๘ → เศษ ๘")])
        self.step("Shift+Tab reaches the lunar date", ["shift+Tab"],
                  [("จันทรคติ", "วันพุธ แรม ๑๓ ค่ำ เดือนยี่ ปีกุน")])
        self.step("Shift+Tab reaches the year result", ["shift+Tab"], [("ปีเกิด", "ปีกุน (หมู)")])
        self.step("Shift+Tab reaches the month result", ["shift+Tab"],
                  [("เดือน", "เดือนมกราคม(เดือนยี่)")])
        self.step("Alt+ห opens the meaning at the sum's remainder", ["alt+Thai_hohip"],
                  ["ความหมายของคำทำนาย", ("เศษ", "เศษ ๘ นั้นเปรื่องยศ")])
        self.step("Alt+ป back to the birth-date screen", ["alt+Thai_popla"],
                  ["หาวัน เดือน ปีเกิด จากวันเกิด", "ความหมาย"])
        self.step("Alt+น hands the items over", ["alt+Thai_nonu"],
                  ["กรอกข้อมูล > กดปุ่มทำนาย", "ทำนาย"])
        self.step("Shift+Tab back to the year list", ["shift+Tab"], ["ปีเกิด", "ปีกุน (หมู)"])
        self.step("Predict again", ["alt+Thai_thothahan"], [("เศษ ๘ นั้นเปรื่องยศ", "ทั้งอำนาจแลวาสนา")])
        # A whole date typed into the day field, whose lunar month is not the
        # civil one: 31 December 2562 is in เดือนยี่.
        self.step("Enter closes the verse", ["Return"], ["ปีเกิด"])
        self.step("Alt+ว opens the birth-date screen again", ["alt+Thai_wowaen"],
                  ["หาวัน เดือน ปีเกิด จากวันเกิด", "วัน"])
        self.step("31/12/2562 typed into the day: the results",
                  ["3", "1", "slash", "1", "2", "slash", "2", "5", "6", "2"],
                  [("นับได้สองแบบ", "เดือน (เลือกด้านล่าง)", "จันทรคติ วันอังคาร ขึ้น ๖ ค่ำ เดือนยี่ ปีกุน")])
        self.step("Alt+ส chooses the civil count", ["alt+Thai_sosua"],
                  [("นับแบบสากล", "เดือนธันวาคม(เดือนอ้าย) ปีกุน (หมู)"), selected,
                   ("ครบแล้ว", "ผลรวม วันอังคาร ๓ + เดือนอ้าย ๑ + ปีกุน ๑๒ = ๑๖ → เศษ ๖")])
        self.step("Alt+ช: born before dawn, the day counted is said", ["alt+Thai_chochang"],
                  [("นับเป็นวันที่ 30 ธันวาคม 2562", "ผลรวม วันจันทร์ ๒ + เดือนอ้าย ๑ + ปีกุน ๑๒ = ๑๕ → เศษ ๕")])
        self.step("Alt+ก back to the entry screen", ["alt+Thai_kokai"], ["กรอกข้อมูล > กดปุ่มทำนาย"])
        self.step("Alt+จ back to the main menu", ["alt+Thai_chochan"], ["Main menu"])
        self.step("Alt+ว opens the help menu", ["alt+Thai_wowaen"], ["หาวัน เดือน ปีเกิด จากวันเกิด…"])
        self.step("Down to the meaning of the verses", ["Down"], ["ความหมายของคำทำนาย"])
        self.step("Enter opens it at remainder 1", ["Return"],
                  ["ความหมายของคำทำนาย", ("เศษ", "เศษ ๑ เสาเรือนไฟไหม้"),
                   ("บทกลอน", "ชะตะใครทั้งชายหญิง", "ความหมาย", "เศษ ๑ เปรียบชะตาเหมือนเสาเรือนที่ไฟไหม้")])
        self.step("Seven steps down the list: remainder 8, heard whole", ["Down"] * 7,
                  [("เศษ ๘ นั้นเปรื่องยศ", "ทั้งอำนาจแลวาสนา", "ความหมาย",
                     "เศษ ๘ ทายว่าจะมียศศักดิ์และชื่อเสียงโดดเด่น", "ทั้งยังมีอำนาจและวาสนา")])
        self.step("Tab to the verse", ["Tab"], ["บทกลอน", "เศษ ๘ นั้นเปรื่องยศ"])
        self.step("Down reads the verse's next line", ["Down"], ["ทรัพย์ศฤงคารสถานถิ่น"])
        self.step("Alt+ป back to the main menu", ["alt+Thai_popla"], ["Main menu"])

        # The pages: each says its lines, every one whole, as it opens.
        self.step("Alt+L, ป: the history", ["alt+l", "Thai_popla"], lines("Form3", HISTORY_ROWS))
        self.step("Alt+ว: the order screen", ["alt+Thai_wowaen"],
                  [words["Form2 caption"]] + lines("Form2", ORDER_ROWS) + ["ปิด"])
        self.step("KP_Add twice: the window read line by line", ["KP_Add", "KP_Add"],
                  [Whole(line) for line in lines("Form2", ORDER_ROWS)])
        self.step("Alt+ป back to the main menu", ["alt+Thai_popla"], ["Main menu"])
        # The field that has the focus says its whole line as its name, and
        # then its own text, to the last mark.
        verse_1 = lines("Form5", VERSE_1_ROWS)
        self.step("Alt+L, ก: verse page 1", ["alt+l", "Thai_kokai"], verse_1 + [Whole(words["Form5 Text1"])])
        self.step("Tab: a half-line with its whole line", ["Tab"],
                  [str(verse_1[2]), Whole(words["Form5 Text2"] + " " + text_selected)])
        self.step("Alt+ห: verse page 2", ["alt+Thai_hohip"],
                  lines("Form6", VERSE_2_ROWS) + [words["Form6 Command1"].replace("&", "")])
        self.step("KP_7: the line above the buttons in flat review", ["KP_Home"],
                  [Whole(lines("Form6", VERSE_2_ROWS)[-1])])

        self.speech.poll()
        if not any("SPEECH DISPATCHER: Speaking" in line for line in open(self.speech.path, errors="replace")):
            raise TourFailed("Orca never spoke through speech-dispatcher")

    def write_transcript(self, out):
        for title, keys, lines in self.transcript:
            out.write("%s%s\n" % (title, " (%s)" % " ".join(keys) if keys else ""))
            # A text spoken with line breaks is written a line at a time, the
            # lines after its first indented under it.
            for line in lines:
                for number, part in enumerate(line.split(" / ")):
                    out.write(("%s%s" % ("      " if number else "    ", part)).rstrip() + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--duset", required=True)
    for program in ("orca", "xvfb", "openbox", "dbus-daemon", "speech-dispatcher", "xdotool", "setxkbmap",
                    "xmodmap"):
        parser.add_argument("--" + program, required=True)
    parser.add_argument("--words", required=True, help="the program's word file")
    parser.add_argument("--transcript", help="also write the transcript to this file")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    args = parser.parse_args()

    if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
        print("The accessibility bus is missing: install Debian's at-spi2-core.", file=sys.stderr)
        return 1

    # Orca will not start beside another Orca of the same user, and the tour
    # leaves a person's own screen reader alone.
    others = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True, text=True)
    if others.stdout.strip():
        print("skipped: another Orca of this user is running (%s)" % " ".join(others.stdout.split()))
        return 77

    tour = Tour(args)
    status = 0
    try:
        tour.set_up()
        tour.run()
    except (TourFailed, subprocess.CalledProcessError) as failure:
        print("FAIL: %s" % failure, file=sys.stderr)
        status = 1
    finally:
        tour.stop()
        tour.write_transcript(sys.stdout)
        if args.transcript:
            with open(args.transcript, "w") as out:
                tour.write_transcript(out)
        if args.keep or status:
            print("Logs are in %s" % tour.folder, file=sys.stderr)
        else:
            shutil.rmtree(tour.folder, ignore_errors=True)
    return status


if __name__ == "__main__":
    sys.exit(main())
