# Shared by scripts/test, scripts/run, scripts/shots, a build tree's wine-exec and the package
# tests' fresh_prefix.sh (sourced, not run; plain sh): the environment of Wine in a prefix,
# Wine's programs, and a free X display with Xvfb on it.

# zz_wine_env PREFIX [keep]: the environment every Wine program of ours runs in; sets $wine and
# $wineserver to Wine's own programs (the 64-bit loader where Debian installs it). With "keep"
# what the environment already says wins (another prefix, a WINEDEBUG that traces).
zz_wine_env() {
  if [ "${2:-}" != keep ]; then unset WINEPREFIX WINEDEBUG WINEDLLOVERRIDES; fi
  : "${WINEPREFIX:=$1}" "${WINEDEBUG:=-all}" "${WINEDLLOVERRIDES:=mscoree=;mshtml=}"
  export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
  mkdir -p "$WINEPREFIX"
  wine=/usr/lib/wine/wine64
  [ -x "$wine" ] || wine=$(command -v wine)
  wineserver=/usr/lib/wine/wineserver
  [ -x "$wineserver" ] || wineserver=$(command -v wineserver)
}

# zz_wine_managed Y|N: whether a window manager frames the windows (N: Wine draws them itself,
# and spares itself the wait for a manager on every window shown or destroyed).
zz_wine_managed() {
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1 || true
}

# zz_wine_dpi N: the prefix's DPI (LogPixels), read by each program when it starts.
zz_wine_dpi() {
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 || true
}

# zz_free_display FIRST LAST: prints the first display of the range (":N") that has neither a
# socket nor a lock file. (A subshell, for plain sh has no local variables.)
zz_free_display() (
  for n in $(seq "$1" "$2"); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo ":$n"
      return 0
    fi
  done
  echo "no free X display between :$1 and :$2" >&2
  return 1
)

# zz_start_xvfb FIRST LAST SCREEN: Xvfb on the first free display of the range with the screen
# given (WxHxDEPTH); exports DISPLAY and sets $xvfb_pid, for the caller to stop.
zz_start_xvfb() {
  DISPLAY=$(zz_free_display "$1" "$2") || return 1
  export DISPLAY
  Xvfb "$DISPLAY" -screen 0 "$3" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
}
