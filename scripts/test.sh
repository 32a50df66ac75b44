#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the native unit tests
# (with AddressSanitizer and UndefinedBehaviorSanitizer), a short bounded run
# of each libFuzzer target, then the Win32 integration and end-to-end tests
# under Wine.
set -uo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
source "$racine/scripts/environment.sh"

"$racine/scripts/install-deps.sh" || exit 1
"$racine/scripts/build.sh" native win64 fuzz || exit 1

assurer_affichage
assurer_son "$racine/build/pulse"
export WINEPREFIX="$racine/build/win64/wineprefix"
trap_ajouter "wineserver -k >/dev/null 2>&1 || true"
# One Wine server for the whole run: a program then starts in a fifth of the
# time it takes Wine to start its server, its services and its desktop
# afresh.
assurer_prefixe "$WINEPREFIX"
wineserver -p

total_reussis=0
total_echecs=0
for cible in native fuzz win64; do
  echo "== tests: $cible"
  journal="$racine/build/$cible/ctest.log"
  # The Wine tests one at a time, as they share a display and a registry;
  # the others two at a time, on two cores.
  paralleles=2
  if [ "$cible" = win64 ]; then
    paralleles=1
    # The services and the desktop start here, away from the tests' output,
    # whose end ctest would otherwise wait for until they stop; the desktop
    # then lasts while the tests follow one another.
    "$racine/scripts/wine-run.sh" "$WINEPREFIX" cmd /c exit >/dev/null 2>&1
  fi
  (cd "$racine/build/$cible" && ctest --output-on-failure --timeout 300 -j "$paralleles") 2>&1 | tee "$journal"
  ligne=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$journal" | tail -1)
  if [ -z "$ligne" ]; then
    total_echecs=$((total_echecs + 1))
    continue
  fi
  echecs=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$ligne")
  sur=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$ligne")
  total_reussis=$((total_reussis + sur - echecs))
  total_echecs=$((total_echecs + echecs))
done

echo "$total_reussis passed, $total_echecs failed"
[ "$total_echecs" -eq 0 ]
