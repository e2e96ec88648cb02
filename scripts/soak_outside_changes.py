#!/usr/bin/env python3
"""One Kronvel, a writer outside it and a person at its keyboard change the data folder for a
while; then the file, the window's list and the sum of both sides' changes must agree.

Run by scripts/soak_outside_changes.sh, which provides the X display, the window manager and
the accessibility bus. The window's list is read through the accessibility bus (AT-SPI): the
rows the real window shows, not a file. Each reload Kronvel makes is read from its log
(category kronvel.outside), so a missed or doubled reload shows.

Two writers of one file without a lock can always lose one of two writes made in the same
millisecond; no program can close that race alone. So the soak never lets a write of the
outside side overlap a save in the window (one lock, held from the keyboard's Enter until
the editor has closed), but it does write a few milliseconds before a save, while the change
is still unread by Kronvel, which is where a write that starts from a stale state would undo it.
"""
import argparse
import datetime
import os
import random
import re
import statistics
import subprocess
import sys
import threading
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

EVENTS, SETTINGS = "events.dll", "krn.dll"
POSITION_KEYS = ("Left", "Top", "Width", "Height")
# Keys the outside side changes, each with the values it takes turns with.
SETTING_VALUES = {
    "Second": ["0", "2", "3"],
    "Refresh": ["1", "2"],
    "Future": ["16711680", "32768", "8388736"],
    "General": ["-2147483640", "4210752"],
}
SEEDS = [
    "Seed 01\t2000/01/01 00:00:00",
    "Geburt Jürgen\t1975/09/21 00:00:00",
    "Seed 03\t2010/1/1 12:00:00",  # read leniently, kept as written
] + [f"Seed {i:02d}\t20{i:02d}/06/15 08:30:00" for i in range(4, 11)]


class Soak:
    def __init__(self, args):
        self.folder = args.data
        self.shots = args.shots
        self.random = random.Random(args.seed)
        self.writes = threading.RLock()  # no two writes of the file at once
        self.lock = threading.Lock()  # the journal and the list of removable events
        self.journal = []  # (time, side, action, detail)
        self.failures = []
        self.latencies = []  # seconds from an outside change to the list showing it
        self.checks = 0
        self.stale = 0
        self.copy_told = None
        self.settings_written = None  # what the outside side last wrote into krn.dll
        self.krn_log = os.path.join(self.folder, "..", "krn.log")
        self.stop = threading.Event()
        self.removable = []  # outside events not removed yet
        self.log_file = open(os.path.join(self.folder, "..", "soak-journal.log"), "w")

    # ---- the journal of what both sides did

    def note(self, side, action, detail):
        now = time.time()
        with self.lock:
            self.journal.append((now, side, action, detail))
            self.log_file.write(f"{stamp(now)} {side} {action} {detail}\n")
            self.log_file.flush()

    def fail(self, text):
        self.note("check", "FAILED", text)
        self.failures.append(text)

    # ---- files, written the ways people and tools write them

    def path(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def replace(self, name, data, how):
        if how == "rename":  # a synchronising tool: a new file renamed over the old one
            temp = self.path(f".syncthing.{name}.tmp")
            with open(temp, "wb") as f:
                f.write(data)
                f.flush()
                os.fsync(f.fileno())
            os.replace(temp, self.path(name))
        else:  # an editor saving in place: truncated, then written in pieces
            with open(self.path(name), "wb") as f:
                for at in range(0, len(data), max(1, len(data) // 3 + 1)):
                    f.write(data[at:at + len(data) // 3 + 1])
                    f.flush()
                    time.sleep(0.02)

    def append_event(self, line, how):
        data = (line + "\n").encode()
        with self.writes:
            if how == "append":
                with open(self.path(EVENTS), "ab") as f:
                    f.write(data)
            elif how == "steps":  # three writes of one line, each opened anew, 30 ms apart
                for part in (data[:5], data[5:12], data[12:]):
                    with open(self.path(EVENTS), "ab") as f:
                        f.write(part)
                    time.sleep(0.03)
            else:
                self.replace(EVENTS, self.read(EVENTS) + data, "rename")
            self.note("outside", "add-" + how, line)

    def remove_event(self, line, how):
        with self.writes:
            lines = self.read(EVENTS).split(b"\n")
            kept = [x for x in lines if x.rstrip(b"\r").decode() != line]
            self.replace(EVENTS, b"\n".join(kept), how)
            self.note("outside", "remove-" + how, line)

    def change_setting(self, key, how):
        with self.writes:
            text = self.read(SETTINGS).decode()
            values = SETTING_VALUES[key]
            now = re.search(rf"^{key}=(.*?)\r?$", text, re.M).group(1)
            value = values[(values.index(now) + 1) % len(values)] if now in values else values[0]
            text = re.sub(rf"^{key}=.*?(\r?)$", rf"{key}={value}\1", text, count=1, flags=re.M)
            self.replace(SETTINGS, text.encode(), how)
            self.settings_written = text
            self.note("outside", "setting-" + how, f"{key}={value}")
        return key, value

    def file_lines(self):
        return [x.rstrip("\r") for x in self.read(EVENTS).decode().split("\n") if x]

    def file_names(self):
        return sorted(x.split("\t", 1)[0] for x in self.file_lines())

    # ---- the window, as the accessibility bus shows it

    def find_window(self):
        for _ in range(100):
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app and app.get_name() == "kronvel":
                    app.set_cache_mask(Atspi.Cache.NONE)
                    self.table = self.find(app, lambda a: a.get_role() == Atspi.Role.TREE)
                    bar = self.find(app, lambda a: a.get_role() == Atspi.Role.STATUS_BAR)
                    self.panels = self.find_all(bar, lambda a: a.get_role() == Atspi.Role.LABEL) if bar else []
                    if self.table and len(self.panels) == 4:
                        return
            time.sleep(0.2)
        raise SystemExit("SOAK FAILED: the window's list is not on the accessibility bus")

    def find(self, node, wanted):
        found = self.find_all(node, wanted, first=True)
        return found[0] if found else None

    def find_all(self, node, wanted, first=False):
        found, todo = [], [node]
        while todo:
            node = todo.pop(0)
            try:
                if wanted(node):
                    found.append(node)
                    if first:
                        return found
                todo += [node.get_child_at_index(i) for i in range(node.get_child_count())]
            except gi.repository.GLib.Error:
                pass
        return found

    def list_rows(self, columns=(0,)):
        rows = []
        for row in range(Atspi.Table.get_n_rows(self.table)):
            cells = [Atspi.Table.get_accessible_at(self.table, row, c) for c in columns]
            if None in cells:  # a row went while it was read: read again
                return self.list_rows(columns)
            rows.append(tuple(cell.get_name() for cell in cells))
        return rows

    def list_names(self):
        return sorted(r[0] for r in self.list_rows())

    def panel(self, number):
        return self.panels[number - 1].get_name()

    def wait_for_panel(self, number, shows, timeout=3.0):
        start = time.time()
        while time.time() - start < timeout:
            if shows(self.panel(number)):
                return time.time() - start
            time.sleep(0.05)
        return None

    def wait_for_list(self, shows, timeout=3.0):
        """Seconds until shows(list) holds, or None."""
        start = time.time()
        while time.time() - start < timeout:
            try:
                if shows(self.list_names()):
                    return time.time() - start
            except gi.repository.GLib.Error:
                pass
            time.sleep(0.05)
        return None

    def check_list_is_file(self, when):
        """Under the lock, so that no save changes the file meanwhile."""
        with self.writes:
            names = self.file_names()
            self.checks += 1
            if self.wait_for_list(lambda shown: shown == names) is None:
                self.stale += 1
                self.fail(f"{when}: list {self.list_names()} is not the file {names}")

    # ---- the two sides

    def outside(self):
        settings, turn = 0, 0
        hows = ["append", "rename", "steps"]
        while not self.stop.is_set():
            turn += 1
            line = f"Outside {turn:03d} {self.random.randrange(10**6):06d}\t2031/02/{turn % 28 + 1:02d} 10:00:00"
            self.append_event(line, hows[turn % 3])
            with self.lock:
                self.removable.append(line)
            name = line.split("\t")[0]
            self.seen(lambda shown: name in shown, "add " + name)
            gone = None
            with self.lock:
                if turn % 2 == 0 and len(self.removable) > 2:
                    gone = self.removable.pop(self.random.randrange(len(self.removable) - 2))
            if gone:
                time.sleep(1.0)
                self.remove_event(gone, "rename" if turn % 4 else "in-place")
                name = gone.split("\t")[0]
                self.seen(lambda shown: name not in shown, "remove " + name)
            if turn % 2 == 1:
                time.sleep(1.0)
                keys = list(SETTING_VALUES)
                how = "rename" if settings % 2 else "in-place"
                key, value = self.change_setting(keys[settings % len(keys)], how)
                settings += 1
                if key == "Second":
                    self.seconds_shown(int(value))
            if turn == 2:
                self.drop_conflict_copy()
            self.check_list_is_file(f"round {turn}")
            self.stop.wait(self.random.uniform(1.0, 2.0))

    def side(self, run, *args):
        try:
            run(*args)
        except Exception as error:  # the soak stops short: that is a failure too
            self.fail(f"{run.__name__} stopped: {error!r}")
            self.stop.set()

    def seen(self, shows, what):
        took = self.wait_for_list(shows)
        if took is None:
            self.fail(f"the list did not show: {what}")
        else:
            self.latencies.append(took)

    def seconds_shown(self, decimals):
        """The "Seconds" column shows the decimals written outside."""
        start = time.time()
        while time.time() - start < 3:
            cell = self.list_rows((9,))[0][0]
            # The decimal point is written even with no decimals.
            if "." in cell and len(cell.rsplit(".", 1)[1]) == decimals:
                self.latencies.append(time.time() - start)
                return
            time.sleep(0.05)
        self.fail(f"the Seconds column did not take {decimals} decimals: {cell}")

    def drop_conflict_copy(self):
        name = "events.sync-conflict-20261208-091500-ABCDEFG.dll"
        with open(self.path(name), "wb") as f:
            f.write(self.read(EVENTS))
        self.note("outside", "conflict-copy", name)
        self.copy_told = self.wait_for_panel(1, lambda text: name in text)
        if self.copy_told is None:
            self.fail("the status bar did not tell the conflict copy")
            return
        self.note("window", "status", self.panel(1))
        subprocess.run(["import", "-window", "root", os.path.join(self.shots, "soak-running.png")])

    def keyboard(self, window):
        """A new event by keyboard every few seconds. In every six turns an outside change comes
        just before one save, and a line of the same name just before another (which the
        editor must refuse); after a third save the event is changed in the editor while an
        event above it goes outside."""
        turn = 0
        while not self.stop.is_set():
            turn += 1
            line = f"Keyed {turn:03d}\t2024/{turn % 12 + 1:02d}/{turn % 28 + 1:02d} 09:{turn % 60:02d}:30"
            name, moment = line.split("\t")
            xdo("windowactivate", "--sync", window)
            xdo("key", "ctrl+n")
            editor = wait_window("^New Event$")
            if not editor:
                self.fail(f"Ctrl+N opened no editor for {name}")
                self.stop.wait(1.0)
                continue
            xdo("type", "--delay", "15", name)
            xdo("key", "alt+p", "alt+d")
            xdo("type", "--delay", "15", moment[:10].replace("/", ""))
            xdo("key", "Tab")
            xdo("type", "--delay", "15", moment[11:].replace(":", ""))
            # An outside change still unread when the window saves: another name, or the same.
            first = {3: f"Outside just before Keyed {turn:03d}\t2032/01/01 00:00:00",
                     4: f"{name.upper()}\t2032/02/02 00:00:00"}.get(turn % 6)
            if self.save(editor, line, window, first, refused=turn % 6 == 4) and turn % 6 == 5:
                self.change_in_editor(line, window)
            self.stop.wait(self.random.uniform(1.0, 2.5))

    def save(self, editor, line, window, outside_first=None, refused=False):
        """Enter in the editor, after outside_first is appended; True when it saved and closed."""
        with self.writes:
            if outside_first:
                self.append_event(outside_first, "append")
            xdo("key", "Return")
            result = after_enter(editor, window)
            self.note("keyboard", {"closed": "add", "box": "refused"}.get(result, "NOT-SAVED"), line)
        if result == "closed" and refused:
            self.fail(f"the editor saved {line!r} though the name was in the file")
        elif result != "closed" and not refused:
            self.fail(f"the editor did not save {line!r} ({result})")
        closed = result == "closed"
        if not closed:
            xdo("key", "Return")  # the box's OK
            time.sleep(0.3)
            xdo("key", "Escape")  # the editor's Close
            if after_enter(editor, window) != "closed":
                self.fail("the editor did not close on Escape")
        return closed

    def change_in_editor(self, line, window):
        """Ctrl+M on the row just saved, renamed, while an earlier event goes outside."""
        name = line.split("\t")[0]
        for below in ("Outside after", "Outside also after"):  # rows below it, shifted up as well
            self.append_event(f"{below} {name}\t2032/03/03 00:00:00", "append")
        self.wait_reload()
        xdo("windowactivate", "--sync", window)
        xdo("key", "ctrl+m")
        editor = wait_window(f"^Modify Event - '{name}'$")
        if not editor:
            self.fail(f"Ctrl+M opened no editor for {name}")
            return
        xdo("key", "ctrl+a")
        xdo("type", "--delay", "15", name + " changed")
        with self.lock:
            lines = self.file_lines()
            above = [x for x in self.removable if x in lines and lines.index(x) < lines.index(line)]
            if above:
                self.removable.remove(above[0])
        if above:
            self.remove_event(above[0], "rename")
            self.wait_reload()  # while the editor is open
        with self.writes:
            xdo("key", "Return")
            closed = after_enter(editor, window) == "closed"
            changed = f"{name} changed\t{line.split(chr(9))[1]}"
            self.note("keyboard", "change" if closed else "NOT-SAVED", f"{line} => {changed}")
        if not closed:
            self.fail(f"the editor did not save the change of {name}")
            xdo("key", "Escape", "Escape")

    # ---- what Kronvel reported reloading

    def wait_reload(self, timeout=3.0):
        """Until Kronvel has reloaded events.dll after a change just made."""
        changed = time.time()
        while time.time() - changed < timeout:
            if any(t > changed for t, name in self.reloads() if name == EVENTS):
                return
            time.sleep(0.05)
        self.fail("events.dll was not reloaded within 3 s")

    def reloads(self):
        found = []
        for text in open(self.krn_log, errors="replace"):
            m = re.match(r"(\S+) kronvel\.outside: followed (\S+)", text)
            if m:
                found.append((datetime.datetime.fromisoformat(m.group(1)).timestamp(), m.group(2)))
        return found

    def judge_reloads(self):
        """Each outside change of a file is followed by a reload of it within a second, and
        every reload has a change to show: a reload takes in all the changes before it, so
        one with none before it is doubled, or a reload of Kronvel's own write."""
        result = {}
        reloads = self.reloads()
        for name, prefixes in ((EVENTS, ("add-", "remove-")), (SETTINGS, ("setting-",))):
            changes = [t for t, side, action, _ in self.journal
                       if side == "outside" and action.startswith(prefixes)]
            times = [t for t, file in reloads if file == name]
            extra = sum(1 for before, t in zip([0.0] + times, times) if not any(before < c <= t for c in changes))
            delays = [min((t - c for t in times if t >= c), default=float("inf")) for c in changes]
            missed = sum(1 for d in delays if d > 1.0)
            result[name] = (len(changes), len(times), missed, extra, max(delays, default=0))
            if missed or extra:
                self.fail(f"{name}: {len(changes)} changes outside: {missed} not reloaded within 1 s, "
                          f"{extra} reloads extra")
        return result


def standard_moment(text):
    """A date-time as the list shows it: 2010/1/1 12:00:00 is 2010/01/01 12:00:00."""
    y, mo, d, h, mi, sec = (int(x) for x in re.split(r"[/ :]", text))
    return f"{y:04d}/{mo:02d}/{d:02d} {h:02d}:{mi:02d}:{sec:02d}"


def stamp(t):
    return datetime.datetime.fromtimestamp(t).isoformat(timespec="milliseconds")


def xdo(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


def wait_window(title, timeout=5.0, other_than=None):
    """A shown window whose title matches, waited for."""
    start = time.time()
    while True:
        found = [w for w in xdo("search", "--onlyvisible", "--name", title).split() if w != other_than]
        if found or time.time() - start > timeout:
            return found[0] if found else None
        time.sleep(0.05)


EDITORS = "^(New Event|Modify Event - .*)$"


def after_enter(editor, window, timeout=5.0):
    """What Enter in the editor did: "closed", "box" (a message box over the window) or None."""
    start = time.time()
    while time.time() - start < timeout:
        if editor not in xdo("search", "--onlyvisible", "--name", EDITORS).split():
            return "closed"
        if wait_window("^Kronvel$", 0, other_than=window):
            return "box"
        time.sleep(0.03)
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("krn")
    parser.add_argument("data")
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--shots", default=".")
    parser.add_argument("--seed", type=int, default=int(time.time()))
    args = parser.parse_args()
    soak = Soak(args)

    with open(soak.path(EVENTS), "w", newline="\n") as f:
        f.write("".join(line + "\n" for line in SEEDS))
    # Placed where the screenshot shows it whole; the rest is written as on a first start.
    with open(soak.path(SETTINGS), "w") as f:
        f.write("[Position]\nLeft=1500\nTop=750\nWidth=15000\nHeight=9750\n")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_LOGGING_RULES="kronvel.outside.info=true",
               QT_MESSAGE_PATTERN="%{time yyyy-MM-ddThh:mm:ss.zzz} %{category}: %{message}")
    krn = subprocess.Popen([args.krn, "--data-dir", args.data], env=env, stdout=subprocess.DEVNULL,
                           stderr=open(soak.krn_log, "w"))
    window = wait_window("^Kronvel$", 20)
    if not window:
        raise SystemExit("SOAK FAILED: no Kronvel window")
    soak.window = window
    soak.find_window()
    time.sleep(1.0)
    soak.settings_written = soak.read(SETTINGS).decode()  # with the defaults Kronvel wrote
    soak.note("window", "started", f"seed {args.seed}")

    outside = threading.Thread(target=soak.side, args=(soak.outside,))
    keyboard = threading.Thread(target=soak.side, args=(soak.keyboard, window))
    outside.start()
    keyboard.start()
    soak.stop.wait(args.seconds)
    soak.stop.set()
    keyboard.join()
    outside.join()

    # The pointer over the list moves panel 1 on (no editor holds the window now); a change
    # of the folder after that must not tell the conflict copy again.
    xdo("mousemove", "--window", window, "400", "300", "mousemove_relative", "5", "5")
    if soak.wait_for_panel(1, lambda text: "sync-conflict" not in text) is None:
        soak.fail(f"panel 1 still says {soak.panel(1)!r} with the pointer over the list")
    soak.append_event("Outside after the pointer moved\t2033/01/01 00:00:00", "rename")
    soak.seen(lambda shown: "Outside after the pointer moved" in shown, "the last outside change")

    # What both sides did, summed up.
    expected = list(SEEDS)
    for _, side, action, line in soak.journal:
        if side in ("outside", "keyboard") and action.startswith("add"):
            expected.append(line)
        elif action.startswith("remove-"):
            expected.remove(line)
        elif action == "change":
            old, new = line.split(" => ")
            expected.remove(old)
            expected.append(new)
    soak.check_list_is_file("the end")
    shown = soak.list_rows((0, 2))
    count_text = soak.panel(2)
    conflict_still_told = "sync-conflict" in soak.panel(1)
    xdo("windowactivate", "--sync", window)
    xdo("key", "alt+F4")
    try:
        if krn.wait(15) != 0:
            soak.fail(f"Kronvel ended with {krn.returncode}")
    except subprocess.TimeoutExpired:
        soak.fail("Alt+F4 did not end Kronvel")
        krn.kill()

    final = soak.file_lines()
    missing = [x for x in expected if final.count(x) < expected.count(x)]
    extra = [x for x in final if final.count(x) > expected.count(x)]
    if missing or extra:
        soak.fail(f"the file differs from both sides' changes: missing {missing}, not expected {extra}")
    folded = [x.split("\t")[0].strip().casefold() for x in final]
    if len(set(folded)) != len(folded):
        soak.fail(f"the file holds a name twice: {sorted(x for x in set(folded) if folded.count(x) > 1)}")
    if final != expected:
        soak.fail("the file's lines are not in the order they were written")
    if sorted(shown) != sorted((x.split("\t")[0], standard_moment(x.split("\t")[1])) for x in final):
        soak.fail(f"the list {shown} is not the file")
    if count_text != f"Events: {len(shown)}":
        soak.fail(f"the status bar says {count_text!r} for {len(shown)} rows")
    told = sum(1 for x in open(soak.krn_log) if "kronvel.outside: conflict copies" in x)
    if conflict_still_told or told != 1:
        soak.fail(f"the conflict copy was told {told} times, and still in the status bar at the end: "
                  f"{conflict_still_told}")

    # The settings written outside are kept; only the window's position may differ.
    without_position = lambda text: [x for x in text.splitlines() if x.split("=")[0] not in POSITION_KEYS]
    if without_position(soak.read(SETTINGS).decode()) != without_position(soak.settings_written):
        soak.fail(f"krn.dll is not as last written outside: {soak.read(SETTINGS).decode()!r}")
    if not os.path.exists(soak.path("events.sync-conflict-20261208-091500-ABCDEFG.dll")):
        soak.fail("the conflict copy is gone")

    reloads = soak.judge_reloads()
    count = lambda side, prefix: sum(1 for _, s, a, _ in soak.journal if s == side and a.startswith(prefix))
    lat = sorted(soak.latencies)
    print(f"soak: {args.seconds:.0f} s, seed {args.seed}, {len(SEEDS)} seed events")
    print(f"outside: {count('outside', 'add-')} events added "
          f"(append {count('outside', 'add-append')}, rename {count('outside', 'add-rename')}, "
          f"three steps {count('outside', 'add-steps')}), {count('outside', 'remove-')} removed, "
          f"{count('outside', 'setting-')} settings changes, {count('outside', 'conflict-copy')} conflict copy")
    print(f"keyboard: {count('keyboard', 'add')} events added, {count('keyboard', 'change')} changed in the editor "
          f"while an event above went outside, {count('keyboard', 'refused')} refused (same name just written "
          f"outside), {count('keyboard', 'NOT-SAVED')} not saved")
    for name, (changes, times, missed, extra, slowest) in reloads.items():
        print(f"reloads of {name}: {times} for {changes} outside changes; not within 1 s {missed}, "
              f"doubled or of Kronvel's own writes {extra}; slowest change to reload {slowest * 1000:.0f} ms")
    if lat:
        print(f"outside change to the list: median {statistics.median(lat) * 1000:.0f} ms, "
              f"max {lat[-1] * 1000:.0f} ms over {len(lat)} changes")
    print(f"list against the file during the run: {soak.checks} checks, {soak.stale} stale")
    print(f"conflict copy told in the status bar after "
          f"{'-' if soak.copy_told is None else f'{soak.copy_told * 1000:.0f} ms'}, told {told} times")
    print(f"final: expected {len(expected)} events, file {len(final)} lines, list {len(shown)} rows, "
          f"status bar {count_text!r}; lines in the order written: {final == expected}; krn.dll as last "
          f"written outside, position aside: {not any('krn.dll is not' in x for x in soak.failures)}")
    print(f"mismatches: {len(soak.failures)}")
    for text in soak.failures:
        print("  " + text)
    return 1 if soak.failures else 0


if __name__ == "__main__":
    sys.exit(main())
