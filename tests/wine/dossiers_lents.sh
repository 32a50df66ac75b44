#!/usr/bin/env bash
# Runs a test program with two folders on FUSE that show the files of SOURCE
# and whose listing answers late: FOLDER/bloque after 8 s, FOLDER/tardif
# after 3 s. They are unmounted when it ends.
#   dossiers_lents.sh DOSSIER_LENT SOURCE FOLDER COMMAND [ARGUMENTS...]
set -euo pipefail
programme=$1 source=$2 dossier=$3
shift 3
demonter() { for d in bloque tardif; do fusermount3 -uz "$dossier/$d" 2>/dev/null || true; done; }
demonter
trap demonter EXIT
for d in bloque:8 tardif:3; do
  mkdir -p "$dossier/${d%%:*}"
  "$programme" "$source" "$dossier/${d%%:*}" "${d#*:}" </dev/null >/dev/null 2>&1 &
done
for d in bloque tardif; do
  for _ in $(seq 50); do mountpoint -q "$dossier/$d" && break; sleep 0.1; done
  mountpoint -q "$dossier/$d" || { echo "FAILED: $dossier/$d is not mounted (is /dev/fuse there?)"; exit 1; }
done
"$@"
