# A CLIPBOARD owner that never answers (a frozen program, a stalled clipboard bridge): with the
# focus in a loading column, Copy, Cut, Undo and opening the Edit menu ask it nothing, so the
# program answers a ping at once; Paste asks it once and waits no longer than Qt's own
# timeout; a copy of text takes the clipboard over without asking; Ctrl+Q ends the program
# quickly with status 0. The owner counts the requests it ignores: the one question for its
# types that the program sends a new owner without waiting, and Paste's. Sourced by
# tests/e2e/run.

step "a CLIPBOARD owner that never answers: Ctrl+C, Ctrl+X, Ctrl+Z and the Edit menu stay quick, Ctrl+V waits once, Ctrl+Q quits"
X_CLIENTS=$WORK/x_clients
OWNER_PID=""
OWNER_LOG=$LOGS/never-answering-owner.log
if ! { cmake -S "$E2E/x_clients" -B "$X_CLIENTS" -G Ninja && cmake --build "$X_CLIENTS"; } >"$LOGS/x-clients.log" 2>&1; then
  fail "the X clients of the check did not build; see $LOGS/x-clients.log"
elif ! start_again quillon-clipboard.log || ! wait_until 10000 main_up; then
  fail "the main window did not come up"
else
  activate "$MAIN" || focus_by_click "$MAIN" 5 $((BAR + 250))
  click_control InputFld1
  type_text ".5"  # something to undo; nothing is selected, so Copy and Cut leave the clipboard alone

  : >"$OWNER_LOG"
  owners() { grep -c '^owner$' "$OWNER_LOG"; }
  requests() { grep -c '^request ' "$OWNER_LOG"; }
  # Starts the owner; the program asks a new owner once for its types, in the background.
  start_owner() {
    local before asked
    before=$(owners)
    asked=$(requests)
    "$X_CLIENTS/never_answering_owner" >>"$OWNER_LOG" 2>&1 &
    OWNER_PID=$!
    owner_ready() { [ "$(owners)" -gt "$before" ]; }
    wait_until 5000 owner_ready || fail "the never-answering owner did not take the CLIPBOARD selection"
    owner_asked() { [ "$(requests)" -gt "$asked" ]; }
    wait_until 2000 owner_asked
    check "what the program asked the new owner" "request TARGETS" "$(grep '^request ' "$OWNER_LOG" | tail -n +$((asked + 1)))"
  }
  start_owner

  # answers_after LIMIT_MS REQUESTS WHAT ACTION...: after the action the main window answers a
  # ping within the limit, and the owner was asked that many times meanwhile. Says how long the
  # answer took (waiting up to 45 s for it).
  answers_after() {
    local limit=$1 asked=$2 what=$3 before took
    shift 3
    before=$(requests)
    "$@"
    took=$(timeout 50 "$X_CLIENTS/ping_window" "$MAIN" 45000)
    if [[ ! $took =~ ^[0-9]+$ ]]; then
      fail "after $what the program answered no ping within 45 s"
    elif [ "$took" -le "$limit" ]; then
      pass "after $what the program answered a ping in $(seconds "$took") s"
    else
      fail "after $what the program answered a ping in $(seconds "$took") s, not within $(seconds "$limit") s"
    fi
    check "clipboard requests on $what" "$asked" $(($(requests) - before))
  }

  for key in ctrl+c ctrl+x ctrl+z; do
    answers_after 1000 0 "$key" keys "$key"
  done
  open_edit_menu() {
    click_at "$MAIN" 12 $((BAR / 2))  # the File menu
    keys Right                         # the Edit menu
  }
  answers_after 1000 0 "opening the Edit menu" open_edit_menu
  screenshot edit-menu-never-answering-owner
  answers_after 1000 0 "closing the menu" keys Escape Escape
  answers_after 6000 1 "ctrl+v" keys ctrl+v
  grep -q '^lost$' "$OWNER_LOG" && fail "the never-answering owner lost the CLIPBOARD selection before a copy took it"

  # A copy takes the selection over without asking the owner anything.
  type_text "7"
  answers_after 1000 0 "ctrl+a, ctrl+c with text in the column" keys ctrl+a ctrl+c
  owner_lost() { grep -q '^lost$' "$OWNER_LOG"; }
  wait_until 2000 owner_lost || fail "the copy did not take the CLIPBOARD selection from the owner"
  check "the copied text" "7" "$(clip_get)"

  # Quit while the owner holds the clipboard again.
  kill "$OWNER_PID" 2>/dev/null
  wait "$OWNER_PID" 2>/dev/null
  start_owner

  started=$(ms_now)
  keys ctrl+q
  if wait_until 6000 app_ended; then
    pass "Ctrl+Q ended the program after $(seconds $(($(ms_now) - started))) s"
  else
    fail "the program still ran 6 s after Ctrl+Q"
  fi
  check_ended 0 "Ctrl+Q with a never-answering clipboard owner"
fi
[ -n "$APP_PID" ] && { kill "$APP_PID" 2>/dev/null; wait "$APP_PID" 2>/dev/null; APP_PID=""; }
[ -n "$OWNER_PID" ] && { kill "$OWNER_PID" 2>/dev/null; wait "$OWNER_PID" 2>/dev/null; }
OWNER_PID=""
