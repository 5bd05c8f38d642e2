# The game as a blind player meets it: Orca speaking through speech-dispatcher
# and espeak-ng into a null sink, on the harness's private session bus, AT-SPI
# bus and X display. Three matches are played by the digit keys alone, and
# what Orca spoke is read from its debug log. Skipped where Orca, its speech
# or xdotool cannot be had.
import re, shutil, time
from trixola_harness import Game, Skip, run

# The digit keys of a match, each with what the player hears after it, once:
# the move and the reply, and at the end the result with the score. The
# computer replies even to the winning move, but not to the one that fills
# the board. After each match, Return on "New Game", which has the focus.
MATCHES = [
    [("5", r"Cell 5: yours\. Computer: cell 4\."), ("6", r"Cell 6: yours\. Computer: cell 1\."),
     ("9", r"Cell 9: yours\. Computer: cell 7\. COMPUTER WON THE GAME\. You 0, computer 1, draws 0\.")],
    [("1", r"Cell 1: yours\. Computer: cell 5\."), ("3", r"Cell 3: yours\. Computer: cell 7\."),
     ("2", r"Cell 2: yours\. Computer: cell 8\. YOU WON THE GAME\. You 1, computer 1, draws 0\.")],
    [("1", r"Cell 1: yours\. Computer: cell 5\."), ("2", r"Cell 2: yours\. Computer: cell 3\."),
     ("7", r"Cell 7: yours\. Computer: cell 4\."), ("6", r"Cell 6: yours\. Computer: cell 9\."),
     ("8", r"Cell 8: yours\. THE MATCH IS DRAW\. You 1, computer 1, draws 1\.")],
]
NEW_MATCH = r"New match\. The board is empty\."
# With the clock running and no key pressed, nothing is spoken. A window of
# that many seconds after the first move: a game that kept telling Orca
# something (the told text again, the focus again) is heard there, and by no
# check that looks for the expected words only.
QUIET_SECONDS = 3


# Each key's words once, in what Orca spoke from that key to the next; the
# clock never.
def test_moves_replies_results_and_new_matches_spoken_once(folder, program, orca, processes):
    if not shutil.which("xdotool"): raise Skip("not installed: xdotool")
    xdotool = lambda *args: run(folder.env, "xdotool", *args)
    game = Game(processes, program, folder.env, "xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # No window manager here: the game's window gets the keyboard from us.
    window = xdotool("search", "--sync", "--onlyvisible", "--pid", str(game.pid)).split()
    xdotool("windowfocus", "--sync", window[0])
    orca.wait_spoken("the window", r".*TRIXOLA.*")
    orca.wait_spoken("the focus on Exit", r"Exit (push )?button\.")  # Orca 48 leaves "push" out
    heard = []  # what each key should make Orca say, and where in what it spoke it may
    for number, match in enumerate(MATCHES):
        for key, words in match + [("Return", NEW_MATCH)]:
            begin = len(orca.spoken())
            xdotool("key", key)
            orca.wait_spoken(f"after key {key} in match {number + 1}", words)
            heard.append((words, begin))
            if len(heard) == 1:
                time.sleep(QUIET_SECONDS)
                assert not orca.spoken()[orca.seen:], "Orca spoke while nothing happened"
    spoken = orca.spoken()
    for (words, begin), (_, end) in zip(heard, heard[1:] + [(None, len(spoken))]):
        assert len([line for line in spoken[begin:end] if re.fullmatch(words, line)]) == 1, (words, spoken)
    assert not [line for line in spoken if "Seconds" in line]
