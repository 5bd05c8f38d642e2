# The game's sound player through a real sound server (PulseAudio, and
# PipeWire through pipewire-pulse), driven by sound_probe as the window drives
# it, its output recorded from null sinks' monitors and checked stretch by
# stretch against the loud samples of the effects' own files.
import array, os, pathlib, select, subprocess, time, wave
import pytest
from trixola_harness import Fault, wait_for

LOUD, RATE = 1000, 44100
WHOLE = (0.95, 1.10)  # PipeWire resamples to 48 kHz: counts move a few per cent
LEAD = 0.15  # a stretch starts this much before its entry: the latency varies under load
SLOW_PLAY = 0.05  # Play returns at once, whatever the server does

# (command, what is heard, seconds to the next row). "effect~": cut short by
# the next row; "-": silence; a row without a command is a stretch in which
# nothing is asked for (the sound switched off).
MATCH = [         ("play click", "click", 0.5),
         ("play click youwon", "youwon", 1.4),  # the move that ends a match
         ("play level", "level", 0.8),
         (None, "-", 0.6),
         ("play compwon", "compwon", 1.5),
         ("play draw", "draw", 1.0),
         ("play youwon", "youwon~", 0.5),
         ("play level", "level", 0.8),
         ("key 5", "click", 0.5), ("key 6", "click", 0.5), ("key 9", "compwon", 1.5)]  # the window
# While the server hangs: five matches at Easy lost in 5, 6, 9, a click and a
# result in the last turn of each, then no effect for 1.2 s before the wake;
# after a pause the first effect after the wake must be heard whole.
HUNG = [("play click", None, 0.22), ("play click", None, 0.22), ("play click compwon", None, 0.22)] * 5
AFTER_WAKE = [("play click", "click", 0.3), ("play level", "level", 0.6)]


def loud(samples): return sum(abs(s) > LOUD for s in samples)


# Records the sink once samples come: PipeWire starts the monitor's stream
# some time after parec is connected.
def record(server, sink):
    recording = server.record(sink)
    wait_for(f"samples from {sink}", lambda: os.path.getsize(recording.path) >= RATE * 2 // 10)
    return recording


class Probe:
    def __init__(self, processes, env, assets):
        self.process = processes.start([os.environ["TRIXOLA_SOUND_PROBE"], assets], "probe",
                                       dict(env, QT_QPA_PLATFORM="offscreen"), text=True,
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        assert self.answer() == "started"

    def answer(self):
        if not select.select([self.process.stdout], [], [], 10)[0]: raise Fault("the probe is silent")
        return self.process.stdout.readline().strip()

    # Carries out the rows; returns their (time, heard) for check().
    def run(self, rows):
        timeline = []
        for command, heard, gap in rows:
            at = time.monotonic()
            if command:
                self.process.stdin.write(command + "\n"), self.process.stdin.flush()
                answer = self.answer()
                if command.startswith("play"):
                    assert float(answer.split()[1]) < SLOW_PLAY * 1000, f"{command}: Play {answer} ms"
                else:
                    assert answer.split()[-1] == heard, f"{command}: the window asked for {answer}"
            timeline.append((at, heard))
            time.sleep(gap)
        return timeline


# The recording lined up with the timeline at its first loud sample, which
# must be the first effect's; each row owns the stretch up to the next one. A
# cut-short effect sounds on into the next row's stretch until the server has
# taken in the stop, so that row is only held to be whole or more, and both
# together to less than both whole.
def check(raw, timeline, own):
    samples = array.array("h", raw)
    onset = next((i for i, s in enumerate(samples) if abs(s) > LOUD), None)
    assert onset is not None, "nothing was heard"
    first = next(i for i, (_, want) in enumerate(timeline) if want != "-")
    at = lambda t: max(0, min(len(samples), int((t - timeline[first][0] + onset / RATE - LEAD) * RATE)))
    bounds = [0] * first + [onset] + [at(t) for t, _ in timeline[first + 1:]] + [len(samples)]
    report, good, cut = [], True, None
    for (_, want), start, end in zip(timeline, bounds, bounds[1:]):
        heard, name = loud(samples[start:end]), want.rstrip("~")
        whole = own.get(name, 0)
        if want == "-": ok = heard == 0
        elif want.endswith("~"): ok = 0 < heard < WHOLE[0] * whole
        elif cut: ok = WHOLE[0] * whole <= heard and cut[0] + heard < WHOLE[0] * cut[1] + WHOLE[1] * whole
        else: ok = WHOLE[0] * whole <= heard <= WHOLE[1] * whole
        cut = (heard, whole) if want.endswith("~") else None
        good &= ok
        report.append(f"{'ok' if ok else 'FAIL'} {want}: heard {heard} loud samples (file {whole})")
    assert good, "\n".join(report)


@pytest.mark.parametrize("sound_server", ["pulseaudio", "pipewire"], indirect=True)
def test_effects_through_a_real_server(sound_server, processes, program):
    server, assets = sound_server, os.path.dirname(program)
    own = {}
    for name in ("click", "level", "youwon", "compwon", "draw"):
        with wave.open(f"{assets}/{name}.wav") as file: own[name] = loud(array.array("h", file.readframes(10**7)))
    for sink in ("one", "two"): server.add_null_sink(sink)
    server.set_default("one")
    probe = Probe(processes, server.env, assets)
    # The first effect connects the player to the server: heard whole before
    # the match's recording starts, so that the timeline's first row is lined
    # up as the others are. Silent again, the player keeps no stream playing.
    idle = lambda: "Corked: no" not in server.pactl("list", "sink-inputs")
    recording = record(server, "one")
    probe.run([("play click", "click", 0)])
    heard = lambda: loud(array.array("h", (raw := pathlib.Path(recording.path).read_bytes())[:len(raw) // 2 * 2]))
    wait_for("the first click", lambda: heard() >= WHOLE[0] * own["click"])
    recording.stop()
    wait_for("the player's stream to end", idle)

    recording = record(server, "one")
    timeline = probe.run(MATCH)
    check(recording.stop(), timeline, own)
    # Silent again: nothing plays for the player, so nothing runs for it.
    wait_for("the player's stream to end", idle, 3)

    server.set_default("two")  # the next effect sounds on the new default output
    recording = record(server, "two")
    timeline = probe.run([("play click", "click", 0.6)])
    check(recording.stop(), timeline, own)

    recording = record(server, "two")  # from before the hang: nothing may sound late
    server.hang()
    probe.run(HUNG)
    time.sleep(1.2)
    server.wake()
    time.sleep(6)
    timeline = probe.run(AFTER_WAKE)
    check(recording.stop(), timeline, own)

    server.stop()  # the server goes away: Play still returns at once...
    probe.run([("play level", "-", 1.1)])
    server.start()
    for sink in ("one", "two"): server.add_null_sink(sink)
    server.set_default("one")
    recording = record(server, "one")
    timeline = probe.run([("play youwon", "youwon", 1.3)])
    check(recording.stop(), timeline, own)
