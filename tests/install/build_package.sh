#!/usr/bin/env bash
# Builds the source package and the binary packages with dpkg-buildpackage
# from a copy of the source tree (its tracked and untracked files, or, outside
# a git checkout, all but the build folders), as a fresh clone would, into
# <out>. The package's own tests are left out (nocheck). The packages are
# kept while neither the copied files nor the machine's installed packages
# change, so that a repeated check does not build them again. Exit 77 when
# Debian's build tools or the package's build dependencies are missing here.
#
# Usage: build_package.sh <source dir> <out>
set -uo pipefail
source=$1 out=$2 next=$2-next
mkdir -p "$out"
rm -f "$out/skipped"
for tool in dpkg-buildpackage dh; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" | tee "$out/skipped"; exit 77; }
done
rm -rf "$next"
mkdir -p "$next/trixola"
missing=$(cd "$source" && dpkg-checkbuilddeps 2>&1) || { echo "SKIP: $missing" | tee "$out/skipped"; exit 77; }
if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$source" && git ls-files -z -co --exclude-standard | xargs -0 cp --parents -t "$next/trixola")
else
  tar -C "$source" --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . | tar -C "$next/trixola" -xf -
fi
fingerprint=$( (cd "$next/trixola" && find . -type f -print0 | sort -z | xargs -0 sha256sum && dpkg-query -W) | sha256sum)
if [[ -f "$out/fingerprint" && $(<"$out/fingerprint") == "$fingerprint" ]]; then
  rm -rf "$next"; echo "the packages in $out are up to date"; exit 0
fi
rm -rf "$out"
mv "$next" "$out"
started=$SECONDS
(cd "$out/trixola" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc) >"$out/build.log" 2>&1
rc=$?
echo "dpkg-buildpackage: status $rc after $((SECONDS - started)) s"
((rc == 0)) || { tail -40 "$out/build.log"; exit 1; }
echo "$fingerprint" >"$out/fingerprint"
ls "$out"
