#!/usr/bin/env bash
# Line and branch coverage, folder by folder: the portable logic (src/ but
# src/win32) by the native unit tests. Not run by CI: it is the guard to read
# before and after cutting tests.
#   couverture.sh [BUILD_FOLDER]     (build/couverture when none is given)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=${1:-$racine/build/couverture}

if ! command -v gcovr >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends gcovr >/dev/null
fi
"$racine/scripts/install-deps.sh"

# No sanitizer: their checks would count as branches.
[ -f "$dossier/CMakeCache.txt" ] ||
  cmake -S "$racine" -B "$dossier" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPIXAVUE_SANITIZE=OFF \
    -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
cmake --build "$dossier" -j 2 --target pixavue_tests
find "$dossier" -name '*.gcda' -delete
"$dossier/tests/unit/pixavue_tests" --gtest_brief=1 >/dev/null

gcovr -r "$racine" "$dossier" --filter "$racine/src/" --exclude "$racine/src/win32/" \
  --exclude-throw-branches --exclude-unreachable-branches --json-summary "$dossier/couverture.json" >/dev/null
python3 - "$dossier/couverture.json" <<'EOF'
import collections, json, sys
dossiers = collections.defaultdict(lambda: [0, 0, 0, 0])
for f in json.load(open(sys.argv[1]))["files"]:
    d = dossiers[f["filename"].split("/")[1]]
    for i, cle in enumerate(("line_covered", "line_total", "branch_covered", "branch_total")):
        d[i] += f[cle]
print(f"{'folder':<14}{'lines':>16}{'branches':>18}")
pour = lambda a, b: f"{a}/{b} {100 * a / b:5.1f} %" if b else "-"
for nom, (lc, lt, bc, bt) in sorted(dossiers.items()):
    print(f"{nom:<14}{pour(lc, lt):>16}{pour(bc, bt):>18}")
t = [sum(d[i] for d in dossiers.values()) for i in range(4)]
print(f"{'all':<14}{pour(t[0], t[1]):>16}{pour(t[2], t[3]):>18}")
EOF
