#!/bin/sh
# Builds the event fuzzer (the fuzz preset) and runs it from the corpus kept in the repository
# (tests/fuzz/corpus: where the last long run ended), the replay scenarios and what this
# machine's runs have grown so far. A finding fails the run; it is written to
# build/fuzz/findings/, and build/fuzz/tools/fuzz/skalor-fuzz-script FILE prints it as a
# replay script.
#   tools/fuzz/run.sh                            one minute
#   tools/fuzz/run.sh -max_total_time=3600       an hour (any libFuzzer options)
#   tools/fuzz/run.sh --refresh                  after a long run: the kept corpus becomes the
#                                                smallest set with the coverage of it and of
#                                                this machine's corpus (commit the change)
set -eu
cd "$(dirname "$0")/../.."
out=build/fuzz
kept=tests/fuzz/corpus
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc 2>/dev/null || echo 2)"
mkdir -p "$out/seeds" "$out/corpus" "$out/findings" "$kept"
if [ "${1:-}" = --refresh ]; then
    rm -rf "$out/merged"
    mkdir -p "$out/merged"
    "$out/tools/fuzz/skalor-fuzz" -merge=1 "$out/merged" "$kept" "$out/corpus"
    rm -f "$kept"/*
    cp "$out/merged"/* "$kept"/
    echo "$(ls "$kept" | wc -l) inputs kept in $kept"
    exit 0
fi
[ $# -gt 0 ] || set -- -max_total_time=60
rm -rf "$out/seeds"
mkdir -p "$out/seeds"
"$out/tools/fuzz/skalor-fuzz-script" --seeds "$out/seeds" tests/replay/*.rpl
exec "$out/tools/fuzz/skalor-fuzz" "$out/corpus" "$kept" "$out/seeds" -print_final_stats=1 \
    -artifact_prefix="$out/findings/" "$@"
