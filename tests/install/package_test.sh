#!/usr/bin/env bash
# Checks the packages that build_package.sh made into <out>, as Debian would
# and as a user meets them:
#   - lintian finds no error and no warning in the source and binary packages
#     (every tag it shows, down to the pedantic ones, is printed);
#   - the package holds exactly what `cmake --install` installs, with the
#     launcher link in /usr/games, and what it depends on;
#   - apt accepts it for installation here (simulated);
#   - the program is hardened;
#   - unpacked, the program passes the package's installed-package test
#     (debian/tests: it answers --version and plays a match) on the shared
#     harness. Its command line with no display is startup_without_display's,
#     the sounds found beside the program are install_layout's, on the same
#     install rules.
#
# Usage: package_test.sh <out> <version> <python3 with pytest>
set -uo pipefail
out=$1 version=$2 python=$3
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

if [[ -f "$out/skipped" ]]; then cat "$out/skipped"; exit 77; fi
need lintian hardening-check apt-get xdotool
deb=$(echo "$out"/trixola_"$version"_*.deb)
[[ -f "$deb" ]] || { ls -l "$out"; echo "FAIL: no trixola_${version}_<arch>.deb in $out"; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

lintian --display-info --pedantic --fail-on error,warning --tag-display-limit 0 \
  "$out"/trixola_"$version"_*.changes >"$tmp/lintian.txt" 2>&1
rc=$?
sed 's/^/lintian: /' "$tmp/lintian.txt"
((rc == 0)) || fail "lintian reports errors or warnings (status $rc)"

# The files that the package build's own `cmake --install` puts in place
# (install_layout checks that list), no more and no fewer, besides lintian's
# overrides.
root="$tmp/root"
dpkg-deb -x "$deb" "$root"
(cd "$root/usr" && find . ! -type d ! -path './share/lintian/*' | sort) >"$tmp/packed"
cmake --install "$out/trixola/obj-"* --prefix "$tmp/usr" >/dev/null
(cd "$tmp/usr" && find . ! -type d | sort) >"$tmp/installed"
diff -u "$tmp/installed" "$tmp/packed" || fail "the package's files differ from the install's (+ extra)"

# "field|what it must hold (grep -E)"
for row in "Section|^games$" "Recommends|^qt6-wayland$" "Depends|(^|, )fonts-liberation(,|$)" \
  "Depends|(^|, )libpulse0(,|$)" "Depends|(^|, )libqt6svg6 " "Depends|(^|, )libqt6widgets6 "; do
  field=${row%%|*} pattern=${row#*|}
  dpkg-deb -f "$deb" "$field" | grep -qE "$pattern" || fail "$field: '$(dpkg-deb -f "$deb" "$field")' lacks $pattern"
done
apt-get install --simulate -o Debug::NoLocking=1 --no-install-recommends "$deb" >"$tmp/apt.log" 2>&1 ||
  { cat "$tmp/apt.log"; fail "apt cannot install the package here"; }

# Not asked for: x86 control-flow marks, which Debian's own C start-up files
# lack on 12 and 13 alike, and branch protection, which is arm64's.
ignored=(--nocfprotection)
[[ $(hardening-check --help) != *--nobranchprotection* ]] || ignored+=(--nobranchprotection)
hardening-check "${ignored[@]}" "$root/usr/lib/trixola/trixola" || fail "the program is not hardened"

# The installed-package test, on the shared harness's display and buses.
(cd "$out/trixola" && PYTHONPATH="$(dirname "${BASH_SOURCE[0]}")/../harness" "$python" -B -m pytest \
  -p trixola_harness -p no:cacheprovider -p no:xvfb -q -rs "$(dirname "${BASH_SOURCE[0]}")/installed_match_test.py" \
  --program="$root/usr/games/trixola")
case $? in
  0) ;;
  77) skipped="the installed-package test: no display or bus could be had here" ;;
  *) fail "debian/tests/play-match fails on the unpacked package" ;;
esac

finish "package $(basename "$deb")"
