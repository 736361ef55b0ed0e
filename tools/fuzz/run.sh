#!/bin/sh
# Builds the event fuzzer (the fuzz preset) and runs it from the replay scenarios and the
# corpus it has grown so far. A finding fails the run; it is written to build/fuzz/findings/,
# and build/fuzz/tools/fuzz/skalor-fuzz-script FILE prints it as a replay script.
#   tools/fuzz/run.sh                            one minute
#   tools/fuzz/run.sh -max_total_time=3600       an hour (any libFuzzer options)
set -eu
cd "$(dirname "$0")/../.."
[ $# -gt 0 ] || set -- -max_total_time=60
out=build/fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc 2>/dev/null || echo 2)"
rm -rf "$out/seeds"
mkdir -p "$out/seeds" "$out/corpus" "$out/findings"
"$out/tools/fuzz/skalor-fuzz-script" --seeds "$out/seeds" tests/replay/*.rpl
exec "$out/tools/fuzz/skalor-fuzz" "$out/corpus" "$out/seeds" -print_final_stats=1 \
    -artifact_prefix="$out/findings/" "$@"
