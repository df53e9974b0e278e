"""A private desktop for driving the real program as a person would.

It starts a virtual X server on a display nobody else uses, a D-Bus session on which Qt's
accessibility bridge publishes the widgets (AT-SPI), and then the processes a test asks for.
The test finds controls by role and accessible name, moves the real X pointer onto them and
clicks or types through the XTEST extension (xdotool). Whatever happens, stop() ends every process
started here, including the accessibility services that D-Bus starts on demand.
"""

import ctypes
import os
import shutil
import signal
import subprocess
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
from Xlib import X, display, protocol  # noqa: E402
from Xlib.error import XError  # noqa: E402

POLL_SECONDS = 0.05
PR_SET_PDEATHSIG = 1
PR_SET_CHILD_SUBREAPER = 36

_libc = ctypes.CDLL(None, use_errno=True)


class StepFailed(Exception):
    """A step of the run did not come out as expected."""


def wait_until(what, condition, timeout):
    """Polls condition until it returns something true, and returns that; fails after timeout.

    An accessible object can vanish between two calls (a box closing): such an error counts as
    "not yet" and the next look starts afresh.
    """
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            result = condition()
            if result:
                return result
        except GLib.Error as error:
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise StepFailed(f"timed out after {timeout} s waiting for {what}{detail}")
        time.sleep(POLL_SECONDS)


def require_tools(*names):
    missing = [name for name in names if shutil.which(name) is None]
    if missing:
        raise StepFailed(f"missing {', '.join(missing)}: run scripts/setup")


class Desktop:
    def __init__(self, work_dir):
        self.work_dir = work_dir
        self.env = None
        self._processes = []  # (name, Popen), in start order
        self._runtime_dir = None
        self._x = None

    # --- starting and stopping ---------------------------------------------------------------

    def start(self):
        require_tools("Xvfb", "dbus-daemon", "xdotool", "xclip", "/usr/bin/import")
        # The accessibility services that D-Bus starts, and anything else that loses its parent,
        # become our children, so that stop() can find and end them.
        _libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        # Short and private: sockets live here (a socket path may not be long).
        self._runtime_dir = tempfile.mkdtemp(prefix="quillfen-e2e-")
        home = os.path.join(self.work_dir, "home")
        os.makedirs(home, exist_ok=True)
        env = {
            key: value
            for key, value in os.environ.items()
            if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY")
            and not key.startswith(("DBUS_", "AT_SPI_"))
        }
        env.update(HOME=home, XDG_RUNTIME_DIR=self._runtime_dir, LC_ALL="C.UTF-8")
        self.env = env

        # -displayfd lets the server pick a free display itself: no race with other servers.
        read_end, write_end = os.pipe()
        self.spawn(
            "Xvfb",
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp"],
            pass_fds=(write_end,),
        )
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        if not number:
            raise StepFailed("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number

        bus_path = os.path.join(self._runtime_dir, "bus")
        bus = self.spawn(
            "dbus-daemon",
            ["dbus-daemon", "--session", "--nofork", "--print-address",
             "--address=unix:path=" + bus_path],
            stdout=subprocess.PIPE,
        )
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise StepFailed("the D-Bus session did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        # The AT-SPI client library reads these from our own environment.
        for key in [key for key in os.environ if key.startswith("AT_SPI_")]:
            del os.environ[key]
        os.environ["DISPLAY"] = self.env["DISPLAY"]
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ["XDG_RUNTIME_DIR"] = self._runtime_dir
        self._x = display.Display(self.env["DISPLAY"])

    def spawn(self, name, argv, extra_env=None, stdout=None, pass_fds=()):
        """Starts a process on this desktop; its output goes to <work_dir>/<name>.log."""
        env = dict(self.env or os.environ)
        env.update(extra_env or {})
        log = open(os.path.join(self.work_dir, name + ".log"), "wb")
        process = subprocess.Popen(
            argv,
            env=env,
            stdin=subprocess.DEVNULL,
            stdout=stdout if stdout is not None else log,
            stderr=log,
            pass_fds=pass_fds,
            # Should this run itself be killed, its processes go with it.
            preexec_fn=lambda: _libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM, 0, 0, 0),
        )
        log.close()
        self._processes.append((name, process))
        return process

    def run(self, argv, timeout):
        """Runs a short command on this desktop and returns its output; fails on error."""
        result = subprocess.run(
            argv, env=self.env, stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout
        )
        if result.returncode != 0:
            raise StepFailed(
                f"{argv[0]} failed ({result.returncode}): {result.stderr.decode(errors='replace')}"
            )
        return result.stdout

    def log_of(self, name):
        try:
            with open(os.path.join(self.work_dir, name + ".log"), "rb") as log:
                return log.read().decode(errors="replace")
        except OSError:
            return ""

    def stop(self):
        """Ends every process started here, last started first, and what they left behind."""
        if self._x is not None:
            try:
                self._x.close()
            except Exception:
                pass
            self._x = None
        for _, process in reversed(self._processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
            if process.stdout:
                process.stdout.close()
        self._processes.clear()
        self._end_adopted_children()
        if self._runtime_dir:
            shutil.rmtree(self._runtime_dir, ignore_errors=True)
            self._runtime_dir = None

    def _end_adopted_children(self):
        deadline = time.monotonic() + 5
        signal_to_send = signal.SIGTERM
        while True:
            children = _children_of(os.getpid())
            if not children:
                return
            if time.monotonic() > deadline:
                signal_to_send = signal.SIGKILL
            for pid in children:
                try:
                    os.kill(pid, signal_to_send)
                except ProcessLookupError:
                    pass
            for pid in children:
                try:
                    os.waitpid(pid, os.WNOHANG)
                except ChildProcessError:
                    pass
            time.sleep(POLL_SECONDS)

    # --- the X side ----------------------------------------------------------------------------

    def window_of(self, pid):
        """The mapped top-level X window that the process with this id shows, or None."""
        pid_atom = self._x.intern_atom("_NET_WM_PID")
        for window in self._x.screen().root.query_tree().children:
            try:
                if window.get_attributes().map_state != X.IsViewable:
                    continue
                owner = window.get_full_property(pid_atom, X.AnyPropertyType)
            except XError:  # gone while we looked
                continue
            if owner and owner.value[0] == pid:
                return window.id
        return None

    def ask_to_close(self, window_id):
        """What a window manager sends when the user closes a window."""
        window = self._x.create_resource_object("window", window_id)
        protocols = self._x.intern_atom("WM_PROTOCOLS")
        delete = self._x.intern_atom("WM_DELETE_WINDOW")
        message = protocol.event.ClientMessage(
            window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0])
        )
        window.send_event(message, event_mask=X.NoEventMask)
        self._x.flush()

    # The server handles the pointer's move before the button, so no wait is needed in between
    # (xdotool's --sync would wait for ever when the pointer is already there).
    def click(self, accessible):
        x, y = centre_of(accessible)
        self.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], timeout=10)

    def move_pointer_away(self):
        self.run(["xdotool", "mousemove", "0", "0"], timeout=10)

    def type_text(self, text):
        self.run(["xdotool", "type", "--delay", "5", "--", text], timeout=30)

    def press(self, *keys):
        self.run(["xdotool", "key", *keys], timeout=10)

    def read_clipboard(self):
        """The clipboard as another program sees it: xclip asks the owner for UTF-8 text."""
        return self.run(["xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING"],
                        timeout=10)

    def screenshot(self, path, window_id=None):
        target = hex(window_id) if window_id else "root"
        self.run(["/usr/bin/import", "-window", target, path], timeout=20)

    def settled_screenshot(self, path, window_id):
        """Waits until two captures of the window agree (it has repainted), then saves one."""
        previous = None

        def settled():
            nonlocal previous
            capture = self.run(["/usr/bin/import", "-window", hex(window_id), "rgb:-"],
                               timeout=20)
            same = capture == previous
            previous = capture
            return same

        wait_until("the window to finish repainting", settled, timeout=10)
        self.screenshot(path, window_id)


def _children_of(pid):
    children = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                # The command name is in parentheses and may hold spaces; the parent follows.
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) == pid:
            children.append(int(entry))
    return children


# --- the accessibility side ------------------------------------------------------------------


def application(pid):
    """The accessible application of the process with this id, or None while it has none."""
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        try:
            if app is not None and app.get_process_id() == pid:
                # Read the tree afresh on every look: nothing here listens for its changes.
                app.set_cache_mask(Atspi.Cache.NONE)
                return app
        except GLib.Error:
            continue
    return None


def children(accessible):
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is not None:
            yield child


def role(accessible):
    return accessible.get_role_name()


def descendants(accessible):
    for child in children(accessible):
        yield child
        yield from descendants(child)


def find(accessible, role_name, name=None):
    """The first descendant with this role (and name), or None."""
    for item in descendants(accessible):
        if role(item) == role_name and (name is None or item.get_name() == name):
            return item
    return None


def top_levels(app, role_name):
    return [window for window in children(app) if role(window) == role_name and showing(window)]


def showing(accessible):
    return accessible.get_state_set().contains(Atspi.StateType.SHOWING)


def checked(accessible):
    return accessible.get_state_set().contains(Atspi.StateType.CHECKED)


def focused(accessible):
    return accessible.get_state_set().contains(Atspi.StateType.FOCUSED)


def text_of(accessible):
    return accessible.get_text_iface().get_text(0, -1)


def centre_of(accessible):
    box = accessible.get_extents(Atspi.CoordType.SCREEN)
    if box.width <= 0 or box.height <= 0:
        raise StepFailed(f"{role(accessible)} {accessible.get_name()!r} is not on screen")
    return box.x + box.width // 2, box.y + box.height // 2


def describe(app):
    """What the program shows, as lines of text: windows, their controls and texts."""
    lines = []

    def walk(item, depth):
        if depth > 0 and not showing(item):
            return
        name = item.get_name()
        states = " (checked)" if checked(item) else ""
        lines.append(f"{'  ' * depth}{role(item)} {name!r}{states}")
        for child in children(item):
            walk(child, depth + 1)

    walk(app, 0)
    return "\n".join(lines)
