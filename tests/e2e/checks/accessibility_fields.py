# Reads the text fields of a program's window as a screen reader finds them through AT-SPI:
# one line per field in the window's order, "name|names of the labels that label it".
#
#   /usr/bin/python3 accessibility_fields.py PID TITLE
#
# Waits up to 15 s for the program's window of that title to show its fields; exit status 1
# when it does not.
import sys
import time

import pyatspi


def program(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def texts(node):
    for child in node:
        if child is None:
            continue
        if child.getRole() == pyatspi.ROLE_TEXT:
            yield child
        else:
            yield from texts(child)


def labels(field):
    return [relation.getTarget(i).name
            for relation in field.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def fields(pid, title):
    app = program(pid)
    for window in app if app is not None else []:
        if window is not None and window.name == title:
            return list(texts(window))
    return []


def main():
    pid, title = int(sys.argv[1]), sys.argv[2]
    end = time.monotonic() + 15
    found = fields(pid, title)
    while not found and time.monotonic() < end:
        time.sleep(0.2)
        found = fields(pid, title)
    for field in found:
        print(field.name + "|" + ",".join(labels(field)))
    return 0 if found else 1


sys.exit(main())
