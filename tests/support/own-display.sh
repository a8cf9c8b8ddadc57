#!/bin/sh
# Runs a command on an X server of its own (Xvfb), so that tests which click, read the
# window back or wait for windows by name never meet another test's windows and can run
# side by side. Xvfb chooses a free display itself (-displayfd), so starts cannot race.
#   tests/support/own-display.sh COMMAND [ARGUMENT...]
set -eu
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -f "$number"' EXIT
for _ in $(seq 200); do
    [ -s "$number" ] && break
    kill -0 $server 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done
[ -s "$number" ] || { echo "Xvfb did not start" >&2; exit 1; }
status=0
DISPLAY=":$(cat "$number")" "$@" || status=$?
exit $status
