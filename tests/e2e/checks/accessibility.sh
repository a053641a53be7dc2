# shellcheck shell=bash
# A screen reader's view of the main window, through AT-SPI: on a session bus and an
# accessibility bus of this test's own, the program started with Qt's bridge on reads each of its
# ten fields by the label beside or above it, linked to that label. Sourced by tests/e2e/run.

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

if [ ${#a11y_missing[@]} -gt 0 ]; then
  fail "the AT-SPI check needs what is missing (bash scripts/install-deps test): ${a11y_missing[*]}"
else
  # Should the run be interrupted meanwhile, its clean-up ends the buses as well.
  a11y_exit_trap=$(trap -p EXIT)
  trap 'a11y_stop_buses; clean_up' EXIT
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
    else
      fail "the main window did not come up with the accessibility bridge on"
    fi
    quit_with_ctrl_q "with the accessibility bridge on"
  else
    fail "the session bus for the AT-SPI check did not start; its log:"
    sed 's/^/       /' "$LOGS/a11y-bus.log"
  fi
  a11y_stop_buses
  eval "${a11y_exit_trap:-trap - EXIT}"
fi
