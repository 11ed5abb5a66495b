"""Drives the real Familiengalerie program on a private Xvfb server.

An XSession starts Xvfb on a free display, starts the program there the way the run
command does (the xcb platform, no window manager), sends it real X input with xdotool,
reads the screen back with python-xlib and closes windows the way a window manager does,
with a WM_DELETE_WINDOW client message. Everything it starts it stops again in close(),
also after a failure.
"""

import ctypes
import os
import select
import signal
import subprocess
import tempfile
import time

from PIL import Image
from Xlib import X, display, error, protocol

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024


class SessionError(Exception):
    """The X server or the program did not do what the session waited for."""


def wait_until(condition, timeout, interval=0.02):
    """Polls condition() until it returns a true value, which is returned; None on timeout."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() >= deadline:
            return None
        time.sleep(interval)


def _die_with_driver():
    """In the child before exec: the kernel ends it when the driver ends, also when the driver
    is killed and cannot clean up."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def _stop_group(process, grace=3.0):
    """Ends a process started in its own session, and its children, and reaps it."""
    if process is None or process.poll() is not None:
        return
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            return
        try:
            process.wait(timeout=grace)
            return
        except subprocess.TimeoutExpired:
            continue


class XSession:
    def __init__(self, program):
        self.program = program
        self.xvfb = None
        self.app = None
        self.display_name = None
        self.conn = None
        self._log = None

    # ---- start and stop ---------------------------------------------------------------

    def __enter__(self):
        try:
            self._start_xvfb()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        try:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                 f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL,
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                start_new_session=True, preexec_fn=_die_with_driver)
            os.close(write_end)
            write_end = None
            number = b""
            deadline = time.monotonic() + 10
            while not number.endswith(b"\n"):
                remaining = deadline - time.monotonic()
                if remaining <= 0 or not select.select([read_end], [], [], remaining)[0]:
                    raise SessionError("Xvfb did not report a display number")
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise SessionError("Xvfb ended before it reported a display number")
                number += chunk
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)
        self.display_name = ":" + number.decode().strip()
        self.conn = display.Display(self.display_name)
        # Windows may go while the session looks at them or sends to them; other errors are
        # kept for the caller instead of being printed in between the results.
        self.x_errors = []
        self.conn.set_error_handler(self._on_x_error)
        self.root = self.conn.screen().root
        self._atoms = {name: self.conn.intern_atom(name) for name in
                       ("_NET_WM_NAME", "UTF8_STRING", "WM_PROTOCOLS", "WM_DELETE_WINDOW")}

    def _on_x_error(self, err, request):
        if not isinstance(err, (error.BadWindow, error.BadDrawable)):
            self.x_errors.append(str(err))

    def start_program(self):
        """Starts the program as the run command does: the xcb platform on this display."""
        env = dict(os.environ)
        env.pop("QT_QPA_PLATFORM", None)
        env["DISPLAY"] = self.display_name
        self._log = tempfile.TemporaryFile()
        self.app = subprocess.Popen([self.program], env=env, stdin=subprocess.DEVNULL,
                                    stdout=self._log, stderr=subprocess.STDOUT,
                                    start_new_session=True, preexec_fn=_die_with_driver)

    def program_output(self):
        if self._log is None:
            return ""
        self._log.seek(0)
        return self._log.read().decode(errors="replace")

    def wait_for_exit(self, timeout):
        """The program's exit status, or None if it still runs after timeout seconds."""
        try:
            return self.app.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def program_running(self):
        return self.app is not None and self.app.poll() is None

    def close(self):
        _stop_group(self.app)
        if self.conn is not None:
            try:
                self.conn.close()
            except Exception:
                pass
            self.conn = None
        _stop_group(self.xvfb)
        if self._log is not None:
            self._log.close()
            self._log = None

    # ---- input ------------------------------------------------------------------------

    def _xdotool(self, *args):
        env = dict(os.environ, DISPLAY=self.display_name)
        subprocess.run(["xdotool", *map(str, args)], env=env, check=True, timeout=10,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)

    def move(self, x, y):
        self._xdotool("mousemove", x, y)

    def click(self, x, y):
        self._xdotool("mousemove", x, y, "click", 1)

    def double_click(self, x, y):
        self._xdotool("mousemove", x, y, "click", "--repeat", 2, "--delay", 80, 1)

    # ---- screen -----------------------------------------------------------------------

    def grab(self, box=(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)):
        """The screen's pixels in box (x, y, width, height) as an RGB image."""
        x, y, w, h = box
        reply = self.root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)
        return Image.frombytes("RGB", (w, h), reply.data, "raw", "BGRX")

    # ---- windows ----------------------------------------------------------------------

    def _title(self, window):
        prop = window.get_full_property(self._atoms["_NET_WM_NAME"], self._atoms["UTF8_STRING"])
        if prop is not None:
            value = prop.value
            return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)
        name = window.get_wm_name()
        if isinstance(name, bytes):
            name = name.decode("latin-1")
        return name or ""

    def mapped_windows(self):
        """(title, window) of every mapped top-level window, in stacking order."""
        result = []
        for window in self.root.query_tree().children:
            try:
                if window.get_attributes().map_state != X.IsViewable:
                    continue
                result.append((self._title(window), window))
            except error.BadWindow:
                continue  # destroyed while we looked
        return result

    def find_window(self, title_prefix):
        for title, window in self.mapped_windows():
            if title.startswith(title_prefix):
                return window
        return None

    def wait_for_window(self, title_prefix, timeout=10):
        return wait_until(lambda: self.find_window(title_prefix), timeout)

    def wait_for_window_gone(self, title_prefix, timeout=10):
        return wait_until(lambda: self.find_window(title_prefix) is None, timeout)

    def title(self, window):
        return self._title(window)

    def client_geometry(self, window):
        """(x, y, width, height) of the window's client area on the screen."""
        geometry = window.get_geometry()
        origin = window.translate_coords(self.root, 0, 0)
        return (-origin.x, -origin.y, geometry.width, geometry.height)

    def send_close(self, window):
        """Asks the window to close as a window manager's close box does."""
        message = protocol.event.ClientMessage(
            window=window, client_type=self._atoms["WM_PROTOCOLS"],
            data=(32, [self._atoms["WM_DELETE_WINDOW"], X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=X.NoEventMask)
        self.conn.flush()
