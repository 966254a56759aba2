#!/usr/bin/python3
"""A second start of the built program on a real X display.

Starts kavro2 on a store and waits for its password prompt; then starts it
again on the same store, and checks, as a user and a screen reader see it,
that the second run says that Kavro is already running in a message with one
button, shows no prompt, ends with status 0 once the message is dismissed,
and leaves both store files as they were while the first run goes on. Then
kills the first run as a crash would, and checks that the next start is not
kept out by what the killed run left behind.

Usage: second_start.py PATH/TO/kavro2

Needs an X server in DISPLAY and a D-Bus session bus (for the accessibility
bus), e.g.: xvfb-run -a dbus-run-session -- second_start.py build/bin/kavro2
"""

import os
import sys
import tempfile
import time
from pathlib import Path

from desktop import (TIMEOUT, Atspi, Failure, GLib, Program, descendants,
                     lines, message_boxes, name, press_return, role, showing)

PROMPT_TITLE = "Password..."
PREFS = b"30\t40\t700\t500\r250\rpswd\tyes\tyes\rczNjcmV0\r"
DATA = b"Bank\tYWxpY2U=\tczNjcmV0\thttps://bank.example\t\r"


def write_store(config):
    (config / "Kavro2.prefs").write_bytes(PREFS)
    (config / "Kavro2.data").write_bytes(DATA)


def prompts(program):
    return [w for w in program.windows() if name(w) == PROMPT_TITLE]


def message_text(box):
    return "\n".join(lines(name(d)) for d in descendants(box)
                     if role(d) == Atspi.Role.LABEL and showing(d) and name(d))


def buttons(box):
    return [d for d in descendants(box)
            if role(d) == Atspi.Role.PUSH_BUTTON and showing(d)]


def check_store_untouched(config):
    if (config / "Kavro2.prefs").read_bytes() != PREFS:
        raise Failure("the preferences file was changed")
    if (config / "Kavro2.data").read_bytes() != DATA:
        raise Failure("the data file was changed")
    others = sorted(p.name for p in config.iterdir()
                    if p.name not in ("Kavro2.prefs", "Kavro2.data"))
    if others:
        raise Failure(f"files were added beside the store: {', '.join(others)}")


def second_start(exe, home):
    first = Program(exe, home, write_store)
    try:
        first.wait_for("password prompt of the first run", lambda: prompts(first))
        second = Program(exe, home)
        try:
            box = second.wait_for("message box",
                                  lambda: message_boxes(second))[0]
            text = message_text(box)
            if text != "Kavro is already running.":
                raise Failure(f"the second run's message reads {text!r}")
            if len(buttons(box)) != 1:
                raise Failure(f"the message has {len(buttons(box))} buttons, "
                              "not one")
            if prompts(second):
                raise Failure("the second run shows a password prompt")
            deadline = time.monotonic() + TIMEOUT
            while second.alive() and message_boxes(second):
                if time.monotonic() > deadline:
                    raise Failure("Return did not dismiss the message")
                press_return(second, box)
                time.sleep(1.0)
            status = second.wait_for_exit("after the message")
            if status != 0:
                raise Failure(f"the second run ended with status {status}, "
                              "not 0")
        except Failure:
            print("--- second run's output ---\n" + second.output(),
                  file=sys.stderr)
            raise
        finally:
            second.stop()
        check_store_untouched(first.config)
        if not first.alive() or not prompts(first):
            raise Failure("the first run did not go on with its prompt")

        # A crash: the first run ends without a word.
        first.proc.kill()
        first.proc.wait()
        third = Program(exe, home)
        try:
            third.wait_for("password prompt after the killed run",
                           lambda: prompts(third))
            if message_boxes(third):
                raise Failure("the start after the killed run shows a message: "
                              + message_text(message_boxes(third)[0]))
        finally:
            third.stop()
        check_store_untouched(first.config)
    except Failure:
        print("--- first run's output ---\n" + first.output(), file=sys.stderr)
        raise
    finally:
        first.stop()


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    exe = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory(prefix="kavro-e2e-") as tmp:
        try:
            second_start(exe, Path(tmp))
        except (Failure, GLib.Error) as e:
            print(f"FAIL: second start: {e}", file=sys.stderr)
            return 1
    print("second start: told that Kavro is already running, ended with "
          "status 0, the store untouched; a killed run kept nobody out")
    return 0


if __name__ == "__main__":
    sys.exit(main())
