#!/usr/bin/env bash
# The game's window under a real window manager: on an Xvfb screen of each size given, with
# Openbox and a 30-pixel tint2 panel at the bottom, the program's window must open with its whole
# frame (title bar and borders included) inside the work area the panel leaves, and its status
# button must be on the screen, uncovered: after File/Place the button's whole outline is white.
# Everything is measured from outside the program. Usage: check_window_fits.sh PROGRAM WxH...
set -euo pipefail

program=$1
shift
for tool in Xvfb openbox tint2 xprop xwininfo xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps test" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
stop_all() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for _ in $(seq 50); do
    local alive=0
    for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && alive=1; done
    [ "$alive" -eq 0 ] && break
    sleep 0.1
  done
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  pids=()
}
trap 'stop_all; rm -rf "$work"' EXIT
trap 'exit 2' TERM INT HUP

fail() {
  echo "FAIL ($screen): $*" >&2
  for log in "$work"/*.log; do
    [ -s "$log" ] && { echo "--- ${log##*/}"; tail -n 20 "$log"; } >&2
  done
  exit 1
}

# Runs the command every 0.2 s until it succeeds, for at most the given seconds (the machine
# may be loaded, so the bounds are generous).
wait_for() {
  local what=$1 seconds=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || fail "no $what after ${seconds} s"
    sleep 0.2
  done
}

# The numbers of an X property, blank-separated.
numbers_of() { xprop "$@" | sed -n 's/^[^=]*= //p' | tr -d ','; }

has_window_manager() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
has_panel_strut() {
  local -a area
  read -r -a area <<<"$(numbers_of -root _NET_WORKAREA)"
  [ "${#area[@]}" -ge 4 ] && [ "${area[3]}" -eq $((screen_height - 30)) ]
}
find_window() {
  window=$(xdotool search --all --onlyvisible --pid "$program_pid" --name '^Vornmark$' | head -n 1)
  [ -n "$window" ]
}

# The client's place on the screen and the frame's extents: "x y width height left right top bottom".
measure() {
  local info x y w h extents
  info=$(xwininfo -id "$window") || return 1
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/^ *Width: *//p' <<<"$info")
  h=$(sed -n 's/^ *Height: *//p' <<<"$info")
  extents=$(numbers_of -id "$window" _NET_FRAME_EXTENTS)
  [ -n "$extents" ] || return 1
  echo "$x $y $w $h $extents"
}
# Settled once five readings in a row, 0.2 s apart, agree: a window manager may move the window
# after mapping it.
settled() {
  local reading
  reading=$(measure) || return 1
  if [ "$reading" = "${last_reading:-}" ]; then
    same_readings=$((same_readings + 1))
  else
    same_readings=0
    last_reading=$reading
  fi
  [ "$same_readings" -ge 4 ]
}

# The darkest grey (0 black .. 1 white) in a rectangle of the root window's picture.
darkest() { convert "$work/root.png" -crop "$3x$4+$1+$2" +repage -colorspace gray -format '%[fx:minima]' info:; }
# The status button's sides and bottom, 2 pixels inside its black edge, are white (its text is
# at the top). The button spans from a twentieth to three twentieths of the width (grid 15) and
# ends 5 pixels above the surface's bottom; it is an eleventh of the surface's height tall, and
# the surface is the client less the menu bar (taken as at most 60 pixels here), so only the
# rows that are the button's for any such bar are read.
button_outline_is_white() {
  import -window root "$work/root.png" || return 1
  local left=$((cx + cw / 20 + 2)) right=$((cx + 3 * cw / 20 - 3)) bottom=$((cy + ch - 5 - 3))
  local top=$((cy + ch - 5 - (ch - 60) / 11 + 2))
  local sides
  sides="$(darkest "$left" "$top" 1 $((bottom - top + 1))) $(darkest "$right" "$top" 1 $((bottom - top + 1)))"
  sides+=" $(darkest "$left" "$bottom" $((right - left + 1)) 1)"
  [ "$sides" = "1 1 1" ]
}
menu_is_open() { [ "$(xdotool search --all --onlyvisible --pid "$program_pid" | wc -l)" -ge 2 ]; }

check_screen() {
  screen=$1
  screen_height=${screen#*x}
  rm -rf "$work/home" "$work/config" "$work/runtime" "$work"/*.log
  mkdir -p "$work/home" "$work/config"
  mkdir -m 700 "$work/runtime"
  export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"

  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  wait_for "X server" 40 grep -q '[0-9]' "$work/display"
  export DISPLAY=":$(tr -dc '0-9' <"$work/display")"

  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_for "window manager" 40 has_window_manager
  cat >"$work/tint2rc" <<'EOF'
panel_items = T
panel_size = 100% 30
panel_position = bottom center horizontal
panel_layer = top
strut_policy = follow_size
EOF
  tint2 -c "$work/tint2rc" >"$work/tint2.log" 2>&1 &
  pids+=($!)
  wait_for "work area left by the panel" 40 has_panel_strut

  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM=xcb "$program" >"$work/vornmark.log" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
  wait_for "main window" 40 find_window
  last_reading="" same_readings=0
  wait_for "settled main window" 40 settled

  local -a area
  read -r -a area <<<"$(numbers_of -root _NET_WORKAREA)"
  local ax=${area[0]} ay=${area[1]} aw=${area[2]} ah=${area[3]}
  local extent_left extent_right extent_top extent_bottom
  read -r cx cy cw ch extent_left extent_right extent_top extent_bottom <<<"$last_reading"
  local fx=$((cx - extent_left)) fy=$((cy - extent_top))
  local fw=$((cw + extent_left + extent_right)) fh=$((ch + extent_top + extent_bottom))
  echo "$screen: work area ${aw}x${ah}+${ax}+${ay}; frame ${fw}x${fh}+${fx}+${fy}" \
    "(extents left $extent_left right $extent_right top $extent_top bottom $extent_bottom);" \
    "client ${cw}x${ch}+${cx}+${cy}"
  if ((fx < ax || fy < ay || fx + fw > ax + aw || fy + fh > ay + ah)); then
    fail "the frame ${fw}x${fh}+${fx}+${fy} leaves the work area ${aw}x${ah}+${ax}+${ay}"
  fi

  # Idle shows no button, so its place is not white yet; File/Place shows the white button.
  button_outline_is_white && fail "the status button's place is white before File/Place"
  timeout 40 xdotool windowactivate --sync "$window" || fail "the main window could not be activated"
  xdotool key --clearmodifiers alt+f
  wait_for "File menu" 40 menu_is_open
  xdotool key l
  wait_for "white status button after File/Place" 40 button_outline_is_white
  echo "$screen: the status button's outline is white after File/Place"

  stop_all
}

for screen in "$@"; do check_screen "$screen"; done
