# Checks shared by install_test.sh and package_test.sh. Sourced; the caller
# sets `tmp` to a scratch folder it removes.

sounds=(click level youwon compwon draw)
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# need <tool>...: skips the whole test (exit 77) when a tool is missing.
need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
  if [[ " $* " == *" strace "* ]] && ! strace -qq -o /dev/null true 2>/dev/null; then
    echo "SKIP: strace cannot trace here (ptrace not permitted)"
    exit 77
  fi
}

# check_answers <program> <version>: --help and --version answer with status 0
# and no graphical display at all.
check_answers() {
  local row option wanted out
  for row in "--help|Usage: trixola [options]" "--version|trixola $2"; do
    option=${row%%|*} wanted=${row#*|}
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$1" "$option" 2>&1) ||
      fail "$option without a display: status $?"
    [[ "${out%%$'\n'*}" == "$wanted" ]] || fail "$option answered '${out%%$'\n'*}', not '$wanted'"
  done
}

# check_sounds <launcher folder> <program folder>: starts `trixola` by name
# through PATH, as the desktop entry does, from a folder with no sounds in it,
# and records every file-name system call, one file per thread (-ff) so no
# call is split. The program loads its five sounds right after showing the
# window: within 60 s each must have been opened, only from the program's
# folder, and the program must still be running then.
check_sounds() {
  local launchers=$1 folder=$2 call quoted rest path name tracer deadline=$((SECONDS + 60))
  local -A opened=()
  mkdir -p "$tmp/elsewhere" "$tmp/trace"
  rm -f "$tmp/trace"/t.*
  (cd "$tmp/elsewhere" && PATH="$launchers:$PATH" QT_QPA_PLATFORM=offscreen \
    exec strace -ff -qq -xx -e trace=%file -o "$tmp/trace/t" timeout 90 trixola >"$tmp/run.log" 2>&1) &
  tracer=$!
  until ((${#opened[@]} >= ${#sounds[@]} || SECONDS > deadline)) || ! kill -0 "$tracer" 2>/dev/null; do
    sleep 0.2
    opened=()
    # Finished calls on names that end in ".wav": syscall(..., "\x2f...", ...) = result
    while IFS='"' read -r call quoted rest; do
      path=$(printf '%b' "$quoted") name=$(basename "$path" .wav)
      if [[ " ${sounds[*]} " != *" $name "* || "$path" != "$folder/$name.wav" ]]; then
        opened[bad]="the program looked up '$path', not a sound beside it: ${call%%(*}"
      elif [[ "$call" == openat\(* && "$rest" =~ \ =\ [0-9]+$ ]]; then
        opened[$name]=1
      fi
    done < <(grep -h '\\x2e\\x77\\x61\\x76".* = ' "$tmp/trace"/t.* 2>/dev/null)
  done
  kill -0 "$tracer" 2>/dev/null ||
    { cat "$tmp/run.log"; fail "started from $launchers, the program ended before its sounds were loaded"; }
  kill $(pgrep -P "$tracer") 2>/dev/null # the timeout, which ends the program
  wait "$tracer"
  [[ -z "${opened[bad]:-}" ]] || fail "${opened[bad]}"
  for name in "${sounds[@]}"; do
    [[ -n "${opened[$name]:-}" ]] || fail "$name.wav was not opened from $folder within 60 s"
  done
  echo "opened from $folder: ${!opened[*]}"
}

# finish <what>: the closing line and the exit status.
finish() {
  ((failures == 0)) || { echo "$failures check(s) failed"; exit 1; }
  # A check that could not run here skips the test, never passes it.
  [[ -z ${skipped:-} ]] || { echo "SKIP: $skipped"; exit 77; }
  echo "$1: all checks passed"
}
