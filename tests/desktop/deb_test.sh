#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack and checks its name, its files and its control fields:
# dependencies computed from the binary plus the font the overlays are set in.
# Usage: deb_test.sh BUILD_DIR APP_ID
set -eu
build=$1
id=$2
. "$(dirname "$0")/test_lib.sh"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/skalor_1.2.1-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work")"

# The same files as the install, under /usr.
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | LC_ALL=C sort \
    >"$work/found"
installed_files "$id" >"$work/expected"
diff -u "$work/expected" "$work/found" || fail "the package's files differ from the expected list"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = skalor ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.2.1-1 ] || fail "Version: $(field Version)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
field Maintainer | grep -q '^[^<]\+ <[^@ ]\+@[^> ]\+>$' || fail "Maintainer without an address: $(field Maintainer)"
field Description | head -n 1 | grep -q "slide rule" || fail "Description: $(field Description)"
[ "$(field Description | wc -l)" -gt 3 ] || fail "the Description has no long text"
depends=$(field Depends)
for package in libqt6widgets6 libqt6gui6 libc6 fonts-liberation2; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$package\( \|$\)" ||
        fail "Depends lacks $package: $depends"
done
echo "$(basename "$deb"): $depends"

# What Debian's own check says of the package: shown whole; an error or a warning fails.
# Informational tags stay visible to the reader (a sanitizer build is not fortified).
status=0
lintian --pedantic -I --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 || status=$?
echo "lintian --pedantic -I on $(basename "$deb"), status $status:"
cat "$work/lintian"
if grep -E '^(E|W): ' "$work/lintian"; then fail "lintian reports errors or warnings"; fi
