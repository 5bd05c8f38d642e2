#!/usr/bin/env bash
# Builds the Debian package with cpack into a scratch folder and checks it
# as Debian would:
#   - lintian finds no error and no warning (every tag it shows is printed);
#   - the control fields: section games, this version, the dependencies;
#   - apt accepts it for installation here (a simulated install, which
#     resolves every dependency against the machine's package lists);
#   - unpacked, the program is /usr/games/trixola, a relative link into
#     /usr/lib/trixola, and nothing is in /usr/bin;
#   - the unpacked program answers --help and --version with no display, and
#     started by name through PATH it opens its five sounds from
#     /usr/lib/trixola of the unpacked tree, and no other sound file.
#
# Usage: package_test.sh <cpack> <build dir> <built program> <version>
# Exit 77 (skipped) when a tool the checks need is not installed.
set -uo pipefail

cpack=$1 build=$2 built_program=$3 version=$4
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

need lintian dpkg-deb apt-get strace timeout
if [[ ! -x "$built_program" ]]; then
  echo "FAIL: $built_program is missing: build the project before running this test"
  exit 1
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
  cat "$tmp/cpack.log"
  echo "FAIL: cpack -G DEB failed"
  exit 1
fi
debs=("$tmp/out"/trixola_"$version"_*.deb)
if [[ ${#debs[@]} -ne 1 || ! -f "${debs[0]}" ]]; then
  ls -l "$tmp/out"
  echo "FAIL: cpack made no trixola_${version}_<arch>.deb"
  exit 1
fi
deb=${debs[0]}

# --- lintian ---------------------------------------------------------------
# All tags are shown, down to the pedantic and experimental ones; only errors
# and warnings fail.
lintian --display-info --pedantic --display-experimental --fail-on error,warning \
  --tag-display-limit 0 "$deb" >"$tmp/lintian.txt" 2>&1
rc=$?
sed 's/^/lintian: /' "$tmp/lintian.txt"
((rc == 0)) || fail "lintian reports errors or warnings (status $rc)"

# --- Control fields --------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == trixola ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', not $version"
[[ $(field Section) == games ]] || fail "Section is '$(field Section)', not games"
for dependency in fonts-liberation libqt6widgets6 libqt6svg6 libpulse0; do
  [[ ", $(field Depends) " =~ [,\ ]$dependency[\ ,] ]] ||
    fail "Depends lacks $dependency: $(field Depends)"
done
[[ $(field Recommends) == qt6-wayland ]] || fail "Recommends is '$(field Recommends)', not qt6-wayland"

# --- apt ---------------------------------------------------------------------
# Run as root, a simulation would take apt's lock; a package manager busy in
# another session must not fail the test.
if ! apt-get install --simulate -o Debug::NoLocking=1 --no-install-recommends "$deb" >"$tmp/apt.log" 2>&1; then
  cat "$tmp/apt.log"
  fail "apt cannot install the package here"
fi

# --- The unpacked package ----------------------------------------------------
root="$tmp/root"
dpkg-deb -x "$deb" "$root"
real_root=$(cd "$root" && pwd -P)
link="$root/usr/games/trixola"
if [[ ! -L "$link" ]]; then
  fail "usr/games/trixola is not a symbolic link"
elif [[ $(readlink "$link") != ../lib/trixola/trixola ]]; then
  fail "usr/games/trixola points to '$(readlink "$link")', not ../lib/trixola/trixola"
fi
[[ ! -e "$root/usr/bin" ]] || fail "the package has a usr/bin: $(ls "$root/usr/bin")"
for path in usr/lib/trixola/trixola usr/share/man/man6/trixola.6.gz \
  usr/share/doc/trixola/changelog.gz usr/share/doc/trixola/copyright; do
  [[ -f "$root/$path" ]] || fail "the package has no $path"
done

check_answers "$link" "$version"
check_sounds "$root/usr/games" "$real_root/usr/lib/trixola"

finish "package $(basename "$deb")"
