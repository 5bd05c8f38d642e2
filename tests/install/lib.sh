# What install_test.sh and package_test.sh share: failures, skips and the
# closing line. Sourced.

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

# finish <what>: the closing line and the exit status.
finish() {
  ((failures == 0)) || { echo "$failures check(s) failed"; exit 1; }
  # A check that could not run here skips the test, never passes it.
  [[ -z ${skipped:-} ]] || { echo "SKIP: $skipped"; exit 77; }
  echo "$1: all checks passed"
}
