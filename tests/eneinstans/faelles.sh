# Shared by the channel's shell tests: $program, $dir and the array pids are the caller's.

fail() {
    echo "FAIL: $*"
    for f in "$dir"/*.err; do [ -s "$f" ] && { echo "--- $(basename "$f")"; cat "$f"; }; done
    exit 1
}

ms() { echo $(($(date +%s%N) / 1000000)); }

# Time limits stretch by this factor where the build itself is slow (the sanitizer build).
faktor=${ANKERHUS_TIDSFAKTOR:-1}

# Waits up to the seconds for the program's socket in the folder and prints its path;
# gives up when the program started last ($pid) has ended.
socket_in() {
    local s
    for _ in $(seq 1 $(($2 * 10))); do
        for s in "$1"/ankerhus-*; do [ -S "$s" ] && { echo "$s"; return 0; }; done
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Starts the program in the background, its standard error in $dir/<name>.err; sets pid.
# Further arguments go to the program.
start() {
    "$program" "${@:2}" 2>"$dir/$1.err" &
    pid=$!
    pids+=("$pid")
}

# A start while the program runs: hands over, ends with 0 within a second, no complaint.
# Its arguments go to the program.
second_start() {
    local t0 rc=0 t
    t0=$(ms)
    timeout 20 "$program" "$@" 2>"$dir/second.err" || rc=$?
    t=$(($(ms) - t0))
    [ $rc = 0 ] || fail "second start exit code $rc"
    [ $t -lt $((1000 * faktor)) ] || fail "second start took $t ms"
    ! grep -q '^ankerhus:' "$dir/second.err" || fail "second start complained"
}
