# Sourced: gives the caller an X display (Xvfb when none is set) and a ready Wine prefix.
# km_session_end stops what was started here.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${KM_WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
km_xvfb_pid=""

km_session_start() {
  if [ -z "${DISPLAY:-}" ]; then
    local n
    for n in $(seq 91 120); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    km_xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
  fi
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
    pgrep -f 'explorer.exe /desktop=Default' >/dev/null 2>&1 && break
    sleep 0.1
  done
}

km_session_end() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$km_xvfb_pid" ]; then
    kill "$km_xvfb_pid" 2>/dev/null || true
    wait "$km_xvfb_pid" 2>/dev/null || true
  fi
}
