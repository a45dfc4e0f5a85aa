#!/usr/bin/env python3
"""The user journeys: what a person does with Tolvane, from outside."""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from journey_kit import *  # noqa: E402,F403


@journey
def first_start_without_store(runs):
    run = Tolvane()
    runs.append(run)
    wait_for("the main window", lambda: window_visible(MAIN_TITLE))
    check(probe("rows", MAIN_TITLE, "0")[1] == "0", "the system-start list is not empty")
    check(probe("rows", MAIN_TITLE, "1")[1] == "0", "the program-start list is not empty")
    wait_for("the tray icon", lambda: probe("tray", MAIN_TITLE)[1] == "1")
    links = [os.path.join(folder, "Tolvane.lnk") for folder in (COMMON_STARTUP, USER_STARTUP)]
    written = wait_for("the autostart shortcut", lambda: [link for link in links if os.path.exists(link)])
    check(len(written) == 1, "more than one autostart shortcut: " + ", ".join(written))
    code, fields = probe("link", windows_path(written[0]))
    target, arguments, folder = (fields.splitlines() + ["", "", ""])[:3]
    check(target.lower().endswith("\\tolvane.exe"), "shortcut target " + target)
    check(arguments == "-h", "shortcut arguments " + arguments)
    check(target.lower().startswith(folder.lower()), "shortcut folder " + folder)
    check(dump_store() is None, "a store was written without any change")


@journey
def close_keeps_running_and_quit_asks_first(runs):
    run = Tolvane()
    runs.append(run)
    wait_for("the main window", lambda: window_visible(MAIN_TITLE))
    focus(MAIN_TITLE)
    keys("alt+F4")
    wait_for("the window to hide", lambda: not window_visible(MAIN_TITLE))
    check(alive(run), "closing the window ended the program")
    check(probe("tray", MAIN_TITLE)[1] == "1", "the tray icon went away with the window")

    tray_menu(TRAY_SHOW)
    wait_for("the window to come back", lambda: window_visible(MAIN_TITLE))

    tray_menu(TRAY_QUIT)
    wait_for("the quit confirmation", lambda: window_visible("Tolvane"))
    keys("Escape")
    wait_for("the confirmation to close", lambda: not window_visible("Tolvane"))
    time.sleep(1)
    check(alive(run), "Cancel ended the program")

    tray_menu(TRAY_QUIT)
    wait_for("the quit confirmation", lambda: window_visible("Tolvane"))
    keys("Return")  # OK
    check(run.wait_exit() == 0, "the program did not end with exit code 0")


if __name__ == "__main__":
    sys.exit(main())
