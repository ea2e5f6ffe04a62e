# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks the program's accessibility tree through the AT-SPI bus, as a screen
reader sees it: every control that takes the focus must have a name and a
role, in the main window, the Station and History dialogs; a send's status
and the progress text must reach the tree as they change.
    accessibility_tree.py APP-NAME"""
import sys
import time

import pyatspi
from gi.repository import GLib

app_name = sys.argv[1]
failures = []
counts = {"controls": 0, "named": 0, "announced": 0}
windows = []  # (where, controls, named)


def fail(text):
    failures.append(text)
    print("FAIL: " + text, file=sys.stderr)


def wait(what, predicate, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = predicate()
        if found:
            return found
        time.sleep(0.1)
    fail("waited in vain for " + what)
    sys.exit(1)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        child = desktop.getChildAtIndex(i)
        if child is not None and child.name == app_name:
            return child
    return None


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def check_window(window, where):
    """Every focusable control shown has a name and a role."""
    before = dict(counts)
    for node in walk(window):
        states = node.getState()
        if not (states.contains(pyatspi.STATE_FOCUSABLE) and showing(node)):
            continue
        role = node.getRoleName()
        if role in ("page tab list", "scroll bar", "table cell"):
            continue  # named by their tabs, by what they scroll, by what they hold
        counts["controls"] += 1
        if not role or role == "unknown":
            fail(f"{where}: a control without a role: {node.name!r}")
        if node.name.strip():
            counts["named"] += 1
        else:
            parent = node.parent
            fail(f"{where}: a {role} without a name (its description: {node.description!r}, "
                 f"in a {parent.getRoleName() if parent else '?'} {parent.name if parent else ''!r}, "
                 f"{node.childCount} children)")
    windows.append((where, counts["controls"] - before["controls"], counts["named"] - before["named"]))


def find(window, role, name):
    for node in walk(window):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def press(window, name):
    button = wait(f"the button {name!r}", lambda: find(window, "push button", name))
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def frame(title):
    app = application()
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.name.startswith(title) and showing(child):
            return child
    return None


app = wait("the program on the accessibility bus", application)
main = wait("the main window", lambda: frame("Tonalis v3"))
check_window(main, "main window")

# The status line and the reply line: the status role, and heard as they change.
status = [n for n in walk(main) if n.getRoleName() == "status bar"]
if len(status) < 2:
    fail(f"the main window has {len(status)} status lines, not 2 (the send's and the reply's)")
send_line = next((n for n in status if n.name.startswith("Tonalis v")), None)
if send_line is None:
    fail("no status line says the program's version before a send: " + repr([n.name for n in status]))
    sys.exit(1)
heard = []


def on_change(event):
    # Counted, not read: by the time it is read the line may have moved on.
    if event.source == send_line:
        heard.append(event.type)


pyatspi.Registry.registerEventListener(on_change, "object:property-change:accessible-name")


def pump(seconds, until=lambda: False):
    loop = GLib.MainLoop()
    end = time.monotonic() + seconds

    def tick():
        if until() or time.monotonic() > end:
            loop.quit()
            return False
        return True

    GLib.timeout_add(50, tick)
    loop.run()


def choose_page(window, name):
    tab = wait(f"the page {name!r}", lambda: find(window, "page tab", name))
    tab.queryAction().doAction(0)
    time.sleep(0.3)


# Send Sequence: "Sending...", then the result, each a change heard on the line.
choose_page(main, "Remote Modify / Send")
pump(1)  # the listener is in place on the bus before the send
press(main, "Send Sequence")
pump(20, until=lambda: len(heard) >= 2 and send_line.name.startswith("Sequence sent"))
if len(heard) < 2:
    fail(f"{len(heard)} changes of the send's status line were heard, not 2 (sending, then the result)")
if not send_line.name.startswith("Sequence sent"):
    fail("the send's result is not in the tree: " + repr(send_line.name))
counts["announced"] = min(len(heard), 2)
print("the send's line now:", repr(send_line.name))

for title, button in (("Station", "Station..."), ("Board history", "History..."), ("Commands", "Commands..."),
                      ("Journal of sends", "Journal...")):
    press(main, button)
    dialog = wait(f"the {title} dialog", lambda: frame(title))
    if title == "Station":
        # Every page of the dialog.
        for name in ("Serial ports", "Sound", "PTT"):
            choose_page(dialog, name)
            check_window(dialog, f"Station, page {name}")
    else:
        check_window(dialog, title)
    press(dialog, "Cancel" if title == "Station" else "Close")
    wait(f"the {title} dialog to close", lambda: not frame(title))

for where, controls, named in windows:
    print(f"{where}: {controls} controls, {named} named")
print(f"in all: controls {counts['controls']}, named {counts['named']}, announced {counts['announced']}")
sys.exit(1 if failures else 0)
