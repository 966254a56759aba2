#!/usr/bin/python3
"""The main road on a real X display: a first run that adds an entry, and a
second run that finds it again.

Run 1: the welcome message, the password prompt, the default password
"7294" typed and Return, "+", the new entry edited field by field, Save, the
main window's close box; then the exact bytes of both store files (owner-only
permissions). Run 2 on the same home: no welcome, the prompt, "7294", the
entry in the list and, once selected, in the fields; closing again writes the
same entry and the window's geometry.

Usage: main_road.py PATH/TO/kavro2
Needs an X server in DISPLAY and a D-Bus session bus, as first_run.py does.
"""

import base64
import os
import sys
import tempfile
import time
from pathlib import Path

from desktop import (Atspi, Failure, Program, children, click, close_box,
                     descendants, describe, enabled, extents, find, focus, key,
                     message_boxes, name, role, run_session, showing, text_of,
                     type_text)
from first_run import first_run, prompts

ENTRY = {
    "Description": "Bank",
    "User name": "ann",
    "Password": "s3cr3t pw!",
    "URL": "https://bank.example/login",
    "Note": ["PIN 1234", "call first"],
}


def b64(text):
    return base64.b64encode(text.encode()).decode()


def expected_data():
    note = "^".join(ENTRY["Note"])
    return (f"{ENTRY['Description']}\t{b64(ENTRY['User name'])}\t"
            f"{b64(ENTRY['Password'])}\t{ENTRY['URL']}\t{note}\r")


def expected_prefs(geometry):
    top, left, width, height, list_width = geometry
    return (f"{top}\t{left}\t{width}\t{height}\r{list_width}\r"
            f"pswd\tyes\tyes\r{b64('7294')}\r")


def lock_button(window, caption):
    return find(window, Atspi.Role.PUSH_BUTTON, caption)


def main_window(program, caption):
    """The main window once its lock button reads caption."""
    for w in program.windows():
        if lock_button(w, caption):
            return w
    return None


def field(window, label):
    return find(window, (Atspi.Role.TEXT, Atspi.Role.PASSWORD_TEXT), label)


def the_list(window):
    return next(d for d in descendants(window)
                if role(d) in (Atspi.Role.TREE, Atspi.Role.TREE_TABLE,
                               Atspi.Role.TABLE, Atspi.Role.LIST))


def rows(window):
    """The descriptions the list shows (the other cells are hidden columns)."""
    return [name(d) for d in descendants(the_list(window))
            if role(d) in (Atspi.Role.TABLE_CELL, Atspi.Role.LIST_ITEM,
                           Atspi.Role.TREE_ITEM) and showing(d)]


def unlock(program):
    prompt = program.wait_for("password prompt", lambda: prompts(program))[0]
    if message_boxes(program):
        raise Failure("a message box is up beside the prompt")
    focus(program, prompt)
    type_text("7294")
    key("Return")
    window = program.wait_for("unlocked main window",
                              lambda: main_window(program, "Lock"))
    if prompts(program):
        raise Failure("the prompt stays open after the right password")
    return window


def geometry(window):
    """Where the window shows: its content (below the menu bar) and the list's
    width, as the preferences file records them."""
    content = next(c for c in children(window) if role(c) == Atspi.Role.FILLER)
    e = extents(content)
    return e.y, e.x, e.width, e.height, extents(the_list(window)).width


def close_and_wait(program, window):
    close_box(program, window)
    status = program.wait_for_exit("after its main window closed")
    if status != 0:
        raise Failure(f"the program ended with status {status}")


def store(program):
    found = {}
    for file in ("Kavro2.prefs", "Kavro2.data"):
        path = program.config / file
        if not path.exists():
            raise Failure(f"{file} was not written")
        mode = path.stat().st_mode & 0o777
        if mode != 0o600:
            raise Failure(f"{file} has permissions {mode:o}, not 600")
        found[file] = path.read_bytes()
    return found


def check_bytes(found, data, prefs):
    for file, want in (("Kavro2.data", data), ("Kavro2.prefs", prefs)):
        if found[file] != want.encode():
            raise Failure(f"{file} holds {found[file]!r}, expected "
                          f"{want.encode()!r}")


def first_session(program):
    first_run(program)
    window = unlock(program)

    add = find(window, Atspi.Role.PUSH_BUTTON, "+")
    if not add or not enabled(add):
        raise Failure("no enabled + button after unlocking")
    click(add)
    program.wait_for("the new entry in the fields",
                     lambda: text_of(field(window, "Description")) == "New"
                     and text_of(field(window, "URL")) == "http://")

    for label, value in ENTRY.items():
        click(field(window, label))
        key("ctrl+a")
        if isinstance(value, list):
            for i, line in enumerate(value):
                if i:
                    key("Return")
                type_text(line)
        else:
            type_text(value)
    click(find(window, Atspi.Role.PUSH_BUTTON, "Save"))
    program.wait_for("the saved description in the list",
                     lambda: rows(window) == [ENTRY["Description"]])

    where = geometry(window)
    close_and_wait(program, window)
    found = store(program)
    check_bytes(found, expected_data(), expected_prefs(where))
    return found


def second_session(program, before):
    window = unlock(program)
    if message_boxes(program):
        raise Failure("a second run shows a message box")
    shown = rows(window)
    if shown != [ENTRY["Description"]]:
        raise Failure(f"the list shows {shown}, expected the saved entry")

    cell = next(d for d in descendants(the_list(window))
                if name(d) == ENTRY["Description"] and showing(d))
    click(cell)
    want = {label: "\n".join(v) if isinstance(v, list) else v
            for label, v in ENTRY.items() if label != "Password"}
    program.wait_for("the entry in the fields",
                     lambda: all(text_of(field(window, label)) == value
                                 for label, value in want.items()))
    # A screen reader, or any other accessibility client, reads the password
    # nowhere: not from the masked field, not from the list's hidden columns.
    secret = ENTRY["Password"]
    leaks = [describe(d) for d in descendants(window)
             if secret in name(d) or secret in text_of(d)]
    if leaks:
        raise Failure(f"the password can be read from {', '.join(leaks)}")

    # The window opens one pixel wider than it was saved, so that the split
    # view lays its panes out again; the preferences record it as it is now.
    where = geometry(window)
    close_and_wait(program, window)
    after = store(program)
    check_bytes(after, before["Kavro2.data"].decode(), expected_prefs(where))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    exe = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory(prefix="kavro-e2e-") as tmp:
        home = Path(tmp)
        for step, session in (("first run", first_session),
                              ("second run", second_session)):
            args = () if step == "first run" else (result,)
            result = run_session(step, Program(exe, home), session, *args)
            time.sleep(0.5)
    print("main road: unlocked, added and saved an entry, found it again "
          "after a restart; store files byte for byte")
    return 0


if __name__ == "__main__":
    sys.exit(main())
