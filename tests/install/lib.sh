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
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed"
      exit 77
    fi
  done
  if [[ " $* " == *" strace "* ]] && ! strace -qq -o /dev/null true 2>/dev/null; then
    echo "SKIP: strace cannot trace here (ptrace not permitted)"
    exit 77
  fi
}

# check_answers <program>: --help and --version answer with status 0 and no
# graphical display at all.
check_answers() {
  local program=$1 version=$2 row option wanted out
  # "option|first line of the answer"
  for row in "--help|Usage: trixola [options]" "--version|trixola $version"; do
    option=${row%%|*} wanted=${row#*|}
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" "$option" 2>&1)
    local status=$?
    ((status == 0)) || fail "$option without a display: status $status"
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
  local launchers=$1 folder=$2 line quoted path name tracer lookups=0 deadline=$((SECONDS + 60))
  local -A opened=()
  mkdir -p "$tmp/elsewhere" "$tmp/trace"
  rm -f "$tmp/trace"/t.*
  (cd "$tmp/elsewhere" && PATH="$launchers:$PATH" QT_QPA_PLATFORM=offscreen \
    exec strace -ff -qq -xx -e trace=%file -o "$tmp/trace/t" timeout 90 trixola >"$tmp/run.log" 2>&1) &
  tracer=$!
  while :; do
    lookups=0 opened=()
    while IFS= read -r line; do
      # Lines read: syscall(..., "\x2f\x74...", ...) = result. Only names that
      # end in ".wav" are decoded.
      [[ "$line" == *'\x2e\x77\x61\x76"'* && "$line" == *' = '* ]] || continue
      quoted=${line#*\"}
      path=$(printf '%b' "${quoted%%\"*}")
      lookups=$((lookups + 1))
      name=$(basename "$path" .wav)
      if [[ " ${sounds[*]} " != *" $name "* || "$path" != "$folder/$name.wav" ]]; then
        opened[bad]="the program looked up '$path', not a sound beside it: ${line%%(*}"
      elif [[ "$line" == openat\(* && "${line##*= }" =~ ^[0-9]+$ ]]; then
        opened[$name]=1
      fi
    done < <(cat "$tmp/trace"/t.* 2>/dev/null)
    ((${#opened[@]} >= ${#sounds[@]} || SECONDS > deadline)) && break
    kill -0 "$tracer" 2>/dev/null || break
    sleep 0.2
  done
  if ! kill -0 "$tracer" 2>/dev/null; then
    cat "$tmp/run.log"
    fail "started from $launchers, the program ended before its sounds were loaded"
  fi
  kill $(pgrep -P "$tracer") 2>/dev/null # the timeout, which ends the program
  wait "$tracer"
  [[ -z "${opened[bad]:-}" ]] || fail "${opened[bad]}"
  for name in "${sounds[@]}"; do
    [[ -n "${opened[$name]:-}" ]] || fail "$name.wav was not opened from $folder within 60 s"
  done
  echo "sound file look-ups: $lookups; opened from $folder: ${!opened[*]}"
}

# finish <what>: the closing line and the exit status.
finish() {
  if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
  fi
  # A check that could not run here skips the test, never passes it.
  if [[ -n ${skipped:-} ]]; then
    echo "SKIP: $skipped"
    exit 77
  fi
  echo "$1: all checks passed"
}
