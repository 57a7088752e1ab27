#!/usr/bin/python3
"""The program as a screen reader meets it, over the AT-SPI bus: the channel table and every
control of the Optional Features and Side Key dialogs must be named.

Run by run-accessibility.sh inside a D-Bus session and a virtual display:
    check_accessibility.py TEVANO TEVANO_CLI WORKDIR
It reads the table (128 rows, 13 columns, their headers and cell texts against the CLI's
show), opens a cell editor with the keyboard and finds it named and inside the table, and
commits it with Enter, after which the focus is back in the table. Keys are typed with xdotool;
a window manager (openbox) gives the window the keyboard.
"""
import os
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import Atspi, GLib

DEADLINE = 30.0  # seconds for any one condition


def wait_for(what, condition):
    end = time.monotonic() + DEADLINE
    while time.monotonic() < end:
        try:
            value = condition()
        except Exception:  # the tree changes under us while windows open and close
            value = None
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("gave up waiting for " + what)


def descendants(node):
    stack = [node]
    while stack:
        current = stack.pop()
        yield current
        if current.getRoleName() in ("table", "list"):
            continue  # their items are the table's and the lists' entries, not controls
        for child in current:
            if child is not None:
                stack.append(child)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "tevano":
            return app
    return None


def find(node, role, name=None):
    for item in descendants(node):
        if item.getRoleName() == role and (name is None or item.name == name):
            return item
    return None


def labelled_by(item):
    for relation in item.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                if target is not None and target.name:
                    return target.name
    return ""


def spoken_name(item):
    """What a screen reader says the control is: its name, or for a list on Linux (whose name
    is its entry) the label it is labelled by."""
    if item.getRoleName() == "combo box":
        return labelled_by(item)
    return item.name or labelled_by(item)


def click(item):
    """Presses the item. A command that opens a modal dialog answers only once the dialog has
    closed: the call is left to time out after a second while the dialog stays open."""
    action = item.queryAction()
    index = 0
    for i in range(action.nActions):
        if action.getName(i) in ("click", "press", "Press", "activate", "Activate"):
            index = i
    Atspi.set_timeout(1000, -1)
    try:
        action.doAction(index)
    except GLib.GError:
        pass
    finally:
        Atspi.set_timeout(-1, -1)


def check_dialog(app, menu_item, caption):
    click(wait_for("menu item " + menu_item, lambda: find(app, "menu item", menu_item)))
    dialog = wait_for("dialog " + caption, lambda: find(app, "dialog", caption))
    unnamed = []
    for item in descendants(dialog):
        states = item.getState()
        if (item is not dialog and states.contains(pyatspi.STATE_FOCUSABLE)
                and states.contains(pyatspi.STATE_SHOWING) and not spoken_name(item)):
            unnamed.append(item.getRoleName())
    assert not unnamed, caption + ": controls without a name: " + ", ".join(unnamed)
    groups = [item.name for item in descendants(dialog) if item.getRoleName() == "panel"]
    assert all(groups), caption + ": a group without its title"
    click(find(dialog, "push button", "Cancel"))
    wait_for(caption + " to close", lambda: find(app, "dialog", caption) is None)
    return len(groups)


def check_grid(app, cli, demo):
    table = find(app, "table", "Channels")
    grid = table.queryTable()
    assert grid.nRows == 128, "rows: %d" % grid.nRows
    assert grid.nColumns == 13, "columns: %d" % grid.nColumns
    shown = subprocess.run([cli, "show", demo, "--tsv"], capture_output=True, text=True,
                           check=True).stdout.splitlines()
    headers = shown[0].split("\t")
    for column in range(13):
        header = grid.getColumnHeader(column)
        assert header is not None and header.name == headers[column], "header %d" % column
    for row in (1, 2, 128):
        cells = shown[row].split("\t")
        for column in range(13):
            assert grid.getAccessibleAt(row - 1, column).name == cells[column], (row, column)
    # F2 on channel 1's receive frequency opens its editor: the screen reader is told of it
    # by its focus, named by channel and column, inside the table. Enter commits it, and the
    # focus comes back to the table.
    grid.getAccessibleAt(0, 1).queryComponent().grabFocus()
    focused = []  # (role, name, inside the table) of each object as it took the focus

    def opened_editor():
        return next((seen for seen in focused if seen[0] == "text"), None)

    def back_in_table():
        editor = opened_editor()
        later = focused[focused.index(editor) + 1:] if editor is not None else []
        return next((seen for seen in later if seen[2]), None)

    def keys():
        key("F2")
        wait_for("the cell editor to take the focus", opened_editor)
        key("Return")
        wait_for("the focus back in the table", back_in_table)

    listen_to_focus_while(keys, lambda item: focused.append(
        (item.getRoleName(), item.name, inside(item, table))))
    role, name, in_table = opened_editor()
    assert name == "Channel 1, Rx Frequency", name
    assert in_table, "the editor is not inside the table"
    assert back_in_table() is not None, "the focus did not come back to the table"


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def inside(item, ancestor):
    node = item
    while node is not None:
        if node == ancestor:
            return True
        node = node.parent
    return False


def listen_to_focus_while(action, took_focus):
    """Runs action on a thread while the AT-SPI events are dispatched here; took_focus is called
    with every object that takes the focus meanwhile, while it still exists."""
    failure = []

    def on_focus(event):
        if event.detail1:
            try:
                took_focus(event.source)
            except Exception:  # gone already: an editor closed at once
                pass

    def run():
        try:
            action()
        except Exception as error:  # reported on the main thread
            failure.append(error)
        finally:
            GLib.idle_add(pyatspi.Registry.stop)

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    threading.Thread(target=run, daemon=True).start()
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")
    if failure:
        raise failure[0]


def main():
    tevano, cli, work = sys.argv[1:4]
    demo = os.path.join(work, "demo.sin")
    subprocess.run([cli, "new", demo, "--demo"], check=True)
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       XDG_CONFIG_HOME=os.path.join(work, "config"),
                       XDG_DATA_HOME=os.path.join(work, "data"), LANGUAGE="en_US")
    program = subprocess.Popen([tevano, demo], env=environment)
    try:
        app = wait_for("tevano on the AT-SPI bus", application)
        wait_for("the channel table", lambda: find(app, "table", "Channels"))
        groups = check_dialog(app, "Optional Features", "Optional Features")
        assert groups >= 2, "Optional Features shows %d groups" % groups
        check_dialog(app, "Side Key", "Side Key")
        check_grid(app, cli, demo)
        print("accessibility: the table and both dialogs are named")
        open(os.path.join(work, "passed"), "w").close()
    finally:
        program.terminate()
        program.wait(timeout=DEADLINE)


if __name__ == "__main__":
    main()
