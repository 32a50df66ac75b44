# Sourced by the scripts: a display and a sound device for Wine, started here
# when the machine has none, and stopped when the calling script ends.

# A display: the caller's own if it answers, else a private Xvfb.
assurer_affichage() {
  if [ -n "${DISPLAY:-}" ] && [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ]; then return; fi
  demarrer_xvfb 1024x768x24
}

# A private Xvfb of that screen size, on the first free display, as DISPLAY.
demarrer_xvfb() {
  local n
  for n in $(seq 91 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  # -noreset: a server that resets when its last client leaves loses what
  # xrandr set on it.
  Xvfb ":$n" -screen 0 "$1" -nolisten tcp -noreset >/dev/null 2>&1 &
  local xvfb=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  trap_ajouter "kill $xvfb 2>/dev/null || true"
}

# A PulseAudio server of our own with a null sink, so that Wine finds an audio
# device without a sound card and never talks to someone else's server.
assurer_son() {
  local dossier=$1
  mkdir -p "$dossier"
  export PULSE_RUNTIME_PATH=$dossier PULSE_SERVER="unix:$dossier/native"
  if ! pactl info >/dev/null 2>&1; then
    pulseaudio --daemonize=yes --exit-idle-time=-1 --system=false --disallow-exit \
      -n --load="module-native-protocol-unix socket=$dossier/native auth-anonymous=1" \
      --load="module-null-sink sink_name=muet" >/dev/null 2>&1 || true
    # --disallow-exit refuses "pactl exit"; the daemon's pid file is in the folder.
    trap_ajouter "pulseaudio --kill >/dev/null 2>&1 || true"
  fi
}

# The build's Wine prefix, made when missing, and a copy of it that nothing
# ever runs in, from which the copies below are made: a running prefix may
# have a registry half written, and the tests' own stays up (wineserver -p).
# Made on the current display; the prefix's desktop ends with it.
#   assurer_prefixe PREFIX
assurer_prefixe() {
  local prefixe=$1
  [ -f "$prefixe-vierge/.pret" ] && return
  [ -f "$prefixe/.pret" ] || "$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" "$prefixe" cmd /c exit >/dev/null 2>&1
  WINEPREFIX=$prefixe wineserver -w
  rm -rf "$prefixe-vierge"
  cp -a "$prefixe" "$prefixe-vierge"
}

# A copy of the prefix as made, once, with the one registry value given.
#   copier_prefixe PREFIX COPY [KEY VALUE_NAME DATA]
copier_prefixe() {
  local prefixe=$1 copie=$2
  [ -f "$copie/.pret" ] && return
  assurer_prefixe "$prefixe"
  rm -rf "$copie"
  cp -a "$prefixe-vierge" "$copie"
  rm -f "$copie/.pret"
  if [ $# -gt 2 ]; then
    WINEPREFIX=$copie wine reg add "$3" /v "$4" /d "$5" /f >/dev/null 2>&1
    WINEPREFIX=$copie wineserver -w
  fi
  touch "$copie/.pret"
}

# Wine maps file names through the locale: names such as "photo été 写真.jpg"
# need a UTF-8 one, which a bare environment lacks.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
  *UTF-8* | *utf8*) ;;
  *) export LC_ALL=C.UTF-8 ;;
esac

PIXAVUE_TRAPS=""
trap_ajouter() {
  PIXAVUE_TRAPS="$1; $PIXAVUE_TRAPS"
  trap "$PIXAVUE_TRAPS" EXIT
}
