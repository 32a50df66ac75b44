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
