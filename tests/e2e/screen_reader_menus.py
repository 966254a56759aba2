#!/usr/bin/python3
"""The menus as a screen reader reads them on a real X display.

Starts the program on a store of an earlier run, reads the password prompt's
menu bar as a screen reader does when the prompt comes up, unlocks with
"7294" and Return, and then reads the main window's menu bar over AT-SPI:
File and Edit with every item's name, and, once File has been opened with a
click and closed with Escape, the items' enabled states (nothing to export in
an empty store, the rest on).

Usage: screen_reader_menus.py PATH/TO/kavro2
Needs an X server in DISPLAY and a D-Bus session bus, as first_run.py does.
"""

import base64
import os
import sys
import tempfile
from pathlib import Path

from desktop import (Atspi, Failure, Program, children, click, descendants,
                     enabled, focus, key, name, role, run_session)
from first_run import prompts
from main_road import unlock

FILE_ITEMS = ["Quit", "Export...", "Import Kavro 1.x data file...", None,
              "Change password...", "About Kavro", "Preferences..."]
EDIT_ITEMS = ["Undo", None, "Cut", "Copy", "Paste", "Clear", None,
              "Select All"]
# Unlocked, with no entries: nothing to export.
FILE_DISABLED = {"Export..."}


def with_store(config):
    (config / "Kavro2.prefs").write_bytes(
        b"40\t40\t620\t455\r200\rpswd\tyes\tyes\r"
        + base64.b64encode(b"7294") + b"\r")
    (config / "Kavro2.data").write_bytes(b"")


def menu_bar(window):
    bars = [d for d in descendants(window) if role(d) == Atspi.Role.MENU_BAR]
    if not bars:
        raise Failure(f"{name(window)!r} shows no menu bar to a screen reader")
    return bars[0]


def menus_of(bar):
    """The bar's menus by title: the title, and the menu's items, each its
    name (None for a separator) and the item."""
    menus = {}
    for title in children(bar):
        if role(title) != Atspi.Role.MENU_ITEM or not name(title):
            raise Failure(f"a title of the menu bar cannot be read: role "
                          f"{role(title)}, name {name(title)!r}")
        popups = children(title)
        if len(popups) != 1:
            raise Failure(f"the title {name(title)!r} holds no menu")
        menus[name(title)] = (title, [
            (None if role(item) == Atspi.Role.SEPARATOR else name(item), item)
            for item in children(popups[0])])
    if list(menus) != ["File", "Edit"]:
        raise Failure(f"the menu bar has {bar.get_child_count()} children "
                      f"and reads {list(menus)}")
    return menus


def item(menus, title, item_name):
    return next(i for n, i in menus[title][1] if n == item_name)


def read_prompt(program):
    prompt = program.wait_for("password prompt", lambda: prompts(program))[0]
    menus_of(menu_bar(prompt))


def read_main_window(window, program):
    # Opening File asks the program which of its items are on.
    focus(program, window)
    click(menus_of(menu_bar(window))["File"][0])
    key("Escape")
    program.wait_for("Export... off once File has opened", lambda: not enabled(
        item(menus_of(menu_bar(window)), "File", "Export...")))

    menus = menus_of(menu_bar(window))
    for title, want in (("File", FILE_ITEMS), ("Edit", EDIT_ITEMS)):
        names = [n for n, _ in menus[title][1]]
        if names != want:
            raise Failure(f"the {title} menu reads {names}, expected {want}")
    for item_name, found in menus["File"][1]:
        if item_name is not None and enabled(found) == (item_name in FILE_DISABLED):
            raise Failure(f"{item_name!r} reads as "
                          f"{'enabled' if enabled(found) else 'disabled'}")


def read_menus(program):
    read_prompt(program)
    read_main_window(unlock(program), program)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    exe = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory(prefix="kavro-e2e-") as tmp:
        run_session("menus", Program(exe, Path(tmp), with_store),
                    read_menus)
    print("screen reader menus: the prompt's and then the main window's menu "
          "bar read File and Edit with every item and its state")
    return 0


if __name__ == "__main__":
    sys.exit(main())
