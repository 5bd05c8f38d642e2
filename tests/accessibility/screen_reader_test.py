"""The game as a screen reader meets it: a private session bus, the AT-SPI bus
of a desktop session and a private X display; the real game on it, found and
played through libatspi alone. Exits 77 (skipped) when the bus, the display or
the AT-SPI client cannot be had, 1 when the game shows a fault.

usage: screen_reader_test.py PROGRAM"""
import ctypes, os, re, secrets, shutil, signal, socket, struct, subprocess, sys, tempfile, time
import warnings

SKIP, DEADLINE = 77, time.monotonic() + 75  # CTest's TIMEOUT is 90
LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]
EMPTY, YOURS, COMPUTERS, WELCOME = "empty", "yours", "computer's", "WELCOME TO TRIXOLA"


class Skip(Exception): pass
class Fault(Exception): pass


warnings.simplefilter("ignore", DeprecationWarning)  # libatspi's action names are marked so
try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, Gio, GLib
except (ImportError, ValueError) as error:
    print(f"SKIP: no AT-SPI client for Python ({error})"); sys.exit(SKIP)


def wait_for(what, probe, seconds=10):
    """Polls probe until it returns something true; a Fault after seconds."""
    end = min(time.monotonic() + seconds, DEADLINE)
    while True:
        while GLib.MainContext.default().iteration(False): pass
        result = probe()
        if result: return result
        if time.monotonic() > end: raise Fault(f"timed out waiting for {what}")
        time.sleep(0.02)


def stop_everything():
    """Ends every process below this one; the daemons that left their parents
    are below it too, as it is their subreaper."""
    for sig, grace in ((signal.SIGTERM, 3), (signal.SIGKILL, 2)):
        parents = {}
        for entry in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    parent = int(stat.read().rsplit(")", 1)[1].split()[1])
                parents.setdefault(parent, []).append(int(entry))
            except (OSError, ValueError, IndexError): pass
        todo = list(parents.get(os.getpid(), []))
        while todo:
            pid = todo.pop()
            todo += parents.get(pid, [])
            try: os.kill(pid, sig)
            except ProcessLookupError: pass
        end = time.monotonic() + grace
        while time.monotonic() < end:
            try:
                if os.waitpid(-1, os.WNOHANG) == (0, 0): time.sleep(0.02)
            except ChildProcessError: return


def start_display(env, folder):
    """A private Xvfb. Other programs here may take the same display number, so
    only clients with its cookie get in, and the display's socket must be
    answered by this very server."""
    env["XAUTHORITY"] = f"{folder}/Xauthority"
    with open(env["XAUTHORITY"], "wb") as auth:  # any host, any display: this cookie
        name, cookie = b"MIT-MAGIC-COOKIE-1", secrets.token_bytes(16)
        auth.write(struct.pack(">4H", 0xFFFF, 0, 0, len(name)) + name + b"\0\x10" + cookie)
    for _ in range(3):
        read, write = os.pipe()
        # -noreset: the display keeps the AT-SPI bus's address while no client is on it.
        try: server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-auth", env["XAUTHORITY"], "-noreset",
             "-nolisten", "tcp", "-screen", "0", "1024x768x24"], pass_fds=(write,), env=env,
            stdout=subprocess.DEVNULL, stderr=open(f"{folder}/xvfb.log", "a"))
        except OSError as error: raise Skip(f"cannot start Xvfb: {error}")
        os.close(write)
        with os.fdopen(read) as reply: number = reply.readline().strip()  # empty if Xvfb ended
        with socket.socket(socket.AF_UNIX) as probe:
            try:
                probe.connect(f"\0/tmp/.X11-unix/X{number}")
                credentials = probe.getsockopt(socket.SOL_SOCKET, socket.SO_PEERCRED, 12)
                if number and struct.unpack("3i", credentials)[0] == server.pid: return ":" + number
            except OSError: pass
        server.kill()
    raise Skip("Xvfb gave no display of its own: " + open(f"{folder}/xvfb.log").read()[-500:])


def start_session(folder):
    """The session bus, the X display and the AT-SPI bus; their variables."""
    # The game, Orca and the checks here speak English whatever the desktop's
    # language.
    env = dict(os.environ, XDG_RUNTIME_DIR=folder, LC_ALL="C.UTF-8")
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS",
                 "LANGUAGE"):
        env.pop(name, None)
    try: bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address",
                                 f"--address=unix:path={folder}/bus"], stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, env=env, text=True)
    except OSError as error: raise Skip(f"cannot start dbus-daemon: {error}")
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    if not env["DBUS_SESSION_BUS_ADDRESS"]: raise Skip("the session bus did not start")
    env["DISPLAY"] = start_display(env, folder)
    launcher = next((path for path in LAUNCHERS if os.access(path, os.X_OK)), None)
    if launcher is None: raise Skip("no at-spi-bus-launcher (at-spi2-core)")
    subprocess.Popen([launcher, "--launch-immediately"], env=env,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.environ.update(env)  # the client finds the AT-SPI bus as a screen reader does
    session = Gio.DBusConnection.new_for_address_sync(
        env["DBUS_SESSION_BUS_ADDRESS"], Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
        Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    try: wait_for("the AT-SPI bus", lambda: session.call_sync(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
        GLib.Variant("(s)", ["org.a11y.Bus"]), None, 0, 1000, None).unpack()[0])
    except Fault: raise Skip("the AT-SPI bus did not start")
    return env


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def has(node, *states):
    return all(node.get_state_set().contains(state) for state in states)


def enabled(node):
    return has(node, Atspi.StateType.ENABLED, Atspi.StateType.SENSITIVE)


def act(node, *names):
    """Does the first of the named actions that the node offers."""
    offered = [Atspi.Action.get_action_name(node, i) for i in range(node.get_n_actions())]
    chosen = next((name for name in names if name in offered), None)
    if chosen is None: raise Fault(f"{node.get_name()!r} offers {offered}, none of {names}")
    node.do_action(offered.index(chosen))


def press(node):
    act(node, "Press")
    # Qt's push buttons stay down a moment and click as they come up.
    wait_for(f"{node.get_name()!r} to come up", lambda: not has(node, Atspi.StateType.PRESSED))


def expect(what, probe, wanted):
    try: wait_for(what, lambda: probe() == wanted, 3)
    except Fault: raise Fault(f"{what}: {probe()!r}, expected {wanted!r}") from None


# The window's children in reading order, by role and name.
CONTROLS = ([(Atspi.Role.LABEL, WELCOME)] +
            [(Atspi.Role.PUSH_BUTTON, f"Cell {n}: empty") for n in range(1, 10)] +
            [(Atspi.Role.LABEL, name) for name in ("Computer: 0", "You: 0", "Draw: 0")] +
            [(Atspi.Role.LABEL, r"Time: \d+ Seconds")] +
            [(Atspi.Role.RADIO_BUTTON, "Easy"), (Atspi.Role.RADIO_BUTTON, "Hard")] +
            [(Atspi.Role.PUSH_BUTTON, n) for n in ("Sound (on|off)", "New Game", "Exit")] +
            [(Atspi.Role.LINK, "Contact the author"), (Atspi.Role.STATUS_BAR, "")])
NEW_MATCH = "New match. The board is empty."


class Window:
    def __init__(self, frame):
        found = []

        def complete():
            found[:] = children(frame)
            return len(found) == len(CONTROLS) and None not in found
        try: wait_for("the window's controls", complete, 5)
        except Fault: raise Fault(f"the window has {len(found)} children, {found.count(None)} of "
                                  f"them null; expected {len(CONTROLS)} controls") from None
        shown = [(node.get_role(), node.get_name()) for node in found]
        if not all(role == want_role and re.fullmatch(want_name, name)
                   for (role, name), (want_role, want_name) in zip(shown, CONTROLS)):
            raise Fault(f"the window shows {[(r.value_nick, n) for r, n in shown]}, expected "
                        f"{[(r.value_nick, n) for r, n in CONTROLS]}")
        self.banner, self.cells, self.scores = found[0], found[1:10], found[10:13]
        _, self.easy, self.hard, self.sound, self.new_game, self.exit, _, status = found[13:]
        told = children(status)
        held = [(node.get_role().value_nick, node.get_name()) for node in told]
        if held != [("notification", "")]: raise Fault(f"the status bar holds {held}")
        self.told = told[0]  # what has just happened, as a screen reader is told it
        RENAMED.clear()

    def renames(self):
        """How often the banner, the score and the sound switch were renamed."""
        return [RENAMED.get(control, 0) for control in [self.banner, *self.scores, self.sound]]

    def board(self):
        return [cell.get_name().removeprefix(f"Cell {n}: ") for n, cell in enumerate(self.cells, 1)]

    def playable(self):
        return [enabled(cell) for cell in self.cells]


# How often each control has told of a new name. The listener is there before
# the game starts, so that the game knows of it from the start.
RENAMED = {}


def count_rename(event):
    RENAMED[event.source] = RENAMED.get(event.source, 0) + 1


# level, the cells played, the computer's answers (None: wherever it plays),
# the banner at the end (None: the match goes on), the score then
MATCHES = [
    ("Easy", [5, 6, 9], [4, 1, 7], "COMPUTER WON THE GAME", ["Computer: 1", "You: 0", "Draw: 0"]),
    ("Easy", [1, 3, 2], [5, 7, 8], "YOU WON THE GAME", ["Computer: 1", "You: 1", "Draw: 0"]),
    ("Easy", [1, 2, 7, 6, 8], None, "THE MATCH IS DRAW", ["Computer: 1", "You: 1", "Draw: 1"]),
    ("Hard", [2], [5], None, ["Computer: 1", "You: 1", "Draw: 1"]),
]


def new_mark(window, board):
    """The cell (as a list) where the computer has played since board."""
    return next(([n] for n, (now, was) in enumerate(zip(window.board(), board))
                 if now == COMPUTERS and was == EMPTY), None)


def play(window, level, moves, answers, banner, score):
    option = window.easy if level == "Easy" else window.hard
    if not has(option, Atspi.StateType.CHECKED):
        act(option, "Toggle", "Press")
        expect(f"{level} chosen", lambda: has(option, Atspi.StateType.CHECKED), True)
    press(window.new_game)
    expect("what is told after New Game", window.told.get_name, NEW_MATCH)
    expect("the board after New Game", window.board, [EMPTY] * 9)
    expect("the banner after New Game", window.banner.get_name, WELCOME)
    board = [EMPTY] * 9
    for turn, cell in enumerate(moves):
        press(window.cells[cell - 1])
        before = list(board)
        board[cell - 1], step = YOURS, f"{level}, cells {moves[:turn + 1]}"
        over = banner is not None and turn == len(moves) - 1
        if answers:
            board[answers[turn] - 1] = COMPUTERS
        elif not over:
            answer = wait_for(f"{step}: the computer's answer", lambda: new_mark(window, board))
            board[answer[0]] = COMPUTERS
        expect(f"{step}: the board", window.board, board)
        reply = [n for n, (now, was) in enumerate(zip(board, before), 1)
                 if was == EMPTY and now == COMPUTERS]
        told = f"Cell {cell}: yours." + "".join(f" Computer: cell {n}." for n in reply)
        if over:
            computer, you, draws = (name.split(": ")[1] for name in score)
            told += f" {banner}. You {you}, computer {computer}, draws {draws}."
        expect(f"{step}: what is told", window.told.get_name, told)
        expect(f"{step}: the playable cells", window.playable,
               [mark == EMPTY and not over for mark in board])
        if turn == 0:  # a played cell does nothing: what the game shows next tells
            press(window.cells[cell - 1])
    expect(f"{step}: the board at the end", window.board, board)
    expect(f"{step}: the banner", window.banner.get_name, banner or WELCOME)
    expect(f"{step}: the score", lambda: [s.get_name() for s in window.scores], score)


def main(program):
    folder = tempfile.mkdtemp(prefix="trixola-atspi-")
    log = open(os.path.join(folder, "game.log"), "w+")
    try:
        env = start_session(folder)
        listener = Atspi.EventListener.new(count_rename)
        listener.register("object:property-change:accessible-name")
        game = subprocess.Popen([program], stdout=log, stderr=log, env=dict(
            env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        desktop = Atspi.get_desktop(0)
        app = wait_for("the game on the AT-SPI bus", lambda: next((
            a for a in children(desktop) if a and a.get_process_id() == game.pid), None), 20)
        app.set_cache_mask(Atspi.Cache.NONE)  # every name and state read comes from the game
        frame = wait_for("the game's window", lambda: next((
            w for w in children(app) if w and w.get_role() in (Atspi.Role.FRAME, Atspi.Role.WINDOW)
            and w.get_name() == "Zembrik  TRIXOLA"), None))
        window = Window(frame)
        for n, cell in enumerate(window.cells, 1):
            if not enabled(cell) or f"key {n}" not in cell.get_description():
                raise Fault(f"cell {n}: enabled {enabled(cell)}, {cell.get_description()!r}")
        sound = window.sound.get_name()
        for name in ({"Sound on": "Sound off", "Sound off": "Sound on"}[sound], sound):
            press(window.sound)
            expect("the sound switch", window.sound.get_name, name)
        for match in MATCHES:
            play(window, *match)
        # Each change of the banner (a result, the welcome), of a count and
        # of the switch once, and nothing while they stay as they are.
        expect("the renames", window.renames, [6, 1, 1, 1, 2])
        press(window.new_game)
        expect("the board after the last New Game", window.board, [EMPTY] * 9)
        act(window.exit, "Press")
        wait_for("the game to end by Exit", lambda: game.poll() is not None)
        if game.returncode != 0: raise Fault(f"the game ended with status {game.returncode}")
    except (Fault, GLib.Error) as fault:
        log.seek(0)
        print("The game's output:\n" + log.read()[-3000:])
        raise Fault(str(fault)) from None
    finally:
        stop_everything()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
    for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(number, lambda number, _: sys.exit(128 + number))
    started = time.monotonic()
    try:
        main(sys.argv[1])
        print(f"PASS: {len(MATCHES)} matches played through AT-SPI in "
              f"{time.monotonic() - started:.1f} s")
    except Skip as reason:
        print(f"SKIP: {reason}"); sys.exit(SKIP)
    except Fault as fault:
        print(f"FAIL: {fault}"); sys.exit(1)
