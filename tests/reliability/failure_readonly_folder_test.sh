#!/usr/bin/env bash
# The game in a program folder it cannot write to: the program, the soak
# program and the five sounds are copied to a fresh folder, which is made
# read-only, and run from there on the offscreen platform with a home that
# is read-only too. As root, whom file modes do not stop, they run as the
# user nobody. The game must start and keep running, the soak program must
# play its matches with the sounds from that folder, and the folder must
# be left exactly as it was.
#   failure_readonly_folder_test.sh GAME SOAK SOUNDS_DIR
set -euo pipefail

game=$1 soak=$2 sounds=$3
work=$(mktemp -d)
cleanup() {
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

folder=$work/trixola
mkdir -p "$folder" "$work/run"
cp "$game" "$soak" "$folder/"
for name in click level youwon compwon draw; do cp "$sounds/$name.wav" "$folder/"; done
chmod 755 "$work"
chmod -R a-w "$folder"

as=()
if [[ $(id -u) -eq 0 ]]; then
  chown nobody "$work/run"
  as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
chmod 700 "$work/run"
export QT_QPA_PLATFORM=offscreen HOME=$folder XDG_RUNTIME_DIR=$work/run
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME

# Check that the folder really is closed to the user that runs the game.
if "${as[@]}" touch "$folder/probe" 2>/dev/null; then
  echo "FAIL: the program folder is writable; the test proves nothing" >&2
  exit 1
fi

snapshot() { (cd "$folder" && stat -c "%n %a %y" . && ls -lA --time-style=full-iso && sha256sum -- *); }
before=$(snapshot)

# The game itself: it must still be running after three seconds.
status=0
"${as[@]}" timeout 3 "$folder/$(basename "$game")" 2>"$work/game.log" || status=$?
if [[ $status -ne 124 ]]; then
  echo "FAIL: the game ended with status $status instead of running on" >&2
  cat "$work/game.log" >&2
  exit 1
fi
echo "the game ran for 3 s from the read-only folder"

# Scripted matches through the window, with the sounds of that folder.
if ! "${as[@]}" "$folder/$(basename "$soak")" --matches 3000 >"$work/soak.out" 2>"$work/soak.log"; then
  echo "FAIL: the soak program failed" >&2
  cat "$work/soak.out" "$work/soak.log" >&2
  exit 1
fi
cat "$work/soak.out"
if ! grep -q "^sounds loaded: *5 of 5" "$work/soak.out"; then
  echo "FAIL: the sounds were not loaded from the read-only folder" >&2
  exit 1
fi

after=$(snapshot)
if [[ "$before" != "$after" ]]; then
  echo "FAIL: the program folder changed" >&2
  diff <(echo "$before") <(echo "$after") >&2 || true
  exit 1
fi
echo "the program folder is unchanged"
