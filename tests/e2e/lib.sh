# Helpers of the end-to-end test: results and screenshots, the program's windows, the mouse,
# the keyboard and the clipboard. Sourced by tests/e2e/run, which sets DISPLAY, LOGS and
# APP_PID (the program's process) before it uses them.

PASSED=0
FAILED=0
STEP=""
STEP_NO=0
SHOT=""

# ---- time, text ---------------------------------------------------------------------------

ms_now() { date +%s%3N; }
seconds() { awk -v ms="$1" 'BEGIN { printf "%.2f", ms / 1000 }'; }
# A text on one line, its line ends made visible.
shown() {
  local s=${1//$'\r'/\\r}
  printf '%s' "${s//$'\n'/\\n}"
}

# ---- results ------------------------------------------------------------------------------

RUN_STARTED=$(date +%s%3N)

step() {
  STEP_NO=$((STEP_NO + 1))
  STEP=$*
  echo "== $STEP_NO. $STEP  (at $(seconds $(($(ms_now) - RUN_STARTED))) s)"
}

screenshot() {  # NAME
  SHOT=$(printf '%s/%02d-%s.png' "$LOGS" "$STEP_NO" "$1")
  import -window root "$SHOT" 2>/dev/null || SHOT="(none: import failed)"
}

pass() {
  PASSED=$((PASSED + 1))
  echo "ok   $*"
}

fail() {
  FAILED=$((FAILED + 1))
  echo "FAIL $*"
  echo "     step: $STEP_NO. $STEP"
  screenshot "failed-$FAILED"
  echo "     screenshot: $SHOT"
  echo "     windows (xdotool search --name .):"
  window_list | sed 's/^/       /'
}

check() {  # WHAT EXPECTED ACTUAL
  if [ "$3" == "$2" ]; then
    pass "$1: \"$(shown "$3")\""
  else
    fail "$1: expected \"$(shown "$2")\", got \"$(shown "$3")\""
  fi
}

# ---- waiting ------------------------------------------------------------------------------

# wait_until TIMEOUT_MS COMMAND...: runs the command every 30 ms until it succeeds; false when
# the time is up.
wait_until() {
  local end=$(($(ms_now) + $1))
  shift
  until "$@"; do
    [ "$(ms_now)" -lt "$end" ] || return 1
    sleep 0.03
  done
}

# ---- windows ------------------------------------------------------------------------------

# Every named window on the display, one a line: id, shown or hidden, name.
window_list() {
  local id state
  for id in $(xdotool search --name . 2>/dev/null); do
    state=hidden
    xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && state=shown
    printf '%s %s "%s"\n' "$id" "$state" "$(xdotool getwindowname "$id" 2>/dev/null)"
  done
}

# The program's windows on screen, one "id<TAB>name" a line.
app_windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
    printf '%s\t%s\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
  done
}

# The program's window on screen titled exactly NAME (xdotool's own patterns ignore case).
window_named() { app_windows | awk -F '\t' -v name="$1" '$2 == name { print $1; exit }'; }

# A window of the program on screen that is none of the given ones.
window_besides() { app_windows | awk -F '\t' -v known=" $* " 'index(known, " " $1 " ") == 0 { print $1; exit }'; }

is_shown() { [ -n "$1" ] && xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
is_gone() { ! is_shown "$1"; }
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

window_size() {  # ID: prints "WIDTH HEIGHT"
  xwininfo -id "$1" 2>/dev/null | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w + 0, h + 0 }'
}

# Gives the window the focus as a user would: a click at a spot that holds no control.
focus_by_click() {  # ID X Y
  click_at "$@"
  wait_until 2000 has_focus "$1"
}

# ---- mouse and keyboard -------------------------------------------------------------------

click_at() {  # ID X Y, in the window's coordinates
  timeout 5 xdotool mousemove --window "$1" "$2" "$3" click 1
}

keys() { timeout 10 xdotool key --clearmodifiers --delay 15 "$@"; }
type_text() { timeout 20 xdotool type --clearmodifiers --delay 25 -- "$1"; }

# ---- clipboard ----------------------------------------------------------------------------

CLIP_N=0
clip_put() { printf '%s' "$1" | timeout 5 xclip -selection clipboard -in >/dev/null 2>&1; }
clip_get() { timeout 3 xclip -selection clipboard -out 2>/dev/null; }
clip_holds() { cmp -s <(clip_get) <(printf '%s' "$1"); }
clip_differs() { ! clip_holds "$1"; }

# Puts TEXT on the clipboard and waits until the clipboard gives it back.
clip_offer() {
  clip_put "$1"
  wait_until 3000 clip_holds "$1"
}

# copy_with KEYS...: presses the keys, which should copy something, and prints what came to the
# clipboard. Tried twice; false when nothing came (an empty field copies nothing).
copy_with() {
  local try marker
  for try in 1 2; do
    CLIP_N=$((CLIP_N + 1))
    marker="quillon-e2e: nothing copied ($CLIP_N)"
    clip_offer "$marker" || continue
    keys "$@"
    if wait_until 1500 clip_differs "$marker"; then
      clip_get
      return 0
    fi
  done
  return 1
}

# True when Ctrl+A, Ctrl+C in the focused field copies nothing: the field is empty. (One try:
# a copy that got lost would count as empty.)
copies_nothing() {
  local marker
  CLIP_N=$((CLIP_N + 1))
  marker="quillon-e2e: nothing copied ($CLIP_N)"
  clip_offer "$marker" || return 1
  keys ctrl+a ctrl+c
  ! wait_until 800 clip_differs "$marker"
}
