#!/bin/bash
# Runs a command on a virtual X display of its own, 24 bits deep so that
# pixels read back exactly, and ends the display after it. Xvfb picks a free
# display itself (-displayfd): lock files in /tmp, by which other tools pick
# one, are not shared with a clean root, while X's sockets are. No reset when
# a program's last connection closes: the next one could find it resetting.
set -u
fifo="$(mktemp -u)"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r number <"$fifo"
rm -f "$fifo"
if [ -z "${number:-}" ]; then
  echo "with-display.sh: Xvfb did not start" >&2
  exit 1
fi
DISPLAY=":$number" "$@"
status=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
exit $status
