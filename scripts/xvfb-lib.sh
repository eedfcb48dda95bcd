# Sourced by the checks that need an X server: start_xvfb LOG starts Xvfb on a free display
# (Xvfb picks it and writes its number to the given descriptor), sets $xvfb to its process and
# $display to ":N", or returns 1 when it did not start.
start_xvfb() {
    local log="$1" displayfile
    displayfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >>"$log" 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do
        [ -s "$displayfile" ] && break
        sleep 0.2
    done
    display=":$(head -n1 "$displayfile")"
    rm -f "$displayfile"
    [ "$display" != ":" ]
}
