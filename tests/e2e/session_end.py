#!/usr/bin/python3
"""The desktop session ending under a running program, on a real X display.

Run 1: the store of an earlier run, the password prompt up, SIGTERM (what a
shutdown or a session manager sends): the run ends with status 0 and both
files are as they were, since the store was never unlocked. Run 2: the
password typed, "+" (an entry that only reaches the disk when the program
closes), SIGTERM: the run ends with status 0 and the data file holds the new
entry after the old one.

Usage: session_end.py PATH/TO/kavro2
Needs an X server in DISPLAY and a D-Bus session bus, as first_run.py does.
"""

import os
import signal
import sys
import tempfile
from pathlib import Path

from desktop import Atspi, Failure, GLib, Program, click, enabled, find
from first_run import prompts
from main_road import rows, unlock

PREFS = b"30\t40\t700\t500\r250\rname\tno\tyes\rNzI5NA==\r"  # password 7294
DATA = b"Bank\tYWxpY2U=\tczNjcmV0\thttps://bank.example\t\r"
# What "+" adds: "New", an empty user name and password, "http://".
ADDED = b"New\t\t\thttp://\t\r"


def earlier_store(config):
    (config / "Kavro2.prefs").write_bytes(PREFS)
    (config / "Kavro2.data").write_bytes(DATA)


def terminate(program, what):
    program.proc.send_signal(signal.SIGTERM)
    status = program.wait_for_exit(f"after SIGTERM {what}")
    if status != 0:
        raise Failure(f"the program ended with status {status}, not 0")


def at_the_prompt(program):
    program.wait_for("password prompt", lambda: prompts(program))
    terminate(program, "at the prompt")
    for file, want in (("Kavro2.prefs", PREFS), ("Kavro2.data", DATA)):
        found = (program.config / file).read_bytes()
        if found != want:
            raise Failure(f"{file} holds {found!r}, expected {want!r}")


def with_a_new_entry(program):
    window = unlock(program)
    add = find(window, Atspi.Role.PUSH_BUTTON, "+")
    if not add or not enabled(add):
        raise Failure("no enabled + button after unlocking")
    click(add)
    program.wait_for("the new entry in the list",
                     lambda: rows(window) == ["Bank", "New"])
    terminate(program, "with an unsaved entry")
    found = (program.config / "Kavro2.data").read_bytes()
    if found != DATA + ADDED:
        raise Failure(f"Kavro2.data holds {found!r}, expected "
                      f"{DATA + ADDED!r}")


SCENARIOS = [
    ("at the prompt", at_the_prompt,
     "SIGTERM ended the run with status 0, both files as they were"),
    ("with a new entry", with_a_new_entry,
     "SIGTERM saved the new entry and ended the run with status 0"),
]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    exe = os.path.abspath(sys.argv[1])
    for title, scenario, passed in SCENARIOS:
        with tempfile.TemporaryDirectory(prefix="kavro-e2e-") as tmp:
            program = Program(exe, Path(tmp), earlier_store)
            try:
                scenario(program)
            except (Failure, GLib.Error, StopIteration) as e:
                print(f"FAIL: {title}: {e}", file=sys.stderr)
                print("--- program output ---\n" + program.output(),
                      file=sys.stderr)
                return 1
            finally:
                program.stop()
        print(f"{title}: {passed}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
