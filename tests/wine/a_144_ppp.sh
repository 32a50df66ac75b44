#!/usr/bin/env bash
# Runs a test program under Wine with the prefix at 144 dots per inch, then
# puts the prefix back at its own:
#   a_144_ppp.sh WINE_RUN PREFIX PROGRAM [ARGUMENTS...]
lanceur=$1 prefixe=$2 cle='HKCU\Control Panel\Desktop'
shift 2
"$lanceur" "$prefixe" reg add "$cle" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
trap '"$lanceur" "$prefixe" reg delete "$cle" /v LogPixels /f >/dev/null 2>&1' EXIT
"$lanceur" "$prefixe" "$@"
