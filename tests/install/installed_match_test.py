# The package's installed-package test (debian/tests/play-match) on the
# unpacked package given as --program, run from the packaged source tree (the
# current folder), on the harness's private X display, session bus and AT-SPI
# bus rather than the ones autopkgtest gives it.
import subprocess


def test_installed_package_plays_a_match(program, folder, accessibility_bus):
    played = subprocess.run(["debian/tests/play-match"], env=dict(folder.env, TRIXOLA_PROGRAM=program),
                            capture_output=True, text=True, timeout=150)
    print(played.stdout)
    assert played.returncode == 0, played.stdout + played.stderr
