# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the shell tests of this folder: a scratch folder $work removed at exit, the list
# of installed files and a way to fail.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every file the install puts under its prefix, for the application id $1, sorted.
installed_files() {
    {
        echo bin/skalor
        echo "share/applications/$1.desktop"
        echo "share/metainfo/$1.metainfo.xml"
        echo "share/icons/hicolor/scalable/apps/$1.svg"
        for size in 16 22 24 32 48 64 128 256; do
            echo "share/icons/hicolor/${size}x${size}/apps/$1.png"
        done
        echo share/doc/skalor/README.md
        echo share/doc/skalor/copyright
        echo share/doc/skalor/changelog.Debian.gz
        echo share/man/man1/skalor.1.gz
        echo share/man/ru/man1/skalor.1.gz
        echo share/lintian/overrides/skalor
    } | LC_ALL=C sort
}

# Fails the test with a message.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
