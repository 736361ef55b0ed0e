#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's answers on the command line: --help and --version print and succeed, an
# unknown option is refused with status 2 and the usage, an answer lost on a full disk fails,
# and none of them opens a window; nor does writing sheets. Qt's own options still start the
# window.
# Usage: command_line.sh SKALOR
set -u
skalor=$1
. "$(dirname "$0")/test_lib.sh"
out=$work/out
err=$work/err

# A platform plugin that does not exist: the program would fail at once if it started Qt's
# windowing, so status 0 or 2 below also shows that no window was opened.
export QT_QPA_PLATFORM=no-such-platform

# run EXPECTED_STATUS ARG...: runs the program, keeps its streams, checks its status.
run() {
    expected=$1
    shift
    "$skalor" "$@" >"$out" 2>"$err"
    status=$?
    [ "$status" = "$expected" ] || fail "skalor $*: status $status, not $expected: $(cat "$err")"
}

for option in --help -h; do
    run 0 "$option"
    head -n 1 "$out" | grep -qx 'Использование: skalor \[ПАРАМЕТР\]\.\.\.' || fail "$option: usage"
    grep -q -- '--version' "$out" || fail "$option: the usage names --version"
    [ ! -s "$err" ] || fail "$option wrote to stderr"
done

run 0 --version
[ "$(cat "$out")" = "skalor 1.2.1" ] || fail "--version printed '$(cat "$out")'"

for wrong in --bogus -platform file.txt; do
    run 2 $wrong
    [ ! -s "$out" ] || fail "$wrong wrote to stdout"
    head -n 1 "$err" | grep -q "^skalor: .*«$wrong»" || fail "$wrong: no clear error: $(cat "$err")"
    grep -q '^Использование: skalor' "$err" || fail "$wrong: no usage after the error"
done

# Sheets need no display: they are written on the offscreen platform even with this one
# unusable. A file that cannot be written fails with the reason, and leaves nothing behind.
run 0 --sheet 17 --count 5 -o "$work/sheet.pdf"
[ "$(head -c 5 "$work/sheet.pdf")" = "%PDF-" ] || fail "--sheet wrote no PDF"
run 1 --sheet 17 -o "$work/missing/sheet.pdf"
grep -q "^skalor: $work/missing/sheet.pdf: ." "$err" || fail "--sheet failed silently: $(cat "$err")"
[ ! -e "$work/missing" ] || fail "--sheet left a folder behind"
# --help names the progress file in the user's data folder, or the one given.
XDG_DATA_HOME=$work/data run 0 --help
grep -qx "Файл прогресса: $work/data/skalor/progress.json" "$out" || fail "--help: the default progress file"
run 0 --progress-file "$work/cadet.json" --help
grep -qx "Файл прогресса: $work/cadet.json" "$out" || fail "--help: the progress file given"

"$skalor" --version >/dev/full 2>"$err"
[ $? = 1 ] || fail "--version into a full disk reported success"

# No display to open the window on: a word in Russian and status 1, not Qt's abort.
(unset DISPLAY WAYLAND_DISPLAY; QT_QPA_PLATFORM=xcb "$skalor" >"$out" 2>"$err")
status=$?
[ "$status" = 1 ] || fail "without a display: status $status, not 1: $(cat "$err")"
[ "$(cat "$err")" = "$(printf '%s\n%s' \
    'skalor: нет дисплея, окно открыть негде. Запустите программу в графическом сеансе (задана переменная DISPLAY или WAYLAND_DISPLAY)' \
    'или укажите другую платформу Qt, например: skalor -platform offscreen')" ] ||
    fail "without a display: $(cat "$err")"

# No font at all: the window still opens, and says which package brings its face.
printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' "$work" \
    >"$work/fonts.conf"
FONTCONFIG_FILE=$work/fonts.conf timeout 5 "$skalor" -platform offscreen >"$out" 2>"$err"
status=$?
[ "$status" = 124 ] || fail "without fonts: status $status: $(cat "$err")"
grep -q 'Установите пакет fonts-liberation2' "$err" || fail "without fonts: $(cat "$err")"
timeout 5 "$skalor" -platform offscreen >"$out" 2>"$err"
if grep -q 'fonts-liberation2' "$err"; then fail "the font is there, yet: $(cat "$err")"; fi

# Qt's own options reach Qt: this one replaces the unusable platform, and the window runs
# until it is stopped (status 124 from timeout), where a refusal would end it at once.
timeout 3 "$skalor" -platform offscreen -qwindowtitle Skalor >/dev/null 2>&1
status=$?
[ "$status" = 124 ] || fail "skalor -platform offscreen ended with status $status"
echo "command line answers checked"
