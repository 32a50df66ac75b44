#!/usr/bin/env bash
# The Windows Installer package under Wine, in a prefix of its own: a silent
# install of the build's own files, an upgrade from an older package, a
# downgrade refused, and an uninstall that leaves the user's settings.
#   verifier_msi.sh WINE_RUN BUILD_FOLDER VERSION
set -euo pipefail
wine_run=$1 construction=$2 version=$3
source_wxs=$(cd "$(dirname "$0")/../.." && pwd)/installation/PixavueSCR.wxs
echec() { echo "FAILED: $* (after ${SECONDS} s)"; exit 1; }

msi="$construction/PixavueSCR-$version-x64.msi"
[ -f "$msi" ] || echec "no $msi"
travail="$construction/essai-msi"
prefixe="$travail/prefixe"
rm -rf "$travail"
mkdir -p "$travail"
# A copy of the tests' prefix, where no package was ever installed, on a
# display of its own: a second prefix's desktop on the tests' display would
# take it over from theirs.
source "$(dirname "$0")/../../scripts/environment.sh"
copier_prefixe "$construction/wineprefix" "$prefixe"
unset DISPLAY
demarrer_xvfb 640x480x24
trap_ajouter "WINEPREFIX='$prefixe' wineserver -k >/dev/null 2>&1 || true"
wine() { "$wine_run" "$prefixe" "$@"; }
windows() { local c=${1//\//\\}; echo "Z:$c"; }
systeme="$prefixe/drive_c/windows/system32"
desinstallation='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# An older package, the same source with another version and another program file.
echo "ancien programme" >"$travail/Pixavue.scr"
cp "$construction/pixavuescr.htm" "$construction/msi/options.ico" "$travail/"
ancien="$travail/PixavueSCR-0.9-x64.msi"
(cd "$travail" && wixl -a x64 -D Version=0.9 -D Programme=Pixavue.scr -D Aide=pixavuescr.htm -D Icone=options.ico \
  -D CodeProduit="$(cat /proc/sys/kernel/random/uuid)" -D CodePaquet="$(cat /proc/sys/kernel/random/uuid)" \
  -o "$ancien" "$source_wxs" 2>/dev/null)

entrees() { wine reg query "$desinstallation" /s 2>/dev/null | tr -d '\r' | grep -cE 'DisplayName +REG_SZ +PixavueSCR$' || true; }
installer() { wine msiexec /i "$(windows "$1")" /qn >/dev/null 2>&1; }

# 1. A silent install into the fresh prefix.
installer "$msi" || echec "msiexec /i exited $?"
cmp -s "$systeme/Pixavue.scr" "$construction/Pixavue.scr" || echec "Pixavue.scr not installed whole"
cmp -s "$systeme/pixavuescr.htm" "$construction/pixavuescr.htm" || echec "pixavuescr.htm not installed whole"
code_produit=$(msiinfo export "$msi" Property | tr -d '\r' | awk '$1 == "ProductCode" { print $2 }')
entree=$(wine reg query "$desinstallation\\$code_produit" 2>/dev/null | tr -d '\r')
for attendu in 'DisplayName +REG_SZ +PixavueSCR$' "DisplayVersion +REG_SZ +$version" 'Publisher +REG_SZ +PixavueSCR$' \
  'HelpLink +REG_SZ +C:\\windows\\system32\\pixavuescr.htm$' 'NoModify +REG_DWORD +0x1$'; do
  grep -qiE "$attendu" <<<"$entree" || echec "the Uninstall entry lacks $attendu: $entree"
done
# A user's setting, which the uninstall must leave.
wine reg add 'HKCU\Software\PixavueSCR\parametres' /v 'dossier demarrage' /d 'C:\images' /f >/dev/null 2>&1
# Apps & features shows the icon that the installer keeps for the product.
cmp -s "$prefixe/drive_c/windows/Installer/$code_produit/pixavue.ico" "$construction/msi/options.ico" ||
  echec "the product's icon is not the program's"

# 2. An older package refuses to go over the newer one, which stays.
installer "$ancien" && echec "the older package installed over the newer one"
cmp -s "$systeme/Pixavue.scr" "$construction/Pixavue.scr" || echec "the downgrade touched Pixavue.scr"

# 3. Uninstall: the files and the entry go, the user's settings stay.
wine msiexec /x "$(windows "$msi")" /qn >/dev/null 2>&1 || echec "msiexec /x exited $?"
[ -e "$systeme/Pixavue.scr" ] || [ -e "$systeme/pixavuescr.htm" ] && echec "files left after the uninstall"
[ "$(entrees)" = 0 ] || echec "the Uninstall entry is still there"
wine reg query 'HKCU\Software\PixavueSCR\parametres' /v 'dossier demarrage' >/dev/null 2>&1 ||
  echec "the uninstall removed the user's settings"

# 4. A major upgrade: the older package, then this one over it: one entry, the new file.
installer "$ancien" || echec "the older package didn't install"
installer "$msi" || echec "the upgrade exited $?"
[ "$(entrees)" = 1 ] || echec "$(entrees) entries after the upgrade"
wine reg query "$desinstallation\\$code_produit" 2>/dev/null | grep -q "DisplayVersion.*$version" ||
  echec "the entry isn't the new version"
cmp -s "$systeme/Pixavue.scr" "$construction/Pixavue.scr" || echec "the upgrade left the old Pixavue.scr"
echo "PASSED: $(basename "$msi"), $(stat -c %s "$msi") bytes"
