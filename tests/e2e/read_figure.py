# What a screen reader gets of the running window over AT-SPI: "listen" prints focus and name events until stopped;
# "message TEXT" checks that an alert on show says TEXT; "check EVENTS_FILE" checks the figure's table and those events.
# SPDX-License-Identifier: GPL-3.0-or-later
import sys

import pyatspi


def listen():
    def show(event):
        try:
            name = event.source.name
        except Exception:  # the object may be gone already
            name = ""
        print(f"{event.type}|{event.detail1}|{name}", flush=True)

    pyatspi.Registry.registerEventListener(show, "focus:", "object:property-change:accessible-name")
    pyatspi.Registry.start()


def find(accessible, wanted, depth=0):
    if accessible is None or depth > 12:
        return None
    if wanted(accessible):
        return accessible
    found = (find(accessible.getChildAtIndex(index), wanted, depth + 1) for index in range(accessible.childCount))
    return next((child for child in found if child is not None), None)


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    app = next((a for a in apps if a is not None and a.name == "Loopword"), None)
    return app if app is not None else sys.exit("the program is not on the accessibility bus")


def message(text):
    alert = find(program(), lambda a: a.getRole() == pyatspi.ROLE_ALERT)
    if alert is None:
        sys.exit("no alert is on show")
    if find(alert, lambda a: a.name == text) is None:
        sys.exit(f"the alert does not say {text!r}")


def check(events_file):
    table = find(program(), lambda a: a.getRole() == pyatspi.ROLE_TABLE)
    if table is None:
        sys.exit("the window has no table")
    cells = table.queryTable()
    focused = cells.getAccessibleAt(0, 2).getState()
    button = table.getChildAtIndex(table.childCount - 1)
    with open(events_file, encoding="utf-8") as lines:
        events = [line.rstrip("\n").split("|", 2) for line in lines]
    focus = [name for kind, _, name in events if kind == "focus:"]
    named = [name for kind, _, name in events if kind == "object:property-change:accessible-name"]
    failures = [what for passed, what in [
        ((cells.nRows, cells.nColumns) == (23, 8), f"a table of 23 x 8, not {cells.nRows} x {cells.nColumns}"),
        (table.name == "Puzzle being solved", f"the table's name: {table.name!r}"),
        (table.description.startswith("Words: ") and "(found)" in table.description, f"the word list: {table.description!r}"),
        (cells.getRowHeader(4).name == "Square 5", "the fifth row's header"),
        (cells.getAccessibleAt(11, 0).name.startswith("Square 12, cell 1: hint "), cells.getAccessibleAt(11, 0).name),
        (cells.getAccessibleAt(0, 1).name == "Square 1, cell 2: Q", f"the typed cell: {cells.getAccessibleAt(0, 1).name!r}"),
        (focused.contains(pyatspi.STATE_FOCUSED) and focused.contains(pyatspi.STATE_SELECTED), "the typed one's next cell has the focus"),
        (button.getRole() == pyatspi.ROLE_PUSH_BUTTON and button.name == "Show Solution", f"the view button: {button.name!r}"),
        (focus[-3:] == [f"Square 1, cell {n}: empty" for n in (1, 2, 3)], f"the focus follows the cell: {focus}"),
        ("Show Solution" in named, "the view button's new caption is told"),
    ] if not passed]
    sys.exit("\n".join("FAIL: " + failure for failure in failures) or None)


if __name__ == "__main__":
    {"listen": listen, "message": message, "check": check}[sys.argv[1]](*sys.argv[2:])
