# The real parts the game's tests run against: X display, session bus, AT-SPI
# bus, sound server, speech, screen reader, Wayland compositor. Each piece is
# a context manager that starts on entering, within a deadline, and on exit
# ends every process it started, by process id, with what they left behind.
# A piece that cannot start here raises Skip, which pytest reports as skipped
# and CTest, through the exit status 77, as well. Loaded as a pytest plugin
# (-p trixola_harness), the module gives each piece as a fixture.
import contextlib, ctypes, glob, json, os, pathlib, pty, re, secrets, shutil, signal, socket
import struct, subprocess, sys, tempfile, threading, time, tty

sys.dont_write_bytecode = True  # nothing written beside the sources
try: import pytest
except ImportError: pytest = None
SKIPPED = 77  # the exit status of a skipped test, for CTest's SKIP_RETURN_CODE
_POPENS = {}  # every process started here, by pid: reaped by its owner


# A real part cannot be had here: the test is skipped, never passed.
class Skip(pytest.skip.Exception if pytest else Exception):
    def __init__(self, reason):  # under pytest, also where a module skips itself
        super().__init__(reason, **({"allow_module_level": True} if pytest else {}))
# What was waited for did not happen, or went wrong.
class Fault(Exception): pass


# Polls probe until it returns something true, and returns that.
def wait_for(what, probe, seconds=10):
    end = time.monotonic() + seconds
    while not (result := probe()):
        if time.monotonic() > end: raise Fault(f"timed out waiting for {what}")
        time.sleep(0.02)
    return result


# The output of a short command; CalledProcessError when it fails.
def run(env, *command, seconds=20):
    return subprocess.run(command, env=env, check=True, capture_output=True, text=True,
                          timeout=seconds).stdout


# (state, parent, session) of a process, or None once it is gone
def _stat(pid):
    with contextlib.suppress(OSError, IndexError, ValueError):
        fields = pathlib.Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
        return fields[0], int(fields[1]), int(fields[4])


# Processes started each in a session of its own, output in <folder>/<name>.log.
# stop() sends SIGCONT and SIGTERM to each and to whatever still runs in its
# session or below it, then SIGKILL after a grace period. This process is the
# subreaper of daemons that leave their parents: they stay below it, and only
# processes below it are ever signalled.
class Processes:
    def __init__(self, folder):
        self.folder, self.started = folder, {}
        ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER

    def __enter__(self): return self
    def __exit__(self, *_): self.stop()
    def adopt(self, pid): self.started[pid] = None  # started otherwise, ended here

    def start(self, command, name, env=None, **popen):
        with open(f"{self.folder}/{name}.log", "ab") as log:
            popen = dict(dict(stdin=subprocess.DEVNULL, stdout=log, stderr=log), **popen)
            try: process = subprocess.Popen(command, env=env, start_new_session=True, **popen)
            except OSError as error: raise Skip(f"cannot start {command[0]}: {error}")
        process.name, self.started[process.pid], _POPENS[process.pid] = name, process, process
        return process

    def log(self, name):
        log = pathlib.Path(f"{self.folder}/{name}.log")
        return log.read_text(errors="replace") if log.exists() else ""

    # Whether a process has ended and, when a child here, been reaped; a
    # zombie whose parent is ending becomes a child here first.
    def ended(self, pid, doomed):
        if self.started.get(pid): return self.started[pid].poll() is not None
        with contextlib.suppress(ChildProcessError):
            if os.waitpid(pid, os.WNOHANG)[0] == pid: return True
        state = _stat(pid)
        return not state or state[0] == "Z" and state[1] not in doomed | {os.getpid()}

    def stop(self):
        stats, doomed = {int(p): _stat(int(p)) for p in os.listdir("/proc") if p.isdigit()}, set()
        below = lambda roots: {p for p, s in stats.items() if s and s[1] in roots}
        ours, more = set(), below({os.getpid()})
        while more: ours, more = ours | more, below(more) - ours
        more = {p for p in ours if p in self.started or stats[p][2] in self.started}
        while more: doomed, more = doomed | more, below(more) - doomed
        for numbers in ((signal.SIGCONT, signal.SIGTERM), (signal.SIGKILL,)):
            for pid, number in ((pid, number) for pid in doomed for number in numbers):
                with contextlib.suppress(ProcessLookupError): os.kill(pid, number)
            with contextlib.suppress(Fault):
                wait_for("the end", lambda: all(self.ended(pid, doomed) for pid in doomed), 3)
                break
        for pid in set(stats) - set(_POPENS):  # zombies handed down while all this ended
            if (_stat(pid) or "")[:2] == ("Z", os.getpid()): os.waitpid(pid, 0)
        self.started = {}


# A private folder, removed on exit. `env` is the environment of the pieces:
# runtime, home and settings folders in the folder, English, and no display,
# bus, sound server or screen reader of the user's (those it names lead
# nowhere until a piece sets them).
class Folder:
    def __init__(self):
        self.path = path = tempfile.mkdtemp(prefix="trixola-")
        os.chmod(path, 0o711)  # a piece run as another user reaches its own folder here
        self.env = {k: v for k, v in os.environ.items() if k not in "DISPLAY XAUTHORITY WAYLAND_DISPLAY "
                    "SWAYSOCK AT_SPI_BUS_ADDRESS SPEECHD_ADDRESS LANGUAGE QT_QPA_PLATFORM".split()}
        for name in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"):
            self.env[name] = f"{path}/{name.lower()}"
            os.mkdir(self.env[name], 0o700)
        self.env.update(XDG_RUNTIME_DIR=path, LC_ALL="C.UTF-8", GSETTINGS_BACKEND="memory",
                        PULSE_RUNTIME_PATH=f"{path}/pulse", PULSE_SERVER=f"unix:{path}/none",
                        DBUS_SESSION_BUS_ADDRESS=f"unix:path={path}/none")

    def __enter__(self): return self
    def __exit__(self, *_): shutil.rmtree(self.path, ignore_errors=True)


# A real part: started on entering (start()), ended on exit (stop()); sets the
# variables that lead to it in the shared `env`.
class Piece:
    tools = []

    def __init__(self, env):
        self.env, self.folder = env, env["XDG_RUNTIME_DIR"]
        self.processes = Processes(self.folder)

    def __enter__(self):
        if missing := [tool for tool in self.tools if not shutil.which(tool)]:
            raise Skip(f"not installed: {' '.join(missing)}")
        try: self.start()
        except BaseException: self.stop(); raise
        return self

    def __exit__(self, *_): self.stop()
    def stop(self): self.processes.stop()

    # Waits until probe() is true for a process of the piece: Skip, with its
    # log, when the process ends first or the deadline passes.
    def until(self, what, process, probe, seconds=20):
        def ready():
            if process.poll() is not None: raise Fault(f"{process.name} ended")
            return probe()
        try: return wait_for(what, ready, seconds)
        except Fault as fault: raise Skip(f"{fault}: {self.processes.log(process.name)[-600:]}") from None

    # Starts a process of the piece and waits until ready(process) is true.
    def launch(self, command, name, ready, seconds=20, env=None, **popen):
        process = self.processes.start(command, name, env or self.env, **popen)
        return process, self.until(f"{name} to be ready", process, lambda: ready(process), seconds)


class SessionBus(Piece):
    def start(self):
        try: from dbusmock import DBusTestCase
        except ImportError as error: raise Skip(f"no python3-dbusmock: {error}")
        saved = dict(os.environ)  # the bus, and what it starts, get the pieces' environment
        try: os.environ.clear(), os.environ.update(self.env); pid, address = DBusTestCase.start_dbus()
        except (OSError, subprocess.SubprocessError) as error: raise Skip(f"no session bus: {error}")
        finally: os.environ.clear(), os.environ.update(saved)
        self.processes.adopt(pid)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address


# A private Xvfb that only clients with its cookie get into. Another server
# here may answer at the same display number (a chroot's Xvfb has other lock
# files and the same abstract sockets): the display's socket must be answered
# by this very server. -noreset: the display keeps the AT-SPI bus's address
# while no client is on it.
class XDisplay(Piece):
    def start(self):
        self.env["XAUTHORITY"] = f"{self.folder}/Xauthority"
        pathlib.Path(self.env["XAUTHORITY"]).write_bytes(  # any host, any display: this cookie
            struct.pack(">4H", 0xFFFF, 0, 0, 18) + b"MIT-MAGIC-COOKIE-1\0\x10" + secrets.token_bytes(16))
        with open(f"{self.folder}/display", "w+") as number:
            server, display = self.launch(
                ["Xvfb", "-displayfd", str(number.fileno()), "-auth", self.env["XAUTHORITY"], "-noreset",
                 "-nolisten", "tcp", "-screen", "0", "1024x768x24"], "xvfb",
                lambda _: pathlib.Path(number.name).read_text().strip(), pass_fds=(number.fileno(),))
        with socket.socket(socket.AF_UNIX) as probe, contextlib.suppress(OSError):
            probe.connect(f"\0/tmp/.X11-unix/X{display}")
            peer = probe.getsockopt(socket.SOL_SOCKET, socket.SO_PEERCRED, 12)
            if struct.unpack("3i", peer)[0] == server.pid:
                return self.env.update(DISPLAY=f":{display}")
        raise Skip(f"Xvfb's display :{display} is answered by another server")


class AccessibilityBus(Piece):
    tools = ["dbus-send"]

    def start(self):
        if not (launcher := shutil.which("at-spi-bus-launcher", path="/usr/libexec:/usr/lib/at-spi2-core")):
            raise Skip("no at-spi-bus-launcher (at-spi2-core)")
        self.launch([launcher, "--launch-immediately"], "at-spi-bus", lambda _: "true" in run(
            self.env, "dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
            "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"))


class Recording:
    def __init__(self, process, path): self.process, self.path = process, path

    def stop(self):  # what was recorded, mono s16le at 44100 Hz
        self.process.send_signal(signal.SIGINT), self.process.wait(10)
        return pathlib.Path(self.path).read_bytes()


# PulseAudio, or PipeWire with WirePlumber and its PulseAudio interface on the
# session bus; no output but the null sinks added here. stop() and start()
# end the server and bring it back on the same socket.
class SoundServer(Piece):
    tools = ["pactl", "parec"]

    def __init__(self, kind, env): super().__init__(env); self.kind, self.recordings = kind, 0

    def start(self):
        path = f"{self.env['PULSE_RUNTIME_PATH']}/native"
        commands = [["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                     "-L", f"module-native-protocol-unix socket={path} auth-anonymous=1"]]
        if self.kind == "pipewire":
            self.launch(["pipewire"], "pipewire", lambda _: os.path.exists(f"{self.folder}/pipewire-0"))
            commands = [["wireplumber"], ["pipewire-pulse"]]
        self.env["PULSE_SERVER"] = f"unix:{path}"
        for command in commands:  # the last serves the PulseAudio interface
            self.server, _ = self.launch(command, command[0], lambda _: command == ["wireplumber"] or
                                         subprocess.run(["pactl", "info"], env=self.env, timeout=10,
                                                        capture_output=True).returncode == 0)

    def pactl(self, *args): return run(self.env, "pactl", *args)
    def set_default(self, name): self.pactl("set-default-sink", name)
    def hang(self): os.kill(self.server.pid, signal.SIGSTOP)
    def wake(self): os.kill(self.server.pid, signal.SIGCONT)

    def add_null_sink(self, name):
        # PulseAudio rewinds a playing output to mix in a new stream at once,
        # and its monitor misses the rewound part; without rewinds it records
        # what a loudspeaker would play. PipeWire does not rewind.
        self.pactl("load-module", "module-null-sink", f"sink_name={name}",
                   *(["norewinds=1"] if self.kind == "pulseaudio" else []))
        wait_for(f"the sink {name}", lambda: re.search(
            rf"^\d+\s+{re.escape(name)}\s", self.pactl("list", "short", "sinks"), re.M))

    def record(self, sink):  # from the moment it returns
        self.recordings += 1
        with open(f"{self.folder}/{sink}-{self.recordings}.raw", "wb") as raw:
            process = self.processes.start(
                ["parec", "-d", f"{sink}.monitor", "--format=s16le", "--rate=44100", "--channels=1",
                 "--latency-msec=20"], "parec", self.env, stdout=raw)
        # Once the server is up, a recording that does not start is a fault, not a skip.
        wait_for("parec to record", lambda: process.poll() is None and re.search(
            rf'application\.process\.id = "{process.pid}"', self.pactl("list", "source-outputs")))
        return Recording(process, raw.name)


# speech-dispatcher speaking with espeak-ng into a null sink of the sound server
class Speech(Piece):
    def __init__(self, env, sound): super().__init__(env); self.sound = sound

    def start(self):
        self.sound.add_null_sink("speech"), self.sound.set_default("speech")
        os.makedirs(f"{self.folder}/speechd", exist_ok=True)
        pathlib.Path(f"{self.folder}/speechd/speechd.conf").write_text(
            'AudioOutputMethod "pulse"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
            'DefaultModule espeak-ng\nLogLevel 2\n')
        path = f"{self.folder}/speechd.sock"
        self.launch(["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir",
                     f"{self.folder}/speechd", "--communication-method", "unix_socket", "--socket-path",
                     path, "--log-dir", self.folder], "speech-dispatcher", lambda _: os.path.exists(path))
        self.env["SPEECHD_ADDRESS"] = f"unix_socket:{path}"


# Orca, and what it speaks as its debug log tells it. Orca writes that log
# through a buffer it empties only when full, unless the file is a terminal:
# it writes to a pseudo-terminal, which a thread here drains. Orca will not
# start while another Orca of the same user runs anywhere on the machine, so
# it runs in a process namespace of its own where one can be had.
class Orca(Piece):
    SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(\{.*\})?$", re.M)

    def start(self):
        self.text, self.seen, (master, self.terminal) = [], 0, pty.openpty()
        tty.setraw(self.terminal)
        threading.Thread(target=self.drain, args=(master,), daemon=True).start()
        command = ["orca", "--user-prefs", f"{self.folder}/orca", "--debug-file", os.ttyname(self.terminal)]
        alone = ["unshare", "--pid", "--fork", "--mount-proc"]
        alone += ["--user", "--map-root-user"] if os.geteuid() else []
        if shutil.which("unshare") and subprocess.run([*alone, "true"], capture_output=True).returncode == 0:
            command = alone + command
        self.launch(command, "orca", lambda _: self.heard(r"Screen reader on\.?"), 40)

    def drain(self, master):
        with contextlib.suppress(OSError):  # once Orca has ended
            while chunk := os.read(master, 65536): self.text.append(chunk.decode(errors="replace"))

    def spoken(self): return [m[1] for m in self.SPOKEN.finditer("".join(self.text))]

    # The first utterance since the last one heard that is the pattern
    def heard(self, pattern):
        spoken = self.spoken()
        index = next((i for i in range(self.seen, len(spoken)) if re.fullmatch(pattern, spoken[i])), None)
        if index is not None: self.seen = index + 1; return spoken[index]

    def wait_spoken(self, what, pattern, seconds=20):
        try: return wait_for(what, lambda: self.heard(pattern), seconds)
        except Fault: raise Fault(f"Orca did not speak {what} ({pattern!r}); it spoke, since the last "
                                  f"one heard: {self.spoken()[self.seen:]}") from None


# Headless sway (pixman) with the extra lines of configuration given; run as
# nobody when run as root, which sway refuses.
class Sway(Piece):
    tools = ["swaymsg", "grim"]

    def __init__(self, env, config=""): super().__init__(env); self.config = config

    def start(self):
        runtime = f"{self.folder}/sway"
        os.mkdir(runtime, 0o700)
        pathlib.Path(f"{runtime}/config").write_text(self.config + "\nxwayland disable\n")
        command = ["sway", "-c", f"{runtime}/config"]
        if os.geteuid() == 0:
            if not shutil.which("setpriv"): raise Skip("running as root, and no setpriv to leave it")
            for path in (runtime, f"{runtime}/config"): os.chown(path, 65534, 65534)
            command = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", *command]
        found = lambda: [glob.glob(f"{runtime}/{name}") for name in ("wayland-[0-9]", "sway-ipc.*.sock")]
        _, sockets = self.launch(command, "sway", lambda _: all(found()) and found(), env=dict(
            self.env, XDG_RUNTIME_DIR=runtime, WLR_BACKENDS="headless", WLR_RENDERER="pixman",
            WLR_LIBINPUT_NO_DEVICES="1"))
        self.env.update(WAYLAND_DISPLAY=sockets[0][0], SWAYSOCK=sockets[1][0])

    def msg(self, *args): return run(self.env, "swaymsg", *args)
    def tree(self): return json.loads(self.msg("-t", "get_tree"))

    def screenshot(self):  # a binary PPM
        return subprocess.run(["grim", "-t", "ppm", "-"], env=self.env, check=True,
                              capture_output=True).stdout


# The game with that environment on that Qt platform, ended with the
# processes; a Fault, not a Skip, when it cannot start: it is under test.
def Game(processes, program, env, platform, **extra):
    try: return processes.start([program], "game", dict(env, QT_QPA_PLATFORM=platform, **extra))
    except Skip as reason: raise Fault(str(reason)) from None


# The pytest plugin: each piece as a fixture of one test module, the game as
# --program, and the exit status 77 when a test was skipped and none failed.
if pytest:
    def pytest_addoption(parser): parser.addoption("--program", help="the game's program")

    def _piece(piece):
        with piece: yield piece

    module, _SKIPPED = pytest.fixture(scope="module"), []
    program = module(lambda request: os.path.abspath(request.config.getoption("--program")))
    folder = module(lambda: (yield from _piece(Folder())))
    processes = pytest.fixture(lambda folder: (yield from _piece(Processes(folder.path))))
    session_bus = module(lambda folder: (yield from _piece(SessionBus(folder.env))))
    x_display = module(lambda folder: (yield from _piece(XDisplay(folder.env))))
    accessibility_bus = module(lambda folder, session_bus, x_display: (
        yield from _piece(AccessibilityBus(folder.env))))
    sound_server = module(lambda request, folder, session_bus: (yield from _piece(
        SoundServer(getattr(request, "param", "pulseaudio"), folder.env))))
    speech = module(lambda folder, sound_server: (yield from _piece(Speech(folder.env, sound_server))))
    orca = module(lambda folder, accessibility_bus, speech: (yield from _piece(Orca(folder.env))))
    sway = module(lambda folder: (yield from _piece(Sway(folder.env))))

    def pytest_runtest_logreport(report):
        if report.skipped: _SKIPPED.append(report.nodeid)
    pytest_collectreport = pytest_runtest_logreport  # a module that skips itself

    def pytest_sessionfinish(session):  # 5: no test ran
        if session.exitstatus in (0, 5) and _SKIPPED: session.exitstatus = SKIPPED

    # A failed test's report ends with what the pieces and the game wrote.
    @pytest.hookimpl(hookwrapper=True)
    def pytest_runtest_makereport(item):
        report = (yield).get_result()
        folder = item.funcargs.get("folder") if report.failed else None
        for log in sorted(glob.glob(f"{folder.path}/*.log") if folder else []):
            report.sections.append((log, pathlib.Path(log).read_text(errors="replace")[-1500:]))
