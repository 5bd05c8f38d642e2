# Screenshots of the game window in every language, English first, at scale 1
# on the harness's private X display, and a contact sheet of them (xdotool,
# ImageMagick's import and montage).
#   python3 tests/translations/contact_sheet.py PROGRAM OUTPUT.png [SHOTS-DIR]
import os, pathlib, sys, time
here = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent / "harness"))
from trixola_harness import Folder, Game, Processes, XDisplay, run

program, output = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
languages = ["en"] + sorted(ts.stem[8:] for ts in (here.parent.parent / "translations").glob("trixola_*.ts"))
with Folder() as folder, XDisplay(folder.env):
    shots, sheet = sys.argv[3] if len(sys.argv) > 3 else folder.path, []
    os.makedirs(shots, exist_ok=True)
    folder.env.pop("QT_SCALE_FACTOR", None)
    for language in languages:
        with Processes(folder.path) as processes:
            game = Game(processes, program, folder.env, "xcb", LANGUAGE=language)
            window = run(folder.env, "xdotool", "search", "--sync", "--onlyvisible", "--pid", str(game.pid))
            time.sleep(1.5)  # the clock shows its first second
            run(folder.env, "import", "-window", window.split()[0], f"{shots}/{language}.png")
        sheet += ["-label", language, f"{shots}/{language}.png"]
    run(folder.env, "montage", *sheet, "-font", "Liberation-Sans", "-pointsize", "14", "-tile", "3x",
        "-geometry", "+6+6", "-background", "#dddddd", output)
