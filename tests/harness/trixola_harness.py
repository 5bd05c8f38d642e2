"""The real parts the game's tests run against: X display, session bus, AT-SPI
bus, sound server, speech, screen reader, Wayland compositor. Each piece is a
context manager that starts on entering, within a deadline, and on exit ends
every process it started, by process id, with the children they left. A piece
that cannot start here raises Skip, which pytest reports as skipped and CTest,
through the exit status 77, as well. Loaded as a pytest plugin, the module
gives each piece as a fixture and the option --program."""
import ctypes, glob, json, os, pty, re, secrets, shutil, signal, socket, struct, subprocess, sys
import tempfile, threading, time, tty

sys.dont_write_bytecode = True  # nothing written beside the sources
try: import pytest
except ImportError: pytest = None
SKIPPED = 77
LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]


class Skip(pytest.skip.Exception if pytest else Exception):
    """A real part cannot be had here: the test is skipped, never passed."""


class Fault(Exception):
    """What was waited for did not happen, or went wrong."""


def wait_for(what, probe, seconds=10):
    """Polls probe until it returns something true, and returns that."""
    end = time.monotonic() + seconds
    while True:
        result = probe()
        if result: return result
        if time.monotonic() > end: raise Fault(f"timed out waiting for {what}")
        time.sleep(0.02)


def run(env, *command, seconds=20):
    """The output of a short command; CalledProcessError when it fails."""
    return subprocess.run(command, env=env, check=True, capture_output=True, text=True,
                          timeout=seconds).stdout


def _stat(pid):
    """(state, parent, session) of a process, or None when it is gone."""
    try:
        with open(f"/proc/{pid}/stat") as stat: fields = stat.read().rsplit(")", 1)[1].split()
        return fields[0], int(fields[1]), int(fields[4])
    except (OSError, IndexError, ValueError): return None


def _below(stats, roots):
    """The roots and every process below them."""
    found, more = set(), set(roots)
    while more:
        found |= more
        more = {pid for pid, s in stats.items() if s and s[1] in more} - found
    return found


class Processes:
    """Processes started in a session of their own each, output to
    <folder>/<name>.log. On exit each, and whatever still runs in its session
    or below it, gets SIGCONT and SIGTERM, then SIGKILL after a grace period.
    This process is made the subreaper of the daemons that leave their
    parents, so that they stay below it and no stranger is ever signalled."""

    def __init__(self, folder):
        self.folder, self.started = folder, {}
        ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER

    def __enter__(self): return self
    def __exit__(self, *_): self.stop()

    def start(self, command, name, env=None, **popen):
        log = open(f"{self.folder}/{name}.log", "ab")
        popen = dict(dict(stdin=subprocess.DEVNULL, stdout=log, stderr=log), **popen)
        try: process = subprocess.Popen(command, env=env, start_new_session=True, **popen)
        except OSError as error: raise Skip(f"cannot start {command[0]}: {error}")
        finally: log.close()
        process.name = name
        self.started[process.pid] = process
        return process

    def adopt(self, pid):
        """A process started otherwise, ended with the others."""
        self.started[pid] = None

    def log(self, name):
        try:
            with open(f"{self.folder}/{name}.log", errors="replace") as log: return log.read()
        except OSError: return ""

    def ended(self, pid):
        """Whether the process has ended (and is reaped, if a child here)."""
        if self.started.get(pid): return self.started[pid].poll() is not None
        try:
            if os.waitpid(pid, os.WNOHANG)[0] == pid: return True
        except ChildProcessError: pass
        return (_stat(pid) or "Z")[0] == "Z"

    def stop(self):
        """Ends what was started and what it left."""
        stats = {int(e): _stat(int(e)) for e in os.listdir("/proc") if e.isdigit()}
        ours = _below(stats, [os.getpid()]) - {os.getpid()}
        doomed = _below(stats, [pid for pid in ours if pid in self.started
                                or stats[pid] and stats[pid][2] in self.started]) & ours
        for pid in doomed:
            for sig in (signal.SIGCONT, signal.SIGTERM): _signal(pid, sig)
        try: wait_for("processes to end", lambda: all(map(self.ended, doomed)), 3)
        except Fault:
            for pid in doomed: _signal(pid, signal.SIGKILL)
            wait_for("killed processes to end", lambda: all(map(self.ended, doomed)), 3)
        self.started = {}


def _signal(pid, sig):
    try: os.kill(pid, sig)
    except ProcessLookupError: pass


class Folder:
    """A private folder, removed on exit; `env` is an environment whose
    runtime, home and settings folders lie in it, in English, with no
    display, bus, sound server or screen reader of the user's."""

    def __init__(self):
        self.path = tempfile.mkdtemp(prefix="trixola-")
        os.chmod(self.path, 0o711)  # a piece run as another user reaches its own folder
        self.env = {k: v for k, v in os.environ.items() if k not in (
            "DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY", "SWAYSOCK", "DBUS_SESSION_BUS_ADDRESS",
            "AT_SPI_BUS_ADDRESS", "PULSE_SERVER", "SPEECHD_ADDRESS", "LANGUAGE", "QT_QPA_PLATFORM")}
        self.env.update(XDG_RUNTIME_DIR=self.path, LC_ALL="C.UTF-8", GSETTINGS_BACKEND="memory",
                        PULSE_RUNTIME_PATH=f"{self.path}/pulse-runtime")
        for name, folder in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"),
                             ("XDG_DATA_HOME", "data"), ("XDG_STATE_HOME", "state"),
                             ("XDG_CACHE_HOME", "cache")):
            self.env[name] = f"{self.path}/{folder}"
            os.mkdir(self.env[name], 0o700)

    def __enter__(self): return self
    def __exit__(self, *_): shutil.rmtree(self.path, ignore_errors=True)


class Piece:
    """A real part: started on entering (start()), ended on exit (stop());
    sets the variables that lead to it in the shared `env`."""
    tools = []

    def __init__(self, env):
        self.env, self.folder = env, env["XDG_RUNTIME_DIR"]
        self.processes = Processes(self.folder)

    def __enter__(self):
        missing = [tool for tool in self.tools if not shutil.which(tool)]
        if missing: raise Skip(f"not installed: {' '.join(missing)}")
        try: self.start()
        except BaseException: self.stop(); raise
        return self

    def __exit__(self, *_): self.stop()
    def stop(self): self.processes.stop()

    def until(self, what, process, probe, seconds=20):
        """Waits for the piece to be ready; Skip, with its log, when the
        process ends first or the deadline passes."""
        def ready():
            if process.poll() is not None: raise Fault("it ended")
            return probe()
        try: return wait_for(what, ready, seconds)
        except Fault as fault:
            raise Skip(f"{what}: {fault}: {self.processes.log(process.name)[-600:]}") from None


class SessionBus(Piece):
    tools = ["dbus-daemon"]

    def start(self):
        try: from dbusmock import DBusTestCase
        except ImportError as error: raise Skip(f"no python3-dbusmock: {error}")
        saved = dict(os.environ)  # the bus and what it starts get this environment
        os.environ.clear(); os.environ.update(self.env)
        try: pid, address = DBusTestCase.start_dbus()
        except (OSError, subprocess.SubprocessError, AssertionError) as error:
            raise Skip(f"the session bus did not start: {error}")
        finally: os.environ.clear(); os.environ.update(saved)
        self.processes.adopt(pid)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address


class Recording:
    def __init__(self, process, path): self.process, self.path = process, path

    def stop(self):
        """What was recorded, mono s16le at 44100 Hz."""
        self.process.send_signal(signal.SIGINT)
        self.process.wait(10)
        with open(self.path, "rb") as raw: return raw.read()


class SoundServer(Piece):
    """PulseAudio, or PipeWire with WirePlumber and its PulseAudio interface
    on the session bus, with no output but the null sinks added here."""

    def __init__(self, kind, env):
        super().__init__(env)
        self.kind, self.recordings = kind, 0
        self.tools = {"pulseaudio": ["pulseaudio"], "pipewire": [
            "pipewire", "wireplumber", "pipewire-pulse"]}[kind] + ["pactl", "parec"]

    def start(self):
        runtime = self.env["PULSE_RUNTIME_PATH"]
        if self.kind == "pulseaudio":
            socket_path = f"{self.folder}/native"
            self.server = self.processes.start([
                "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                "-L", f"module-native-protocol-unix socket={socket_path} auth-anonymous=1"],
                "pulseaudio", self.env)
        else:
            socket_path = f"{runtime}/native"
            self.server = self.processes.start(["pipewire"], "pipewire", self.env)
            self.until("pipewire", self.server, lambda: os.path.exists(f"{self.folder}/pipewire-0"))
            for name in ("wireplumber", "pipewire-pulse"):
                self.server = self.processes.start([name], name, self.env)
        self.env["PULSE_SERVER"] = f"unix:{socket_path}"
        self.until(f"the {self.kind} server", self.server,
                   lambda: subprocess.run(["pactl", "info"], env=self.env, timeout=10,
                                          capture_output=True).returncode == 0)

    def pactl(self, *args): return run(self.env, "pactl", *args)

    def add_null_sink(self, name):
        # PulseAudio rewinds a playing output to mix in a new stream at once,
        # and its monitor misses the rewound part; without rewinds it records
        # what a loudspeaker would play. PipeWire does not rewind.
        extra = ["norewinds=1"] if self.kind == "pulseaudio" else []
        self.pactl("load-module", "module-null-sink", f"sink_name={name}", *extra)
        wait_for(f"the sink {name}", lambda: re.search(
            rf"^\d+\s+{re.escape(name)}\s", self.pactl("list", "short", "sinks"), re.M))

    def set_default(self, name): self.pactl("set-default-sink", name)

    def record(self, sink):
        """Records the sink's output from the moment this returns."""
        self.recordings += 1
        path = f"{self.folder}/{sink}-{self.recordings}.raw"
        with open(path, "wb") as raw:
            process = self.processes.start([
                "parec", "-d", f"{sink}.monitor", "--format=s16le", "--rate=44100",
                "--channels=1", "--latency-msec=20"], "parec", self.env, stdout=raw)
        wait_for(f"the recording of {sink}", lambda: process.poll() is None and re.search(
            rf'application\.process\.id = "{process.pid}"', self.pactl("list", "source-outputs")))
        return Recording(process, path)

    def hang(self): os.kill(self.server.pid, signal.SIGSTOP)
    def wake(self): os.kill(self.server.pid, signal.SIGCONT)


# The pytest plugin: each piece as a fixture, for one test module, and the
# exit status 77 when a piece could not be had.
if pytest:
    def pytest_addoption(parser):
        parser.addoption("--program", help="the game's program, for the fixture `program`")

    @pytest.fixture(scope="module")
    def program(request):
        path = request.config.getoption("--program")
        if not path: raise Fault("no --program given")
        return os.path.abspath(path)

    def _piece(piece):
        with piece: yield piece

    @pytest.fixture(scope="module")
    def folder():
        with Folder() as made: yield made

    @pytest.fixture
    def processes(folder):
        with Processes(folder.path) as made: yield made

    @pytest.fixture(scope="module")
    def session_bus(folder): yield from _piece(SessionBus(folder.env))

    @pytest.fixture(scope="module")
    def sound_server(request, folder, session_bus):
        yield from _piece(SoundServer(getattr(request, "param", "pulseaudio"), folder.env))

    def pytest_runtest_logreport(report):
        if report.skipped: _SKIPPED.append(report.nodeid)

    def pytest_sessionfinish(session):
        if session.exitstatus == 0 and _SKIPPED: session.exitstatus = SKIPPED

    _SKIPPED = []
