#!/usr/bin/env bash
# The terminal as small text scripts: bytes in, the visible cells, the cursor
# and the coloured cells out (vqterm-dump on the headless back end). In the
# expected dumps every line ends in '|' so that trailing blanks show.
set -u
tool=$1/tools/vqterm-dump
[ -x "$tool" ] || { echo "vqterm-dump not built"; exit 1; }
export VQ_PLATFORM=headless
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

# run NAME "OPTIONS" < expected; the input is already in $work/in.
run() {
  local name=$1 opts=$2
  # shellcheck disable=SC2086
  "$tool" $opts < "$work/in" > "$work/out" 2> "$work/err" || { echo "$name: exit $?"; fail=1; return; }
  sed 's/$/|/' "$work/out" > "$work/got"
  if ! diff -u - "$work/got" > "$work/diff"; then
    echo "$name: dump differs"; cat "$work/diff"; fail=1
  fi
}
# check NAME "OPTIONS" 'PRINTF-FORMAT' < expected
check() { printf "$3" > "$work/in"; run "$1" "$2"; }
# checkgen NAME "OPTIONS" 'COMMAND' < expected
checkgen() { bash -c "$3" > "$work/in"; run "$1" "$2"; }

check "line feed on the last line waits" "--columns 4 --lines 3" 'a\nb\nc\n' <<'X'
a   |
b   |
c   |
cursor=0,3|
X
check "the next character scrolls" "--columns 4 --lines 3" 'a\nb\nc\nd' <<'X'
b   |
c   |
d   |
cursor=1,2|
X
check "tabs stop at multiples of four" "--columns 12 --lines 2" 'abcde\tX\n\tZ' <<'X'
abcde   X   |
    Z       |
cursor=5,1|
X
check "carriage return and other control characters" "--columns 6 --lines 1" 'abc\rX\001\bY' <<'X'
XYc   |
cursor=2,0|
X
check "the last column wraps" "--columns 3 --lines 2" 'abcde' <<'X'
abc|
de |
cursor=2,1|
X
check "SGR 31 stores index 1, 30 and 39 index 0" "--columns 4 --lines 1" '\033[31mA\033[30mB\033[32mC\033[39mD' <<'X'
ABCD|
cursor=0,1|
attr=0,0,1,0|
attr=2,0,2,0|
X
check "H without parameters goes home" "--columns 5 --lines 2" 'abc\ndef\033[HX' <<'X'
Xbc  |
def  |
cursor=1,0|
X
check "H counts from 1 and clamps to the buffer" "--columns 5 --lines 3" '\033[2;3Ha\033[0;0Hb\033[99;99Hc\033[3;2HD\033[1dE' <<'X'
b E  |
  a  |
 D  c|
cursor=3,0|
X
check "G keeps a row left below the last line" "--columns 4 --lines 2" 'ab\ncd\n\033[3Gx' <<'X'
cd  |
  x |
cursor=3,1|
X
check "a reset after colour resets both indexes" "--columns 9 --lines 1" \
  '\033[31;42mA\033[0mB\033[33mC\033[mD\033[34;45;0mE\033[36;41mF\033[49mG\033[39mH' <<'X'
ABCDEFGH |
cursor=8,0|
attr=0,0,1,2|
attr=2,0,3,0|
attr=5,0,6,1|
attr=6,0,6,0|
X
check "ESC [ 2 J clears and goes home" "--columns 4 --lines 2" 'abcd\nef\033[2Jg' <<'X'
g   |
    |
cursor=1,0|
X
check "shift-out draws lines with plain characters" "--columns 8 --lines 1" '\016lqkxaj\017lq' <<'X'
+-+|#+lq|
cursor=0,1|
X
check "over-long sequences and huge parameters are dropped safely" "--columns 6 --lines 2" \
  "\033[$(printf '1;%.0s' $(seq 60))31mA\033[99999999999999999999999;2HB\033[5Qc" <<'X'
A     |
 Bc   |
cursor=3,1|
X
check "wordbreak keeps words whole" "--columns 10 --lines 3 --wordbreak" 'abc defghijkl ' <<'X'
abc       |
defghijkl |
          |
cursor=0,2|
X
check "wordbreak keeps punctuation with its word; an unfinished word waits" \
  "--columns 8 --lines 4 --wordbreak" 'one, two-three.\nx' <<'X'
one,    |
two-    |
three.  |
        |
cursor=0,3|
X
check "wordbreak keeps the colours each character came with" "--columns 12 --lines 1 --wordbreak" \
  'ab\033[31mcd\033[0m \033[42mef\033[m.' <<'X'
abcd ef.    |
cursor=8,0|
attr=2,0,1,0|
attr=3,0,1,0|
attr=5,0,0,2|
attr=6,0,0,2|
X
checkgen "scroll-back of 1000 with 5 visible lines follows the cursor" \
  "--columns 6 --lines 5 --scrollback 1000" 'seq 1 1200' <<'X'
1196  |
1197  |
1198  |
1199  |
1200  |
cursor=0,5|
X
checkgen "scroll-back shows the first lines until the cursor leaves them" \
  "--columns 3 --lines 5 --scrollback 1000" "printf '1\n2\n3\n4'" <<'X'
1  |
2  |
3  |
4  |
   |
cursor=1,3|
X

# Bad calls: exit status 2 and one line on standard error.
expect2() {
  : | "$tool" "$@" > /dev/null 2> "$work/err"
  local rc=$? lines
  lines=$(wc -l < "$work/err")
  if [ $rc -ne 2 ] || [ "$lines" -ne 1 ]; then
    echo "expected exit 2 and one line for: $* (got $rc, $lines lines)"; fail=1
  fi
}
expect2
expect2 --columns 10
expect2 --lines 3
expect2 --columns 0 --lines 3
expect2 --columns 10 --lines 1001
expect2 --columns 10 --lines 3 --scrollback -1
expect2 --columns x --lines 3
expect2 --columns 10 --lines 3 --columns 11
expect2 --columns 10 --lines 3 --wordbreak --wordbreak
expect2 --columns 10 --lines
expect2 --columns 10 --lines 3 --colour
"$tool" --help | grep -q -- '--scrollback' || { echo "--help does not explain the options"; fail=1; }
[ $fail -eq 0 ] && echo "vqterm-dump: all checks passed"
exit $fail
