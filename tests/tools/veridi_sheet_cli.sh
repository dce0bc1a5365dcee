#!/usr/bin/env bash
# Runs veridi-sheet's problems and recalc subcommands and checks what a user sees.
set -u
sheet=$1
failures=0
passes=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# expect NAME EXPECTED_STATUS EXPECTED_STDOUT EXPECTED_STDERR -- COMMAND...
expect() {
    local name=$1 status=$2 out=$3 err=$4
    shift 5
    "$@" >"$tmp/out" 2>"$tmp/err" </dev/null
    local got=$?
    if [ "$got" != "$status" ] || [ "$(cat "$tmp/out")" != "$out" ] || [ "$(cat "$tmp/err")" != "$err" ]; then
        echo "FAIL $name: status $got, stdout [$(cat "$tmp/out")], stderr [$(cat "$tmp/err")]"
        failures=$((failures + 1))
    else
        passes=$((passes + 1))
    fi
}

div=(problems --op div --first 10:10 --count-first --second 3:3 --count-second --rows 1 --cols 1)
expect "division without remainder" 0 $'9\t3\t3' "" -- "$sheet" "${div[@]}" --remainder forbid
expect "division with remainder" 0 $'10\t3\t3 あまり 1' "" -- "$sheet" "${div[@]}" --remainder allow
expect "values after equals signs" 0 $'-5\t2\t-3' "" -- \
    "$sheet" problems --op=add --first=-5:-5 --second=2:2 --domain=all --rows=1 --cols=1
question="最大値や最小値の条件は合っていますか?"
expect "no to the question" 3 "" "$question" -- \
    "$sheet" problems --op sub --first 1:1 --second 1:1 --rows 1 --cols 1
expect "yes to the question" 0 $'1\t1\t0\n1\t1\t0' "$question"$'\n'"$question" -- \
    "$sheet" problems --op sub --first 1:1 --second 1:1 --rows 2 --cols 1 --confirm yes
expect "zero divisor kept" 0 $'4\t0\t--- Divid by zero' "$question" -- \
    "$sheet" problems --op div --first 4:4 --second 0:0 --rows 1 --cols 1 --confirm=yes

printf '[Exam]\r\nRow=3\r\nCol=2\r\nNumerical=0\r\nNZero=0\r\n' >"$tmp/v.ini"
"$sheet" problems --settings "$tmp/v.ini" --op mul --first 0:0 --seed 4 >"$tmp/lines" 2>&1
if [ "$(grep -c $'^0\t[0-9]*\t0$' "$tmp/lines")" = 6 ]; then passes=$((passes + 1)); else
    echo "FAIL settings file rows and columns: $(cat "$tmp/lines")"; failures=$((failures + 1)); fi
"$sheet" problems --seed 11 --rows 4 >"$tmp/a" 2>/dev/null
"$sheet" problems --seed 11 --rows 4 >"$tmp/b" 2>/dev/null
if cmp -s "$tmp/a" "$tmp/b" && [ "$(wc -l <"$tmp/a")" = 4 ]; then passes=$((passes + 1)); else
    echo "FAIL same seed, same problems"; failures=$((failures + 1)); fi

recalc_in=$'7\t2\n8\t0\t9\n-7\t2\nx\t1'
expect "recalculation" 0 $'3 あまり 1\n--- Divid by zero\n-3 あまり -1\n---' \
    $'ゼロでは割れません\n数値に変換できません 4行目' -- \
    bash -c 'printf "%s" "$1" | "$0" recalc --op div' "$sheet" "$recalc_in"

expect "recalculation of CR, CR LF and LF lines" 0 $'3\n7\n11\n---' $'数値に変換できません 4行目' -- \
    bash -c 'printf "1\t2\r3\t4\r\n5\t6\n\n" | "$0" recalc --op add' "$sheet"
# An endless line is refused at the cap, after the lines before it are answered.
expect "recalculation of an endless line" 2 $'3' "veridi-sheet recalc: line 2 is longer than 65536 bytes" -- \
    bash -c '{ printf "1\t2\n"; cat /dev/zero; } | "$0" recalc --op add' "$sheet"
expect "recalculation of a line at the cap" 0 "---" "数値に変換できません 1行目" -- \
    bash -c 'head -c 65536 /dev/zero | tr "\\0" x | "$0" recalc --op add' "$sheet"

for bad in "--rows 1000 --cols 11" "--op pow" "--rows" "--rows -1" "--first 5" "--first 9:1" "--bogus" "--count-first=1" "--seed x"; do
    # shellcheck disable=SC2086
    "$sheet" problems $bad >"$tmp/out" 2>"$tmp/err"
    status=$?
    if [ "$status" = 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" = 1 ]; then passes=$((passes + 1)); else
        echo "FAIL bad option $bad: status $status, stderr [$(cat "$tmp/err")]"; failures=$((failures + 1)); fi
done

# Help on standard output with status 0, for the tool and for a subcommand, long and short.
for args in "--help" "-h" "render --help" "draw -h"; do
    # shellcheck disable=SC2086
    "$sheet" $args >"$tmp/out" 2>"$tmp/err"
    status=$?
    if [ "$status" = 0 ] && [ ! -s "$tmp/err" ] && head -n 1 "$tmp/out" | grep -q '^usage: veridi-sheet' &&
        grep -q '^Example:' "$tmp/out"; then passes=$((passes + 1)); else
        echo "FAIL help $args: status $status, stderr [$(cat "$tmp/err")]"; failures=$((failures + 1)); fi
done

echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
