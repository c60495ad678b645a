# Shared by the tests that run on a display of their own: a virtual screen on a free
# display number and a window manager that has taken it over. Sourced; the caller ends
# the processes (their pids are in $xvfb_pid and $wm_pid).

# Skips the test (exit 77) when one of the named programs is missing.
need() {
    local p
    for p in "$@"; do
        command -v "$p" >/dev/null || { echo "SKIP: $p is not installed"; exit 77; }
    done
}

# Starts Xvfb with a screen of the given size (WxHxDEPTH); it picks the display number
# itself and writes it to us. Exports DISPLAY, sets xvfb_pid.
start_xvfb() {
    local nummer
    exec 3< <(Xvfb -displayfd 1 -screen 0 "$1" -nolisten tcp 2>/dev/null & echo "PID $!"; wait)
    read -r _ xvfb_pid <&3
    read -r nummer <&3
    export DISPLAY=":$nummer"
}

# Starts openbox and waits until it manages the screen (it says so through its start-up
# command); sets wm_pid. Fails when it has not within ten seconds.
start_openbox() {
    local klar ok=1
    klar=$(mktemp -d)
    openbox --sm-disable --startup "touch $klar/wm" >/dev/null 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
        [ -e "$klar/wm" ] && { ok=0; break; }
        sleep 0.1
    done
    rm -rf "$klar"
    return $ok
}
