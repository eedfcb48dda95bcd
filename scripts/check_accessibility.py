#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads the accessibility tree of a running Movesta, as a screen reader would, and checks that
each window can be used through it: every picture button is a focusable push button named by its
tooltip where it has one (the report link too, under its text), every input has a name that is not just its
value, and the results and totals can be read with their values. Walks each window with Tab
(xdotool) and prints the order in which a screen reader meets its controls. Opens the planner
by clicking its picture, the time-to-burn window from the keyboard, works one session in each,
so the values read back are real ones, and closes the last through its exit button's press action.

Run by check-accessibility.sh inside its Xvfb and D-Bus session; prints what it found and
exits 1 on any miss.
"""

import re
import subprocess
import sys
import time

import pyatspi

WAIT = 10  # seconds for any one thing to appear in the tree

# Roles of the widgets a user types into or picks from.
INPUT_ROLES = {"text", "combo box", "list", "table", "spin button"}
# Roles that Qt gives a picture drawn by a plain widget, or a real button.
PICTURE_ROLES = {"filler", "push button", "image", "panel"}
# The main window's pictures are named by the calculators they open.
PLANNER_PICTURE = "Energy expenditure of selected physical activities"
TIME_TO_BURN_PICTURE = "Time required to burn calories during selected physical activity"

misses = []


def miss(text):
    misses.append(text)
    print("  MISS " + text)


def found(text):
    print("  ok   " + text)


def wait_for(probe, timeout=WAIT):
    """The first true value `probe` returns within the timeout, else None."""
    end = time.monotonic() + timeout
    while True:
        try:
            value = probe()
        except Exception:  # the tree changes under us while windows open
            value = None
        if value or time.monotonic() > end:
            return value
        time.sleep(0.2)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Movesta":
            return app
    return None


def window(title):
    app = application()
    if app is None:
        return None
    for index in range(app.childCount):
        child = app.getChildAtIndex(index)
        if child is not None and child.name == title:
            return child
    return None


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def nodes(acc):
    """Every showing node below acc; the items of lists, tables and combo boxes are left out."""
    for index in range(acc.childCount):
        child = acc.getChildAtIndex(index)
        if child is None or not showing(child):
            continue
        yield child
        if child.getRoleName() not in ("list", "table", "combo box"):
            yield from nodes(child)


def text_of(acc):
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def value_of(acc):
    """What an input holds: its own text, or that of the line edit inside a combo box."""
    text = text_of(acc)
    if text is None and acc.getRoleName() == "combo box":
        for index in range(acc.childCount):
            child = acc.getChildAtIndex(index)
            if child is not None and child.getRoleName() == "text":
                text = text_of(child)
    return text


def labels_of(acc):
    names = []
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return [name for name in names if name]


def readable(acc):
    """All that a screen reader can say of a node: name, description, text, labels."""
    return " ".join(filter(None, [acc.name, acc.description, text_of(acc)] + labels_of(acc)))


def words(text):
    return set(re.findall(r"[a-z0-9]+", text.lower()))


def describe(acc):
    parts = ["%s %r" % (acc.getRoleName(), acc.name)]
    if acc.description:
        parts.append("description %r" % acc.description)
    value = value_of(acc)
    if value is not None:
        parts.append("value %r" % value)
    labels = labels_of(acc)
    if labels:
        parts.append("labelled by %r" % labels)
    return ", ".join(parts)


def check_every_node(win):
    """Rules for every node of a window, whatever the window."""
    for acc in nodes(win):
        role = acc.getRoleName()
        if role in PICTURE_ROLES and acc.childCount == 0:
            # A label keeps its tooltip as the description: its name is what it shows.
            if acc.description and acc.name != acc.description:
                miss("picture named %r, not as its tooltip %r" % (acc.name, acc.description))
            if not acc.name:
                extents = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                miss("a picture without a name at %d,%d" % (extents.x, extents.y))
        if role in INPUT_ROLES:
            check_input(acc)


def check_input(acc):
    # Qt names an editable combo box by its current text on Linux, whatever name the widget was
    # given; only a label's relation (QLabel::setBuddy) then says what the box is for.
    value = value_of(acc)
    if (acc.name and acc.name != value) or labels_of(acc):
        found("input " + describe(acc))
    else:
        miss("input without a name of its own: " + describe(acc))


def expect_picture(win, name, tooltip=None):
    for acc in nodes(win):
        if acc.getRoleName() in PICTURE_ROLES and acc.name == name and acc.childCount == 0:
            if tooltip is not None and acc.description != tooltip:
                continue
            found("picture " + describe(acc))
            return acc
    miss("no picture named %r%s" % (name, "" if tooltip is None else " with that tooltip"))
    return None


def expect_input(win, role, name, value=None):
    def probe():
        for acc in nodes(win):
            if acc.getRoleName() == role and name in (acc.name, *labels_of(acc)):
                if value is None or value_of(acc) == value:
                    return acc
        return None

    acc = wait_for(probe, timeout=WAIT if value is not None else 0)
    if acc:
        found(role + " " + describe(acc))
    else:
        miss("no %s named %r%s" % (role, name, "" if value is None else " holding %r" % value))
    return acc


def number(text):
    match = re.search(r"-?\d+(,\d+)?", text or "")
    return float(match.group(0).replace(",", ".")) if match else None


def expect_reading(win, what, value, identified_by=(), numeric=False):
    """A label from which a screen reader reads `value`, identified by all of the given words."""

    def holds(acc):
        if numeric:
            return any(number(t) == float(value.replace(",", ".")) for t in (acc.name, text_of(acc)) if t)
        return value in (acc.name, text_of(acc))

    def probe():
        for acc in nodes(win):
            if acc.getRoleName() == "label" and holds(acc) and set(identified_by) <= words(readable(acc)):
                return acc
        return None

    acc = wait_for(probe)
    if acc:
        found("%s reads %r: %s" % (what, value, describe(acc)))
    else:
        candidates = [describe(acc) for acc in nodes(win)
                      if acc.getRoleName() == "label" and set(identified_by) <= words(readable(acc))]
        miss("%s: no label reads %r%s%s" % (
            what, value,
            " with a name or description naming it (%s)" % " ".join(identified_by) if identified_by else "",
            "; found " + "; ".join(candidates[:8]) + ("; ..." if len(candidates) > 8 else "") if candidates else ""))
    return acc


def expect_table_row(win, name, row, values, headings):
    """A table from which a screen reader reads one row as its cells, under the columns' names."""
    table = next((acc for acc in nodes(win) if acc.getRoleName() == "table" and acc.name == name), None)
    if table is None:
        miss("no table named %r" % name)
        return
    cells = table.queryTable()
    read = wait_for(lambda: [cells.getAccessibleAt(row, c).name for c in range(cells.nColumns)] == values and values)
    shown = [cells.getAccessibleAt(row, c).name for c in range(cells.nColumns)] if cells.nRows > row else []
    names = [cells.getColumnDescription(c) or (cells.getColumnHeader(c).name if cells.getColumnHeader(c) else "")
             for c in range(cells.nColumns)]
    if read and names == headings:
        found("table %r reads row %d as %s, under %s" % (name, row, shown, names))
    else:
        miss("table %r: row %d reads %s under %s, not %s under %s" % (name, row, shown, names, values, headings))


def run(*command):
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)


def click(acc):
    extents = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    run("xdotool", "mousemove", str(extents.x + extents.width // 2), str(extents.y + extents.height // 2),
        "click", "1")


def bring_to_front(title):
    # No window manager runs under Xvfb: the window is raised by hand before a click on it.
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(title), "windowraise"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
    time.sleep(0.3)


def focus_window(title):
    # Without a window manager the keyboard goes where the X input focus is set by hand.
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(title), "windowraise",
                    "windowfocus", "--sync"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
    time.sleep(0.3)


def expect_buttons(win, expected):
    """Every push button and link of the window, as (role, name); each must take the focus and have
    a press action, and the set must be the one expected."""
    seen = []
    for acc in nodes(win):
        role = acc.getRoleName()
        if role not in ("push button", "link"):
            continue
        state = acc.getState()
        try:
            actions = [acc.queryAction().getName(i) for i in range(acc.queryAction().nActions)]
        except NotImplementedError:
            actions = []
        text = "%s %r, %s, actions %s" % (
            role, acc.name, "focusable" if state.contains(pyatspi.STATE_FOCUSABLE) else "NOT FOCUSABLE", actions)
        if state.contains(pyatspi.STATE_FOCUSABLE) and actions and actions[0].lower() == "press":
            found("button " + text)
        else:
            miss("button " + text)
        seen.append((role, acc.name))
    for button in expected:
        if button not in seen:
            miss("no %s named %r" % button)
    for button in seen:
        if button not in expected:
            miss("a %s named %r that is not expected" % button)


def focused(win):
    """The node that holds the keyboard focus; lists, tables and combo boxes count as one node."""
    def search(acc):
        for index in range(acc.childCount):
            child = acc.getChildAtIndex(index)
            if child is None or not showing(child):
                continue
            if child.getState().contains(pyatspi.STATE_FOCUSED):
                return child
            if child.getRoleName() not in ("list", "table", "combo box"):
                hit = search(child)
                if hit is not None:
                    return hit
        return None
    return search(win)


def spoken(acc):
    """A control as a screen reader announces it: its role and its name or label."""
    if acc is None:
        return "nothing"
    name = acc.name
    if acc.getRoleName() == "combo box" and labels_of(acc):
        name = labels_of(acc)[0]
    return "%s %r" % (acc.getRoleName(), name)


def press_key(key):
    run("xdotool", "key", "--delay", "60", key)
    time.sleep(0.15)


def expect_tab_order(win, title, expected):
    """Tab from the focused control round the window and back; prints the order, checks it
    against `expected` (the window's whole round, from its first control) and that Shift+Tab
    goes back one."""
    focus_window(title)
    start = wait_for(lambda: focused(win))
    if start is None:
        miss("%s: no control holds the focus" % title)
        return
    walked = [spoken(start)]
    for _ in range(len(expected) + 2):
        previous = walked[-1]
        press_key("Tab")
        now = wait_for(lambda: spoken(focused(win)) != previous and spoken(focused(win)), timeout=3)
        walked.append(now or spoken(focused(win)))
        if walked[-1] == walked[0]:
            break
    # The round as it begins at the window's first control.
    round_ = walked[:-1] if walked[-1] == walked[0] else walked
    if expected[0] in round_:
        first = round_.index(expected[0])
        round_ = round_[first:] + round_[:first]
    print("  Tab order: " + " -> ".join(round_))
    if round_ == expected and walked[-1] == walked[0]:
        found("Tab walks all %d controls and comes round" % len(expected))
    else:
        miss("Tab order differs from: " + " -> ".join(expected))
    before = spoken(focused(win))
    press_key("shift+Tab")
    back = spoken(focused(win))
    if len(walked) > 2 and back == walked[-2]:
        found("Shift+Tab goes back from %s to %s" % (before, back))
    else:
        miss("Shift+Tab from %s went to %s" % (before, back))
    press_key("Tab")


def main_window():
    print("Main window")
    win = wait_for(lambda: window("Movesta"), timeout=4 * WAIT)
    if win is None:
        miss("the main window 'Movesta' never appeared in the accessibility tree")
        return False
    planner = expect_picture(win, PLANNER_PICTURE)
    time_to_burn = expect_picture(win, TIME_TO_BURN_PICTURE)
    banner = [acc for acc in nodes(win) if (acc.description or "").endswith("/product_page/index.html")]
    if banner:
        expect_picture(win, banner[0].description, banner[0].description)
    else:
        miss("no banner whose tooltip is the product page's address")
    weight = expect_input(win, "text", "Weight")
    check_every_node(win)
    expect_buttons(win, [("push button", PLANNER_PICTURE), ("push button", TIME_TO_BURN_PICTURE),
                         ("push button", banner[0].description if banner else "banner")])
    if not (planner and time_to_burn and weight):
        return False
    click(weight)
    run("xdotool", "type", "--delay", "50", "70")
    if expect_input(win, "text", "Weight", "70") is None:
        return False
    # The unit options are one stop, at the one selected; arrows choose the other.
    expect_tab_order(win, "Movesta", [
        "text 'Weight'", "radio button 'Metric'", "push button %r" % PLANNER_PICTURE,
        "push button %r" % TIME_TO_BURN_PICTURE, "push button %r" % (banner[0].description if banner else "")])
    return True


def planner():
    print("Planner")
    bring_to_front("Movesta")
    click(expect_picture(window("Movesta"), PLANNER_PICTURE))
    win = wait_for(lambda: window("Energy Expenditure"))
    if win is None:
        miss("the planner 'Energy Expenditure' did not open")
        return
    for tooltip in ("Dodaj", "Exit", "Delete Selected", "Delete All", "Copy to Clipboard"):
        expect_picture(win, tooltip, tooltip)
    expect_input(win, "text", "Weight", "70")
    check_every_node(win)
    expect_buttons(win, [("push button", name) for name in (
        "Movesta product page", "Exit", "Delete Selected", "Delete All", "Dodaj", "Copy to Clipboard")]
        + [("push button", "Copy to Clipboard")])

    # 70 kg, the first activity, 1 h 0 min (the planner's start), then add it.
    activity = [acc for acc in nodes(win) if acc.getRoleName() == "combo box"]
    if not activity:
        miss("no activity box")
        return
    bring_to_front("Energy Expenditure")
    click(activity[0])
    run("xdotool", "key", "Down")
    if not wait_for(lambda: value_of(activity[0]) == "Accordion, playing"):
        miss("the Down key did not choose 'Accordion, playing'")
        return
    print("  chose 'Accordion, playing'")
    check_input(activity[0])
    expect_reading(win, "chosen activity", "Accordion, playing")
    expect_reading(win, "preview kJ", "525,0", ("kj",))
    expect_reading(win, "preview kcal", "126,0", ("kcal",))
    add = expect_picture(win, "Dodaj", "Dodaj")
    if add is None:
        return
    click(add)
    expect_reading(win, "total hours", "1", ("total", "hours"), numeric=True)
    expect_reading(win, "total minutes", "0", ("total", "minutes"), numeric=True)
    expect_reading(win, "total kJ", "525", ("total", "kj"), numeric=True)
    expect_reading(win, "total kcal", "126", ("total", "kcal"), numeric=True)
    expect_table_row(win, "Selected physical activities", 0, ["Accordion, playing", "1", "0", "525,0", "126,0"],
                     ["Selected physical activities", "Hours", "Minutes", "KJ", "kcal"])
    expect_tab_order(win, "Energy Expenditure", [
        "combo box 'Physical activity:'", "text 'Weight'", "combo box 'h'", "combo box 'min'",
        "table 'Selected physical activities'",
        "push button 'Movesta product page'", "push button 'Exit'", "push button 'Delete Selected'",
        "push button 'Delete All'", "push button 'Dodaj'", "push button 'Copy to Clipboard'",
        "push button 'Copy to Clipboard'"])
    target_energy(win)
    diary()
    my_activities()
    most_used(win)


def my_activities():
    """Ctrl+M opens "My Activities": the name and factor boxes are named, one activity typed and
    added reads back in the table under its columns, and Tab walks every control."""
    focus_window("Energy Expenditure")
    run("xdotool", "key", "ctrl+m")
    win = wait_for(lambda: window("My Activities"))
    if win is None:
        miss("Ctrl+M did not open the window 'My Activities'")
        return
    name = expect_input(win, "text", "Name")
    factor = expect_input(win, "text", "Energy factor per kilogram and hour")
    check_every_node(win)
    expect_buttons(win, [("push button", b) for b in ("Add", "Rename", "Delete")])
    if not (name and factor):
        return
    bring_to_front("My Activities")
    click(name)
    run("xdotool", "type", "--delay", "50", "Spinning class")
    click(factor)
    run("xdotool", "type", "--delay", "50", "8,5")
    add = next((acc for acc in nodes(win) if acc.getRoleName() == "push button" and acc.name == "Add"), None)
    if add is not None:
        add.queryAction().doAction(0)
    expect_table_row(win, "My activities", 0, ["Spinning class", "35,6", "8,5"],
                     ["Activity", "kJ per kg and hour", "kcal per kg and hour"])
    expect_tab_order(win, "My Activities", [
        "table 'My activities'", "text 'Name'", "text 'Energy factor per kilogram and hour'",
        "radio button 'Factor in kcal'", "push button 'Add'", "push button 'Rename'", "push button 'Delete'"])


def most_used(win):
    """The activity box emptied while it holds the focus: the list under it offers the activity
    saved to the diary today, under its heading, and a screen reader reads both."""
    focus_window("Energy Expenditure")
    activity = [acc for acc in nodes(win) if acc.getRoleName() == "combo box"]
    if not activity:
        miss("no activity box")
        return
    click(activity[0])
    run("xdotool", "key", "ctrl+a", "BackSpace")
    heading = "Most used in the last 60 days"

    def offered():
        for acc in nodes(win):
            if acc.getRoleName() == "list" and acc.name == heading:
                return acc
        return None

    found_list = wait_for(offered)
    names = [found_list.getChildAtIndex(i).name for i in range(found_list.childCount)] if found_list else []
    if names[:1] == ["Accordion, playing"]:
        found("list %r offers %s" % (heading, names))
    else:
        miss("no list named %r offering 'Accordion, playing' first (offered: %s)" % (heading, names))
    run("xdotool", "key", "Escape")


def open_dialog(key, title):
    """The dialog that the planner's shortcut `key` opens, or None (a miss)."""
    focus_window("Energy Expenditure")
    run("xdotool", "key", key)
    dialog = wait_for(lambda: window(title))
    if dialog is None:
        miss("%s did not open the dialog %r" % (key, title))
    return dialog


def confirm_dialog(title):
    """Return confirms the dialog, which closes."""
    run("xdotool", "key", "Return")
    if wait_for(lambda: window(title) is None):
        return True
    miss("Return did not close the dialog %r" % title)
    return False


def target_energy(win):
    """Ctrl+T asks for the target in a dialog read like any window; 500 kcal against the 126 kcal
    added, the planner reads the target and its share, 25 %."""
    dialog = open_dialog("ctrl+t", "Target Energy")
    if dialog is None:
        return
    box = expect_input(dialog, "text", "Target energy expenditure (kcal)")
    check_every_node(dialog)
    if box is None:
        return
    run("xdotool", "type", "--delay", "50", "5x00")
    if expect_input(dialog, "text", "Target energy expenditure (kcal)", "500") is None:
        return
    if not confirm_dialog("Target Energy"):
        return
    expect_reading(win, "target", "500", ("target", "kcal"), numeric=True)
    expect_reading(win, "share of the target", "25 %", ("share", "target"))


def diary():
    """Ctrl+D saves the planner's row to today in a dialog of one date box, Return confirms;
    Ctrl+J opens the diary, read as a screen reader would: the month's calendar, the day's row
    under its columns, the day's totals and the chart's text alternative with today's kcal."""
    dialog = open_dialog("ctrl+d", "Save to Diary")
    if dialog is None:
        return
    box = expect_input(dialog, "spin button", "Day:")
    check_every_node(dialog)
    today = value_of(box) if box else None
    if not confirm_dialog("Save to Diary"):
        return
    focus_window("Energy Expenditure")
    run("xdotool", "key", "ctrl+j")
    win = wait_for(lambda: window("Diary"))
    if win is None:
        miss("Ctrl+J did not open the window 'Diary'")
        return
    check_every_node(win)
    # The calendar: its arrows named, its days a table with today among them, selected.
    calendar = next((acc for acc in nodes(win) if acc.name == "Month"), None)
    parts = {acc.name: acc for acc in nodes(calendar)} if calendar is not None else {}
    for arrow in ("Previous month", "Next month"):
        if arrow in parts and parts[arrow].getRoleName() == "push button":
            found("calendar button " + describe(parts[arrow]))
        else:
            miss("no calendar button named %r" % arrow)
    day = str(int(today[-2:])) if today else "?"
    selected = []
    if "Days of the month" in parts:
        cells = parts["Days of the month"].queryTable()
        selected = [cells.getAccessibleAt(r, c).name for r in range(cells.nRows) for c in range(cells.nColumns)
                    if cells.isSelected(r, c)]
    if day in selected:
        found("calendar table 'Days of the month', day %s selected" % day)
    else:
        miss("no calendar table 'Days of the month' with today's day %s selected (selected: %s)" % (day, selected))
    expect_table_row(win, "Entries of the day", 0, ["Accordion, playing", "1", "0", "525,0", "126,0"],
                     ["Activity", "h", "min", "kJ", "kcal"])
    expect_reading(win, "day's total kcal", "126", ("total", "kcal"), numeric=True)
    expect_reading(win, "day's target", "Target: 500 kcal")
    chart = next((acc for acc in nodes(win) if acc.getRoleName() == "chart"
                  and acc.name == "Energy expenditure a day in the month"), None)
    spoken_chart = chart.description if chart is not None else ""
    if today and re.search(r"^Energy expenditure a day in \w+ \d{4}, in kcal; %s: 126,0 \(target 500\)\.$"
                           % re.escape(today), spoken_chart):
        found("chart reads %r" % spoken_chart)
    else:
        miss("no chart whose text states today's 126,0 kcal and target 500: %r" % spoken_chart)
    expect_buttons(win, [("push button", name) for name in ("Open in Planner", "Delete Entry", "Export...")])
    expect_tab_order(win, "Diary", [
        "table 'Month'", "table 'Entries of the day'", "chart 'Energy expenditure a day in the month'",
        "push button 'Open in Planner'", "push button 'Delete Entry'", "push button 'Export...'"])


def time_to_burn():
    print("Time to burn")
    # From the keyboard: Tab to its picture in the main window, Space opens it.
    main = window("Movesta")
    focus_window("Movesta")
    for _ in range(8):
        if spoken(focused(main)) == "push button %r" % TIME_TO_BURN_PICTURE:
            break
        press_key("Tab")
    if spoken(focused(main)) != "push button %r" % TIME_TO_BURN_PICTURE:
        miss("Tab never reached the time-to-burn picture")
        return
    press_key("space")
    win = wait_for(lambda: window("Time required to burn calories"))
    if win is None:
        miss("the window 'Time required to burn calories' did not open")
        return
    expect_picture(win, "Izlaz", "Izlaz")
    expect_input(win, "text", "Weight", "70")
    expect_input(win, "text", "Energy expenditure", "200")
    activities = expect_input(win, "list", "Physical activity")
    check_every_node(win)
    expect_buttons(win, [("push button", "Movesta product page"), ("push button", "Izlaz")])
    if activities is None:
        return

    # 70 kg, 200 kcal, "Aerobic, low impact": 34 minutes.
    items = [activities.getChildAtIndex(i) for i in range(min(activities.childCount, 10))]
    item = next((i for i in items if i is not None and i.name == "Aerobic, low impact"), None)
    if item is None:
        miss("'Aerobic, low impact' is not among the first rows of the activity list")
        return
    bring_to_front("Time required to burn calories")
    click(item)
    expect_reading(win, "chosen activity", "Aerobic, low impact")
    expect_reading(win, "result", "34 min")
    expect_reading(win, "result heading", "Time required to burn 200 kcal for Aerobic, low impact:")
    expect_tab_order(win, "Time required to burn calories", [
        "list 'Physical activity'", "text 'Weight'", "text 'Energy expenditure'",
        "push button 'Movesta product page'", "push button 'Izlaz'"])

    # The exit button's press action, as a screen reader runs it, closes the window.
    exit_button = expect_picture(win, "Izlaz", "Izlaz")
    if exit_button is not None:
        exit_button.queryAction().doAction(0)
        if wait_for(lambda: window("Time required to burn calories") is None):
            found("the press action of 'Izlaz' closed the window")
        else:
            miss("the press action of 'Izlaz' did not close the window")


def main():
    if main_window():
        planner()
        time_to_burn()
    if misses:
        print("%d miss%s" % (len(misses), "" if len(misses) == 1 else "es"))
        return 1
    print("every window readable")
    return 0


if __name__ == "__main__":
    sys.exit(main())
