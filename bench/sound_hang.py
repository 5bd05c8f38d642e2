#!/usr/bin/python3
# The first clicks after the sound server hung: the game under a private
# Xvfb, the server stopped with SIGSTOP, five matches played by pointer while
# it hangs (New Game, then cells 5, 6 and 9 at Easy: the computer wins each),
# the server woken, a pause, then twice New Game and a click on cell 1. Prints,
# for each run, the loud samples (|s16| > 1000) heard for each of the two
# clicks against those of click.wav itself, how many samples the recording
# holds by then (its own with `each`, all since the start without), and the
# loud samples heard between the wake and the first click.
#   bench/sound_hang.py PROGRAM KIND RUNS [OPTION...]
# KIND: pulseaudio or pipewire. Options:
#   desktop  (pulseaudio only) PulseAudio as a desktop starts it (its default.pa: the output is
#            suspended after 5 s of silence) with a null output that rewinds,
#            as module-null-sink does unless told not to
#   each     a recording for each click, attached to the output just before
#            its New Game (otherwise one recording runs from the start)
#   paplay   `paplay click.wav` plays the clicks after the wake, not the game
#   nohang   the same without stopping the server
# Environment: GAP seconds between clicks in the hang (0.22), PAUSE seconds
# from the wake to the first click (6).
import os, subprocess, sys, time, wave

here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [here, os.path.join(here, "..", "tests", "harness")]
import trixola_harness as h  # noqa: E402
from sound_latency import CELL, NEW_GAME, Recorder, click, start_game  # noqa: E402

GAP, PAUSE = float(os.environ.get("GAP", "0.22")), float(os.environ.get("PAUSE", "6"))


class DesktopPulseAudio(h.SoundServer):
    def start(self):
        self.env["PULSE_SERVER"] = f"unix:{self.env['PULSE_RUNTIME_PATH']}/native"
        self.server, _ = self.launch(
            ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no"], "pulseaudio",
            lambda _: subprocess.run(["pactl", "info"], env=self.env, capture_output=True,
                                     timeout=10).returncode == 0)

    def add_null_sink(self, name):
        self.pactl("load-module", "module-null-sink", f"sink_name={name}")
        h.wait_for(f"the sink {name}", lambda: f"\t{name}\t" in self.pactl("list", "short", "sinks"))


def loud(recorder, since=0):
    """Loud samples recorded after the first `since` bytes, and the bytes."""
    with recorder.lock: raw = bytes(recorder.samples[since:len(recorder.samples) // 2 * 2])
    return sum(abs(s) > 1000 for s in memoryview(raw).cast("h")), since + len(raw)


def main():
    program, kind, runs, options = os.path.abspath(sys.argv[1]), sys.argv[2], int(sys.argv[3]), sys.argv[4:]
    if "desktop" in options and kind != "pulseaudio": sys.exit("desktop: pulseaudio only")
    server_kind = DesktopPulseAudio if "desktop" in options else h.SoundServer
    with h.Folder() as folder, h.Processes(folder.path) as processes, h.SessionBus(folder.env), \
            h.XDisplay(folder.env), server_kind(kind, folder.env) as server:
        env = folder.env
        server.add_null_sink("out"), server.set_default("out")
        recorder = None if "each" in options else Recorder(processes, env, "out")
        window = start_game(processes, env, program)
        wav = os.path.join(os.path.dirname(program), "click.wav")
        with wave.open(wav) as file:
            whole = sum(abs(s) > 1000 for s in memoryview(file.readframes(10**6)).cast("h"))
        lost, between = 0, "-"
        for run in range(runs):
            started = time.monotonic()
            if "nohang" not in options: server.hang()
            for _ in range(5):
                for at in (NEW_GAME, CELL(5), CELL(6), CELL(9)):
                    click(env, window, at), time.sleep(GAP)
            hung = time.monotonic() - started
            if "nohang" not in options: server.wake()
            woke = loud(recorder)[1] if recorder else 0
            time.sleep(PAUSE)
            heard = []
            for _ in range(2):
                if "each" in options:
                    recorder = Recorder(processes, env, "out")
                    h.wait_for("parec to record", lambda: f'application.process.id = "{recorder.process.pid}"'
                               in server.pactl("list", "source-outputs"))
                click(env, window, NEW_GAME), time.sleep(0.3)
                before = loud(recorder)[1]
                if not heard and "each" not in options: between = loud(recorder, woke)[0]
                if "paplay" in options: processes.start(["paplay", wav], "paplay", env)
                else: click(env, window, CELL(1))
                time.sleep(0.7)
                heard.append(loud(recorder, before)[0])
                heard.append(loud(recorder)[1] // 2)
                if "each" in options: recorder.process.terminate(), recorder.process.wait()
            lost += heard[0] < 0.95 * whole
            print(f"run {run + 1}: hung {hung:.1f} s; first click {heard[0]} loud samples "
                  f"(recording {heard[1]} samples), second {heard[2]} ({heard[3]}); "
                  f"between the wake and the first: {between}", flush=True)
            time.sleep(2)
        print(f"first click after the wake heard whole (at least 95 % of the file's {whole} loud samples) "
              f"in {runs - lost} runs of {runs}")


if __name__ == "__main__":
    main()
