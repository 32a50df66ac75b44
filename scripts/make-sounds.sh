#!/usr/bin/env bash
# Sound files for the player's tests, made with sox and GStreamer's tools:
#   make-sounds.sh FOLDER
# deux-tons.wav  1 s, mono: 440 Hz then 880 Hz, so that a recording tells
#                which half of the sound is playing
# trois.wav      3 s, stereo, 660 Hz;  trois.mp3  the same as MP3
# video.avi      2 s of MJPEG pictures with a PCM sound
# texte.wav      a text file under a sound's name
set -euo pipefail
dossier=$1
mkdir -p "$dossier"
cd "$dossier"
sox -n -r 44100 -b 16 -c 1 grave.wav synth 0.5 sine 440 vol 0.5
sox -n -r 44100 -b 16 -c 1 aigu.wav synth 0.5 sine 880 vol 0.5
sox grave.wav aigu.wav deux-tons.wav
rm grave.wav aigu.wav
sox -n -r 44100 -b 16 -c 2 trois.wav synth 3 sine 660 vol 0.5
gst-launch-1.0 -q filesrc location=trois.wav ! wavparse ! audioconvert \
  ! lamemp3enc target=bitrate bitrate=128 cbr=true ! filesink location=trois.mp3
gst-launch-1.0 -q videotestsrc num-buffers=30 ! video/x-raw,width=160,height=120,framerate=15/1 \
  ! jpegenc ! avimux name=m ! filesink location=video.avi \
  audiotestsrc num-buffers=86 samplesperbuffer=1024 ! audio/x-raw,format=S16LE,rate=44100,channels=1 ! m.
echo "Ceci n'est pas un son." > texte.wav
