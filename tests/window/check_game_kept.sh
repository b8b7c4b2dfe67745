#!/usr/bin/env bash
# The game in progress kept by the real program under Xvfb and Openbox, driven by keys from
# outside: a first start shows the newcomer's guidance; a game played into, then ended by SIGKILL
# or SIGTERM, opens again as it was (the same title, the same file, no game abandoned); a file
# that holds no possible game is put aside under a .bad name with one note; a second copy leaves
# the first one's game alone. Usage: check_game_kept.sh PROGRAM
set -euo pipefail

program=$1
for tool in Xvfb openbox xdotool xprop import convert cmp; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps test" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
stop_all() {
  local pid
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  pids=()
}
trap 'stop_all; rm -rf "$work"' EXIT
trap 'exit 2' TERM INT HUP

case_name=setup
fail() {
  echo "FAIL ($case_name): $*" >&2
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

: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for "X server" 40 grep -q '[0-9]' "$work/display"
export DISPLAY=":$(tr -dc '0-9' <"$work/display")"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for "window manager" 40 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"

# One player's folders; two volleys of two shots, both pauses on, so the game waits at each step.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
game="$XDG_STATE_HOME/vornmark/game"
statistics="$XDG_DATA_HOME/vornmark/statistics"
new_player() {
  rm -rf "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME"
  mkdir -p "$HOME" "$XDG_CONFIG_HOME/vornmark"
  printf '[Options]\nNumberOfShots=2\n' >"$XDG_CONFIG_HOME/vornmark/VORNMARK.INI"
}

# Starts a copy of the program; its pid is in $copy, its main window in $window.
start_copy() {
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM=xcb "$program" -D3 >>"$work/vornmark.log" 2>&1 &
  copy=$!
  pids+=("$copy")
  wait_for "main window" 60 find_main_window
}
# The main window is the one that is no other window's transient, as a note box is.
find_main_window() {
  local candidate
  window=
  for candidate in $(xdotool search --all --onlyvisible --pid "$copy" --name '^Vornmark'); do
    xprop -id "$candidate" WM_TRANSIENT_FOR | grep -q 'not found' && window=$candidate
  done
  [ -n "$window" ] && xprop -id "$window" WM_STATE | grep -q Normal
}
# Answers the note box of the copy with Return.
close_note() {
  timeout 40 xdotool windowactivate --sync "$(xdotool search --all --onlyvisible --pid "$copy" | grep -vx "$window" | head -n 1)" ||
    fail "the note could not be activated"
  xdotool key Return
  wait_for "note closed" 30 sh -c "[ \$(xdotool search --all --onlyvisible --pid $copy | wc -l) -lt 2 ]"
}
windows_of_copy() { xdotool search --all --onlyvisible --pid "$copy" | wc -l; }
has_note() { [ "$(windows_of_copy)" -ge 2 ]; }
title() { xdotool getwindowname "$window"; }
title_is() { [ "$(title)" = "$1" ]; }
keys() {
  timeout 40 xdotool windowactivate --sync "$window" || fail "the main window could not be activated"
  local key
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.3
  done
}
# Ends the copy with a signal and waits for it; the status it ended with is in $ended.
end_copy() {
  kill "-$1" "$copy"
  ended=0
  { wait "$copy"; } 2>/dev/null || ended=$?
}
# The share of the window's pixels in the colour of the guidance's card.
card_share() {
  import -window "$window" "$work/window.png" &&
    convert "$work/window.png" -fill black +opaque 'rgb(252,252,249)' -fill white -opaque 'rgb(252,252,249)' \
      -colorspace gray -format '%[fx:mean]' info:
}
shows_guidance() { awk -v share="$(card_share)" 'BEGIN { exit !(share > 0.05) }'; }
file_is_steady() {
  [ -s "$game" ] || return 1
  cp "$game" "$work/steady.now"
  sleep 0.5
  cmp -s "$game" "$work/steady.now"
}
# Into a game: the fleet laid by Place and its scatter, a new game, one volley fired and seen,
# Vornmark's answering volley shown, and one shot of the next volley placed.
play_into_a_game() {
  keys ctrl+l Return ctrl+n space Right space Return
  keys Return
  wait_for "Vornmark's volley in the title" 60 sh -c "xdotool getwindowname $window | grep -q '^Vornmark .'"
  keys Return Down space
  wait_for "steady game file" 30 file_is_steady
  cp "$game" "$work/game.before"
}

# The guidance greets a first start and goes with the first game; a game ended by a signal opens
# again as it was, and its file, written again at the next end, is the same.
for signal in KILL TERM; do
  case_name="ended by SIG$signal"
  new_player
  start_copy
  wait_for "newcomer's guidance" 30 shows_guidance
  play_into_a_game
  shows_guidance && fail "the guidance still shows in a game"
  before_title=$(title)
  end_copy "$signal"
  if [ "$signal" = TERM ]; then [ "$ended" -eq 0 ] || fail "SIGTERM ended the program with $ended"; fi
  cmp -s "$game" "$work/game.before" || fail "the file changed as the program ended"
  [ -e "$statistics" ] && grep -q '^abandoned=[1-9]' "$statistics" && fail "the kept game was recorded as abandoned"
  start_copy
  wait_for "resumed title \"$before_title\"" 30 title_is "$before_title"
  has_note && fail "a note showed at a resume"
  shows_guidance && fail "the guidance shows over a resumed game"
  end_copy TERM
  cmp -s "$game" "$work/game.before" || fail "the resumed game was not the same game"
  echo "$case_name: resumed as \"$before_title\", the same file"
done

# A file that holds no possible game: put aside as game.bad, one note, a start as today.
case_name="damaged file"
new_player
mkdir -p "${game%/*}"
printf 'no game at all\n' >"$game"
start_copy
wait_for "note on the damaged file" 30 has_note
[ "$(cat "$game.bad")" = "no game at all" ] || fail "game.bad does not hold the damaged file"
[ -e "$game" ] && fail "the damaged file is still in place"
close_note
title_is Vornmark || fail "the title after a damaged file is $(title)"
shows_guidance || fail "no guidance after a damaged file"
end_copy TERM
echo "$case_name: set aside as game.bad with a note"

# A second copy while the first one plays: a note, and the first one's game untouched by it.
case_name="second copy"
new_player
start_copy
first=$copy first_window=$window
play_into_a_game
start_copy
wait_for "note in the second copy" 30 has_note
close_note
title_is Vornmark || fail "the second copy resumed the first one's game"
keys ctrl+l Return ctrl+n space
end_copy TERM
cmp -s "$game" "$work/game.before" || fail "the second copy wrote over the first one's game"
copy=$first window=$first_window
keys Right space
end_copy TERM
cmp -s "$game" "$work/game.before" && fail "the first copy did not keep its game after the second one went"
echo "$case_name: left the first one's game alone"
