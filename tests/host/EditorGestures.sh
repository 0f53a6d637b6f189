#!/bin/bash
# plughost editor PLUGIN as a user drives it on the X display: a click on the
# Mode button and a drag across the CUT freq. switch, through XTest; then
# prints what plughost printed.
set -u
plughost=$1 plugin=$2
printed=$(mktemp)
"$plughost" editor "$plugin" --seconds 3 >"$printed" 2>&1 &
window=$(timeout 20 xdotool search --sync --name '^plughost editor: ')
sleep 0.5  # the panel embedded in it
xdotool mousemove --window "$window" 57 233 click 1
xdotool mousemove --window "$window" 84 153 mousedown 1 mousemove --window "$window" 119 153 mouseup 1
wait
cat "$printed"
rm -f "$printed"
