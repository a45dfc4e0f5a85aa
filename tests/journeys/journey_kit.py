#!/usr/bin/env python3
"""Tools of the user journeys: Tolvane.exe under Wine, driven from outside with real X
keyboard and mouse input (xdotool), checked in the store file (through the
native tolvane-store) and in the marker files of the test helper program.

Run by scripts/journeys.sh, which provides the Wine prefix, Xvfb and builds.
A failing journey leaves a screenshot in build/journeys/.
"""
import ctypes
import ctypes.util
import getpass
import json
import os
import shutil
import subprocess
import sys
import time
import traceback

# Texts cross into Wine as UTF-8 command-line arguments and come out as the
# program's Windows-1252 texts.
os.environ["LC_ALL"] = "C.UTF-8"

BUILD = os.environ["TOLVANE_BUILD"]
PREFIX = os.environ["WINEPREFIX"]
WIN = os.environ.get("TOLVANE_WIN_DIR", os.path.join(BUILD, "win"))
TOLVANE = os.path.join(WIN, "Tolvane.exe")
PROBE = os.path.join(WIN, "tests", "journeys", "journey_probe.exe")
MARKER_HELPER = os.path.join(WIN, "tests", "engine", "tolvane_marker_helper.exe")
STORE_TOOL = os.path.join(BUILD, "native", "tools", "tolvane-store")
OUT = os.path.join(BUILD, "journeys")

MAIN_TITLE = "Tolvane 1.00"
# Texts of the program, as the probe reads them (Windows-1252 decoded).
GERMAN = {
    "add": "Programm hinzufügen...",
    "remove": "Programm aus Liste entfernen",
    "edit": "Programm editieren...",
}
PROFILE = os.path.join(PREFIX, "drive_c", "users", getpass.getuser())
STORE = os.path.join(PROFILE, "tolvane.boot")
COMMON_STARTUP = os.path.join(PREFIX, "drive_c", "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs",
                              "StartUp")
USER_STARTUP = os.path.join(PROFILE, "AppData", "Roaming", "Microsoft", "Windows", "Start Menu", "Programs",
                            "StartUp")
WORK = os.path.join(PREFIX, "drive_c", "journeys")  # C:\journeys
MARKER = os.path.join(WORK, "marker.txt")


class JourneyFailed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise JourneyFailed(message)


def wait_for(what, predicate, timeout=15.0, interval=0.2):
    deadline = time.monotonic() + timeout
    while True:
        asked = time.monotonic()  # a slow look that began in time gets one more
        value = predicate()
        if value:
            return value
        if asked > deadline:
            raise JourneyFailed("timed out waiting for " + what)
        time.sleep(interval)


def windows_path(linux_path):
    relative = os.path.relpath(linux_path, os.path.join(PREFIX, "drive_c"))
    return "C:\\" + relative.replace("/", "\\")


def wine(*args, env=None):
    return subprocess.run(["wine", *args], capture_output=True, text=True, encoding="cp1252", env=env,
                          stdin=subprocess.DEVNULL, timeout=20)


def probe(*args):
    """Exit code and output of the probe. A probe whose own start hangs in
    Wine (seen once in 300 journeys on a loaded machine) tells nothing about
    Tolvane: it is ended and answers "no", so that a wait asks again."""
    try:
        result = wine(PROBE, *args)
    except subprocess.TimeoutExpired:
        print(f"  note: the probe {' '.join(args[:1])} did not answer; asked again", flush=True)
        return -1, ""
    return result.returncode, result.stdout.strip()


def xdo(*args):
    subprocess.run(["xdotool", *args], check=True, capture_output=True, timeout=30)


def move_pointer(point):
    # A synchronous move onto the pointer's own place waits some 15 s for a
    # motion that never comes, as when two dialogs have a button at one place.
    where = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True, text=True,
                           timeout=30).stdout.split()
    if f"X={point[0]}" in where and f"Y={point[1]}" in where:
        return
    xdo("mousemove", "--sync", str(point[0]), str(point[1]))


# Letters the journeys type that a US keymap lacks, and the US keys (by
# their plain keysym) that carry them instead: keys no journey types.
EXTRA_LETTERS = {0x60: (0xF6, 0xD6), 0x5B: (0xFC, 0xDC), 0x5D: (0xE4, 0xC4)}  # ` [ ]: ö Ö, ü Ü, ä Ä


def map_extra_letters(restore=None):
    """Puts the umlauts on keys of the display's keymap for the run (or puts
    back the keys `restore` gives) and returns what to put back. Otherwise
    xdotool maps each on a spare keycode just for its key press and maps it
    back at once, and a program busy at that moment reads the key after the
    mapping went: the letter is lost (seen on a loaded machine). Wine reads
    only keys of the keyboard it knows (a free keycode gave no letter), so
    the letters go onto existing keys."""
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
    x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                           ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
    x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    check(display, "cannot open the X display")
    try:
        low, high = ctypes.c_int(), ctypes.c_int()
        x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
        per = ctypes.c_int()
        count = high.value - low.value + 1
        table = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per))
        plain = {table[code * per.value]: low.value + code for code in range(count)}
        before = {keycode: [table[(keycode - low.value) * per.value + k] for k in range(per.value)]
                  for keycode in (plain[base] for base in EXTRA_LETTERS if base in plain)}
        x11.XFree(table)
        if restore is None:
            changes = {plain[base]: letters for base, letters in EXTRA_LETTERS.items() if base in plain}
        else:
            changes = restore
        for keycode, keysyms in changes.items():
            values = (ctypes.c_ulong * len(keysyms))(*keysyms)
            x11.XChangeKeyboardMapping(display, keycode, len(keysyms), values, 1)
        x11.XSync(display, 0)
        return before
    finally:
        x11.XCloseDisplay(display)


def screenshot(name):
    os.makedirs(OUT, exist_ok=True)
    path = os.path.join(OUT, name + ".png")
    subprocess.run(["import", "-window", "root", path], capture_output=True, timeout=30)
    return path


def window_visible(title):
    return probe("visible", title)[1] == "1"


def control_centre(title, text):
    code, out = probe("where", title, text)
    if code != 0:
        return None
    x, y = out.split()
    return int(x), int(y)


def clickable_centre(title, text):
    """Centre of the control with this text once it, and its window, are
    visible and enabled (the probe finds no other)."""
    return wait_for(f'"{text}" clickable in "{title}"', lambda: control_centre(title, text))


def click(title, text):
    """Clicks the visible, enabled control with this text in the window with this title."""
    click_at(clickable_centre(title, text))


def nth_centre(title, window_class, index):
    def centre():
        code, out = probe("nth", title, window_class, str(index))
        return tuple(int(v) for v in out.split()) if code == 0 else None
    return wait_for(f"{window_class} {index} clickable in {title}", centre)


def click_nth(title, window_class, index):
    """Clicks the index-th visible control of a class, e.g. the first text field."""
    click_at(nth_centre(title, window_class, index))


def keyboard_focus(title):
    """(ready, class, text) of the keyboard focus as window `title` sees it."""
    code, out = probe("focus", title)
    parts = out.split(" ", 2) if code == 0 else []
    if len(parts) < 2:
        return False, "", ""
    return parts[0] == "1", parts[1], parts[2] if len(parts) > 2 else ""


def title_prefix(title):
    """What an X window name surely starts with for this title: up to a "*"
    or the first letter beyond ASCII (X names may be encoded differently)."""
    prefix = title.rstrip("*")
    for i, c in enumerate(prefix):
        if ord(c) > 127:
            return prefix[:i]
    return prefix


def x_focus_name():
    """Name of the X window that has the X keyboard focus (where xdotool's keys go)."""
    result = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], capture_output=True, timeout=30)
    return result.stdout.decode("utf-8", "replace").strip() if result.returncode == 0 else None


def x_focus_in(title):
    name = x_focus_name()
    prefix = title_prefix(title)
    return name is not None and (name.startswith(prefix) if prefix != title else name == title)


def x_windows(title):
    """X windows named like `title`, exactly when the whole title is ASCII."""
    prefix = title_prefix(title)
    pattern = "^" + "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in prefix)
    return subprocess.run(["xdotool", "search", "--name", pattern + ("$" if prefix == title else "")],
                          capture_output=True, text=True, timeout=30).stdout.split()


def wait_keyboard(title, window_class=None, text=None):
    """Waits until keys typed now reach window `title`: Wine has it in front
    with the focus on a visible, enabled control (of that class, with that
    text), and the X server sends the keys to it. Wine can make a window
    active before the X focus follows; a user would click its caption then,
    and so does this after a while."""
    started = time.monotonic()

    def ready():
        ok, cls, caption = keyboard_focus(title)
        if not (ok and (window_class is None or cls.lower() == window_class.lower()) and (
                text is None or caption == text)):
            return False
        if x_focus_in(title):
            return True
        if time.monotonic() - started > 3:
            for window in x_windows(title)[-1:]:
                subprocess.run(["xdotool", "windowfocus", window], capture_output=True, timeout=30)
        return False
    what = f'the keyboard in "{title}"' + (f" on {window_class}" if window_class else "") + (
        f' "{text}"' if text else "")
    wait_for(what, ready)


def focus(title):
    """Gives window `title` the keyboard, as a click on its caption would."""
    def focused():
        for window in x_windows(title)[-1:]:
            subprocess.run(["xdotool", "windowfocus", "--sync", window], capture_output=True, timeout=30)
        return keyboard_focus(title)[0] and x_focus_in(title)
    wait_for(f'the keyboard in "{title}"', focused)


def keys(title, *combination):
    """Presses keys once window `title` has the keyboard."""
    wait_keyboard(title)
    xdo("key", "--clearmodifiers", *combination)


def focused_text(title):
    code, out = probe("text", title)
    return out if code == 0 else None


def type_text(title, text, window_class="Edit"):
    """Types once a control of that class in window `title` has the keyboard,
    then waits until the control shows it."""
    wait_keyboard(title, window_class)
    xdo("type", "--delay", "20", "--", text)
    arrived = lambda: (lambda now: now is not None and now.endswith(text))(focused_text(title))
    if all(ord(c) < 128 for c in text):
        wait_for(f'"{text}" in the field of "{title}"', arrived)
        return
    # X input of a letter beyond the keymap is not dependable on a busy
    # machine (see map_extra_letters); a lost one is typed again, and said.
    for attempt in range(3):
        try:
            wait_for(f'"{text}" in the field of "{title}"', arrived, timeout=5)
            return
        except JourneyFailed:
            print(f'  note: the X input lost a letter of "{text}"; typed again', flush=True)
            keys(title, "End")
            keys(title, "shift+Home")
            wait_keyboard(title, window_class)
            xdo("type", "--delay", "20", "--", text)
    wait_for(f'"{text}" in the field of "{title}"', arrived)


def click_at(point):
    move_pointer(point)
    # Not a wait for readiness: Wine takes a click that follows the move at
    # once for a hover, and no state of its windows shows when it would not.
    time.sleep(0.3)
    xdo("click", "1")


def replace_text(title, index, text):
    """Clicks the index-th visible text field, selects what it holds and types over it."""
    click_nth(title, "Edit", index)
    keys(title, "End")
    keys(title, "shift+Home")
    type_text(title, text)


def page_shown(title, step):
    """Waits until the wizard shows its page "Schritt n:"."""
    wait_for(f'"Schritt {step}:" in "{title}"', lambda: control_centre(title, f"Schritt {step}:"))


def combo_state(title, index):
    """Index of the selection and the items of the index-th visible combo box."""
    code, out = probe("combo", title, str(index))
    if code != 0:
        return None
    lines = out.splitlines()
    return int(lines[0]), lines[1:]


def choose_in_combo(title, index, text):
    """Opens the drop-down list of the index-th visible combo box with a click
    and clicks the item with this text in it."""
    click_nth(title, "ComboBox", index)

    def item_centre():
        code, out = probe("dropped", title, str(index), text)
        return tuple(int(v) for v in out.split()) if code == 0 else None
    click_at(wait_for(f'"{text}" in the open list of "{title}"', item_centre, timeout=5))
    state = wait_for(f"the combo box of {title}", lambda: combo_state(title, index))
    check(0 <= state[0] < len(state[1]) and state[1][state[0]] == text,
          f'"{text}" was not chosen; the combo box shows item {state[0]} of {state[1]}')


def tray_icon_centre():
    """Where Tolvane's icon sits in Wine's notification area window."""
    code, out = probe("children", "Wine System Tray")
    for line in out.splitlines():
        parts = line.split()
        if code == 0 and len(parts) >= 3 and parts[0] == "__winex11_tray_icon":
            return int(parts[1]), int(parts[2])
    return None


# Vertical offsets of the tray menu's items from the click that opens it: the
# menu opens at the pointer, and its owner-drawn items are font-high + 4.
# Wine's popup menus cannot be asked for their items from another process.
TRAY_SHOW, TRAY_SHOW_HISTORY, TRAY_START_AT_LOGON = 11, 28, 45
TRAY_NEW_SYSTEM_START, TRAY_NEW_PROGRAM_START, TRAY_QUIT = 71, 88, 114


def menu_open():
    return probe("menu")[1] == "1"


def tray_menu(item_offset):
    """Clicks the tray icon, then, once its popup menu is open, an item of it."""
    icon = wait_for("the tray icon on screen", tray_icon_centre)
    click_at(icon)
    wait_for("the tray menu", menu_open, timeout=4)
    click_at((icon[0] + 60, icon[1] + item_offset))


def visible_list_rect(title):
    """Left, top, right, bottom of the list view on the tab shown."""
    code, out = probe("children", title)
    for line in out.splitlines():
        parts = line.split()
        if code == 0 and len(parts) == 7 and parts[0] == "SysListView32":
            return tuple(int(v) for v in parts[3:])
    return None


def select_row(title, row):
    """Clicks the first row of the visible list, then moves down with the keyboard."""
    left, top, _, _ = wait_for("the list", lambda: visible_list_rect(title))
    click_at((left + 40, top + 30))  # below the column headers: row 0
    wait_keyboard(title, "SysListView32")
    for _ in range(row):
        keys(title, "Down")


def show_tab(title, index, rows):
    """Clicks the header of tab `index` (0 or 1) until its list, known by its
    number of rows, is the one shown."""
    def tabs():
        code, out = probe("children", title)
        for line in out.splitlines():
            parts = line.split()
            if code == 0 and len(parts) == 7 and parts[0] == "SysTabControl32":
                return tuple(int(v) for v in parts[3:])
        return None
    left, top, _, _ = wait_for("the tabs", tabs)
    click_at((left + (60 if index == 0 else 230), top + 10))
    wait_for(f"tab {index} shown", lambda: probe("shownrows", title)[1] == str(rows))


def row_menu(point, item_offset):
    """Right-clicks at `point` (a row), then, once the row menu is open, its
    item at that vertical offset from the click. A click Wine took for a hover
    opens no menu: tried up to three times."""
    for _ in range(3):
        move_pointer(point)
        time.sleep(0.3)  # the Wine hover quirk of click_at
        xdo("click", "3")
        try:
            wait_for("the row menu", menu_open, timeout=4)
        except JourneyFailed:
            continue
        click_at((point[0] + 40, point[1] + item_offset))
        wait_for("the row menu to close", lambda: not menu_open(), timeout=4)
        return
    raise JourneyFailed("the row menu did not open")


# Offsets of the row menu's items, as in the tray menu (same item height).
ROW_START_NOW = 11


def pack_store(rows):
    """Writes the store as tolvane-store pack does, from dicts like dump gives."""
    lines = os.path.join(WORK, "entries.jsonl")
    with open(lines, "w", encoding="utf-8") as f:
        for row in rows:
            f.write(json.dumps(row) + "\n")
    result = subprocess.run([STORE_TOOL, "pack", lines, STORE], capture_output=True, text=True, timeout=30)
    check(result.returncode == 0, "tolvane-store pack failed: " + result.stderr)


def entry(kind, name, condition="", parameters="", hidden="", path=""):
    return {"list": kind, "name": name, "condition": condition, "parameters": parameters, "hidden": hidden,
            "path": path}


def tray_command(item_offset, what, done):
    """Chooses a tray menu item until `done()` holds; a click Wine took for a
    hover opens no menu, so the choice is tried up to three times."""
    for _ in range(3):
        try:
            tray_menu(item_offset)
            return wait_for(what, done, timeout=8)
        except JourneyFailed:
            if menu_open():
                xdo("key", "Escape")  # the open menu has the keyboard
                wait_for("the tray menu to close", lambda: not menu_open())
    raise JourneyFailed("timed out waiting for " + what)


def alive(run):
    return run.process.poll() is None


def dump_store():
    if not os.path.exists(STORE):
        return None
    result = subprocess.run([STORE_TOOL, "dump", STORE], capture_output=True, text=True, timeout=30)
    check(result.returncode == 0, "tolvane-store dump failed: " + result.stderr)
    return [json.loads(line) for line in result.stdout.splitlines()]


def store_change(what, before):
    """The store's rows once they are no longer `before`."""
    return wait_for(what, lambda: (lambda rows: rows != before and rows)(dump_store()))


def marker_lines():
    if not os.path.exists(MARKER):
        return []
    with open(MARKER, encoding="utf-8") as f:
        return [line.rstrip("\r\n").split("|") for line in f if line.strip()]


def lines_of(program):
    """The marker lines of the starts of one program file, e.g. target_tool.exe."""
    return [line for line in marker_lines() if line[2].lower().endswith("\\" + program.lower())]


def running_count(program):
    """How many processes of this program file run, as Windows sees them."""
    code, out = probe("processes", program)
    check(code == 0, "the probe could not list the processes")
    return int(out)


class WineRun:
    """One run of a Windows program, ended at the end of the journey if still running.
    It writes its marker lines, and those of what it starts, to the marker file."""

    def __init__(self, program, *args):
        env = dict(os.environ, TOLVANE_MARKER_FILE=windows_path(MARKER))
        self.process = subprocess.Popen(["wine", program, *args], env=env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def wait_exit(self, timeout=15):
        return self.process.wait(timeout=timeout)

    def end(self):
        if self.process.poll() is None:
            self.process.kill()  # the wine loader we started; its Windows process goes with it
            self.process.wait(timeout=15)


class Tolvane(WineRun):
    def __init__(self, *args):
        super().__init__(TOLVANE, *args)


def start_helper(program, *args):
    """Starts a copy of the marker helper in C:\\journeys by its Windows path, as
    a user would, so that Windows reports it from there."""
    return WineRun(windows_path(os.path.join(WORK, program)), *args)


def fresh_state():
    """No store, no shortcut, an empty work folder: a first start."""
    for path in (STORE, STORE + ".bak"):
        if os.path.exists(path):
            os.remove(path)
    for folder in (COMMON_STARTUP, USER_STARTUP):
        link = os.path.join(folder, "Tolvane.lnk")
        if os.path.exists(link):
            os.remove(link)
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    shutil.copy(MARKER_HELPER, os.path.join(WORK, "target_tool.exe"))
    shutil.copy(MARKER_HELPER, os.path.join(WORK, "trigger_tool.exe"))


JOURNEYS = []


def journey(function):
    JOURNEYS.append(function)
    return function


def main():
    only = sys.argv[1:]
    keymap = map_extra_letters()
    try:
        return run_journeys(only)
    finally:
        map_extra_letters(restore=keymap)


def run_journeys(only):
    passed = failed = 0
    for function in JOURNEYS:
        if only and function.__name__ not in only:
            continue
        fresh_state()
        runs = []
        started = time.monotonic()
        try:
            function(runs)
            passed += 1
            print(f"PASS {function.__name__} ({time.monotonic() - started:.1f} s)", flush=True)
        except Exception as error:  # a journey's failure must not stop the others
            failed += 1
            shot = screenshot("failed-" + function.__name__)
            print(f"FAIL {function.__name__}: {error}\n  screenshot: {shot}", flush=True)
            if not isinstance(error, JourneyFailed):
                traceback.print_exc()
        finally:
            for run in runs:
                run.end()
    print(f"journeys: {passed} passed, {failed} failed")
    return 0 if failed == 0 and passed > 0 else 1
