"""The game as a blind player meets it: Orca speaking through speech-dispatcher
and espeak-ng into a silent PulseAudio output, on the private session bus, AT-SPI
bus and X display of screen_reader_test.py. Three matches are played by the
digit keys alone, and what Orca spoke is read from its debug log. Exits 77
(skipped) where Orca or its speech cannot start, 1 when the player does not
hear a move, a reply, a result or a new match, or hears the clock.

usage: orca_test.py PROGRAM [TRANSCRIPT]  (TRANSCRIPT: a file for what was spoken)"""
import ctypes, os, pty, re, shutil, signal, subprocess, sys, tempfile, threading, time, tty

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import screen_reader_test as session  # exits 77 without an AT-SPI client
from screen_reader_test import Fault, Skip

SKIP = session.SKIP
session.DEADLINE = DEADLINE = time.monotonic() + 170  # CTest's TIMEOUT is 200
# The text, then the voice's settings
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(\{.*\})?$")

# The digit keys of a match, each with what the player hears after it, once:
# the move and the reply, and at the end the result with the score. The
# computer replies even to the winning move, but not to the one that fills
# the board.
MATCHES = [
    [("5", r"Cell 5: yours\. Computer: cell 4\."), ("6", r"Cell 6: yours\. Computer: cell 1\."),
     ("9", r"Cell 9: yours\. Computer: cell 7\. COMPUTER WON THE GAME\. You 0, computer 1, "
           r"draws 0\.")],
    [("1", r"Cell 1: yours\. Computer: cell 5\."), ("3", r"Cell 3: yours\. Computer: cell 7\."),
     ("2", r"Cell 2: yours\. Computer: cell 8\. YOU WON THE GAME\. You 1, computer 1, "
           r"draws 0\.")],
    [("1", r"Cell 1: yours\. Computer: cell 5\."), ("2", r"Cell 2: yours\. Computer: cell 3\."),
     ("7", r"Cell 7: yours\. Computer: cell 4\."), ("6", r"Cell 6: yours\. Computer: cell 9\."),
     ("8", r"Cell 8: yours\. THE MATCH IS DRAW\. You 1, computer 1, draws 1\.")],
]
NEW_MATCH = r"New match\. The board is empty\."
TOOLS = ["pulseaudio", "speech-dispatcher", "orca", "xdotool"]
QUIET_SECONDS = 3  # with the clock running and no key pressed, nothing is spoken


class Log:
    """Orca's debug log as it grows. Orca writes it through a buffer that it
    empties only when full, unless the file is a terminal: it writes to a
    pseudo-terminal, and a thread here drains it."""

    def __init__(self):
        self.master, slave = pty.openpty()
        tty.setraw(slave)
        self.path, self.text, self.seen = os.ttyname(slave), [], 0
        threading.Thread(target=self.drain, daemon=True).start()

    def drain(self):
        while True:
            try: chunk = os.read(self.master, 65536)
            except OSError: return  # Orca has ended
            if not chunk: return
            self.text.append(chunk.decode(errors="replace"))

    def spoken(self):
        lines = "".join(self.text).splitlines()
        return [m.group(1) for m in map(SPOKEN.search, lines) if m]

    def wait(self, what, pattern, seconds=20):
        """The first utterance from the last one waited for on that is the
        pattern."""
        end = min(time.monotonic() + seconds, DEADLINE)
        while True:
            spoken = self.spoken()
            for index in range(self.seen, len(spoken)):
                if re.fullmatch(pattern, spoken[index]):
                    self.seen = index + 1
                    return spoken[index]
            if time.monotonic() > end:
                raise Fault(f"Orca did not speak {what} ({pattern!r}); it spoke, since the "
                            f"last one heard: {spoken[self.seen:]}")
            time.sleep(0.05)


def start(command, folder, name, env, **options):
    try: return subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=open(
        f"{folder}/{name}.log", "a"), **options)
    except OSError as error: raise Skip(f"cannot start {command[0]}: {error}")


def wait_for_path(path, what, process, folder, name):
    end = min(time.monotonic() + 20, DEADLINE)
    while not os.path.exists(path):
        if process.poll() is not None or time.monotonic() > end:
            raise Skip(f"{what} did not start: " + open(f"{folder}/{name}.log").read()[-500:])
        time.sleep(0.05)


def start_speech(env, folder):
    """A PulseAudio server whose only output is a null sink, and a
    speech-dispatcher speaking into it with espeak-ng; their variables."""
    env = dict(env, HOME=f"{folder}/home", XDG_CONFIG_HOME=f"{folder}/config",
               XDG_DATA_HOME=f"{folder}/data", XDG_STATE_HOME=f"{folder}/state",
               XDG_CACHE_HOME=f"{folder}/cache", GSETTINGS_BACKEND="memory")
    for name in ("home", "config", "data", "state", "cache", "speechd"):
        os.makedirs(f"{folder}/{name}", exist_ok=True)
    pulse = start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                   "--use-pid-file=no", "-L", f"module-native-protocol-unix socket={folder}/pulse "
                   "auth-anonymous=1", "-L", "module-null-sink sink_name=silence"],
                  folder, "pulseaudio", dict(env, PULSE_RUNTIME_PATH=f"{folder}/pulse-runtime"))
    wait_for_path(f"{folder}/pulse", "PulseAudio", pulse, folder, "pulseaudio")
    env["PULSE_SERVER"] = f"unix:{folder}/pulse"
    with open(f"{folder}/speechd/speechd.conf", "w") as conf:
        conf.write('AudioOutputMethod "pulse"\nAddModule "espeak-ng" "sd_espeak-ng" '
                   '"espeak-ng.conf"\nDefaultModule espeak-ng\nLogLevel 2\n')
    socket = f"{folder}/speechd.sock"
    speechd = start(["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir",
                     f"{folder}/speechd", "--communication-method", "unix_socket",
                     "--socket-path", socket, "--log-dir", folder, "--pid-file",
                     f"{folder}/speechd.pid"], folder, "speech-dispatcher", env)
    wait_for_path(socket, "speech-dispatcher", speechd, folder, "speech-dispatcher")
    env["SPEECHD_ADDRESS"] = f"unix_socket:{socket}"
    return env


def alone(command):
    """The command in a process namespace of its own where one can be had:
    Orca will not start while another Orca of the same user runs anywhere
    on the machine ("--replace" would kill that one)."""
    for isolation in (["--pid", "--fork", "--mount-proc"],
                      ["--user", "--map-root-user", "--pid", "--fork", "--mount-proc"]):
        if shutil.which("unshare") and subprocess.run(
                ["unshare", *isolation, "true"], capture_output=True).returncode == 0:
            return ["unshare", *isolation, *command]
    return command


def start_orca(env, folder):
    log = Log()
    orca = start(alone(["orca", "--user-prefs", f"{folder}/orca", "--debug-file", log.path]),
                 folder, "orca", env)
    try: log.wait("that it runs", r"Screen reader on\.?", 40)
    except Fault as fault:
        ended = orca.poll() is not None
        with open(f"{folder}/orca.log") as output: said = output.read()[-800:]
        raise Skip(f"Orca {'ended' if ended else 'did not speak'}: {said or fault}")
    return log


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20).stdout


def main(program, transcript):
    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    if missing: raise Skip(f"not installed: {' '.join(missing)}")
    folder = tempfile.mkdtemp(prefix="trixola-orca-")
    try:
        env = start_speech(session.start_session(folder), folder)
        log = start_orca(env, folder)
        try:
            game = start([program], folder, "game",
                         dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        except Skip as reason:  # the game, not the machine
            raise Fault(str(reason)) from None
        # No window manager here: the game's window gets the keyboard from us.
        window = xdotool("search", "--sync", "--onlyvisible", "--pid", str(game.pid)).split()
        if not window: raise Fault("the game's window did not appear")
        xdotool("windowfocus", "--sync", window[0])
        log.wait("the window", r".*TRIXOLA.*")
        log.wait("the focus on Exit", r"Exit (push )?button\.")  # Orca 48 leaves "push" out
        heard = []  # what each key should make Orca say, and where in the log it may
        for number, match in enumerate(MATCHES):
            for key, words in match + [("Return", NEW_MATCH)]:  # "New Game" has the focus
                begin = len(log.spoken())
                xdotool("key", key)
                log.wait(f"after key {key} in match {number + 1}", words)
                heard.append((words, begin))
                if len(heard) == 1:  # the clock runs; nothing may be said
                    time.sleep(QUIET_SECONDS)
                    if log.spoken()[log.seen:]:
                        raise Fault(f"Orca spoke while nothing happened: {log.spoken()[log.seen:]}")
        spoken = log.spoken()
        clock = [line for line in spoken if "Seconds" in line]
        if clock: raise Fault(f"Orca spoke the clock: {clock}")
        for (words, begin), (_, end) in zip(heard, heard[1:] + [(None, len(spoken))]):
            said = [line for line in spoken[begin:end] if re.fullmatch(words, line)]
            if len(said) != 1: raise Fault(f"{words!r} was spoken {len(said)} times: {spoken}")
        if transcript:
            with open(transcript, "w") as out: out.write("\n".join(spoken) + "\n")
    finally:
        session.stop_everything()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
    for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(number, lambda number, _: sys.exit(128 + number))
    started = time.monotonic()
    try:
        main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None)
        print(f"PASS: Orca spoke {len(MATCHES)} matches played by keys in "
              f"{time.monotonic() - started:.1f} s")
    except Skip as reason:
        print(f"SKIP: {reason}"); sys.exit(SKIP)
    except Fault as fault:
        print(f"FAIL: {fault}"); sys.exit(1)
