#!/usr/bin/env bash
# Examines, with Debian's ffprobe and ffmpeg, the files the conversion suite
# wrote into the folder given. The list below names the same files as the
# suite's table of conversions.
set -uo pipefail
outputs=$1
failures=0
fail() { echo "FAIL $name: $1"; failures=$((failures + 1)); }

ffprobe() { /usr/bin/ffprobe -v error "$@"; }
# The first value of a field in a listing of ffprobe.
field() { sed -n "s/^$1=//p" <<< "$2" | head -n 1; }
# Compares one field of the video stream's listing with what it should be.
expect() {
  local got
  got=$(field "$1" "$video")
  [ "$got" = "$2" ] || fail "$1 is '$got', wanted '$2'"
}

# name            profile fps kbit/s width height audio spherical
expectations="
low_360.mp4       Main    15  4096   640   320    aac   yes
medium_360.mp4    Main    30  10000  640   320    aac   yes
high_360.mp4      High    30  20000  640   320    aac   yes
flat_r0.mp4       Main    30  -      320   240    none  no
flat_r90.mp4      Main    30  -      240   320    none  no
flat_r180.mp4     Main    15  -      320   240    none  no
flat_r270.mp4     High    30  -      240   320    none  no
v1_in.mp4         Main    30  -      640   320    aac   yes
v2_in.mp4         High    30  -      640   320    aac   yes
v1_r180.mp4       Main    15  -      640   320    aac   yes
v1_r90.mp4        Main    30  -      320   640    aac   no
v2_r270.mp4       Main    30  -      320   640    aac   no
"

while read -r name profile fps kbits width height audio spherical; do
  [ -n "$name" ] || continue
  file="$outputs/$name"
  if [ ! -s "$file" ]; then fail "missing"; continue; fi

  video=$(ffprobe -select_streams v:0 -show_streams "$file")
  expect codec_name h264
  expect profile "$profile"
  expect avg_frame_rate "$fps/1"
  expect width "$width"
  expect height "$height"
  expect pix_fmt yuv420p

  audio_codec=$(ffprobe -select_streams a:0 -show_entries stream=codec_name -of csv=p=0 "$file")
  [ "${audio_codec:-none}" = "$audio" ] || fail "audio ${audio_codec:-none}, wanted $audio"

  if [ "$kbits" != - ]; then
    rate=$(field bit_rate "$video")
    # Within 30 % of the target: x264's average bit rate over a 2 s clip.
    if ! [[ "$rate" =~ ^[0-9]+$ ]] || [ $((rate * 10)) -lt $((kbits * 7000)) ] ||
       [ $((rate * 10)) -gt $((kbits * 13000)) ]; then
      fail "bit rate ${rate:-unknown}, wanted about ${kbits}k"
    fi
  fi

  projection=$(field projection "$video")
  if [ "$spherical" = yes ]; then
    [ "$projection" = equirectangular ] || fail "no equirectangular spherical side data"
  else
    [ -z "$projection" ] || fail "spherical side data on a picture that is not 2:1"
  fi

  first=$(/usr/bin/ffprobe -v trace "$file" 2>&1 | grep -o "type:'\(moov\|mdat\)' parent:'root'" |
          head -n 1)
  [[ "$first" == "type:'moov'"* ]] || fail "moov does not come before mdat"

  errors=$(/usr/bin/ffmpeg -nostdin -v error -i "$file" -f null - 2>&1)
  [ $? -eq 0 ] && [ -z "$errors" ] || fail "does not decode cleanly: $errors"
done <<< "$expectations"

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all outputs as expected"
