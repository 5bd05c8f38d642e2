# The real game as a native Wayland client of a headless sway, with no X
# display: its window as sway sees it, matches played by the pointer and by
# the keypad with Num Lock on and off, the board read back from screenshots,
# the title under the pointer, and decorations changed while it runs.
# Pointer by sway's seat cursor commands, keys by wtype, screenshots by grim.
# Skipped where sway, its tools or Qt's Wayland plugin are missing. (A screen
# scaled by 2 is window_test_scaled's.)
import glob, json, os, re, signal, pytest
from trixola_harness import Fault, Game, Processes, Skip, Sway, run, wait_for
from virtual_pointer import VirtualPointer

APP_ID, TITLE, CREDIT_TITLE = "org.trixola.Trixola", "Zembrik  TRIXOLA", " TRIXOLA By Orvandel"
PINK, BLUE, WHITE = b"\xff\x00\x80", b"\x00\x80\xff", b"\xff\xff\xff"
# The desktop behind the window: a green that no colour of the game makes,
# alone or blended with its black, so that it shows where the game painted
# nothing.
DESKTOP = b"\x28\xc8\x64"
# From ui/layout.h, in window pixels: the cells' click rectangles, the grid's
# top left corner and lengths, the level options, the credit, New Game, and
# two bare spots of the window.
CELL = lambda cell: (64 + 48 * ((cell - 1) % 3), 32 + 64 * ((cell - 1) // 3), 49, 65)
GRID, GRID_WIDTH, GRID_HEIGHT = (64, 32), 145, 193
EASY, HARD, CREDIT, NEW_GAME = (80, 256, 49, 17), (128, 256, 49, 17), (8, 248, 32, 32), (312, 248, 81, 33)
BARE, BARE_TOO = (490, 0, 20, 20), (470, 0, 20, 20)


class Shot:  # a grim screenshot
    def __init__(self, data):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        self.width, self.height = map(int, header.groups())
        self.data, self.start = data, header.end()

    def row(self, y, x=0, width=None):
        at = self.start + 3 * (y * self.width + x)
        return self.data[at:at + 3 * (self.width - x if width is None else width)]

    # The window's top left in device pixels, found by the board's grid: a
    # corner with a white line across and one down, whole pixels.
    def origin(self):
        across, down = WHITE * GRID_WIDTH, GRID_HEIGHT
        for y in range(self.height - down):
            for x in (m.start() for m in re.finditer(re.escape(across), self.row(y))):
                if x % 3 == 0 and all(self.row(y + d, x // 3, 1) == WHITE for d in range(down)):
                    return x // 3 - GRID[0], y - GRID[1]

    # x the player's, o the computer's, . empty, for cells 1 to 9; or, in
    # brackets, why there is none: not on screen, or the desktop showing
    # through a cell or (with `options`) a level option.
    def board(self, options):
        if not (found := self.origin()): return "(no board on screen)"
        board = ""
        for name, (x, y, w, h), inset in [(f"cell {c}", CELL(c), 3) for c in range(1, 10)] + options * [
                ("Easy", EASY, 0), ("Hard", HARD, 0)]:
            pixels = [pixel for dy in range(h - 2 * inset) for row in [self.row(
                found[1] + y + inset + dy, found[0] + x + inset, w - 2 * inset)]
                for pixel in re.findall(b"...", row, re.S)]
            if DESKTOP in pixels: return f"(the desktop through {name})"
            board += next((mark for mark, colour in (("x", PINK), ("o", BLUE))
                           if pixels.count(colour) > len(pixels) // 20), ".")
        return board[:9]


class Screen:  # sway, and the game on it
    def __init__(self, sway, game): self.sway, self.game = sway, game

    def window(self):  # the game's node in sway's tree
        nodes = [self.sway.tree()]
        for node in nodes: nodes += node.get("nodes", []) + node.get("floating_nodes", [])
        return next((node for node in nodes if node.get("app_id") == APP_ID), None)

    def origin(self):  # where the window's inside is, in sway's coordinates, with sway's borders
        node = self.window()
        return node["rect"]["x"] + node["window_rect"]["x"], node["rect"]["y"] + node["window_rect"]["y"]

    def shot(self): return Shot(self.sway.screenshot())

    # The board once the screenshots show it as `expected`: a whole board, or
    # "5" for cell 5 the player's.
    def board(self, expected, options=True):
        seen = []
        def shows():
            seen.append(board := self.shot().board(options))
            return "(" not in board and (board == expected or
                                         len(expected) == 1 and board[int(expected) - 1] == "x")
        try: wait_for(f"the board {expected}", shows)
        except Fault as fault: raise Fault(f"{fault}; it shows {seen[-1]}") from None

    def point(self, rect, *clicks):
        x, y = self.origin()
        x, y = x + rect[0] + rect[2] // 2, y + rect[1] + rect[3] // 2
        self.sway.msg("seat", "-", "cursor", "set", str(x), str(y))
        for action in clicks and ("press", "release"): self.sway.msg("seat", "-", "cursor", action, "button1")

    def key(self, name): run(self.sway.env, "wtype", "-k", name)


@pytest.fixture(scope="module")
def screen(folder, program):
    qt = re.search(r"=> (\S+)/libQt6Core\.so", run(None, "ldd", program))
    if qt and not glob.glob(f"{qt[1]}/qt6/plugins/platforms/libqwayland-*.so"):
        raise Skip("Qt's Wayland plugin (qt6-wayland) is not installed")
    config = f"output HEADLESS-1 resolution 1280x800 position 0 0 bg #{DESKTOP.hex()} solid_color"
    with Sway(folder.env, config) as sway, Processes(folder.path) as processes:
        try: pointer = VirtualPointer(sway.env["WAYLAND_DISPLAY"])
        except OSError as error: raise Skip(str(error))
        # The seat keeps a pointer and a keyboard, so that the game keeps both;
        # each wtype below brings a keyboard of its own besides.
        processes.start(["wtype", "-s", "600000"], "wtype", sway.env)
        wait_for("the seat's pointer and keyboard",
                 lambda: json.loads(sway.msg("-t", "get_seats"))[0]["capabilities"] == 3)
        wait_for("the desktop's colour", lambda: Shot(sway.screenshot()).row(0, 0, 1) == DESKTOP)
        screen = Screen(sway, Game(processes, program, sway.env, "wayland"))
        def shown():
            if screen.game.poll() is not None: raise Fault(f"the game ended with status {screen.game.returncode}")
            return screen.window()
        node = wait_for("the game's window", shown)
        shown = node["window_rect"]["width"], node["window_rect"]["height"], node["type"]
        assert shown == (520, 294, "floating_con"), node
        # Offscreen, the pointer's first enter sets the title; here nothing enters first.
        wait_for(f"the title {TITLE!r}", lambda: screen.window()["name"] == TITLE)
        with pointer.socket: yield screen


# What is clicked first, then the moves: the cell and how (a key, or None for
# the pointer), and the board at the end
MATCHES = [([], [(5, None), (6, None), (9, None)], "o..oxxo.x"),
           ([NEW_GAME], [(1, "KP_7"), (2, "KP_8"), (7, "KP_1"), (6, "KP_6"), (8, "KP_2")], "xxoooxxxo"),
           # the focus on Hard, whose arrows the keypad's (Num Lock off) must not move
           ([NEW_GAME, HARD], [(2, "KP_Up"), (1, "KP_Home"), (4, "KP_Left")], "xxoxo.o..")]


@pytest.mark.parametrize("clicks, moves, final", MATCHES)
def test_match(screen, clicks, moves, final):
    for number, rect in enumerate(clicks):
        screen.point(rect, "click")
        if number == 0: screen.board(".........")
    for number, (cell, key) in enumerate(moves):
        screen.key(key) if key else screen.point(CELL(cell), "click")
        screen.board(final if number == len(moves) - 1 else str(cell))


# The pointer from one spot onto another, by way of the desktop or not, with
# the game held up meanwhile or not (as under load: Qt then finds the leave
# and the enter queued together, and tells no widget of the enter); the
# title then
TITLES = [(HARD, True, False, CREDIT, CREDIT_TITLE), (CREDIT, False, False, BARE, TITLE),
          (HARD, True, True, CREDIT, CREDIT_TITLE), (BARE_TOO, True, True, CREDIT, CREDIT_TITLE)]


@pytest.mark.parametrize("start, outside, busy, end, title", TITLES)
def test_title(screen, start, outside, busy, end, title):
    screen.point(start)
    if busy: os.kill(screen.game.pid, signal.SIGSTOP)
    try:
        if outside: screen.sway.msg("seat", "-", "cursor", "set", "2", "2")
        screen.point(end)
        screen.window()  # one more round trip: sway has sent the game all of it
    finally: os.kill(screen.game.pid, signal.SIGCONT)
    wait_for(f"the title {title!r}", lambda: screen.window()["name"] == title)


# With "csd" Qt draws the decorations itself, above the window's inside,
# which then stands lower than sway says. Sway 1.10 keeps the window's first
# size and so cuts off its bottom, the level options with it, until sway
# decorates it again. A move under each border has Qt paint into a buffer of
# the new size, rather than show one it had kept.
@pytest.mark.parametrize("border, key, cell, where_sway_says", [("csd", "KP_5", 5, False),
                                                                ("normal", "KP_Home", 1, True)])
def test_border(screen, border, key, cell, where_sway_says):
    if border == "csd": screen.point(NEW_GAME, "click"), screen.board(".........")
    screen.sway.msg(f"[app_id={APP_ID}]", "border", border)
    wait_for(f"border {border}", lambda: screen.window()["border"] == border and
             (screen.shot().origin() == screen.origin()) == where_sway_says)
    screen.key(key)
    screen.board(str(cell), options=where_sway_says)

