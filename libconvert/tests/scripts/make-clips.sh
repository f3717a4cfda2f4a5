#!/usr/bin/env bash
# Makes the short clips the engine's suites convert, with Debian's ffmpeg,
# into the folder given first; empties the outputs folder given second, so
# that the outputs checked later are this run's. Checks that the spherical
# clips carry the metadata they are meant to.
set -euo pipefail
clips=$1
outputs=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$clips" "$outputs"
mkdir -p "$clips" "$outputs"

ff() { /usr/bin/ffmpeg -nostdin -v error -y "$@"; }
x264=(-c:v libx264 -preset ultrafast -pix_fmt yuv420p)

# A 2:1 picture with light noise, kept nearly lossless (-qp 10), hard enough
# for the encoder to reach its bit rate targets, and a tone. moov stays at the
# end, as ffmpeg writes it.
ff -f lavfi -i "testsrc2=size=640x320:rate=30:duration=2,noise=alls=3:allf=t" \
   -f lavfi -i "sine=frequency=440:duration=2" "${x264[@]}" -qp 10 -c:a aac -shortest \
   "$clips/sphere_av.mp4"
ff -f lavfi -i "testsrc2=size=320x240:rate=30:duration=2" "${x264[@]}" "$clips/flat.mov"
ff -f lavfi -i "testsrc2=size=320x240:rate=30:duration=40" "${x264[@]}" "$clips/long.mp4"
perl "$here/inject-spherical-v1.pl" "$clips/sphere_av.mp4" "$clips/sphere_v1.mp4"
# ffmpeg reads the V1 metadata and writes it as V2.
ff -i "$clips/sphere_v1.mp4" -c copy -strict unofficial "$clips/sphere_v2.mp4"
ff -f lavfi -i "sine=duration=2" -c:a aac "$clips/audio_only.mp4"
# libx264 cannot encode 4:2:0 at an odd width.
ff -f lavfi -i "testsrc2=size=320x240:rate=30:duration=2,scale=321:241" -c:v png \
   "$clips/odd_size.mov"
echo "This is a text file, not a video." > "$clips/not_media.mp4"
size=$(stat -c %s "$clips/sphere_av.mp4")
head -c $((size / 2)) "$clips/sphere_av.mp4" > "$clips/truncated.mp4"

projection() {
  /usr/bin/ffprobe -v error -select_streams v:0 -show_streams "$1" | sed -n 's/^projection=//p'
}
stop() { echo "$1"; exit 1; }
for clip in sphere_v1 sphere_v2; do
  [ "$(projection "$clips/$clip.mp4")" = equirectangular ] || stop "$clip.mp4 is not spherical"
done
[ -z "$(projection "$clips/sphere_av.mp4")" ] || stop "sphere_av.mp4 should carry no metadata"
grep -q sv3d "$clips/sphere_v2.mp4" || stop "sphere_v2.mp4 lacks sv3d"
! grep -q sv3d "$clips/sphere_v1.mp4" || stop "sphere_v1.mp4 should carry V1 only"
echo "clips ready in $clips"
