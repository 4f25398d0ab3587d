# Sourced: gives the caller X displays and ready Wine prefixes, one "desktop" each: a display,
# a prefix, its wineserver and its desktop window. Tests on different desktops cannot see each
# other's windows, locks or mouse, so ctest runs one window test on each at a time.
# km_session_end stops what was started here.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
km_desktop_prefix() {
  if [ "$1" = 0 ]; then echo "${KM_WINEPREFIX:-$here/build/wineprefix}"; else echo "$here/build/wineprefix-$1"; fi
}
export WINEPREFIX="$(km_desktop_prefix 0)"
km_xvfb_pids=()
km_desktops=()

# A free display number, with Xvfb started on it; prints the display.
km_start_xvfb() {
  local n i
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  km_xvfb_pids+=($!)
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  km_xvfb_display=":$n"
}

# Makes desktop $1 ready on display $2.
km_desktop_start() {
  local WINEPREFIX DISPLAY="$2"
  WINEPREFIX="$(km_desktop_prefix "$1")"
  export WINEPREFIX DISPLAY
  [ -f "$WINEPREFIX/system.reg" ] || echo "Creating the Wine prefix in $WINEPREFIX (once)"
  # Keep one wineserver alive for the whole run, so each test starts fast. The server refuses
  # a prefix folder that does not exist yet; without it, the server that wineboot starts ends
  # when it is idle, and a test starting at that moment loses its connection ("wine client
  # error ... Connection reset by peer").
  mkdir -p "$WINEPREFIX"
  wineserver -p >/dev/null 2>&1 </dev/null || true
  # Start Wine's own services here, detached from our output: a service that inherited the
  # pipe of a test runner would keep it open, and the runner would wait for it for ever.
  timeout 300 wineboot -u >/dev/null 2>&1 </dev/null || true
  # Debian's Wine does not read its own font folder: Marlett, which draws the caption buttons,
  # must lie in the prefix, or the buttons show the letters that stand for its glyphs.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
  if [ ! -f "$WINEPREFIX/.kadermeister" ]; then
    # A desktop window of Wine's own draws captions and frames where no window manager runs,
    # and the dialog font gets metrics close to the Windows one.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 </dev/null
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v 'MS Sans Serif' /d 'Liberation Sans' /f >/dev/null 2>&1 </dev/null
    touch "$WINEPREFIX/.kadermeister"
  fi
  # One desktop window for the whole run. Otherwise each program starts its own desktop
  # process, which outlives it by a second and holds the test runner's output pipe meanwhile.
  ( setsid wine explorer /desktop=Default,1024x768 </dev/null >/dev/null 2>&1 & )
  local i
  for i in $(seq 1 50); do
    pgrep -f "explorer.exe /desktop=Default" >/dev/null 2>&1 && break
    sleep 0.1
  done
  echo "$DISPLAY" > "$WINEPREFIX/.km-display"
}

# km_session_start: one desktop on $DISPLAY, or on a new Xvfb display when there is none.
# km_session_start NAME...: the named desktops ("0", "1", "hidpi"), each on a new Xvfb display
# of its own, made ready side by side; the first one's display and prefix become the caller's.
km_session_start() {
  local d
  if [ $# = 0 ]; then
    if [ -z "${DISPLAY:-}" ]; then
      km_start_xvfb
      export DISPLAY="$km_xvfb_display"
    fi
    km_desktop_start 0 "$DISPLAY"
    km_desktops=(0)
    return
  fi
  km_desktops=("$@")
  local first="" starting=()
  for d in "$@"; do
    km_start_xvfb
    [ -n "$first" ] || first="$km_xvfb_display"
    km_desktop_start "$d" "$km_xvfb_display" &
    starting+=($!)
  done
  wait "${starting[@]}"
  export DISPLAY="$first"
  export WINEPREFIX="$(km_desktop_prefix "$1")"
}

# Runs the rest of the command line with desktop $1's prefix and display.
km_on_desktop() {
  local d="$1"; shift
  WINEPREFIX="$(km_desktop_prefix "$d")" DISPLAY="$(cat "$(km_desktop_prefix "$d")/.km-display")" "$@"
}

km_session_end() {
  local d pid
  for d in "${km_desktops[@]}"; do
    WINEPREFIX="$(km_desktop_prefix "$d")" wineserver -k >/dev/null 2>&1 || true
  done
  for pid in "${km_xvfb_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
