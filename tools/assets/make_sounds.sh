#!/usr/bin/env bash
# Makes the game's spoken sounds into FOLDER: sound/RIGHT/right-N.wav,
# sound/WRONG/wrong-N.wav, sound/warten-1..3.wav and geschafft1..9.wav (the
# end sounds lie in FOLDER itself, beside the other folders). Speech comes
# from espeak-ng with the German voice; without it, or with --tones, short
# melodies from quorila_tones stand in, so the game is never silent.
#   make_sounds.sh [--tones] FOLDER QUORILA_TONES
set -euo pipefail

force_tones=no
if [ "${1:-}" = "--tones" ]; then force_tones=yes; shift; fi
if [ $# -ne 2 ]; then
  echo "usage: make_sounds.sh [--tones] FOLDER QUORILA_TONES" >&2
  exit 2
fi
folder=$1
tones=$2
mkdir -p "$folder/sound/RIGHT" "$folder/sound/WRONG"

use_speech=no
if [ "$force_tones" = no ] && command -v espeak-ng > /dev/null 2>&1; then use_speech=yes; fi

# say FILE "WORDS" NOTE...: speaks the words, or plays the notes instead.
# The file is written beside its name first, so a broken run leaves none.
say() {
  local file=$1 words=$2
  shift 2
  if [ "$use_speech" = yes ] && espeak-ng -v de -s 150 -p 55 -w "$file.part" "$words" 2> /dev/null; then
    mv "$file.part" "$file"
    return
  fi
  "$tones" "$file.part" "$@"
  mv "$file.part" "$file"
}

# After a right answer (the game plays number 0; the others are there to swap in).
say "$folder/sound/RIGHT/right-0.wav" "Richtig!" 523:110 659:110 784:220
say "$folder/sound/RIGHT/right-1.wav" "Super!" 587:110 740:110 880:220
say "$folder/sound/RIGHT/right-2.wav" "Prima!" 659:110 784:110 988:220
say "$folder/sound/RIGHT/right-3.wav" "Toll gemacht!" 523:90 659:90 784:90 1047:200
say "$folder/sound/RIGHT/right-4.wav" "Genau!" 494:110 622:110 740:220
say "$folder/sound/RIGHT/right-5.wav" "Klasse!" 440:110 554:110 659:220

# After a wrong answer: kind, and the game goes on to the next task.
say "$folder/sound/WRONG/wrong-0.wav" "Leider falsch." 392:200 330:320
say "$folder/sound/WRONG/wrong-1.wav" "Knapp daneben." 440:200 370:320
say "$folder/sound/WRONG/wrong-2.wav" "Schade, nicht ganz." 349:200 294:320
say "$folder/sound/WRONG/wrong-3.wav" "Macht nichts, weiter geht's!" 392:160 349:160 392:240
say "$folder/sound/WRONG/wrong-4.wav" "Das nächste klappt bestimmt." 330:200 392:320
say "$folder/sound/WRONG/wrong-5.wav" "Leider nicht." 370:200 311:320

# Reminders while the game waits for an answer.
say "$folder/sound/warten-1.wav" "Na, weißt du es?" 660:120 0:80 660:160
say "$folder/sound/warten-2.wav" "Denk in Ruhe nach." 587:120 0:80 587:120 0:80 659:160
say "$folder/sound/warten-3.wav" "Du schaffst das!" 523:120 659:120 0:60 784:200

# At the end of a quiz.
say "$folder/geschafft1.wav" "Geschafft! Super gemacht!" 523:120 659:120 784:120 1047:320
say "$folder/geschafft2.wav" "Geschafft! Das war toll!" 587:120 740:120 880:120 1175:320
say "$folder/geschafft3.wav" "Fertig! Prima gemacht!" 659:120 831:120 988:120 1319:320
say "$folder/geschafft4.wav" "Geschafft! Du warst klasse!" 440:120 554:120 659:120 880:320
say "$folder/geschafft5.wav" "Alle Aufgaben geschafft!" 494:120 622:120 740:120 988:320
say "$folder/geschafft6.wav" "Super, du bist fertig!" 392:120 494:120 587:120 784:320
say "$folder/geschafft7.wav" "Geschafft! Weiter so!" 523:100 587:100 659:100 784:100 1047:300
say "$folder/geschafft8.wav" "Toll, alles geschafft!" 784:120 659:120 784:120 1047:320
say "$folder/geschafft9.wav" "Fertig! Das hast du gut gemacht!" 523:160 784:160 1047:360
