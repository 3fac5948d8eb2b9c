#!/bin/sh
# Runs a Windows program under Wine in a new, empty prefix, as a first installation meets it:
#   fresh_prefix.sh PREFIX WINE_EXEC PROGRAM [ARG...]
# The prefix is made anew on every run; its wineserver, and whatever still runs in it, ends
# with the program. The prefix is removed when the program succeeds and kept for a look when it
# fails. Without a DISPLAY an Xvfb of its own is started, and stopped at the end.
set -eu
prefix=$1 wine_exec=$2
shift 2
. "$(cd "$(dirname "$0")/../.." && pwd)/scripts/lib/wine.sh"
WINEPREFIX=$prefix
# A server left by an interrupted run goes with its prefix.
if [ -d "$prefix" ]; then
  zz_wine_env "$prefix" keep
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$prefix"
fi
# The prefix's folder made anew; a WINEDEBUG or WINEDLLOVERRIDES of the caller still goes through.
zz_wine_env "$prefix" keep

xvfb_pid=""
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

if [ -z "${DISPLAY:-}" ]; then
  zz_start_xvfb 150 190 1600x1000x24
fi

"$wine_exec" wineboot >/dev/null 2>&1 || true
# No window manager under Xvfb: unmanaged windows spare Wine its wait for one.
zz_wine_managed N
# A Windows the program runs on (a new prefix says Windows 7, which the package refuses).
"$wine_exec" reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1 || true
status=0
"$wine_exec" "$@" || status=$?
if [ "$status" -eq 0 ]; then
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w 2>/dev/null || true
  rm -rf "$prefix"
else
  echo "the prefix is kept: $prefix" >&2
fi
exit "$status"
