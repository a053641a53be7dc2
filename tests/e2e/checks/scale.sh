# shellcheck shell=bash
# Large and fractional scales, on an X server of 1920x1080 with a window manager of their own:
# at QT_SCALE_FACTOR 2 the main window (1000x1138 pixels) is taller than the screen and opens
# with its frame's top-left corner, title bar included, on the screen; at 1.25 every field of
# the main window shows its four border edges. Sourced by tests/e2e/run.

# Left, top, width and height of each field in the main window's content.
declare -A FIELD_RECT=(
  [Nvariables]="231 139 50 20" [Nsubjects1]="231 163 50 20" [Nsubjects2]="231 187 50 20" [sFld]="231 212 50 20"
  [InputFld1]="20 292 120 225" [InputFld2]="157 292 120 225"
  [rOutFld]="400 496 75 20" [ChiOutFld]="400 401 75 20" [pOutFld]="400 421 75 20" [sOutFld]="400 329 75 20"
)

# Prints "X Y WIDTH HEIGHT" of the window's client area on the screen.
client_geometry() {  # ID
  xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
    /^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print x + 0, y + 0, w + 0, h + 0 }'
}

# Prints the top-left corner of the window's frame: its client area less the frame's left and
# top extents that the window manager has set.
frame_origin() {  # ID
  local x y w h extents
  read -r x y w h < <(client_geometry "$1")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
  [ -n "$extents" ] || return 1
  echo $((x - ${extents%%,*})) $((y - $(cut -d, -f3 <<<"$extents")))
}

# The fields of the main window that miss a border edge in a screenshot of the screen, as
# "name:edge" words (none: all are whole). An edge is whole when one of the pixel lines that
# the field's edge touches is border grey (at most 230) all along, between the corners.
missing_edges() {  # SHOT CLIENT_X CLIENT_Y BAR SCALE
  local name rect crop
  for name in "${!FIELD_RECT[@]}"; do
    read -r -a rect <<<"${FIELD_RECT[$name]}"
    # The field's pixels and two more on each side: left, top, width and height on the screen.
    crop=$(awk -v s="$5" -v cx="$2" -v cy="$3" -v bar="$4" -v l="${rect[0]}" -v t="${rect[1]}" -v w="${rect[2]}" \
      -v h="${rect[3]}" 'BEGIN { printf "%d %d %d %d", cx + int(l * s) - 2, cy + int((t + bar) * s) - 2, int(w * s) + 6, int(h * s) + 6 }')
    read -r -a crop <<<"$crop"
    convert "$1" -crop "${crop[2]}x${crop[3]}+${crop[0]}+${crop[1]}" -colorspace gray -depth 8 txt:- | sed 1d |
      awk -v name="$name" -v s="$5" -v cx="$2" -v cy="$3" -v bar="$4" -v l="${rect[0]}" -v t="${rect[1]}" \
        -v w="${rect[2]}" -v h="${rect[3]}" -v ox="${crop[0]}" -v oy="${crop[1]}" '
      function floor(v) { return v == int(v) || v > 0 ? int(v) : int(v) - 1 }
      function ceil(v) { return v == int(v) ? v : floor(v) + 1 }
      # Whether the pixel line at "at" (a column when vertical) is border grey from "from" to "to".
      function whole(vertical, at, from, to,   i, p) {
        for (i = from; i <= to; i++) {
          p = vertical ? at "," i : i "," at
          if (!(p in grey) || grey[p] > 230) return 0
        }
        return 1
      }
      function edge(vertical, at, from, to) { return whole(vertical, floor(at), from, to) || whole(vertical, ceil(at), from, to) }
      BEGIN { FS = "[,:() ]+" }
      { grey[($1 + ox) "," ($2 + oy)] = $3 }
      END {
        x0 = cx + l * s; y0 = cy + (t + bar) * s; x1 = x0 + w * s; y1 = y0 + h * s
        if (!edge(1, x0, ceil(y0) + 2, floor(y1) - 3)) printf "%s:left ", name
        if (!edge(0, y0, ceil(x0) + 2, floor(x1) - 3)) printf "%s:top ", name
        if (!edge(1, x1 - 1, ceil(y0) + 2, floor(y1) - 3)) printf "%s:right ", name
        if (!edge(0, y1 - 1, ceil(x0) + 2, floor(x1) - 3)) printf "%s:bottom ", name
      }'
  done
}

# Starts the installed program at the scale factor; true once its main window is up.
start_scaled() {  # FACTOR LOG
  "${app_env[@]}" QT_SCALE_FACTOR="$1" "$PREFIX/bin/quillon" >"$LOGS/$2" 2>&1 &
  APP_PID=$!
  MAIN=""
  wait_until 15000 main_up && return
  fail "at scale $1 the main window did not come up within 15 s"
  kill "$APP_PID" 2>/dev/null
  wait "$APP_PID" 2>/dev/null
  APP_PID=""
  return 1
}

scale_checks() {
  local scale_xvfb scale_ob="" scale_exit_trap shot frame x y w h bar missing
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$LOGS/display-scale" 2>"$LOGS/xvfb-scale.log" &
  scale_xvfb=$!
  # The server and its window manager go down with the run, however it ends.
  scale_exit_trap=$(trap -p EXIT)
  trap 'kill $scale_ob $scale_xvfb 2>/dev/null; clean_up' EXIT
  scale_display_ready() { [ -s "$LOGS/display-scale" ]; }
  if ! wait_until 10000 scale_display_ready; then
    fail "an Xvfb of 1920x1080 did not start"
  else
    local -x DISPLAY
    DISPLAY=:$(head -n 1 "$LOGS/display-scale")
    start_openbox openbox-scale.log
    scale_ob=$!
    if ! wait_until 10000 wm_ready; then
      fail "openbox did not start on the 1920x1080 display"
    else
      if start_scaled 2 quillon-scale2.log; then
        read -r x y w h < <(client_geometry "$MAIN")
        check "at scale 2, the main window's size in pixels" "1000 1138" "$w $h"
        frame_on_screen() { frame=$(frame_origin "$MAIN") && read -r x y <<<"$frame" && [ "$x" -ge 0 ] && [ "$y" -ge 0 ]; }
        if wait_until 5000 frame_on_screen; then
          pass "at scale 2 on a 1920x1080 screen, the main window's frame starts on the screen, at $x,$y"
        else
          fail "at scale 2 on a 1920x1080 screen, the main window's frame starts at ${frame:-(unknown)}, off the screen"
        fi
        screenshot scale-2
        quit_with_ctrl_q "at scale 2"
      fi
      if start_scaled 1.25 quillon-scale1.25.log; then
        read -r x y w h < <(client_geometry "$MAIN")
        bar=$(awk -v h="$h" 'BEGIN { printf "%d", h / 1.25 + 0.5 - 550 }')
        shot="$LOGS/scale-1.25.png"
        borders_whole() {
          import -window root "$shot" 2>/dev/null && missing=$(missing_edges "$shot" "$x" "$y" "$bar" 1.25) && [ -z "$missing" ]
        }
        if wait_until 5000 borders_whole; then
          pass "at scale 1.25, all ten fields of the main window show their four border edges"
        else
          fail "at scale 1.25, fields miss border edges: $missing(screenshot $shot)"
        fi
        quit_with_ctrl_q "at scale 1.25"
      fi
    fi
  fi
  kill $scale_ob "$scale_xvfb" 2>/dev/null
  wait $scale_ob "$scale_xvfb" 2>/dev/null
  eval "$scale_exit_trap"
}

step "at scale 2 on a 1920x1080 screen the main window's frame starts on the screen; at 1.25 the fields' borders are whole"
scale_checks
