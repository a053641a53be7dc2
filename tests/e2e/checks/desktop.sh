# Sourced by tests/e2e/run: the installation as a desktop application. The desktop entry is
# valid, starts the installed program and names its icon and window class; the icon stands in the
# installation's hicolor theme at every size; the program's windows carry that icon and class.

# The sizes, as "WIDTHxHEIGHT ...", of the icons in a window's _NET_WM_ICON: each icon is its
# width and its height followed by that many pixels.
window_icon_sizes() {  # ID
  xprop -id "$1" -notype 32c _NET_WM_ICON 2>/dev/null |
    awk -F ' = ' 'NF == 2 { n = split($2, v, ", ")
                            for (i = 1; i + 1 <= n; i += 2 + v[i] * v[i + 1]) printf "%s%dx%d", (i > 1 ? " " : ""), v[i], v[i + 1] }'
}

# The class part of a window's WM_CLASS, the second of its two strings.
window_class() {  # ID
  xprop -id "$1" -notype WM_CLASS 2>/dev/null | sed -n 's/^WM_CLASS = "[^"]*", "\([^"]*\)"$/\1/p'
}

# The value of a key of the entry's [Desktop Entry] group, as written.
entry_value() {  # FILE KEY
  awk -v key="$2" '/^\[/ { group = $0 } group == "[Desktop Entry]" && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }' "$1"
}

step "the desktop entry and the icon of the installation"
entry=$PREFIX/share/applications/quillon.desktop
icon_sizes="16x16 24x24 32x32 48x48 64x64 128x128 256x256"
if [ ! -f "$entry" ]; then
  fail "the installation has no share/applications/quillon.desktop"
elif ! command -v desktop-file-validate >/dev/null 2>&1; then
  fail "desktop-file-validate is missing (package desktop-file-utils); install it with: bash scripts/install-deps test"
elif report=$(desktop-file-validate "$entry" 2>&1) && [ -z "$report" ]; then
  pass "desktop-file-validate has nothing to say on the installed entry"
else
  fail "desktop-file-validate on the installed entry: $report"
fi
if [ -f "$entry" ]; then
  # Quoted, as every path is, whatever characters it holds.
  check "the entry's Exec, the installed program" "\"$PREFIX/bin/quillon\"" "$(entry_value "$entry" Exec)"
  check "the entry's Icon" quillon "$(entry_value "$entry" Icon)"
  # The program opens no documents, so no file type offers it.
  check "the entry's MimeType (none)" "" "$(entry_value "$entry" MimeType)"
fi
found=()
for size in $icon_sizes; do
  file=$PREFIX/share/icons/hicolor/$size/apps/quillon.png
  if [ -f "$file" ]; then
    found+=("$(identify -format '%wx%h' "png:$file" 2>/dev/null || echo unreadable)")
  else
    found+=(missing)
  fi
done
check "the sizes of share/icons/hicolor/<size>/apps/quillon.png" "$icon_sizes" "${found[*]}"

step "the windows carry the icon at every size, and the window class that the entry names"
if start_again quillon-desktop.log; then
  check "the splash's icon sizes" "$icon_sizes" "$(window_icon_sizes "$SPLASH")"
  if wait_until 5000 main_up; then
    check "the main window's icon sizes" "$icon_sizes" "$(window_icon_sizes "$MAIN")"
    check "the main window's class, the entry's StartupWMClass" "$(entry_value "$entry" StartupWMClass)" "$(window_class "$MAIN")"
  else
    fail "the main window did not come up"
  fi
  quit_with_ctrl_q "after the desktop checks"
else
  fail "no splash came up alone for the desktop checks"
  kill "$APP_PID" 2>/dev/null
  wait "$APP_PID" 2>/dev/null
  APP_PID=""
fi
