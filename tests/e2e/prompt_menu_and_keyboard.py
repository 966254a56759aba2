#!/usr/bin/python3
"""The password prompt's File menu and the keyboard on a real X display.

Run 1, before the first unlock: the window manager's close request to the
prompt (it has no close box) leaves it up and the run going; "About Kavro"
from the prompt's File menu opens over the prompt and a key closes it;
"Change password..." from the same menu takes the old password, Tab, the new
one, Tab, the confirmation and Return, and closes; the keyboard is then back
in the prompt, which takes the new password without a click. The main
window's close box then stores it. Run 2 on the same home: the old password
is refused, the new one unlocks.

Usage: prompt_menu_and_keyboard.py PATH/TO/kavro2
Needs an X server in DISPLAY and a D-Bus session bus, as first_run.py does.
"""

import base64
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from desktop import (Atspi, Failure, Program, click, close_box, descendants,
                     extents, find, focus, key, name, role, run_session,
                     showing, type_text, x_window_of)
from first_run import first_run, prompts
from main_road import close_and_wait, main_window

NEW_PASSWORD = "k3y b0ard"
ABOUT_TITLE = "Kavro2"
CHANGE_TITLE = "Untitled"


def choose(program, window, menu, item):
    """Clicks the menu's title in the window's menu bar, then the item."""
    title = program.wait_for(
        f"the {menu} menu in the menu bar",
        lambda: find(window, Atspi.Role.MENU_ITEM, menu)
        or find(window, Atspi.Role.MENU, menu))
    click(title)

    def shown_item():
        app = program.application()
        for d in descendants(app) if app else ():
            if (role(d) == Atspi.Role.MENU_ITEM and name(d) == item
                    and showing(d)):
                return d
        return None
    click(program.wait_for(f"the menu item {item!r}", shown_item))


def window_titled(program, title):
    return program.wait_for(f"the window {title!r}",
                            lambda: program.window(title))


def wait_gone(program, title, what):
    program.wait_for(what, lambda: program.window(title) is None)


def centre(acc):
    e = extents(acc)
    return e.x + e.width // 2, e.y + e.height // 2


def window_under(point):
    """The X window that shows at a point of the screen, as a click there
    finds it."""
    subprocess.run(["xdotool", "mousemove", str(point[0]), str(point[1])],
                   check=True)
    where = subprocess.run(["xdotool", "getmouselocation", "--shell"],
                           capture_output=True, text=True).stdout
    return dict(line.split("=", 1) for line in where.split() if "=" in line
                ).get("WINDOW")


def prompt_in_front(program, prompt, after):
    if window_under(centre(prompt)) != x_window_of(program, prompt):
        raise Failure(f"after {after}, another window covers the prompt")


def close_request_leaves_the_prompt(program, prompt):
    close_box(program, prompt)
    time.sleep(1.0)
    if not program.alive():
        raise Failure("the program ended on a close request to the prompt")
    if not prompts(program):
        raise Failure("the prompt went away on a close request; it has no "
                      "close box")


def about_from_the_prompt(program, prompt):
    choose(program, prompt, "File", "About Kavro")
    about = window_titled(program, ABOUT_TITLE)
    (ax, ay), (px, py) = centre(about), centre(prompt)
    if abs(ax - px) > 2 or abs(ay - py) > 2:
        raise Failure(f"the about window is centred at {ax},{ay}, not over "
                      f"the prompt at {px},{py}")
    focus(program, about)
    key("x")
    wait_gone(program, ABOUT_TITLE, "the about window to close on a key")


def change_password_from_the_prompt(program, prompt):
    choose(program, prompt, "File", "Change password...")
    window = window_titled(program, CHANGE_TITLE)
    focus(program, window)
    type_text("7294")
    key("Tab")
    type_text(NEW_PASSWORD)
    key("Tab")
    type_text(NEW_PASSWORD)
    key("Return")
    wait_gone(program, CHANGE_TITLE,
              "the change-password window to close on Return")


def type_into_prompt(program, password, focus_first=True):
    """Types the password over what the prompt's field holds, and Return:
    after focusing the prompt, or (focus_first False) into whatever has the
    keyboard."""
    prompt = program.wait_for("password prompt", lambda: prompts(program))[0]
    if focus_first:
        focus(program, prompt)
        key("ctrl+a")
    type_text(password)
    key("Return")
    return prompt


def unlock_with(program, password, focus_first=True):
    type_into_prompt(program, password, focus_first)
    return program.wait_for(f"the main window unlocked by {password!r}",
                            lambda: main_window(program, "Lock"))


def refuses(program, password):
    prompt = type_into_prompt(program, password)
    program.wait_for(f"the prompt to refuse {password!r}",
                     lambda: find(prompt, Atspi.Role.LABEL, "Wrong password..."))


def first_session(program):
    first_run(program)
    prompt = program.wait_for("password prompt", lambda: prompts(program))[0]
    close_request_leaves_the_prompt(program, prompt)
    about_from_the_prompt(program, prompt)
    change_password_from_the_prompt(program, prompt)
    # Changing the password loads the store into the locked main window; the
    # prompt stays in front of it.
    prompt_in_front(program, prompt, "the change-password window")
    # The keyboard went back to the prompt as the window closed.
    time.sleep(0.5)
    window = unlock_with(program, NEW_PASSWORD, focus_first=False)
    close_and_wait(program, window)
    lines = (program.config / "Kavro2.prefs").read_bytes().split(b"\r")
    stored = base64.b64decode(lines[3]).decode() if len(lines) > 3 else None
    if stored != NEW_PASSWORD:
        raise Failure(f"the preferences file holds the password {stored!r}, "
                      f"not {NEW_PASSWORD!r}")


def second_session(program):
    refuses(program, "7294")
    window = unlock_with(program, NEW_PASSWORD)
    close_and_wait(program, window)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    exe = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory(prefix="kavro-e2e-") as tmp:
        home = Path(tmp)
        for step, session in (("first run", first_session),
                              ("second run", second_session)):
            run_session(step, Program(exe, home), session)
            time.sleep(0.5)
    print("prompt menu and keyboard: the prompt outlived a close request, "
          "windows from its menu took input and closed, the password "
          "changed by keyboard unlocked after a restart")
    return 0


if __name__ == "__main__":
    sys.exit(main())
