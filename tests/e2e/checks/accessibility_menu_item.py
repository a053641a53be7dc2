# Reads whether an item of a program's open menu can be chosen, as a screen reader finds it
# through AT-SPI: prints "enabled" or "disabled".
#
#   /usr/bin/python3 accessibility_menu_item.py PID TITLE MENU ITEM
#
# MENU is the bar's menu of the program's window of that title, ITEM the name of its item.
# Waits up to 5 s for that menu to show; exit status 1 when it does not.
import sys
import time

import pyatspi


def children(node):
    return [child for child in node if child is not None]


def shown_item(pid, title, menu, item):
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app.get_process_id() != pid:
            continue
        for window in children(app):
            if window.name != title:
                continue
            for bar in children(window):
                if bar.getRole() != pyatspi.ROLE_MENU_BAR:
                    continue
                for title_item in children(bar):
                    if title_item.name != menu:
                        continue
                    for popup in children(title_item):
                        if popup.getState().contains(pyatspi.STATE_SHOWING):
                            for entry in children(popup):
                                if entry.name == item:
                                    return entry
    return None


def main():
    pid, title, menu, item = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
    end = time.monotonic() + 5
    found = shown_item(pid, title, menu, item)
    while found is None and time.monotonic() < end:
        time.sleep(0.1)
        found = shown_item(pid, title, menu, item)
    if found is None:
        return 1
    print("enabled" if found.getState().contains(pyatspi.STATE_ENABLED) else "disabled")
    return 0


sys.exit(main())
