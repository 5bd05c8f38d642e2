#!/usr/bin/env bash
# Builds the source package and the binary packages with dpkg-buildpackage
# from a copy of the source tree (its tracked and untracked files, or, outside
# a git checkout, all but the build folders), as a fresh clone would, into
# <out>. The package's own tests are left out (nocheck). Exit 77 when
# Debian's build tools or the package's build dependencies are missing here.
#
# Usage: build_package.sh <source dir> <out>
set -uo pipefail
source=$1 out=$2
rm -rf "$out"
mkdir -p "$out/trixola"
for tool in dpkg-buildpackage dh; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" | tee "$out/skipped"; exit 77; }
done
if ! missing=$(cd "$source" && dpkg-checkbuilddeps 2>&1); then
  echo "SKIP: $missing" | tee "$out/skipped"
  exit 77
fi
if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$source" && git ls-files -z -co --exclude-standard | xargs -0 cp --parents -t "$out/trixola")
else
  tar -C "$source" --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . | tar -C "$out/trixola" -xf -
fi
started=$SECONDS
(cd "$out/trixola" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc) >"$out/build.log" 2>&1
rc=$?
echo "dpkg-buildpackage: status $rc after $((SECONDS - started)) s"
((rc == 0)) || { tail -40 "$out/build.log"; exit 1; }
ls "$out"
