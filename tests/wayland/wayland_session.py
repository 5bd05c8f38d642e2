"""The real game as a native Wayland client of a headless sway, with no X
display: its window as sway sees it, matches played by the pointer and by the
keypad with Num Lock on and off, the board read back from screenshots, the
title under the pointer, decorations changed while it runs, and scale 2.
Pointer by sway's seat cursor commands, keys by wtype, screenshots by grim.
Exits 77 (skipped) when sway, its tools or Qt's Wayland plugin are missing or
sway cannot start, 1 when the game shows a fault.

usage: wayland_session.py PROGRAM"""
import ctypes, glob, json, os, re, shutil, subprocess, sys, tempfile, time

sys.dont_write_bytecode = True  # nothing written beside the sources
from virtual_pointer import VirtualPointer  # noqa: E402

SKIP, DEADLINE = 77, time.monotonic() + 55  # CTest's TIMEOUT is 90
APP_ID, TITLE, CREDIT_TITLE = "org.trixola.Trixola", "Zembrik  TRIXOLA", " TRIXOLA By Orvandel"
PINK, BLUE, WHITE = b"\xff\x00\x80", b"\x00\x80\xff", b"\xff\xff\xff"
# The desktop behind the window: a green that no colour of the game makes,
# alone or blended with its black, so that it shows where the game painted
# nothing.
DESKTOP = b"\x28\xc8\x64"
# From ui/layout.h, in window pixels: the cells' click rectangles, the grid's
# top left corner and lengths, the level options, the credit, New Game.
CELL = lambda cell: (64 + 48 * ((cell - 1) % 3), 32 + 64 * ((cell - 1) // 3), 49, 65)
GRID, GRID_WIDTH, GRID_HEIGHT = (64, 32), 145, 193
EASY, HARD, CREDIT, NEW_GAME = (80, 256, 49, 17), (128, 256, 49, 17), (8, 248, 32, 32), (312, 248, 81, 33)


class Skip(Exception): pass
class Fault(Exception): pass


def wait_for(what, probe, seconds=10):
    end = min(time.monotonic() + seconds, DEADLINE)
    while True:
        result = probe()
        if result: return result
        if time.monotonic() > end: raise Fault(f"timed out waiting for {what}")
        time.sleep(0.05)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def window():
    """The game's node in sway's tree, if it has one."""
    def nodes(node):
        yield node
        for child in node.get("nodes", []) + node.get("floating_nodes", []): yield from nodes(child)
    return next((n for n in nodes(json.loads(run("swaymsg", "-t", "get_tree")))
                 if n.get("app_id") == APP_ID), None)


def size(node): return node["window_rect"]["width"], node["window_rect"]["height"]


def origin(node):
    """Where the window's inside is, in sway's coordinates, with sway's borders."""
    return node["rect"]["x"] + node["window_rect"]["x"], node["rect"]["y"] + node["window_rect"]["y"]


class Shot:
    """A grim screenshot; pixels in device pixels, `scale` to a logical one."""

    def __init__(self, scale):
        data = subprocess.run(["grim", "-t", "ppm", "-"], check=True, capture_output=True).stdout
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        self.width, self.height, self.scale = int(header[1]), int(header[2]), scale
        self.pixels, self.start = data, header.end()

    def row(self, y, x=0, width=None):
        at = self.start + 3 * (y * self.width + x)
        return self.pixels[at:at + 3 * (self.width - x if width is None else width)]

    def at(self, x, y): return self.row(y, x, 1)

    def board_origin(self):
        """The window's top left in device pixels, found by the board's grid:
        a corner with a white line across and one down, whole device pixels."""
        across, down = WHITE * (GRID_WIDTH * self.scale), GRID_HEIGHT * self.scale
        for y in range(self.height - down):
            x = self.row(y).find(across)
            while x >= 0:
                if x % 3 == 0 and self.at(x // 3, y + down - 1) == WHITE and all(
                        self.at(x // 3, y + d) == WHITE for d in range(down)):
                    return x // 3 - GRID[0] * self.scale, y - GRID[1] * self.scale
                x = self.row(y).find(across, x + 1)
        return None

    def colours(self, left, top, rect, inset=0):
        s, (x, y, w, h) = self.scale, rect
        return [self.row(top + (y + inset) * s + dy, left + (x + inset) * s, (w - 2 * inset) * s)
                for dy in range((h - 2 * inset) * s)]

    def board(self, options):
        """x the player's, o the computer's, . empty, for cells 1 to 9; or, in
        brackets, why there is no board to read: not on screen, or the
        desktop's colour showing through a cell or (with `options`) a level
        option."""
        found = self.board_origin()
        if not found: return "(no board on screen)"
        counts = []
        parts = [(f"cell {cell}", CELL(cell), 3) for cell in range(1, 10)]
        for name, rect, inset in parts + ([("Easy", EASY, 0), ("Hard", HARD, 0)] if options else []):
            rows = self.colours(*found, rect, inset)
            pixels = [row[i:i + 3] for row in rows for i in range(0, len(row), 3)]
            if DESKTOP in pixels: return f"(the desktop through {name})"
            counts.append((pixels.count(PINK), pixels.count(BLUE), len(pixels)))
        return "".join("x" if pink > total // 20 else "o" if blue > total // 20 else "."
                       for pink, blue, total in counts[:9])


class Session:
    def __init__(self, program, tmp):
        self.program, self.tmp, self.scale, self.processes = program, tmp, 1, []

    def start(self, command, **options):
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    def sway(self):
        runtime = os.path.join(self.tmp, "sway")
        os.mkdir(runtime, 0o700)
        config = os.path.join(runtime, "config")
        with open(config, "w") as file:
            file.write("output HEADLESS-1 resolution 1280x800 position 0 0 bg #%02x%02x%02x "
                       "solid_color\nxwayland disable\n" % tuple(DESKTOP))
        command = ["sway", "-c", config]
        if os.geteuid() == 0:  # sway refuses to run as root
            if not shutil.which("setpriv"): raise Skip("running as root, and no setpriv to leave it")
            os.chmod(self.tmp, 0o711)
            for path in (runtime, config): os.chown(path, 65534, 65534)
            command = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"] + command
        environment = dict(os.environ, XDG_RUNTIME_DIR=runtime, WLR_BACKENDS="headless",
                           WLR_RENDERER="pixman", WLR_LIBINPUT_NO_DEVICES="1")
        for name in ("DISPLAY", "WAYLAND_DISPLAY"): environment.pop(name, None)
        log = open(os.path.join(self.tmp, "sway.log"), "w")
        sway = self.start(command, env=environment, stdout=log, stderr=log)
        try:
            socket = wait_for("sway's sockets", lambda: sway.poll() is not None or (
                glob.glob(f"{runtime}/wayland-[0-9]") and glob.glob(f"{runtime}/sway-ipc.*.sock")))
        except Fault: socket = None
        if sway.poll() is not None or not socket:
            raise Skip("sway did not start: " + open(log.name).read()[-600:])
        os.environ.update(WAYLAND_DISPLAY=glob.glob(f"{runtime}/wayland-[0-9]")[0],
                          SWAYSOCK=glob.glob(f"{runtime}/sway-ipc.*.sock")[0])
        # The seat gets a pointer and a keyboard that stay, so that the game
        # keeps both; each wtype below brings a keyboard of its own besides.
        self.pointer = VirtualPointer(os.environ["WAYLAND_DISPLAY"])
        self.start(["wtype", "-s", "600000"])
        wait_for("the seat's pointer and keyboard", lambda: json.loads(
            run("swaymsg", "-t", "get_seats"))[0]["capabilities"] == 3)
        wait_for("the desktop's colour", lambda: Shot(1).at(0, 0) == DESKTOP)

    def game(self):
        game_runtime = tempfile.mkdtemp(dir=self.tmp)
        environment = dict(os.environ, QT_QPA_PLATFORM="wayland", XDG_RUNTIME_DIR=game_runtime,
                           PULSE_SERVER="unix:" + os.path.join(self.tmp, "no-sound"),
                           DBUS_SESSION_BUS_ADDRESS="unix:path=" + os.path.join(self.tmp, "no-bus"))
        self.log = os.path.join(game_runtime, "game.log")
        self.running = self.start([self.program], env=environment,
                                  stdout=open(self.log, "w"), stderr=subprocess.STDOUT)
        def shown():
            if self.running.poll() is not None:
                raise Fault(f"the game ended with status {self.running.returncode}")
            return window()
        return wait_for("the game's window", shown)

    def board(self, expected=None, options=True):
        """The board as a screenshot shows it, once it is as `expected`
        ("5" for cell 5 taken by the player, or a whole board)."""
        seen = []
        def matches():
            seen.append(Shot(self.scale).board(options))
            board = seen[-1]
            if "(" not in board and (expected is None or board == expected or
                          len(expected) < 9 and board[int(expected) - 1] == "x"): return board
        try: return wait_for(f"the board to show {expected}", matches)
        except Fault as fault: raise Fault(f"{fault}; it shows {seen[-1]}") from None

    def click(self, rect):
        x, y = origin(window())
        run("swaymsg", "seat", "-", "cursor", "set", str(x + rect[0] + rect[2] // 2),
            str(y + rect[1] + rect[3] // 2))
        run("swaymsg", "seat", "-", "cursor", "press", "button1")
        run("swaymsg", "seat", "-", "cursor", "release", "button1")

    def match(self, moves, final):
        """Plays (cell, how) moves, then waits for the final board."""
        for number, (cell, how) in enumerate(moves):
            if how == "pointer": self.click(CELL(cell))
            else: run("wtype", "-k", how)
            board = self.board(final if number == len(moves) - 1 else str(cell))
        print(f"ok: {' '.join(str(how) for cell, how in moves)} played {board}")

    def title(self, expected):
        wait_for(f"the title {expected!r}", lambda: window()["name"] == expected)
        print(f"ok: the title {expected!r}")


def check(session):
    node = session.game()
    if size(node) != (520, 294): raise Fault(f"the window is {node['window_rect']}, not 520x294")
    if node["type"] != "floating_con": raise Fault(f"the window is a {node['type']}, not floating")
    session.title(TITLE)
    if session.board() != ".........": raise Fault("the board is not empty at the start")
    wait_for("the board where ui/layout.h puts it in the window",
             lambda: Shot(1).board_origin() == origin(window()))
    session.match([(5, "pointer"), (6, "pointer"), (9, "pointer")], "o..oxxo.x")
    session.click(NEW_GAME)
    session.board(".........")
    session.match([(1, "KP_7"), (2, "KP_8"), (7, "KP_1"), (6, "KP_6"), (8, "KP_2")], "xxoooxxxo")
    session.click(NEW_GAME)
    session.board(".........")
    session.click(HARD)  # the focus on Hard, whose arrows the keypad's must not move
    session.match([(2, "KP_Up"), (1, "KP_Home"), (4, "KP_Left")], "xxoxo.o..")

    # The pointer from outside the window straight onto the credit, then onto
    # the bare window.
    run("swaymsg", "seat", "-", "cursor", "set", "2", "2")
    x, y = origin(window())
    run("swaymsg", "seat", "-", "cursor", "set", str(x + 24), str(y + 264))
    session.title(CREDIT_TITLE)
    run("swaymsg", "seat", "-", "cursor", "set", str(x + 500), str(y + 10))
    session.title(TITLE)

    # With "csd" Qt draws the decorations itself, above the window's inside,
    # which then stands lower than sway says. Sway 1.10 keeps the window's
    # first size and so cuts off its bottom, the level options with it, until
    # sway decorates it again. A move under each border has Qt paint into a
    # buffer of the new size, rather than show one it had kept.
    session.click(NEW_GAME)
    session.board(".........")
    for border, (cell, key) in (("csd", (5, "KP_5")), ("normal", (1, "KP_Home"))):
        run("swaymsg", f"[app_id={APP_ID}]", "border", border)
        wait_for(f"border {border}", lambda: window()["border"] == border and
                 (Shot(1).board_origin() == origin(window())) == (border == "normal"))
        run("wtype", "-k", key)
        board = session.board(str(cell), options=border == "normal")
        print(f"ok: {key} played {board} under border {border}, the board painted")

    session.running.terminate()
    session.running.wait(10)
    run("swaymsg", "output", "*", "scale", "2")
    session.scale = 2
    node = session.game()
    if size(node) != (520, 294):
        raise Fault(f"at scale 2 the window is {node['window_rect']}, not 520x294")
    session.board(".........")
    session.match([(5, "KP_5")], "5")


def main():
    if len(sys.argv) != 2: sys.exit(__doc__)
    tmp = tempfile.mkdtemp(prefix="trixola-wayland-")
    session = Session(os.path.abspath(sys.argv[1]), tmp)
    try:
        missing = [tool for tool in ("sway", "swaymsg", "swaybg", "wtype", "grim") if not shutil.which(tool)]
        if missing: raise Skip("not installed: " + ", ".join(missing))
        qt = re.search(r"=> (\S+)/libQt6Core\.so", run("ldd", session.program))
        if qt and not glob.glob(f"{qt[1]}/qt6/plugins/platforms/libqwayland-*.so"):
            raise Skip("Qt's Wayland plugin (qt6-wayland) is not installed")
        os.environ.pop("DISPLAY", None)
        session.sway()
        check(session)
        print("PASS: the game on Wayland")
        return 0
    except Skip as reason:
        print(f"SKIP: {reason}")
        return SKIP
    except (Fault, subprocess.CalledProcessError, OSError) as fault:
        print(f"FAIL: {fault}")
        if getattr(session, "log", None): print(open(session.log).read()[-2000:])
        return 1
    finally:
        for process in reversed(session.processes):
            process.terminate()
            try: process.wait(5)
            except subprocess.TimeoutExpired: process.kill(); process.wait()
        # sway's own children (swaybg) were handed to this process: wait for
        # them to end with sway.
        end = time.monotonic() + 5
        while time.monotonic() < end:
            try:
                if os.waitpid(-1, os.WNOHANG) == (0, 0): time.sleep(0.05)
            except ChildProcessError: break
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    ctypes.CDLL(None).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER: sway's children stay ours
    sys.exit(main())
