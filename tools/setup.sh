#!/bin/sh
# Sets a Debian 12 machine up for Skalor and then either starts the program or runs every
# test. Installs the Debian packages it needs when they are missing (as root, or with sudo).
#   tools/setup.sh run     build (release) and start the program
#   tools/setup.sh test    build (ASan + UBSan, warnings as errors) and run every test, the
#                          page's in headless Chromium among them, then the event fuzzer for
#                          a minute (clang, libFuzzer)
#   tools/setup.sh web     build the page, build/web/skalor.html (one file; open it in a browser)
set -eu
cd "$(dirname "$0")/.."

# Installed without recommends: everything the build and the tests use is named here. The
# window on X under a virtual display (a test) needs xvfb with xauth; the package's check,
# lintian. Qt's platforms, offscreen and xcb, come with libqt6gui6 itself.
packages="cmake make g++ pkg-config clang-format fontconfig qt6-base-dev libgl-dev nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra librsvg2-bin desktop-file-utils appstream dpkg-dev lintian xvfb xauth"
# The page: emscripten builds it, Chromium runs its tests, npm brings their DevTools client.
# The fuzzer: clang with libFuzzer and the sanitizers' runtimes.
case "${1:-}" in
test) packages="$packages clang libclang-rt-14-dev emscripten chromium poppler-utils"
      command -v npm >/dev/null 2>&1 || packages="$packages nodejs npm" ;;
web)  packages="$packages emscripten chromium"
      command -v npm >/dev/null 2>&1 || packages="$packages nodejs npm" ;;
esac
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" = 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
fi

jobs=$(nproc 2>/dev/null || echo 2)

# build_page NATIVE_PRESET: the native build of that preset draws the images and records the
# font measures; emscripten compiles the logic around them into build/web/skalor.html.
build_page() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$jobs" --target skalor_resources skalor_text_metrics_table skalor_page_images
    # Debian's emscripten finds its JavaScript modules only in Debian's node path.
    export NODE_PATH=/usr/share/nodejs
    emcmake cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release \
        -DSKALOR_NATIVE_DIR="$PWD/build/$1" >/dev/null
    cmake --build build/web -j "$jobs"
    echo "The page: $PWD/build/web/skalor.html ($(wc -c < build/web/skalor.html) bytes)"
}

case "${1:-}" in
run)
    cmake --preset default >/dev/null
    cmake --build --preset default --target skalor -j "$jobs"
    exec ./build/default/frontend/qt/skalor
    ;;
test)
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize -j "$jobs"
    ctest --preset sanitize -j "$jobs"
    build_page sanitize
    mkdir -p build/web-test
    # The test runs beside its node_modules, where its import finds puppeteer-core.
    cp tests/web/package.json tests/web/package-lock.json tests/web/page_test.mjs build/web-test/
    (cd build/web-test && npm ci --no-audit --no-fund --loglevel=error)
    node build/web-test/page_test.mjs build/web/skalor.html build/sanitize/tools/replay/skalor-replay \
        tests/replay build/web-test/shots
    tools/fuzz/run.sh -max_total_time=60
    ;;
web)
    build_page default
    ;;
*)
    echo "usage: $0 run|test|web" >&2
    exit 2
    ;;
esac
