# The typical run through the accessibility bus alone, as a screen reader user makes it:
# finds controls by role and name, types the name, presses the buttons through their
# actions, reads results, models and chart descriptions, and opens all five windows.
# Every control's name is compared with the program's own table in AccessibleNames.cpp.
# Usage (Debian's python): /usr/bin/python3 a11y-walkthrough.py <source dir>
import re, sys, time
import pyatspi

R = pyatspi
TITLE = 'Kelvora "KVR"'
# The main window's edits, lists and buttons in the order they stack.
MAIN = ("ComboBox1 Edit3 ComboBox2 ComboBox3 ComboBox4 ComboBox5 Edit10 Edit11 Edit12 Edit13 "
        "Edit14 Edit2 Edit4 Edit19 Edit5 Edit20 Edit6 Edit21 Edit7 Edit16 Edit9 Edit17 Edit15 "
        "Edit18 Edit22 Edit25 Edit23 Edit26 Edit24 Edit27 Edit1 Button1 Button2 Button3 BitBtn1").split()
CONTROLS = {R.ROLE_TEXT: "Edit", R.ROLE_ENTRY: "Edit", R.ROLE_COMBO_BOX: "ComboBox",
            R.ROLE_PUSH_BUTTON: "Button"}


def fail(message):
    sys.exit("FAIL: " + message)


def wait(what, probe, seconds=30):
    for _ in range(seconds * 5):
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    fail("no " + what + " within %d s" % seconds)


def table(source, name):
    block = re.search(name + r"\[\] = \{(.*?)\n\};", source, re.S).group(1)
    return dict(re.findall(r'\{"(\w+)",\s*"(.*?)"\}', re.sub(r'"\s*\n\s*"', "", block), re.S))


def tree(node):
    for child in node:
        yield child
        if child.getRole() != R.ROLE_COMBO_BOX:
            yield from tree(child)


def window(title):
    def probe():
        for app in R.Registry.getDesktop(0):
            if app is not None and app.name == TITLE:
                return next((w for w in app if w.name == title and w.getState().contains(R.STATE_SHOWING)), None)
    return wait("window '%s' on the bus" % title, probe)


def controls(win):
    return [(CONTROLS[c.getRole()], c.name) for c in tree(win) if c.getRole() in CONTROLS]


def find(win, role, name):
    return wait("%s '%s'" % (role, name),
                lambda: next((c for c in tree(win) if c.getRole() == role and c.name == name), None))


def press(win, name):
    button = find(win, R.ROLE_PUSH_BUTTON, name)
    wait("'%s' enabled" % name, lambda: button.getState().contains(R.STATE_SENSITIVE))
    action = button.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))


def read(win, start):
    label = wait("text '%s…'" % start, lambda: next(
        (c.name for c in tree(win) if c.name.startswith(start) and not re.search(r"C,|= [kz]$", c.name)), None))
    print("read:", label.splitlines()[0])
    return label


source = open(sys.argv[1] + "/ui/AccessibleNames.cpp", encoding="utf-8").read()
main_names, result_names = table(source, "kMainNames"), table(source, "kResultNames")
charts, sentences = table(source, "kGraphicDescriptions"), table(source, "kResultSentences")

main = window(TITLE)
expected = [(re.sub(r"\d+$", "", n).replace("BitBtn", "Button"), main_names[n]) for n in MAIN]
got = controls(main)
if got != expected:
    fail("main window names differ (bus, table): %s" % ([p for p in zip(got, expected) if p[0] != p[1]] or (got, expected)))
if len(set(n for _, n in expected)) != len(expected):
    fail("two controls of the main window share a name")
name = find(main, R.ROLE_TEXT, main_names["Edit1"]).queryEditableText()
name.setTextContents("Шевченко Т. Г.")
press(main, main_names["Button1"])
press(main, main_names["Button2"])
results = window(TITLE + ". Результати розрахунків")
if sorted(controls(results)) != sorted([("Edit", result_names["Edit1"]), ("Button", result_names["Button1"])]):
    fail("results window names differ: %s" % controls(results))
press(results, result_names["Button1"])
for label, subject in sentences.items():
    read(results, subject + " дорівнює ")
if not re.search(r"дорівнює 182[,.]06 м/хв\.$", read(results, sentences["Label6"])):
    fail("V1 does not read 182,06 м/хв.")
read(results, "Розмірне зношування hр дорівнює ")
read(results, "Період стійкості Tр дорівнює ")
press(main, main_names["Button3"])
graphs = window(TITLE + ". Графіки залежностей")
described = wait("three chart descriptions", lambda: [c.description for c in tree(graphs) if c.description])
if sorted(described) != sorted(charts.values()):
    fail("chart descriptions differ: %s" % described)
print("read:", *described, sep="\n  ")
press(main, main_names["BitBtn1"])
read(window(TITLE + ". Допомога"), " " * 10 + "Програма призначена")
find(results, R.ROLE_TEXT, result_names["Edit1"]).queryEditableText().setTextContents("100")
press(results, result_names["Button1"])
warning = window("Увага!")
read(warning, "Значення")
press(warning, "Добре")
wait("the warning to close", lambda: not warning.getState().contains(R.STATE_SHOWING))
print("PASS: five windows opened and read through the accessibility bus")
