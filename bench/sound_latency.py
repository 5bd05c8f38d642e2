#!/usr/bin/python3
# Click to sound: a real pointer click on a cell of the game's window (xdotool
# on a private Xvfb) until the first loud sample of the click's sound on the
# monitor of the sound server's default output, against `paplay click.wav`
# started from scratch in the same run. Each server kind runs privately, on
# the shared test harness.
#   bench/sound_latency.py PROGRAM [CLICKS] [KIND...]
# PROGRAM: the game (its .wav files beside it); CLICKS: 9 by default; KIND:
# pulseaudio, pipewire (both by default).
# A sample is loud above |1000| (s16). The recorder notes when each chunk of
# samples arrives; a sample's time is the earliest that its chunk's arrivals
# allow (the lower envelope of arrival minus position), so the figure is
# when the server let the sample out, not when parec got round to it.
import os, statistics, subprocess, sys, threading, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "harness"))
import trixola_harness as h  # noqa: E402

RATE, LOUD = 44100, 1000
TITLE = "Zembrik  TRIXOLA"
CELL = lambda n: (64 + 48 * ((n - 1) % 3) + 24, 32 + 64 * ((n - 1) // 3) + 32)
NEW_GAME = ((4680 + 1215 // 2) // 15, (3720 + 495 // 2) // 15)


class Recorder:
    """parec of SINK's monitor, every chunk timed as it arrives."""

    def __init__(self, processes, env, sink):
        self.samples, self.offset, self.lock = bytearray(), None, threading.Lock()
        self.process = processes.start(
            ["parec", "-d", f"{sink}.monitor", "--format=s16le", f"--rate={RATE}", "--channels=1",
             "--latency-msec=2"], "parec-timed", env, stdout=subprocess.PIPE)
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        fd = self.process.stdout.fileno()
        while chunk := os.read(fd, 4096):
            now = time.monotonic()
            with self.lock:
                self.samples += chunk
                start = now - len(self.samples) / 2 / RATE
                self.offset = start if self.offset is None else min(self.offset, start)

    def onset_after(self, moment, seconds=2.0):
        """Seconds from `moment` to the first loud sample after it, or None."""
        def probe():
            with self.lock:
                if self.offset is None: return None
                first = max(0, int((moment - self.offset) * RATE))
                count = len(self.samples) // 2
                view = memoryview(bytes(self.samples[first * 2:count * 2])).cast("h")
                for i, sample in enumerate(view):
                    if abs(sample) > LOUD: return ("at", (first + i) / RATE + self.offset - moment)
                return ("none", None) if self.offset + count / RATE > moment + seconds else None
        return h.wait_for("the recording to pass the click", probe, seconds + 5)[1]


def xdotool(env, *words): h.run(env, "xdotool", *map(str, words))


def click(env, window, at):
    xdotool(env, "mousemove", "--window", window, *at)
    moment = time.monotonic()
    xdotool(env, "click", "--delay", "0", "1")
    return moment


def start_game(processes, env, program):
    """Starts the game on the X display; its window's id once it shows."""
    processes.start([program], "game", dict(env, QT_QPA_PLATFORM="xcb"))
    try:
        return h.wait_for("the game's window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"], env=env,
            capture_output=True, text=True).stdout.split(), 30)[0]
    except h.Fault as fault: raise h.Fault(f"{fault}: {processes.log('game')[-500:]}") from None


def measure(kind, program, clicks):
    with h.Folder() as folder, h.Processes(folder.path) as processes, h.SessionBus(folder.env), \
            h.XDisplay(folder.env), h.SoundServer(kind, folder.env) as server:
        env = folder.env
        server.add_null_sink("out"), server.set_default("out")
        name = server.pactl("info").split("Server Name: ")[1].splitlines()[0]
        recorder = Recorder(processes, env, "out")
        window = start_game(processes, env, program)
        wav = os.path.join(os.path.dirname(program), "click.wav")
        game, reference = [], []
        for round_ in range(clicks + 1):  # the first one only wakes things up
            click(env, window, NEW_GAME)
            time.sleep(0.4)
            heard = recorder.onset_after(click(env, window, CELL(5)))
            if round_: game.append(heard)
            time.sleep(0.4)
            moment = time.monotonic()
            processes.start(["paplay", wav], "paplay", env)
            heard = recorder.onset_after(moment)
            if round_: reference.append(heard)
            time.sleep(0.4)
        return name, game, reference


def summary(values):
    ms = [v * 1000 for v in values if v is not None]
    missed = len(values) - len(ms)
    text = f"{statistics.median(ms):6.1f} / {max(ms):6.1f} ms" if ms else "   none heard"
    return text + (f" ({missed} not heard)" if missed else ""), (statistics.median(ms) if ms else None)


def main():
    program, clicks = os.path.abspath(sys.argv[1]), int(sys.argv[2]) if len(sys.argv) > 2 else 9
    kinds = sys.argv[3:] or ["pulseaudio", "pipewire"]
    print(f"load average at the start: {open('/proc/loadavg').read().split()[:3]}, {os.cpu_count()} cores")
    print(f"{'server':<34} {'game, median / max':<24} {'paplay, median / max':<24} ratio")
    for kind in kinds:
        try: name, game, reference = measure(kind, program, clicks)
        except h.Skip as reason:
            print(f"{kind}: skipped ({reason})"); continue
        (g, gm), (r, rm) = summary(game), summary(reference)
        ratio = f"{gm / rm:.2f}" if gm and rm else "-"
        print(f"{name[:34]:<34} {g:<24} {r:<24} {ratio}")


if __name__ == "__main__":
    main()
