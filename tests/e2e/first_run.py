#!/usr/bin/python3
"""First run of the built program on a real X display.

Starts kavro2 with an empty home and checks, as a user and a screen reader
see it, that it greets with the welcome message before anything else, that
Return dismisses the message, and that no store file is written on the way.
Then, after the welcome, Escape in the password prompt ends the run with
status 0 and writes nothing. Then starts it with a preferences file it
cannot read, and checks that it says so, ends with a failure status once the
message is dismissed, and leaves the file as it was.

Usage: first_run.py PATH/TO/kavro2

Needs an X server in DISPLAY and a D-Bus session bus (for the accessibility
bus), e.g.: xvfb-run -a dbus-run-session -- first_run.py build/bin/kavro2
The windows' texts are read over AT-SPI, the keys are sent with xdotool.
"""

import os
import sys
import tempfile
import time
from pathlib import Path

from desktop import (TIMEOUT, Atspi, Failure, Program, descendants, focus, key,
                     lines, message_boxes, name, press_return, role,
                     run_session, showing)

WELCOME = "\n".join([
    "Welcome to Kavro 2.0",
    "",
    "Welcome to Kavro 2.2.2, the easy way to manage your internet accounts.",
    "After the authentication, please take some time to change first your "
    "password (the default password is '7294').",
    "",
    "If you're a Kavro 1.x user, to import your existing passwords please use "
    "first the Kavro version 1.x 'Export...' menu command to save your datas "
    "as a text file.",
])
PROMPT_TITLE = "Password..."
STORE_FILES = ("Kavro2.prefs", "Kavro2.data")


def is_welcome(box):
    return any(lines(name(d)) == WELCOME for d in descendants(box)
               if role(d) == Atspi.Role.LABEL and showing(d))


def prompts(program):
    return [w for w in program.windows() if name(w) == PROMPT_TITLE]


def message_text(box):
    return "\n".join(lines(name(d)) for d in descendants(box)
                     if role(d) == Atspi.Role.LABEL and showing(d))


def dismiss(program, box, still_up):
    """Presses Return on the message box until still_up() is false. Retries
    in case the key went out before the window had the keyboard focus."""
    deadline = time.monotonic() + TIMEOUT
    while still_up():
        if time.monotonic() > deadline:
            raise Failure("Return did not dismiss the message")
        press_return(program, box)
        time.sleep(1.0)


def first_run(program):
    boxes = program.wait_for("message box", lambda: message_boxes(program))
    welcome = [b for b in boxes if is_welcome(b)]
    if not welcome:
        texts = [repr(name(d)) for b in boxes for d in descendants(b)
                 if role(d) == Atspi.Role.LABEL and name(d)]
        raise Failure("the message box does not show the welcome text; "
                      f"it shows: {'; '.join(texts)}")
    box = welcome[0]

    # The welcome message holds start-up until it is dismissed: no prompt yet.
    time.sleep(1.0)
    if prompts(program):
        raise Failure("the password prompt is shown while the welcome "
                      "message is still up")

    # Return takes the message box's default button. Retry in case the key
    # went out before the window had the keyboard focus.
    deadline = time.monotonic() + TIMEOUT
    while any(is_welcome(b) for b in message_boxes(program)):
        if time.monotonic() > deadline:
            raise Failure("Return did not dismiss the welcome message")
        press_return(program, box)
        time.sleep(1.0)

    # Start-up goes on after the message; give it a moment to write
    # anything it (wrongly) would.
    time.sleep(1.0)

    written = [str(p) for f in STORE_FILES for p in program.home.rglob(f)]
    if written:
        raise Failure(f"a first run wrote store files: {', '.join(written)}")
    if not program.alive():
        raise Failure(f"the program exited ({program.proc.returncode})")


def cancel_at_start(program):
    first_run(program)
    prompt = program.wait_for("password prompt", lambda: prompts(program))[0]
    # Escape is the prompt's Cancel: the run ends as a success, and a store
    # that was never unlocked is not written.
    focus(program, prompt)
    key("Escape")
    status = program.wait_for_exit("after Cancel in the prompt")
    if status != 0:
        raise Failure(f"the program ended with status {status}, not 0")
    written = [str(p) for f in STORE_FILES for p in program.home.rglob(f)]
    if written:
        raise Failure(f"Cancel wrote store files: {', '.join(written)}")


def unreadable_preferences(config):
    # A folder where the file should be: unreadable even to root, as CI runs.
    (config / "Kavro2.prefs").mkdir()


def unreadable_store(program):
    prefs = program.config / "Kavro2.prefs"
    boxes = program.wait_for("message box", lambda: message_boxes(program))
    box = boxes[0]
    text = message_text(box)
    if "cannot read the file" not in text or str(prefs) not in text:
        raise Failure(f"the message box does not say which file cannot be "
                      f"read; it shows: {text!r}")
    dismiss(program, box,
            lambda: program.alive() and message_boxes(program))

    status = program.wait_for_exit("after the message")
    if status != 1:
        raise Failure(f"the program ended with status {status}, not 1")
    if not prefs.is_dir() or any(prefs.iterdir()):
        raise Failure("the unreadable preferences file was changed")
    written = [str(p) for p in program.home.rglob("Kavro2.data")]
    if written:
        raise Failure(f"the program wrote {', '.join(written)}")


SCENARIOS = [
    ("first run", None, first_run,
     "welcome message shown and dismissed; no store file written"),
    ("cancel at start", None, cancel_at_start,
     "the prompt's Cancel ended the run with status 0, nothing written"),
    ("unreadable store", unreadable_preferences, unreadable_store,
     "told which file, ended with status 1, nothing written"),
]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    exe = os.path.abspath(sys.argv[1])
    for title, prepare, scenario, passed in SCENARIOS:
        with tempfile.TemporaryDirectory(prefix="kavro-e2e-") as tmp:
            run_session(title, Program(exe, Path(tmp), prepare), scenario)
        print(f"{title}: {passed}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
