#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder with DESTDIR, as a package build would, and checks
# that every file lands where a desktop looks for it, that the desktop entry and the AppStream
# metainfo validate, and that the staged program runs from there.
# Usage: install_test.sh BUILD_DIR APP_ID
set -eu
build=$1
id=$2
. "$(dirname "$0")/test_lib.sh"
stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr/local >/dev/null
prefix=$stage/usr/local

# Exactly the expected files, nothing else anywhere in the stage.
(cd "$stage" && find . -type f | sed 's|^\./usr/local/||' | LC_ALL=C sort) >"$work/found"
installed_files "$id" >"$work/expected"
diff -u "$work/expected" "$work/found" || fail "installed files differ from the expected list"

# Each icon PNG is as large as the folder it sits in says.
for png in "$prefix"/share/icons/hicolor/*x*/apps/"$id".png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "$size" ] || fail "$png is $dims, not $size"
done

# Valid for the desktop's tools: no errors, no warnings (desktop-file-validate's hints allowed).
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop") ||
    fail "desktop-file-validate: $out"
if echo "$out" | grep -E 'error|warning'; then fail "desktop-file-validate complains"; fi
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"

# The program names no path of the build: it runs from the prefix alone.
if readelf -d "$prefix/bin/skalor" | grep -E 'RPATH|RUNPATH'; then
    fail "the installed program carries a library search path"
fi

# The staged program answers without a display; an unusable platform plugin proves that it
# never started Qt's windowing for this.
export QT_QPA_PLATFORM=no-such-platform
version=$("$prefix/bin/skalor" --version) || fail "--version failed"
[ "$version" = "skalor 1.2.1" ] || fail "--version printed '$version'"
"$prefix/bin/skalor" --help | grep -q '^Использование: skalor' || fail "--help"
echo "installed and validated: $(installed_files "$id" | wc -l) files"
