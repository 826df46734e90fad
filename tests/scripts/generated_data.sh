#!/usr/bin/env bash
# The pictures and sounds the build generates for the game: every name the
# game asks for is there, every picture opens in the picture reader at its
# size and no two backgrounds are alike, the avatars change steadily with
# their number, netpbm decodes the same pixels, every sound is a short wave
# file that the sound layer plays, the tones stand in for speech, and the
# generators give the same bytes again.
set -u
build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
tools=$build/tools/assets
for tool in quorila_pictures quorila_tones quorila_data_check; do
  [ -x "$tools/$tool" ] || { echo "no $tools/$tool"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
bad() { echo "FAIL: $*"; failures=$((failures + 1)); }

sound_names() {
  for n in 0 1 2 3 4 5; do echo sound/RIGHT/right-$n.wav; echo sound/WRONG/wrong-$n.wav; done
  for n in 1 2 3; do echo sound/warten-$n.wav; done
  for n in 1 2 3 4 5 6 7 8 9; do echo geschafft$n.wav; done
}

# Every name is there, and nothing else under the pictures' names.
[ "$(ls "$build"/Bilder | grep -c '^videob_[0-9]*\.png$')" -eq 101 ] || bad "Bilder does not hold 101 videob_N.png"
[ "$(ls "$build"/avatar | grep -c '^videob_[0-9]*\.png$')" -eq 100 ] || bad "avatar does not hold 100 videob_N.png"
for n in $(seq 0 100); do [ -s "$build/Bilder/videob_$n.png" ] || bad "no Bilder/videob_$n.png"; done
for n in $(seq 1 100); do [ -s "$build/avatar/videob_$n.png" ] || bad "no avatar/videob_$n.png"; done
for f in $(sound_names); do [ -s "$build/$f" ] || bad "no $f"; done

# The picture reader: sizes, checksums and thumbnails, the avatars' progression.
"$tools/quorila_data_check" pictures "$build" > "$work/pictures.txt" 2>&1 || bad "picture check: $(grep FAIL "$work/pictures.txt" | head -5)"
grep -E '^(closest|avatar)' "$work/pictures.txt"

# A peer decoder: netpbm reads the PNG files to the same pixels as the picture reader.
if command -v pngtopnm > /dev/null && command -v pngcheck > /dev/null; then
  for f in Bilder/videob_0 Bilder/videob_57 avatar/videob_1 avatar/videob_100; do
    pngcheck -q "$build/$f.png" > /dev/null || bad "pngcheck refuses $f.png"
    pngtopnm "$build/$f.png" > "$work/peer.ppm" 2> /dev/null || bad "pngtopnm cannot read $f.png"
    "$build/tools/vqimage" convert "$build/$f.png" "$work/ours.ppm" || bad "vqimage cannot read $f.png"
    size=$(sed -n 2p "$work/peer.ppm" | awk '{print $1 * $2 * 3}')
    cmp -s <(tail -c "$size" "$work/peer.ppm") <(tail -c "$size" "$work/ours.ppm") ||
      bad "$f.png: netpbm and the picture reader decode different pixels"
  done
else
  echo "no netpbm or pngcheck: the peer decoding is not checked"
fi

# durations FOLDER: each sound a wave file of 0.3 to 3 seconds (sox measures).
durations() {
  local folder=$1 f d
  command -v soxi > /dev/null || { echo "no soxi: the lengths are not measured"; return; }
  for f in $(sound_names); do
    [ "$(soxi -t "$folder/$f" 2> /dev/null)" = wav ] || { bad "$f in $folder is not a wave file"; continue; }
    d=$(soxi -D "$folder/$f")
    awk -v d="$d" 'BEGIN { exit !(d >= 0.3 && d <= 3.0) }' || bad "$f in $folder lasts $d s, not 0.3 to 3 s"
  done
}
# plays FOLDER: the sound layer plays each one.
plays() {
  local folder=$1 files=()
  for f in $(sound_names); do files+=("$folder/$f"); done
  "$tools/quorila_data_check" sounds "${files[@]}" > "$work/sounds.txt" 2>&1 ||
    bad "sound layer, $folder: $(grep FAIL "$work/sounds.txt" | head -3)"
}
durations "$build"
plays "$build"
# The check itself refuses what is not a sound, so its passes mean something.
printf 'RIFF\004\000\000\000WAVE' > "$work/broken.wav"
"$tools/quorila_data_check" sounds "$work/broken.wav" > /dev/null 2>&1 && bad "a broken wave file was played"

# Without a speech synthesizer the tones stand in under the same names.
bash "$source_dir/tools/assets/make_sounds.sh" --tones "$work/tones" "$tools/quorila_tones" || bad "the tones were not made"
durations "$work/tones"
plays "$work/tones"
"$tools/quorila_tones" "$work/x.wav" 440 > /dev/null 2>&1; [ $? -eq 2 ] || bad "quorila_tones took a note without a length"

# The same bytes again: pictures with one thread and a selection, the sounds afresh.
"$tools/quorila_pictures" --threads 1 --only b0,b17,b42,b77,b100,a1,a50,a100 "$work/again" > /dev/null ||
  bad "quorila_pictures failed on a selection"
for f in Bilder/videob_0 Bilder/videob_17 Bilder/videob_42 Bilder/videob_77 Bilder/videob_100 \
         avatar/videob_1 avatar/videob_50 avatar/videob_100; do
  cmp -s "$work/again/$f.png" "$build/$f.png" || bad "$f.png came out different the second time"
done
bash "$source_dir/tools/assets/make_sounds.sh" "$work/again" "$tools/quorila_tones" || bad "the sounds were not made again"
for f in $(sound_names); do cmp -s "$work/again/$f" "$build/$f" || bad "$f came out different the second time"; done

# Arguments the generator refuses.
"$tools/quorila_pictures" --only b101 "$work/x" > /dev/null 2>&1; [ $? -eq 2 ] || bad "--only b101 was taken"
"$tools/quorila_pictures" > /dev/null 2>&1; [ $? -eq 2 ] || bad "no folder was taken"
touch "$work/file"
"$tools/quorila_pictures" --only a1 "$work/file" > /dev/null 2>&1; [ $? -eq 1 ] || bad "a file as the folder did not fail"

echo "generated_data: $failures failures"
[ $failures -eq 0 ]
