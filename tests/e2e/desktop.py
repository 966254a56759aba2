"""The built program on a real X display, as a user and a screen reader meet it.

The windows and their texts are read over AT-SPI; keys and clicks are sent
with xdotool; the close box is the window manager's WM_DELETE_WINDOW message,
sent through libX11 (there is no window manager on the virtual display).
"""

import ctypes
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Generous: the sanitizer build starts slowly.
TIMEOUT = 30.0


class Failure(Exception):
    pass


def lines(text):
    """The text with CR LF, CR and LF all read as one line break."""
    return text.replace("\r\n", "\n").replace("\r", "\n")


def children(acc):
    try:
        return [c for c in (acc.get_child_at_index(i)
                            for i in range(acc.get_child_count())) if c]
    except GLib.Error:
        return []


def descendants(acc):
    for child in children(acc):
        yield child
        yield from descendants(child)


def role(acc):
    try:
        return acc.get_role()
    except GLib.Error:
        return None


def name(acc):
    try:
        return acc.get_name() or ""
    except GLib.Error:
        return ""


def has_state(acc, state):
    try:
        return acc.get_state_set().contains(state)
    except GLib.Error:
        return False


def showing(acc):
    return has_state(acc, Atspi.StateType.SHOWING)


def enabled(acc):
    return has_state(acc, Atspi.StateType.ENABLED)


def describe(acc):
    try:
        return f"{acc.get_role_name()} {acc.get_name()!r}"
    except GLib.Error as e:
        return f"<gone: {e.message}>"


def text_of(acc):
    """The text a text control holds (as the screen reader reads it)."""
    try:
        text = acc.get_text_iface()
        return text.get_text(0, text.get_character_count()) if text else ""
    except GLib.Error:
        return ""


def find(acc, roles, label):
    """The first showing descendant of one of the roles with that name."""
    roles = roles if isinstance(roles, tuple) else (roles,)
    for d in descendants(acc):
        if role(d) in roles and name(d) == label and showing(d):
            return d
    return None


def extents(acc):
    return acc.get_extents(Atspi.CoordType.SCREEN)


class Program:
    """The program started with its own home folders; a second Program on the
    same home sees what the first one left there."""

    def __init__(self, exe, home, prepare=None):
        """prepare(config_folder) sets up the files before the start."""
        self.home = home
        env = dict(os.environ)
        for folder in ("CONFIG", "DATA", "CACHE", "STATE"):
            d = home / folder.lower()
            d.mkdir(exist_ok=True)
            env[f"XDG_{folder}_HOME"] = str(d)
        runtime = home / "runtime"
        runtime.mkdir(mode=0o700, exist_ok=True)
        (home / "home").mkdir(exist_ok=True)
        env.update(HOME=str(home / "home"), XDG_RUNTIME_DIR=str(runtime),
                   QT_QPA_PLATFORM="xcb",
                   # Qt's AT-SPI bridge otherwise waits for a screen reader.
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        for variable in ("XDG_CONFIG_DIRS", "XDG_DATA_DIRS"):
            env.pop(variable, None)
        self.config = home / "config"
        if prepare:
            prepare(self.config)
        self.log = open(home / "program.log", "w+")
        self.proc = subprocess.Popen([exe], env=env, stdin=subprocess.DEVNULL,
                                     stdout=self.log, stderr=subprocess.STDOUT)

    def alive(self):
        return self.proc.poll() is None

    def output(self):
        self.log.flush()
        self.log.seek(0)
        return self.log.read()

    def stop(self):
        if self.alive():
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()

    def wait_for_exit(self, what, timeout=TIMEOUT):
        """The exit status, once the program has ended by itself."""
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            shown = [describe(w) for w in self.windows()] or ["none"]
            raise Failure(f"the program did not end {what} within "
                          f"{timeout:.0f} s; windows shown: "
                          f"{', '.join(shown)}") from None

    def application(self):
        desktop = Atspi.get_desktop(0)
        desktop.clear_cache()
        for app in children(desktop):
            try:
                if app.get_process_id() == self.proc.pid:
                    return app
            except GLib.Error:
                pass
        return None

    def windows(self):
        """The program's top-level windows that are on screen."""
        app = self.application()
        return [w for w in children(app) if showing(w)] if app else []

    def window(self, title):
        found = [w for w in self.windows() if name(w) == title]
        return found[0] if found else None

    def wait_for(self, what, probe, timeout=TIMEOUT):
        deadline = time.monotonic() + timeout
        while True:
            if not self.alive():
                raise Failure(f"the program exited ({self.proc.returncode}) "
                              f"while waiting for {what}")
            found = probe()
            if found:
                return found
            if time.monotonic() > deadline:
                shown = [describe(w) for w in self.windows()] or ["none"]
                raise Failure(f"no {what} within {timeout:.0f} s; windows "
                              f"shown: {', '.join(shown)}")
            time.sleep(0.2)


def run_session(step, program, session, *args):
    """session(program, *args), and the program stopped after it whatever
    happens. A failure ends the test with status 1, after printing what failed
    and what the program wrote."""
    try:
        return session(program, *args)
    except (Failure, GLib.Error, StopIteration) as e:
        print(f"FAIL: {step}: {e!r}", file=sys.stderr)
        print("--- program output ---\n" + program.output(), file=sys.stderr)
        sys.exit(1)
    finally:
        program.stop()


def message_boxes(program):
    return [w for w in program.windows() if role(w) == Atspi.Role.ALERT]


def x_window_of(program, acc):
    """The X window id of the program's visible window that lies where the
    accessible window is."""
    ext = extents(acc)
    ids = subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--pid", str(program.proc.pid)],
        capture_output=True, text=True).stdout.split()
    best = None
    for wid in ids:
        geo = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid],
                             capture_output=True, text=True).stdout
        g = dict(line.split("=", 1) for line in geo.split() if "=" in line)
        try:
            dist = (abs(int(g["X"]) - ext.x) + abs(int(g["Y"]) - ext.y)
                    + abs(int(g["WIDTH"]) - ext.width)
                    + abs(int(g["HEIGHT"]) - ext.height))
        except (KeyError, ValueError):
            continue
        if best is None or dist < best[0]:
            best = (dist, wid)
    if best is None:
        raise Failure(f"{describe(acc)} has no visible X window")
    return best[1]


def focus(program, window):
    wid = x_window_of(program, window)
    try:
        subprocess.run(["xdotool", "windowfocus", "--sync", wid], timeout=5)
    except subprocess.TimeoutExpired:
        pass  # callers check what the keys did


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys],
                   check=True, timeout=10)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text],
                   check=True, timeout=30)


def press_return(program, box):
    focus(program, box)
    key("Return")


def click(acc):
    """A left click in the middle of the control."""
    e = extents(acc)
    subprocess.run(["xdotool", "mousemove", "--sync", str(e.x + e.width // 2),
                    str(e.y + e.height // 2), "click", "1"],
                   check=True, timeout=10)


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


def close_box(program, window):
    """What a click on the window's close box does: the window manager's
    WM_DELETE_WINDOW message to the window."""
    wid = int(x_window_of(program, window))
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                               ctypes.c_long, ctypes.POINTER(_XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        raise Failure("cannot open the X display")
    try:
        event = _XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = wid
        event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        x11.XSendEvent(display, wid, 0, 0, ctypes.byref(event))
        x11.XFlush(display)
    finally:
        x11.XCloseDisplay(display)
