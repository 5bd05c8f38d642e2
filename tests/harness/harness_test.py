# The harness's sound servers, as the sound tests use them: each null sink
# records what is played into it and nothing else, and a restarted server
# hangs and wakes; and the exit status CTest sees for each kind of outcome.
import array, os, subprocess, sys, pytest
from trixola_harness import run

HERE = os.path.dirname(os.path.abspath(__file__))
WAVE = os.path.join(HERE, "..", "..", "assets", "youwon.wav")
SERVERS = ["pulseaudio", "pipewire"]


# Which of the sinks heard a wave played into `played`
def heard(server, processes, played):
    recordings = {sink: server.record(sink) for sink in ("one", "two")}
    player = processes.start(["paplay", "-d", played, WAVE], "paplay", server.env)
    assert player.wait(10) == 0, processes.log("paplay")
    return [sink for sink, recording in recordings.items()
            if max(map(abs, array.array("h", recording.stop())), default=0) > 1000]


@pytest.mark.parametrize("sound_server", SERVERS, indirect=True)
def test_null_sinks_record_what_is_played(sound_server, processes):
    for sink in ("one", "two"): sound_server.add_null_sink(sink)
    sound_server.set_default("two")
    assert heard(sound_server, processes, "one") == ["one"]
    assert heard(sound_server, processes, "@DEFAULT_SINK@") == ["two"]


@pytest.mark.parametrize("sound_server", SERVERS, indirect=True)
def test_a_restarted_server_answers_nothing_while_hung(sound_server):
    sound_server.stop(), sound_server.start()
    sound_server.hang()
    with pytest.raises(subprocess.TimeoutExpired):
        run(sound_server.env, "pactl", "info", seconds=2)
    sound_server.wake()
    assert "Server Name" in run(sound_server.env, "pactl", "info")


# A test module's outcomes, and the exit status CTest must see for them
OUTCOMES = [("pass", 0), ("pass skip", 77), ("fail skip", 1), ("pass skip_in_fixture", 77),
            ("skip_module", 77)]
BODIES = {"pass": "pass", "skip": "raise trixola_harness.Skip('no such part here')",
          "fail": "raise trixola_harness.Fault('wrong')",
          "skip_module": "pass\nraise trixola_harness.Skip('')",
          "skip_in_fixture": "pass\n@pytest.fixture\ndef part(): raise trixola_harness.Skip('')\n"
                             "def test_part(part): pass"}


@pytest.mark.parametrize("outcomes, status", OUTCOMES)
def test_exit_status(outcomes, status, folder):
    with open(f"{folder.path}/outcomes_test.py", "w") as module:
        module.write("import pytest, trixola_harness\n" + "".join(
            f"def test_{n}():\n    {BODIES[name]}\n" for n, name in enumerate(outcomes.split())))
    ran = subprocess.run([sys.executable, "-B", "-m", "pytest", "-p", "trixola_harness", "-p",
                          "no:cacheprovider", "-p", "no:xvfb", "-q", module.name],
                         capture_output=True, text=True, env=dict(os.environ, PYTHONPATH=HERE))
    assert ran.returncode == status, ran.stdout
