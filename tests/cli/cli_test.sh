#!/usr/bin/env bash
# Drives tembrel-cli end to end on a generated folder: catalog, refuse, re-catalog, list.
set -u
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TEMBREL_PROGRAM_FOLDER="$work/program" XDG_CONFIG_HOME="$work/config"
mkdir -p "$work/program" "$work/config" "$work/disk/GAMES/DOOM"
echo hello > "$work/disk/README.TXT"
echo x > "$work/disk/GAMES/DOOM.EXE"
printf 'ab' > "$work/disk/GAMES/DOOM/tab	name.txt"
fail() { echo "FAIL: $*"; exit 1; }

"$cli" catalog --catalog Test --folder "$work/disk" >"$work/out" 2>"$work/err" && fail "an unlabelled folder was cataloged"
grep -q -- "--label" "$work/err" || fail "no hint about --label: $(cat "$work/err")"

"$cli" catalog --catalog Test --folder "$work/disk" --label mydisk >"$work/out" 2>"$work/err" || fail "catalog: $(cat "$work/err")"
grep -q $'^Files Added\t3$' "$work/out" || fail "counters: $(cat "$work/out")"

"$cli" catalog --catalog Test --folder "$work/disk" --label mydisk >"$work/out" 2>"$work/err" && fail "a cataloged disk was replaced without --replace"
grep -q -- "--replace" "$work/err" || fail "no hint about --replace"

rm "$work/disk/README.TXT"
"$cli" catalog --catalog Test --folder "$work/disk" --label MYDISK --replace --no-recurse --start GAMES >"$work/out" 2>&1 || fail "re-catalog: $(cat "$work/out")"
grep -q $'^Files Removed\t2$' "$work/out" || fail "re-catalog counters: $(cat "$work/out")"

"$cli" catalogs >"$work/out" || fail "catalogs"
[ "$(cat "$work/out")" = $'Test\t1\t1' ] || fail "catalogs listing: $(cat "$work/out")"

"$cli" catalog --catalog Test --folder "$work/disk" --label MYDISK --replace >/dev/null 2>&1 || fail "third run"
"$cli" files --catalog test --volume mydisk >"$work/out" || fail "files"
grep -q $'^tab\\\\tname.txt\tMYDISK\t\\\\GAMES\\\\DOOM\t\t2\t' "$work/out" || fail "files listing: $(cat "$work/out")"
[ "$(wc -l <"$work/out")" -eq 2 ] || fail "files count: $(cat "$work/out")"

"$cli" frobnicate >/dev/null 2>&1; [ $? -eq 2 ] || fail "usage exit code"
echo "cli ok"
