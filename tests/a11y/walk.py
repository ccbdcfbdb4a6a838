#!/usr/bin/python3
"""The desktop program as a screen reader sees it, through AT-SPI.

Usage: walk.py PROGRAM CLI  (under a virtual display and a D-Bus session of its own)

Starts the program against the virtual transceiver with throw-away settings, opens the setup dialog, the
main window and each dialog of the table below through the accessible menu items, and lists every control
that takes focus, is showing and has no accessible name (and any button whose name says its shortcut). A
clone read must show the progress window and announce its outcome. Exits 1 on any fault.
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

LIMIT = 90  # seconds for anything to appear; the verdict never depends on it, only a hang ends there
APP_NAME = "ZQ-L52"

# menu, item (the text before any tab), what closes the dialog again; the dialog is the window that opens.
DIALOGS = [
    ("Edit", "Edit Memory...", "Cancel"),
    ("View", "Common Setting...", "Cancel"),
    ("View", "DTMF AutoDial...", "Cancel"),
    ("Edit", "Find...", "Cancel"),
    ("Edit", "Sort Channels...", "Cancel"),
    ("Edit", "Compact Channels...", "Cancel"),
    ("Edit", "Fill Range...", "Cancel"),
    ("File", "Print...", "Cancel"),
    ("COM Port", "Port Devices...", "Cancel"),
    ("File", "Open from Archive...", "Close"),
    ("Cloning", "Check Cable...", "Close"),
    ("Cloning", "Information...", "OK"),
]

events = []


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition):
    """The condition's first true answer, polled (events dispatched in between) until the limit."""
    end = time.monotonic() + LIMIT
    while time.monotonic() < end:
        pump()
        try:
            answer = condition()
        except Exception:  # an object that went away while it was asked
            answer = None
        if answer:
            return answer
        time.sleep(0.05)
    raise SystemExit(f"walk: gave up waiting for {what}")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APP_NAME:
            return app
    return None


def windows():
    app = application()
    return [app[i] for i in range(app.childCount)] if app else []


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def descendants(obj):
    """Every showing object under obj; the cells of tables and lists are items, checked with their views."""
    for i in range(obj.childCount):
        child = obj[i]
        if child is None or not showing(child):
            continue
        yield child
        if child.getRole() not in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE,
                                   pyatspi.ROLE_LIST):
            yield from descendants(child)


def unnamed(window):
    """Focusable controls without a name, and controls but menu items that say a shortcut in their name."""
    faults = []
    for obj in descendants(window):
        if obj.getState().contains(pyatspi.STATE_FOCUSABLE) and not obj.name.strip():
            faults.append(f"{window.name}: {obj.getRoleName()} {obj.description!r} has no name")
        elif "\t" in obj.name and obj.getRole() != pyatspi.ROLE_MENU_ITEM:
            faults.append(f"{window.name}: {obj.getRoleName()} {obj.name!r} has its shortcut in its name")
    return faults


def find(root, role, name):
    """The first showing object of the role whose name, up to a tab, is the name."""
    return pyatspi.findDescendant(root, lambda o: o is not None and o.getRole() == role and
                                  o.name.split("\t")[0] == name and showing(o))


def press(obj):
    action = obj.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    raise SystemExit(f"walk: {obj.name} cannot be pressed")


def choose(frame, menu, item):
    """A menu item pressed; the dialog it opens is the new window."""
    before = {hash(w) for w in windows()}
    bar = pyatspi.findDescendant(frame, lambda o: o is not None and o.getRole() == pyatspi.ROLE_MENU_BAR)
    entry = next(bar[i] for i in range(bar.childCount) if bar[i].name == menu)
    target = pyatspi.findDescendant(entry, lambda o: o is not None and o.getRole() == pyatspi.ROLE_MENU_ITEM
                                    and o.name.split("\t")[0] == item)
    # A menu item runs its command before it answers, and a dialog's command ends with the dialog: the
    # answer is not waited for.
    pyatspi.setTimeout(200, 15000)
    try:
        press(target)
    except GLib.GError:
        pass
    finally:
        pyatspi.setTimeout(25000, 15000)
    return wait_for(f"the window of {menu} > {item}",
                    lambda: next((w for w in windows() if hash(w) not in before and showing(w)), None))


def close(window, button):
    press(wait_for(f"{button} in {window.name}", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, button)))
    wait_for(f"{window.name} to close", lambda: window not in windows() or not showing(window))


def on_showing(event):
    if event.detail1:
        events.append(event.source)


def announced(text):
    """True once a notification was shown with the text as its name."""
    for source in events:
        try:
            if source.getRole() == pyatspi.ROLE_NOTIFICATION and source.name == text:
                return True
        except GLib.GError:  # a window that has gone since
            pass
    return False


def main(program, cli):
    home = tempfile.mkdtemp(prefix="zq-a11y-")
    os.chmod(home, 0o700)
    link = os.path.join(home, "radio")
    config = os.path.join(home, "config", "Velk")
    os.makedirs(config)
    with open(os.path.join(config, "ZQ-L52.conf"), "w", encoding="utf-8") as settings:
        settings.write(f"[CommPort]\nDevice1={link}\n")
    environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_DATA_HOME=os.path.join(home, "data"), XDG_RUNTIME_DIR=home, ZQL52_LANGUAGE="en",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    environment.pop("QT_QPA_PLATFORM", None)
    children = [subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL),
                subprocess.Popen([cli, "sim", "--link", link, "--version", "5,0,2", "--pace", "4800"],
                                 stdout=subprocess.DEVNULL)]
    faults = []
    try:
        wait_for("the virtual transceiver", lambda: os.path.exists(link))
        pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
        children.append(subprocess.Popen([program], env=environment))

        setup = wait_for("the setup dialog", lambda: next((w for w in windows() if showing(w)), None))
        faults += unnamed(setup)
        close(setup, "OK")  # reads the version from the virtual transceiver
        frame = wait_for("the main window",
                         lambda: next((w for w in windows() if w.getRole() == pyatspi.ROLE_FRAME and showing(w)),
                                      None))
        faults += unnamed(frame)

        progress = choose(frame, "Cloning", "Read <- TR")
        faults += unnamed(progress)
        wait_for("the read's outcome to be announced", lambda: announced("Cloning completed."))

        for menu, item, closer in DIALOGS:
            dialog = choose(frame, menu, item)
            faults += unnamed(dialog)
            close(dialog, closer)
    finally:
        for child in reversed(children):
            child.kill()
            child.wait()
    for fault in faults:
        print(fault)
    print(f"walk: {len(faults)} controls without a name")
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        sys.exit(64)
    sys.exit(main(sys.argv[1], sys.argv[2]))
