# What a screen reader gets from the running program, through the AT-SPI bus alone (run by
# Debian's /usr/bin/python3 with python3-pyatspi, in a session whose accessibility is on):
#   a11y.py list TITLE             every named or described control of the window titled
#                                  TITLE as "role|name|description", in the window's order
#   a11y.py type TITLE NAME TEXT   sets the text of the edit named NAME
#   a11y.py press TITLE NAME       presses the button named NAME once it is enabled
# Waits up to 30 s for the window and the control, and says what it waited for in vain.
import signal
import sys
import time

try:
    import pyatspi as R
except ImportError:
    sys.exit("a11y.py: python3-pyatspi is missing (bash scripts/install-deps.sh)")

signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # a list cut short by its reader is no fault


def wait(what, probe):
    for _ in range(150):
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    sys.exit("a11y.py: no %s within 30 s" % what)


def window(title):
    def probe():
        for app in R.Registry.getDesktop(0):
            # The session's bus serves this program alone: its titles find its windows.
            if app is not None:
                for win in app:
                    if win.name == title and win.getState().contains(R.STATE_SHOWING):
                        return win
    return wait("window '%s' on the accessibility bus" % title, probe)


def controls(node):
    for child in node:
        yield child
        # A list's children are its drop-down items, not controls of the window.
        if child.getRole() != R.ROLE_COMBO_BOX:
            yield from controls(child)


def control(win, role, name):
    return wait("control '%s'" % name, lambda: next(
        (c for c in controls(win) if c.getRole() == role and c.name == name), None))


command, title = sys.argv[1], sys.argv[2]
win = window(title)
if command == "list":
    for c in controls(win):
        if c.name or c.description:
            print("%s|%s|%s" % (c.getRoleName(), c.name.replace("\n", " "), c.description))
elif command == "type":
    control(win, R.ROLE_TEXT, sys.argv[3]).queryEditableText().setTextContents(sys.argv[4])
elif command == "press":
    button = control(win, R.ROLE_PUSH_BUTTON, sys.argv[3])
    wait("enabled '%s'" % sys.argv[3], lambda: button.getState().contains(R.STATE_SENSITIVE))
    action = button.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
else:
    sys.exit("a11y.py: list, type or press")
