#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in the build's own prefix:
#   wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
# The prefix is made once (its first start takes a while) and then reused.
# A crash ends the program with "wine: Unhandled ..." on stderr instead of
# waiting behind a dialog.
set -euo pipefail
prefixe=$1
shift
export WINEPREFIX=$prefixe WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
if [ -z "${DISPLAY:-}" ]; then
  echo "wine-run.sh: no DISPLAY; start Xvfb first (scripts/test.sh does)" >&2
  exit 2
fi
if [ ! -f "$prefixe/.pret" ]; then
  (
    flock 9
    if [ ! -f "$prefixe/.pret" ]; then
      wineboot -i >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
      # Xvfb runs no window manager: Wine then draws the frames itself.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      wineserver -w
      touch "$prefixe/.pret"
    fi
  ) 9>"$prefixe.lock"
fi
exec wine "$@"
