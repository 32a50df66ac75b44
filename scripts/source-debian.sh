#!/usr/bin/env bash
# Unpacks a Debian source package into TREE, with Debian's own patches
# (security fixes among them) applied as its series lists them. The package is
# fetched into FOLDER once, through a sources list of our own made from the
# machine's own apt configuration (its first Debian archive and suite): the
# machine's configuration is left as it is and no archive is named here.
#   source-debian.sh PACKAGE FOLDER TREE
set -euo pipefail
paquet=$1
mkdir -p "$2"
travail=$(cd "$2" && pwd)
mkdir -p "$travail/apt/lists/partial" "$travail/apt/parts" "$travail/src"
trouver() { ls "$travail"/src/"${paquet}"_*."$1".tar.* 2>/dev/null | grep -v '\.asc$' | head -1; }
if [ -z "$(trouver orig)" ] || [ -z "$(trouver debian)" ]; then
  archive_apt=$(grep -hm1 '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk 'NR == 1 { print $2 }' || true)
  suite_apt=$(grep -hm1 '^Suites:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk 'NR == 1 { print $2 }' || true)
  if [ -z "$archive_apt" ] && [ -f /etc/apt/sources.list ]; then
    read -r archive_apt suite_apt < <(awk '$1 == "deb" && $2 !~ /^\[/ { print $2, $3; exit }' /etc/apt/sources.list)
  fi
  [ -n "$archive_apt" ] || { echo "source-debian: no Debian archive in the apt configuration" >&2; exit 1; }
  cat > "$travail/apt/parts/sources.sources" <<SOURCES
Types: deb-src
URIs: $archive_apt
Suites: $suite_apt
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  apt_src=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$travail/apt/parts"
    -o Dir::State::Lists="$travail/apt/lists" -o Debug::NoLocking=1)
  apt-get "${apt_src[@]}" update -qq 2>/dev/null
  (cd "$travail/src" && apt-get "${apt_src[@]}" source --download-only -qq "$paquet" 2>/dev/null)
fi
[ -n "$(trouver orig)" ] && [ -n "$(trouver debian)" ] ||
  { echo "source-debian: no source package $paquet" >&2; exit 1; }
arbre=$3
rm -rf "$arbre"
mkdir -p "$arbre"
tar -xf "$(trouver orig)" -C "$arbre" --strip-components=1
tar -xf "$(trouver debian)" -C "$arbre"
if [ -f "$arbre/debian/patches/series" ]; then
  grep -v '^[[:space:]]*\(#\|$\)' "$arbre/debian/patches/series" | while read -r correctif _; do
    patch -d "$arbre" -p1 -s -N --no-backup-if-mismatch < "$arbre/debian/patches/$correctif"
  done
fi
