#!/usr/bin/python3
"""Reordering the list by dragging a row, on a real X display: the dragged
entry lands where it is dropped with all of its cells, no entry is lost, and
the store keeps the new order.

A store of three entries is prepared; the program is unlocked with "7294";
the first row is dragged below the last one with the mouse; the quit saves.
The data file must then hold the same three records, the first one last.

Usage: drag_reorder.py PATH/TO/kavro2
Needs an X server in DISPLAY and a D-Bus session bus, as first_run.py does.
"""

import base64
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from desktop import Failure, GLib, Program, descendants, extents, key, name, showing
from main_road import rows, the_list, unlock


def b64(text):
    return base64.b64encode(text.encode()).decode()


ENTRIES = [
    ("Bank", "ann", "s3cr3t", "https://bank.example", "PIN^elsewhere"),
    ("Mail", "ann@example.org", "m41l", "https://mail.example", ""),
    ("Zürich", "anna", "zpw", "http://zh.example", "Ünïcode"),
]


def record(entry):
    description, user, password, url, note = entry
    return f"{description}\t{b64(user)}\t{b64(password)}\t{url}\t{note}\r"


def prepare(config):
    config.mkdir(parents=True, exist_ok=True)
    (config / "Kavro2.data").write_bytes(
        "".join(record(e) for e in ENTRIES).encode())
    (config / "Kavro2.prefs").write_bytes(
        f"100\t100\t620\t455\r191\rpswd\tyes\tyes\r{b64('7294')}\r".encode())


def row_cell(window, description):
    return next(d for d in descendants(the_list(window))
                if name(d) == description and showing(d))


def drag(start, end):
    """Press on start, move there in small steps, release on end."""
    (x0, y0), (x1, y1) = start, end
    steps = ["mousemove", "--sync", str(x0), str(y0), "mousedown", "1"]
    for i in range(1, 11):
        steps += ["mousemove", "--sync", str(x0 + (x1 - x0) * i // 10),
                  str(y0 + (y1 - y0) * i // 10), "sleep", "0.05"]
    steps += ["mouseup", "1"]
    subprocess.run(["xdotool", *steps], check=True, timeout=20)


def session(program):
    window = unlock(program)
    shown = rows(window)
    if shown != [e[0] for e in ENTRIES]:
        raise Failure(f"the list shows {shown} before the drag")
    first = extents(row_cell(window, ENTRIES[0][0]))
    last = extents(row_cell(window, ENTRIES[-1][0]))
    # Released on the lower part of the last row: the row goes after it.
    drag((first.x + first.width // 2, first.y + first.height // 2),
         (last.x + last.width // 2, last.y + last.height * 3 // 4))
    wanted = [e[0] for e in ENTRIES[1:] + ENTRIES[:1]]
    program.wait_for("the dragged row after the last one",
                     lambda: rows(window) == wanted)
    key("ctrl+q")
    status = program.wait_for_exit("after Ctrl+Q")
    if status != 0:
        raise Failure(f"the program ended with status {status}")
    data = (program.config / "Kavro2.data").read_bytes()
    want = "".join(record(e) for e in ENTRIES[1:] + ENTRIES[:1]).encode()
    if data != want:
        raise Failure(f"Kavro2.data holds {data!r}, expected {want!r}")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    exe = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory(prefix="kavro-e2e-") as tmp:
        program = Program(exe, Path(tmp), prepare=prepare)
        try:
            session(program)
        except (Failure, GLib.Error, StopIteration) as e:
            print(f"FAIL: {e!r}", file=sys.stderr)
            print("--- program output ---\n" + program.output(), file=sys.stderr)
            return 1
        finally:
            program.stop()
            time.sleep(0.5)
    print("drag reorder: the dragged entry moved whole, none lost, order saved")
    return 0


if __name__ == "__main__":
    sys.exit(main())
