# Shared part of the gmousectl end-to-end scripts, sourced with the script's arguments:
#   . "$(dirname "${BASH_SOURCE[0]}")/../lib.sh" "$@"     (arguments: CASE GMOUSECTL)
# Sets $case_name, $ctl, a scratch folder $work removed on exit, and $eeprom inside it.
set -euo pipefail

case_name="$1"
ctl="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
eeprom="$work/eeprom.bin"
# Backups of commands run without --backup-dir stay inside the scratch folder.
export XDG_DATA_HOME="$work/data"
export XDG_STATE_HOME="$work/state"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs gmousectl; keeps stdout, stderr and the exit status in $work/out, $work/err, $status.
run() {
    set +e
    "$ctl" "$@" >"$work/out" 2>"$work/err"
    status=$?
    set -e
}

expect_status() {
    [ "$status" -eq "$1" ] || fail "exit status $status, expected $1; stderr: $(cat "$work/err")"
}

expect_out() {
    grep -qE -- "$1" "$work/out" || fail "stdout lacks /$1/: $(cat "$work/out")"
}

expect_err() {
    grep -qE -- "$1" "$work/err" || fail "stderr lacks /$1/: $(cat "$work/err")"
}

# A refused command line: exit status 2, MESSAGE on standard error, nothing on standard output.
expect_usage_error() {
    expect_status 2
    expect_err "$1"
    [ ! -s "$work/out" ] || fail "a refused command printed: $(cat "$work/out")"
}

same() {
    cmp -s "$1" "$2" || fail "$1 and $2 differ"
}

# COUNT (default 1) bytes at OFFSET of FILE as lower-case hex digits, without spaces.
bytes_at() {
    od -An -tx1 -j"$2" -N"${3:-1}" "$1" | tr -d ' \n'
}
