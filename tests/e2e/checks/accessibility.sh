# shellcheck shell=bash
# A screen reader's view of the main window, through AT-SPI: on a session bus and an
# accessibility bus of this test's own, the program started with Qt's bridge on reads each of its
# ten fields by the label beside or above it, linked to that label; and the open Edit menu shows
# its Paste item enabled, with the focus in a loading column, exactly while the clipboard holds
# text: not while it has no owner, from the start on or after one has gone, nor while another
# program holds only an image. Sourced by tests/e2e/run.

step "through AT-SPI, each of the ten fields of the main window is read by its label's name"

# The fields in the window's order, each with the label that names it.
a11y_fields=(Nvariables Nsubjects1 Nsubjects2 sFld InputFld1 InputFld2 rOutFld ChiOutFld pOutFld sOutFld)
a11y_labels=("Number of variables (2-99):" "Number of subjects Factor 1:" "Number of subjects Factor 2:"
             "Salience value (> and <):      ±" "Factor 1 coefficients" "Factor 2 coefficients"
             "rc" "Chi-Square:" "p ≤" "s")
# The system's python: pyatspi is a Debian package, not one of any other python on the path.
a11y_python=/usr/bin/python3
a11y_launcher=/usr/libexec/at-spi-bus-launcher

a11y_missing=()
command -v dbus-daemon >/dev/null 2>&1 || a11y_missing+=("dbus-daemon (package dbus-daemon)")
command -v dbus-send >/dev/null 2>&1 || a11y_missing+=("dbus-send (package dbus-bin)")
[ -x "$a11y_launcher" ] || a11y_missing+=("$a11y_launcher (package at-spi2-core)")
"$a11y_python" -c 'import pyatspi' 2>/dev/null || a11y_missing+=("pyatspi for $a11y_python (package python3-pyatspi)")

a11y_bus_pid="" a11y_launcher_pid=""
a11y_gone() { ! kill -0 "$1" 2>/dev/null; }
# Ends the buses this check started, the accessibility bus that the launcher runs with them.
a11y_stop_buses() {
  local children="" pid
  if [ -n "$a11y_launcher_pid" ]; then
    children=$(ps -o pid= --ppid "$a11y_launcher_pid" 2>/dev/null)
    kill "$a11y_launcher_pid" 2>/dev/null
    wait "$a11y_launcher_pid" 2>/dev/null
  fi
  for pid in $children; do
    wait_until 3000 a11y_gone "$pid" || kill "$pid" 2>/dev/null
  done
  if [ -n "$a11y_bus_pid" ]; then
    kill "$a11y_bus_pid" 2>/dev/null
    wait "$a11y_bus_pid" 2>/dev/null
  fi
  a11y_bus_pid="" a11y_launcher_pid=""
}

# The xclip that holds the clipboard as another program would, or none.
a11y_clip_owner=""
a11y_clip_let_go() {
  [ -n "$a11y_clip_owner" ] && { kill "$a11y_clip_owner" 2>/dev/null; wait "$a11y_clip_owner" 2>/dev/null; }
  a11y_clip_owner=""
}
# a11y_clip_hold TYPE FILE: another program, xclip, holds FILE on the clipboard as TYPE alone
# (and answers which types it holds) until it is let go; true once it answers.
a11y_clip_hold() {
  a11y_clip_let_go
  xclip -quiet -selection clipboard -t "$1" -i "$2" >/dev/null 2>&1 &
  a11y_clip_owner=$!
  a11y_clip_types() { timeout 3 xclip -selection clipboard -t TARGETS -o 2>/dev/null | tr '\n' ' '; }
  a11y_clip_serves() { [ "$(a11y_clip_types)" = "TARGETS $1 " ]; }
  wait_until 3000 a11y_clip_serves "$1"
}

if [ ${#a11y_missing[@]} -gt 0 ]; then
  fail "the AT-SPI check needs what is missing (bash scripts/install-deps test): ${a11y_missing[*]}"
else
  # Should the run be interrupted meanwhile, its clean-up ends the buses and xclip as well.
  a11y_exit_trap=$(trap -p EXIT)
  trap 'a11y_clip_let_go; a11y_stop_buses; clean_up' EXIT
  # The buses keep their sockets in the program's own home, and settings in memory.
  a11y_env=("${app_env[@]}" GSETTINGS_BACKEND=memory)
  rm -f "$LOGS/a11y-bus-address"
  "${a11y_env[@]}" dbus-daemon --session --nofork --nopidfile --print-address=3 \
    3>"$LOGS/a11y-bus-address" 2>"$LOGS/a11y-bus.log" &
  a11y_bus_pid=$!
  a11y_bus_ready() { [ -s "$LOGS/a11y-bus-address" ]; }
  if wait_until 5000 a11y_bus_ready; then
    a11y_env+=(DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$LOGS/a11y-bus-address")")
    "${a11y_env[@]}" "$a11y_launcher" --launch-immediately >"$LOGS/a11y-launcher.log" 2>&1 &
    a11y_launcher_pid=$!
    # Until the launcher holds its name, the program's question for it would start another.
    a11y_launcher_ready() {
      "${a11y_env[@]}" dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
    }
    wait_until 5000 a11y_launcher_ready || fail "the AT-SPI bus launcher did not take its name on the bus"
    # The clipboard has no owner when the program starts: the owner that takes it is ended.
    printf '.5' >"$WORK/clip-text.txt"
    a11y_clip_hold UTF8_STRING "$WORK/clip-text.txt" || fail "xclip did not take the clipboard"
    a11y_clip_let_go
    app_env_before_a11y=("${app_env[@]}")
    app_env=("${a11y_env[@]}" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
    start_again quillon-accessibility.log || fail "no splash came up alone with the accessibility bridge on"
    app_env=("${app_env_before_a11y[@]}")
    if wait_until 10000 main_up; then
      mapfile -t a11y_read < <("${a11y_env[@]}" timeout 30 "$a11y_python" "$E2E/checks/accessibility_fields.py" \
                                 "$APP_PID" Quillon 2>"$LOGS/a11y-reader.log")
      check "text fields of the main window through AT-SPI" "${#a11y_fields[@]}" "${#a11y_read[@]}"
      [ "${#a11y_read[@]}" -eq "${#a11y_fields[@]}" ] || sed 's/^/       /' "$LOGS/a11y-reader.log"
      for i in "${!a11y_fields[@]}"; do
        IFS='|' read -r a11y_name a11y_label <<<"${a11y_read[i]:-}"
        check "AT-SPI name of ${a11y_fields[i]}" "${a11y_labels[i]}" "$a11y_name"
        check "AT-SPI label of ${a11y_fields[i]}" "${a11y_labels[i]}" "$a11y_label"
      done

      step "through AT-SPI, the Edit menu's Paste item is enabled exactly while the clipboard holds text"
      activate "$MAIN" || focus_by_click "$MAIN" 5 $((BAR + 250))
      # The state of the Paste item as the Edit menu shows it, opened with the focus in a
      # loading column.
      a11y_paste=""
      a11y_paste_item_is() {  # STATE
        click_control InputFld1
        click_at "$MAIN" 12 $((BAR / 2))  # the File menu
        keys Right                         # the Edit menu
        a11y_paste=$("${a11y_env[@]}" timeout 20 "$a11y_python" "$E2E/checks/accessibility_menu_item.py" \
                       "$APP_PID" Quillon Edit Paste 2>>"$LOGS/a11y-reader.log")
        keys Escape Escape
        [ "$a11y_paste" = "$1" ]
      }
      # The program learns of each change in the background: a few tries.
      a11y_check_paste_item() {  # WHILE STATE
        wait_until 3000 a11y_paste_item_is "$2"
        check "the Paste item while $1" "$2" "$a11y_paste"
      }
      a11y_check_paste_item "the clipboard has had no owner since the start" disabled
      a11y_clip_hold image/png "$PREFIX/Resources/Q.png" || fail "xclip did not take the clipboard with an image alone"
      a11y_check_paste_item "another program holds an image alone" disabled
      a11y_clip_hold UTF8_STRING "$WORK/clip-text.txt" || fail "xclip did not take the clipboard with text"
      a11y_check_paste_item "another program holds text" enabled
      a11y_clip_let_go
      a11y_check_paste_item "the clipboard has had no owner since that program ended" disabled
    else
      fail "the main window did not come up with the accessibility bridge on"
    fi
    quit_with_ctrl_q "with the accessibility bridge on"
  else
    fail "the session bus for the AT-SPI check did not start; its log:"
    sed 's/^/       /' "$LOGS/a11y-bus.log"
  fi
  a11y_clip_let_go
  a11y_stop_buses
  eval "${a11y_exit_trap:-trap - EXIT}"
fi
