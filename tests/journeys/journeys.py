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
    keys(MAIN_TITLE, "alt+F4")
    wait_for("the window to hide", lambda: not window_visible(MAIN_TITLE))
    check(alive(run), "closing the window ended the program")
    check(probe("tray", MAIN_TITLE)[1] == "1", "the tray icon went away with the window")

    tray_command(TRAY_SHOW, "the window to come back", lambda: window_visible(MAIN_TITLE))

    tray_command(TRAY_QUIT, "the quit confirmation", lambda: window_visible("Tolvane"))
    keys("Tolvane", "Escape")
    wait_for("the confirmation to close", lambda: not window_visible("Tolvane"))
    wait_for("the program to answer after Cancel", lambda: probe("answers", MAIN_TITLE)[1] == "1")
    check(alive(run), "Cancel ended the program")

    tray_command(TRAY_QUIT, "the quit confirmation", lambda: window_visible("Tolvane"))
    keys("Tolvane", "Return")  # OK
    check(run.wait_exit() == 0, "the program did not end with exit code 0")


@journey
def logon_run_starts_a_waiting_entry_once(runs):
    target = windows_path(os.path.join(WORK, "target_tool.exe"))
    pack_store([entry("system", "Nach drei Sekunden", "Wartezeit von ...{3};", "--mit-parameter", "", target)])
    started = time.monotonic()
    run = Tolvane("-h")
    runs.append(run)
    wait_for("the tray icon", lambda: probe("tray", MAIN_TITLE)[1] == "1")
    check(not window_visible(MAIN_TITLE), "the window is shown in a start at logon")
    check(not marker_lines(), "the target started before its waiting time")
    lines = wait_for("the target to start", marker_lines, timeout=20)
    check(time.monotonic() - started >= 3, "the target started before three seconds had passed")
    check(lines[0][4].endswith("--mit-parameter"), "the parameter was not passed: " + lines[0][4])
    time.sleep(3)
    check(len(marker_lines()) == 1, "the target started more than once")


def show_three_rows(runs):
    """Tolvane with three system-start rows, its main window shown."""
    pack_store([entry("system", name, path="C:\\x.exe") for name in ("Erster", "Zweiter", "Dritter")])
    runs.append(Tolvane())
    wait_for("the main window", lambda: window_visible(MAIN_TITLE))


def answer_removal(key):
    """Answers the removal question with a key: "n" for "Nein", Return for "Ja"."""
    wait_for("the confirmation", lambda: window_visible("Tolvane"))
    keys("Tolvane", key)


@journey
def removal_asks_and_saves_at_once(runs):
    show_three_rows(runs)
    focus(MAIN_TITLE)
    select_row(MAIN_TITLE, 1)
    click(MAIN_TITLE, GERMAN["remove"])
    answer_removal("n")
    wait_for("the confirmation to close", lambda: not window_visible("Tolvane"))
    check([r["name"] for r in dump_store()] == ["Erster", "Zweiter", "Dritter"], "No changed the store")

    click(MAIN_TITLE, GERMAN["remove"])
    answer_removal("Return")  # "Ja" is the default button
    wait_for("the store to lose the row",
             lambda: [r["name"] for r in dump_store()] == ["Erster", "Dritter"])
    check(probe("rows", MAIN_TITLE, "0")[1] == "2", "the list still shows three rows")


@journey
def the_keyboard_is_in_the_list_from_the_start_and_after_a_question(runs):
    show_three_rows(runs)
    # No click first: the keyboard is in the list, on its first row.
    wait_keyboard(MAIN_TITLE, "SysListView32")
    keys(MAIN_TITLE, "space")
    keys(MAIN_TITLE, "Delete")
    answer_removal("n")
    wait_for("the confirmation to close", lambda: not window_visible("Tolvane"))
    # Back in the list on the same row: the next one is a key away.
    wait_keyboard(MAIN_TITLE, "SysListView32")
    keys(MAIN_TITLE, "Down")
    keys(MAIN_TITLE, "Delete")
    answer_removal("Return")  # "Ja" is the default button
    wait_for("the store to lose the second row",
             lambda: [r["name"] for r in dump_store()] == ["Erster", "Dritter"])


SYSTEM_WIZARD = "Assistent f*"  # "Assistent für neuen Systemstart..."


def open_wizard(shortcut, title):
    """Opens a new-entry wizard from the main window with its shortcut."""
    focus(MAIN_TITLE)
    keys(MAIN_TITLE, shortcut)
    wait_for(f'the wizard "{title}"', lambda: window_visible(title))


def open_wizard_past_name_and_path(shortcut, title, name, target):
    """Opens a new-entry wizard with its shortcut and fills the intro, name and
    path steps as a user does; leaves it on step 3."""
    open_wizard(shortcut, title)
    click(title, "Weiter")                    # intro
    page_shown(title, 1)
    click_nth(title, "Edit", 0)
    type_text(title, name)
    click(title, "Weiter")                    # step 1
    page_shown(title, 2)
    click_nth(title, "Edit", 0)
    type_text(title, target)
    click(title, "Weiter")                    # step 2
    page_shown(title, 3)


@journey
def create_with_the_wizard_then_start_at_logon(runs):
    target = windows_path(os.path.join(WORK, "target_tool.exe"))
    run = Tolvane()
    runs.append(run)
    wait_for("the main window", lambda: window_visible(MAIN_TITLE))
    open_wizard_past_name_and_path("ctrl+s", SYSTEM_WIZARD, "Mein Ziel", target)
    click(SYSTEM_WIZARD, "Hinzufügen...")
    wait_for("the add sub-dialog", lambda: window_visible("Hinzuf*"))
    click_nth("Hinzuf*", "Edit", 0)                   # the seconds of "Wartezeit von ..."
    type_text("Hinzuf*", "3")
    click("Hinzuf*", "OK")
    wait_for("the sub-dialog to close", lambda: not window_visible("Hinzuf*"))
    wait_for("the precondition in the list", lambda: probe("rows", SYSTEM_WIZARD, "0")[1] == "1")
    click(SYSTEM_WIZARD, "Weiter")                    # step 3
    page_shown(SYSTEM_WIZARD, 4)
    click_nth(SYSTEM_WIZARD, "Edit", 0)
    type_text(SYSTEM_WIZARD, "--aus-dem-assistenten")
    click(SYSTEM_WIZARD, "Fertig")
    wait_for("the wizard to close", lambda: not window_visible(SYSTEM_WIZARD))
    rows = wait_for("the new entry in the store", dump_store)
    check(rows == [entry("system", "Mein Ziel", "Wartezeit von ...{3};", "--aus-dem-assistenten", "", target)],
          f"the store holds {rows}")
    check(probe("rows", MAIN_TITLE, "0")[1] == "1", "the list does not show the new entry")
    check(not marker_lines(), "an entry created in this run was started in it")

    # Quitting is its own journey; here the run just ends before the next logon.
    run.end()

    started = time.monotonic()
    logon = Tolvane("-h")
    runs.append(logon)
    lines = wait_for("the target to start at logon", marker_lines, timeout=20)
    check(time.monotonic() - started >= 3, "the target started before its waiting time")
    check(lines[0][4].endswith("--aus-dem-assistenten"), "the parameter was not passed: " + lines[0][4])
    check(not window_visible(MAIN_TITLE), "the window is shown in a start at logon")
    time.sleep(2)
    check(len(marker_lines()) == 1, "the target started more than once")


PROGRAM_WIZARD = "Assistent für neuen Programmstart..."
CHOOSER = "Prozess wählen"


@journey
def program_start_by_process_name_from_the_chooser(runs):
    target = windows_path(os.path.join(WORK, "target_tool.exe"))
    # Running before Tolvane, so it is in the watcher's first snapshot; the
    # wizard holds the main loop, so a program started later might be seen
    # first only once the entry exists, and rightly start it.
    first_trigger = start_helper("trigger_tool.exe", "--sleep=600000")
    runs.append(first_trigger)
    wait_for("the trigger to run", lambda: running_count("trigger_tool.exe") == 1)
    run = Tolvane()
    runs.append(run)
    wait_for("the main window", lambda: window_visible(MAIN_TITLE))

    open_wizard_past_name_and_path("ctrl+p", PROGRAM_WIZARD, "Beim Auslöser", target)
    click(PROGRAM_WIZARD, "Prozessname")
    wait_keyboard(PROGRAM_WIZARD, "Button", "Prozessname")
    click(PROGRAM_WIZARD, "...")
    wait_for("the process chooser", lambda: window_visible(CHOOSER))
    names = wait_for("the chooser's list", lambda: combo_state(CHOOSER, 0))[1]
    check(names.count("trigger_tool.exe") == 1, f"the chooser lists {names}")
    check("Tolvane.exe" in names, f"the chooser does not list Tolvane itself: {names}")
    choose_in_combo(CHOOSER, 0, "trigger_tool.exe")
    click(CHOOSER, "OK")
    wait_for("the chooser to close", lambda: not window_visible(CHOOSER))
    click(PROGRAM_WIZARD, "Weiter")                   # step 3, enabled by the chosen name
    page_shown(PROGRAM_WIZARD, 4)
    click_nth(PROGRAM_WIZARD, "Edit", 0)
    type_text(PROGRAM_WIZARD, "--vom-ausloeser")
    click(PROGRAM_WIZARD, "Fertig")
    wait_for("the wizard to close", lambda: not window_visible(PROGRAM_WIZARD))
    rows = wait_for("the new entry in the store", dump_store)
    check(rows == [entry("program", "Beim Auslöser", "trigger_tool.exe", "--vom-ausloeser", "", target)],
          f"the store holds {rows}")
    check(probe("rows", MAIN_TITLE, "1")[1] == "1", "the program-start list does not show the new entry")

    # The trigger was already known when the entry was made: only a new start counts.
    time.sleep(2)
    check(not lines_of("target_tool.exe"), "a trigger that was already running started the target")
    first_trigger.end()
    wait_for("the trigger to end", lambda: running_count("trigger_tool.exe") == 0)
    time.sleep(1.5)  # a few passes without it: it is unknown again
    check(not lines_of("target_tool.exe"), "the end of the trigger started the target")

    second_trigger = start_helper("trigger_tool.exe", "--sleep=600000")
    runs.append(second_trigger)
    started = wait_for("the target to start with the trigger", lambda: lines_of("target_tool.exe"), timeout=10)
    check(started[0][4].endswith("--vom-ausloeser"), "the parameter was not passed: " + started[0][4])

    another_instance = start_helper("trigger_tool.exe", "--sleep=600000")
    runs.append(another_instance)
    wait_for("the second instance to run", lambda: running_count("trigger_tool.exe") == 2)
    time.sleep(3)  # several passes
    check(len(lines_of("trigger_tool.exe")) == 3, "the trigger did not record its three starts")
    check(len(lines_of("target_tool.exe")) == 1, "a second instance of the trigger started the target again")


@journey
def edit_keeps_the_place_and_removal_keeps_the_rest(runs):
    first, second, fourth = (entry("system", "Erster", "", "--eins", "", "C:\\erster.exe"),
                             entry("system", "Zweiter", "", "", "X", "C:\\zweiter.exe"),
                             entry("system", "Vierter", "", "--vier", "", "C:\\vierter.exe"))
    third = entry("system", "Dritter", "Wartezeit von ...{3};", "--alt", "", "C:\\dritter.exe")
    pack_store([first, second, third, fourth])
    run = Tolvane()
    runs.append(run)
    wait_for("the main window", lambda: window_visible(MAIN_TITLE))
    focus(MAIN_TITLE)
    select_row(MAIN_TITLE, 2)
    click(MAIN_TITLE, GERMAN["edit"])
    edit_title = 'Systemstart von "Dritter" bearbeiten'
    wait_for("the edit dialog of the third row", lambda: window_visible(edit_title))
    replace_text(edit_title, 0, "Dritter neu")       # name
    replace_text(edit_title, 2, "--neu")             # parameters
    click(edit_title, "Übernehmen")
    wait_for("the edit dialog to close", lambda: not window_visible(edit_title))
    edited = dict(third, name="Dritter neu", parameters="--neu")
    rows = store_change("the edit in the store", [first, second, third, fourth])
    check(rows == [first, second, edited, fourth], f"after the edit the store holds {rows}")

    select_row(MAIN_TITLE, 1)
    click(MAIN_TITLE, GERMAN["remove"])
    answer_removal("Return")  # "Ja" is the default button
    wait_for("the confirmation to close", lambda: not window_visible("Tolvane"))
    rows = store_change("the removal in the store", [first, second, edited, fourth])
    check(rows == [first, edited, fourth], f"after the removal the store holds {rows}")
    check(probe("rows", MAIN_TITLE, "0")[1] == "3", "the list does not show three rows")


def enter_to_page(title, step, window_class=None):
    """Enter presses the wizard's default button; waits for page "Schritt n:"
    and, when given, for the keyboard on a control of that class."""
    keys(title, "Return")
    page_shown(title, step)
    if window_class:
        wait_keyboard(title, window_class)


def enter_name_and_path(title, name, target):
    """From the intro, with the keyboard alone: the name and the path typed,
    each step left with Enter; leaves the path typed on step 2."""
    wait_keyboard(title, "Button", "Weiter")     # the intro has no field
    enter_to_page(title, 1, "Edit")
    type_text(title, name)
    enter_to_page(title, 2, "Edit")
    type_text(title, target)


@journey
def keyboard_alone_creates_a_system_and_a_program_start_entry(runs):
    target = windows_path(os.path.join(WORK, "target_tool.exe"))
    run = Tolvane()
    runs.append(run)
    wait_for("the main window", lambda: window_visible(MAIN_TITLE))
    open_wizard("ctrl+s", SYSTEM_WIZARD)
    enter_name_and_path(SYSTEM_WIZARD, "Getippt", target)
    enter_to_page(SYSTEM_WIZARD, 3, "SysListView32")
    keys(SYSTEM_WIZARD, "Tab")                            # "Hinzufügen..."
    wait_keyboard(SYSTEM_WIZARD, "Button", "Hinzufügen...")
    keys(SYSTEM_WIZARD, "Return")
    wait_for("the add sub-dialog", lambda: window_visible("Hinzuf*"))
    wait_keyboard("Hinzuf*", "ComboBox")                  # "Wartezeit von ..."
    keys("Hinzuf*", "Tab")
    type_text("Hinzuf*", "7")                             # its seconds
    keys("Hinzuf*", "Return")                             # "OK"
    wait_for("the sub-dialog to close", lambda: not window_visible("Hinzuf*"))
    wait_for("the precondition in the list", lambda: probe("rows", SYSTEM_WIZARD, "0")[1] == "1")
    wait_keyboard(SYSTEM_WIZARD, "Button", "Hinzufügen...")  # back where it was
    keys(SYSTEM_WIZARD, "shift+Tab")                      # the list: Enter goes on again
    wait_keyboard(SYSTEM_WIZARD, "SysListView32")
    enter_to_page(SYSTEM_WIZARD, 4, "Edit")
    type_text(SYSTEM_WIZARD, "--getippt")
    keys(SYSTEM_WIZARD, "Return")                         # "Fertig"
    wait_for("the wizard to close", lambda: not window_visible(SYSTEM_WIZARD))
    system = entry("system", "Getippt", "Wartezeit von ...{7};", "--getippt", "", target)
    rows = wait_for("the system-start entry in the store", dump_store)
    check(rows == [system], f"the store holds {rows}")

    open_wizard("ctrl+p", PROGRAM_WIZARD)
    enter_name_and_path(PROGRAM_WIZARD, "Auch getippt", target)
    enter_to_page(PROGRAM_WIZARD, 3)
    wait_keyboard(PROGRAM_WIZARD, "Button", "Anwendung")
    keys(PROGRAM_WIZARD, "Right")                         # the other option
    wait_keyboard(PROGRAM_WIZARD, "Button", "Prozessname")
    keys(PROGRAM_WIZARD, "Tab")
    type_text(PROGRAM_WIZARD, "trigger_tool.exe")
    enter_to_page(PROGRAM_WIZARD, 4, "Edit")
    keys(PROGRAM_WIZARD, "Tab")
    wait_keyboard(PROGRAM_WIZARD, "Button", "Unsichtbar starten")
    keys(PROGRAM_WIZARD, "space")
    keys(PROGRAM_WIZARD, "Return")                        # "Fertig"
    wait_for("the wizard to close", lambda: not window_visible(PROGRAM_WIZARD))
    program = entry("program", "Auch getippt", "trigger_tool.exe", "", "X", target)
    rows = store_change("the program-start entry in the store", [system])
    check(rows == [system, program], f"the store holds {rows}")
    check(probe("rows", MAIN_TITLE, "0")[1] == "1", "the system-start list does not show its entry")
    check(probe("rows", MAIN_TITLE, "1")[1] == "1", "the program-start list does not show its entry")


def click_then_type(title, text, typed):
    """Clicks a button and types at once, as a quick user does: one xdotool
    call, no wait between the click and the keys."""
    point = clickable_centre(title, text)
    move_pointer(point)
    time.sleep(0.3)  # the Wine hover quirk of click_at
    xdo("click", "1", *(["type", "--delay", "20", "--", typed] if typed else []))


def still_answers(title, step):
    wait_for(f'"{title}" to answer', lambda: probe("answers", title)[1] == "1", timeout=10)
    page_shown(title, step)


@journey
def typing_at_once_after_each_page_switch_keeps_tolvane_answering(runs):
    target = windows_path(os.path.join(WORK, "target_tool.exe"))
    run = Tolvane()
    runs.append(run)
    wait_for("the main window", lambda: window_visible(MAIN_TITLE))
    open_wizard("ctrl+s", SYSTEM_WIZARD)
    wait_keyboard(SYSTEM_WIZARD)
    click_then_type(SYSTEM_WIZARD, "Weiter", "Schnell")   # lands in the name field
    still_answers(SYSTEM_WIZARD, 1)
    click_then_type(SYSTEM_WIZARD, "Weiter", target)      # in the path field
    still_answers(SYSTEM_WIZARD, 2)
    click_then_type(SYSTEM_WIZARD, "Weiter", "xy")        # the precondition list searches
    still_answers(SYSTEM_WIZARD, 3)
    click_then_type(SYSTEM_WIZARD, "Weiter", "--schnell")
    still_answers(SYSTEM_WIZARD, 4)
    click_then_type(SYSTEM_WIZARD, "Zurück", "ab")
    still_answers(SYSTEM_WIZARD, 3)
    click_then_type(SYSTEM_WIZARD, "Zurück", "")
    still_answers(SYSTEM_WIZARD, 2)
    click_then_type(SYSTEM_WIZARD, "Weiter", "q")
    still_answers(SYSTEM_WIZARD, 3)
    click_then_type(SYSTEM_WIZARD, "Weiter", "")
    still_answers(SYSTEM_WIZARD, 4)
    click(SYSTEM_WIZARD, "Fertig")
    wait_for("the wizard to close", lambda: not window_visible(SYSTEM_WIZARD))
    rows = wait_for("the entry in the store", dump_store)
    # What was typed at once went into the fields of the page just shown.
    check(rows == [entry("system", "Schnell", "", "--schnell", "", target)], f"the store holds {rows}")
    check(probe("answers", MAIN_TITLE)[1] == "1", "the main window does not answer")


@journey
def row_menu_starts_now_and_keys_edit_and_remove(runs):
    target = windows_path(os.path.join(WORK, "target_tool.exe"))
    system = [entry("system", "Erster", "", "", "", "C:\\erster.exe"),
              entry("system", "Zweiter", "Wartezeit von ...{3};", "--zwei", "", "C:\\zweiter.exe")]
    program = [entry("program", "Auf Zuruf", "trigger_tool.exe", "--jetzt --gleich", "", target),
               entry("program", "Bleibt", "calc.exe", "", "", "C:\\bleibt.exe")]
    pack_store(system + program)
    run = Tolvane()
    runs.append(run)
    wait_for("the main window", lambda: window_visible(MAIN_TITLE))
    focus(MAIN_TITLE)

    # Enter on a selected row opens its edit dialog.
    select_row(MAIN_TITLE, 1)
    keys(MAIN_TITLE, "Return")
    edit_title = 'Systemstart von "Zweiter" bearbeiten'
    wait_for("the edit dialog of the selected row", lambda: window_visible(edit_title))
    keys(edit_title, "Escape")
    wait_for("the edit dialog to close", lambda: not window_visible(edit_title))
    check(dump_store() == system + program, "closing the edit dialog changed the store")

    # "Jetzt starten" from a program-start row's menu starts its target once,
    # with its parameters, although its trigger never ran.
    show_tab(MAIN_TITLE, 1, 2)
    left, top, _, _ = wait_for("the list", lambda: visible_list_rect(MAIN_TITLE))
    row_menu((left + 40, top + 30), ROW_START_NOW)
    started = wait_for("the target to start", lambda: lines_of("target_tool.exe"), timeout=10)
    check(started[0][4].endswith("--jetzt --gleich"), "the parameters were not passed: " + started[0][4])
    time.sleep(2)  # several passes
    check(len(lines_of("target_tool.exe")) == 1, "the target started more than once")
    check(dump_store() == system + program, "starting an entry changed the store")

    # Delete on the row asks, and Yes removes it. The started program took
    # the foreground and left: the user comes back with a click on the row.
    select_row(MAIN_TITLE, 0)
    keys(MAIN_TITLE, "Delete")
    answer_removal("Return")  # "Ja" is the default button
    wait_for("the confirmation to close", lambda: not window_visible("Tolvane"))
    rows = store_change("the removal in the store", system + program)
    check(rows == system + program[1:], f"after the removal the store holds {rows}")
    check(probe("shownrows", MAIN_TITLE)[1] == "1", "the list does not show one row")



@journey
def start_at_logon_switched_off_and_on_from_the_tray(runs):
    run = Tolvane("-h")
    runs.append(run)
    wait_for("the tray icon", lambda: probe("tray", MAIN_TITLE)[1] == "1")
    links = [os.path.join(folder, "Tolvane.lnk") for folder in (COMMON_STARTUP, USER_STARTUP)]

    def written():
        return [link for link in links if os.path.exists(link)]

    wait_for("the autostart shortcut", written)
    tray_command(TRAY_START_AT_LOGON, "the shortcut to go", lambda: not written())
    check(alive(run), "switching the autostart off ended the program")
    tray_command(TRAY_START_AT_LOGON, "the shortcut to come back", written)


if __name__ == "__main__":
    sys.exit(main())
