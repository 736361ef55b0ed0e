#!/bin/sh
# Sets a Debian 12 machine up for Skalor and then either starts the program or runs every
# test. Installs the Debian packages it needs when they are missing (as root, or with sudo).
#   tools/setup.sh run     build (release) and start the program
#   tools/setup.sh test    build (ASan + UBSan, warnings as errors), run every test, then the
#                          event fuzzer for a minute (clang, libFuzzer)
set -eu
cd "$(dirname "$0")/.."

packages="cmake make g++ pkg-config fontconfig qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra librsvg2-bin desktop-file-utils appstream dpkg-dev clang libclang-rt-14-dev"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" = 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
fi

jobs=$(nproc 2>/dev/null || echo 2)
case "${1:-}" in
run)
    cmake --preset default >/dev/null
    cmake --build --preset default --target skalor -j "$jobs"
    exec ./build/default/app/skalor
    ;;
test)
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize -j "$jobs"
    ctest --preset sanitize -j "$jobs"
    tools/fuzz/run.sh -max_total_time=60
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
