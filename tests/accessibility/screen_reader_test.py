# The game as a screen reader meets it: on the private session bus, AT-SPI bus
# and X display of the harness, the real game found and played through
# libatspi alone (python3-gi, gir1.2-atspi-2.0). Skipped where those cannot
# be had.
import os, re, pytest
from trixola_harness import Fault, Game, Processes, Skip, wait_for

pytestmark = pytest.mark.filterwarnings("ignore::DeprecationWarning")  # libatspi's action names are marked so
try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as error: raise Skip(f"no AT-SPI client for Python ({error})")

EMPTY, YOURS, COMPUTERS, WELCOME = "empty", "yours", "computer's", "WELCOME TO TRIXOLA"
# The window's children in reading order, by role and name
CONTROLS = ([(Atspi.Role.LABEL, WELCOME)] +
            [(Atspi.Role.PUSH_BUTTON, f"Cell {n}: empty") for n in range(1, 10)] +
            [(Atspi.Role.LABEL, n) for n in ("Computer: 0", "You: 0", "Draw: 0", r"Time: \d+ Seconds")] +
            [(Atspi.Role.RADIO_BUTTON, "Easy"), (Atspi.Role.RADIO_BUTTON, "Hard")] +
            [(Atspi.Role.PUSH_BUTTON, n) for n in ("Sound (on|off)", "New Game", "Exit")] +
            [(Atspi.Role.LINK, "Contact the author"), (Atspi.Role.STATUS_BAR, "")])
# level, the cells played, the computer's answers, the banner at the end
# (None: the match goes on), the score then. What a screen reader is told
# after each is the Orca test's, which hears it.
MATCHES = [("Easy", [5, 6, 9], [4, 1, 7], "COMPUTER WON THE GAME", ["Computer: 1", "You: 0", "Draw: 0"]),
           ("Easy", [1, 3, 2], [5, 7, 8], "YOU WON THE GAME", ["Computer: 1", "You: 1", "Draw: 0"]),
           ("Easy", [1, 2, 7, 6, 8], [5, 3, 4, 9], "THE MATCH IS DRAW", ["Computer: 1", "You: 1", "Draw: 1"]),
           ("Hard", [2], [5], None, ["Computer: 1", "You: 1", "Draw: 1"])]
RENAMED = {}  # how often each control has told of a new name


def wait(what, probe, seconds=10):  # with the client's events taken in meanwhile
    def pumped():
        while GLib.MainContext.default().iteration(False): pass
        return probe()
    return wait_for(what, pumped, seconds)


def expect(what, probe, wanted):
    try: wait(what, lambda: probe() == wanted, 3)
    except Fault: raise Fault(f"{what}: {probe()!r}, expected {wanted!r}") from None


def children(node): return [node.get_child_at_index(i) for i in range(node.get_child_count())]
def has(node, state): return node.get_state_set().contains(state)
def enabled(node): return has(node, Atspi.StateType.ENABLED) and has(node, Atspi.StateType.SENSITIVE)


def act(node, *names):  # the first of the named actions that the node offers
    offered = [Atspi.Action.get_action_name(node, i) for i in range(node.get_n_actions())]
    if not (chosen := [name for name in names if name in offered]):
        raise Fault(f"{node.get_name()!r} offers {offered}, none of {names}")
    node.do_action(offered.index(chosen[0]))


def press(node):  # Qt's push buttons stay down a moment and click as they come up
    act(node, "Press")
    wait(f"{node.get_name()!r} to come up", lambda: not has(node, Atspi.StateType.PRESSED))


class Window:  # the controls of the game's window, from the AT-SPI bus
    def __init__(self, process, found):
        self.process, self.found = process, found
        self.banner, self.cells, self.scores = found[0], found[1:10], found[10:13]
        _, self.easy, self.hard, self.sound, self.new_game, self.exit, _, self.status = found[13:]

    def board(self):
        return [cell.get_name().removeprefix(f"Cell {n}: ") for n, cell in enumerate(self.cells, 1)]
    def playable(self): return [enabled(cell) for cell in self.cells]


@pytest.fixture(scope="module")
def window(folder, program, accessibility_bus):
    os.environ.update(folder.env)  # the client finds the AT-SPI bus as a screen reader does
    # The listener is there before the game starts, so that the game knows of it from the start.
    listener = Atspi.EventListener.new(
        lambda event: RENAMED.update({event.source: RENAMED.get(event.source, 0) + 1}))
    listener.register("object:property-change:accessible-name")
    with Processes(folder.path) as processes:
        game = Game(processes, program, folder.env, "xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        app = wait("the game on the AT-SPI bus", lambda: next((
            a for a in children(Atspi.get_desktop(0)) if a and a.get_process_id() == game.pid), None), 20)
        app.set_cache_mask(Atspi.Cache.NONE)  # every name and state read comes from the game
        frame = wait("the game's window", lambda: next((
            w for w in children(app) if w and w.get_name() == "Zembrik  TRIXOLA"
            and w.get_role() in (Atspi.Role.FRAME, Atspi.Role.WINDOW)), None))
        found = []
        try: wait("the window's controls", lambda: found.clear() or found.extend(children(frame)) or (
            len(found) == len(CONTROLS) and None not in found), 5)
        except Fault: raise Fault(f"the window has {len(found)} children, {found.count(None)} of them null; "
                                  f"expected {len(CONTROLS)} controls") from None
        RENAMED.clear()
        yield Window(game, found)


def test_controls(window):
    shown = [(node.get_role(), node.get_name()) for node in window.found]
    assert all(role == r and re.fullmatch(n, name) for (role, name), (r, n) in zip(shown, CONTROLS)), shown
    # where a screen reader finds what has just happened (what it says is the Orca test's)
    held = [(node.get_role().value_nick, node.get_name()) for node in children(window.status)]
    assert held == [("notification", "")]
    cells = [(enabled(cell), f"key {n}" in cell.get_description()) for n, cell in enumerate(window.cells, 1)]
    assert cells == [(True, True)] * 9


def test_sound_switch(window):
    sound = window.sound.get_name()
    for name in ({"Sound on": "Sound off", "Sound off": "Sound on"}[sound], sound):
        press(window.sound)
        expect("the sound switch", window.sound.get_name, name)


@pytest.mark.parametrize("level, moves, answers, banner, score", MATCHES)
def test_match(window, level, moves, answers, banner, score):
    option = window.easy if level == "Easy" else window.hard
    if not has(option, Atspi.StateType.CHECKED):
        act(option, "Toggle", "Press")
        expect(f"{level} chosen", lambda: has(option, Atspi.StateType.CHECKED), True)
    press(window.new_game)
    expect("the board after New Game", window.board, [EMPTY] * 9)
    expect("the banner after New Game", window.banner.get_name, WELCOME)
    board = [EMPTY] * 9
    for turn, cell in enumerate(moves):
        press(window.cells[cell - 1])
        board[cell - 1], step = YOURS, f"{level}, cells {moves[:turn + 1]}"
        over = banner is not None and turn == len(moves) - 1
        if turn < len(answers): board[answers[turn] - 1] = COMPUTERS
        expect(f"{step}: the board", window.board, board)
        expect(f"{step}: the playable cells", window.playable, [mark == EMPTY and not over for mark in board])
        if turn == 0:  # a played cell does nothing: what the game shows next tells
            press(window.cells[cell - 1])
    expect(f"{step}: the board at the end", window.board, board)
    expect(f"{step}: the banner", window.banner.get_name, banner or WELCOME)
    expect(f"{step}: the score", lambda: [s.get_name() for s in window.scores], score)


def test_renames_then_exit(window):
    # Each change of the banner (a result, the welcome), of a count and of
    # the switch once, and nothing while they stay as they are.
    expect("the renames", lambda: [RENAMED.get(c, 0) for c in [window.banner, *window.scores, window.sound]],
           [6, 1, 1, 1, 2])
    press(window.new_game)
    expect("the board after the last New Game", window.board, [EMPTY] * 9)
    act(window.exit, "Press")
    wait("the game to end by Exit", lambda: window.process.poll() is not None)
    assert window.process.returncode == 0
