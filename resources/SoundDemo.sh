#!/bin/sh
# Makes the sample that the sound page plays: a C major chord plucked
# upwards, 1.6 s, 16-bit mono PCM at 22,050 Hz, which every Windows plays.
# -R seeds the pluck's noise alike on every build.
set -e
exec sox -R -c 3 -r 44100 -n -b 16 -c 1 "$1" synth 1.6 pluck C5 pluck E5 pluck G5 \
  delay 0 0.12 0.24 remix - highpass 40 fade 0 1.6 0.8 gain -n -3 rate 22050
