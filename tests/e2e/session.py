# SPDX-License-Identifier: MIT
"""A private desktop for one run: a virtual X display, a D-Bus session bus with
the accessibility bus on it, and the program under test.

Nothing here touches the user's own display or session bus. Every process is
started in a process group of its own and ended by that group's id, so that the
helpers they spawn (the accessibility bus daemon, the registry) end with them.
"""

import ctypes
import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

STARTUP_TIMEOUT = 15.0


class StartError(RuntimeError):
    pass


def _read_line(fd, timeout, what):
    """The first line a starting process prints on the pipe `fd`."""
    deadline = time.monotonic() + timeout
    line = b""
    while not line.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0 or not select.select([fd], [], [], remaining)[0]:
            raise StartError(f"{what} printed nothing within {timeout:.0f} s")
        chunk = os.read(fd, 1)
        if not chunk:
            raise StartError(f"{what} ended before it was ready")
        line += chunk
    return line.decode().strip()


class Processes:
    """The processes of one run, ended in the reverse order of their start.

    The run adopts every orphan among its descendants (a daemon whose parent
    ended first), so that none outlives it unseen.
    """

    def __init__(self):
        self._started = []
        _become_subreaper()

    def start(self, args, env, **popen_args):
        process = subprocess.Popen(args, env=env, start_new_session=True, preexec_fn=_end_with_parent,
                                   **popen_args)
        self._started.append(process)
        return process

    def stop(self, process, grace=3.0):
        """Ends `process` and its group: first politely, then for good."""
        self._started.remove(process)
        if process.returncode is not None:
            return  # reaped already: its group's id may be reused; helpers left are adopted below
        _signal_group(process, signal.SIGTERM)
        _wait_unreaped(process, grace)
        # Not reaped yet, the leader keeps its group's id from being reused: end what is left of the group.
        _signal_group(process, signal.SIGKILL)
        process.wait()

    def ended(self):
        """The programs of the run that have ended by themselves."""
        return [os.path.basename(p.args[0]) for p in self._started if p.poll() is not None]

    def stop_all(self):
        for process in reversed(list(self._started)):
            self.stop(process)
        for pid in _adopted_children():
            try:
                os.kill(pid, signal.SIGKILL)
                os.waitpid(pid, 0)
            except (ProcessLookupError, ChildProcessError):
                pass
        _reap_adopted()


PR_SET_PDEATHSIG = 1
PR_SET_CHILD_SUBREAPER = 36


def _prctl(option, value):
    libc = ctypes.CDLL(None, use_errno=True)
    if libc.prctl(option, value, 0, 0, 0) != 0:
        raise OSError(ctypes.get_errno(), os.strerror(ctypes.get_errno()))


def _end_with_parent():
    """Runs in a started process: it ends when the run is killed and cannot clean up."""
    _prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def _become_subreaper():
    try:
        _prctl(PR_SET_CHILD_SUBREAPER, 1)
    except OSError as error:
        raise StartError(f"cannot adopt orphaned processes: {error}") from None


def _adopted_children():
    """Living children of this process other than the ones it started itself."""
    me = os.getpid()
    children = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) == me and fields[0] != "Z":
            children.append(int(entry))
    return children


def _reap_adopted():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def _wait_unreaped(process, timeout):
    """Waits until `process` has ended, leaving it for `wait` to reap."""
    deadline = time.monotonic() + timeout
    while os.waitid(os.P_PID, process.pid, os.WEXITED | os.WNOWAIT | os.WNOHANG) is None:
        if time.monotonic() > deadline:
            return
        time.sleep(0.02)


def _signal_group(process, signum):
    try:
        os.killpg(process.pid, signum)
    except ProcessLookupError:
        pass


class Desktop:
    """Xvfb, a session bus and the accessibility bus; `launch` starts the program."""

    def __init__(self, program):
        self.program = os.path.abspath(program)
        self.processes = Processes()
        self.home = tempfile.mkdtemp(prefix="orvane-e2e-")
        # The program's current directory, where it looks for the files it reads (OUI.txt).
        self.workdir = os.path.join(self.home, "work")
        self.env = None
        self.app = None

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        self.processes.stop_all()
        shutil.rmtree(self.home, ignore_errors=True)

    def _start(self):
        runtime = os.path.join(self.home, "runtime")
        os.mkdir(runtime, 0o700)
        os.mkdir(self.workdir)
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, "config"),
            "XDG_DATA_HOME": os.path.join(self.home, "data"),
            "XDG_RUNTIME_DIR": runtime,
            "LC_ALL": "C.UTF-8",
        }
        env["DISPLAY"] = self._start_display(env)
        env["DBUS_SESSION_BUS_ADDRESS"] = self._start_session_bus(env)
        self._start_accessibility_bus(env)
        self.env = env

    def _start_display(self, env):
        read_end, write_end = os.pipe()
        try:
            self.processes.start(
                # Without -noreset the server resets when its last client leaves (the bus
                # launcher, say) and refuses connections meanwhile.
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                 "-noreset"],
                env, pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write_end)
            write_end = None
            return ":" + _read_line(read_end, STARTUP_TIMEOUT, "Xvfb")
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)

    def _start_session_bus(self, env):
        bus = self.processes.start(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
            env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        return _read_line(bus.stdout.fileno(), STARTUP_TIMEOUT, "dbus-daemon")

    def _start_accessibility_bus(self, env):
        self.processes.start(
            [_libexec("at-spi-bus-launcher"), "--launch-immediately"],
            env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + STARTUP_TIMEOUT
        while not _bus_has_name(env, "org.a11y.Bus"):
            if time.monotonic() > deadline:
                raise StartError("the accessibility bus did not appear on the session bus")
            time.sleep(0.05)

    def launch(self):
        """Starts the program with empty settings and no vendor list of the user's; returns its process."""
        for folder in ("XDG_CONFIG_HOME", "XDG_DATA_HOME"):
            shutil.rmtree(self.env[folder], ignore_errors=True)
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        with open(self._log_path(), "wb") as log:
            self.app = self.processes.start([self.program], env, stdout=log, stderr=log, cwd=self.workdir)
        return self.app

    def quit(self):
        """Ends the program; returns what it wrote on its error output."""
        if self.app is None:
            return ""
        app, self.app = self.app, None
        self.processes.stop(app)
        return self.log()

    def log(self):
        """What the program has written on its output so far."""
        with open(self._log_path(), "rb") as log:
            return log.read().decode(errors="replace")

    def _log_path(self):
        return os.path.join(self.home, "program.log")


def _libexec(name):
    for folder in ("/usr/libexec", "/usr/lib/at-spi2-core"):
        path = os.path.join(folder, name)
        if os.access(path, os.X_OK):
            return path
    raise StartError(f"{name} not found; install at-spi2-core")


def _bus_has_name(env, name):
    reply = subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
         "org.freedesktop.DBus.NameHasOwner", f"string:{name}"],
        env=env, capture_output=True, text=True, timeout=STARTUP_TIMEOUT)
    return "boolean true" in reply.stdout
