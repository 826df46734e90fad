#!/usr/bin/env bash
# Builds the Debian package twice from this tree, in two different folders
# and at two different times, and compares what came out: the generated data
# (pictures, sounds, icons, metainfo) file by file, and both packages'
# contents lists and file hashes, the program included. SOURCE_DATE_EPOCH
# comes from debian/changelog, as dpkg-buildpackage sets it. ccache is off,
# so that both builds compile everything themselves.
#   tools/package/reproducible.sh [KEEP_DIR]   (KEEP_DIR keeps both builds)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
source "$top/tools/package/deb_build.bash"
work=${1:-$(mktemp -d)}
mkdir -p "$work"
[ -n "${1:-}" ] || trap 'rm -rf "$work"' EXIT
export CCACHE_DISABLE=1
export PATH=$(tr ':' '\n' <<< "$PATH" | grep -v ccache | paste -sd:)

for run in first second-build-elsewhere; do
  tree=$work/$run/deep/quorila
  copy_tree "$top" "$tree"
  started=$(date +%s)
  build_deb "$tree" "$work/$run.log" || { tail -n 40 "$work/$run.log"; exit 1; }
  echo "$run: built in $(( $(date +%s) - started )) s at $(date -u +%H:%M:%S) in $tree"
  # The data as the build made it, and every file the packages hold.
  (cd "$tree"/obj-* && find Bilder avatar sound icons geschafft*.wav ./*.metainfo.xml -type f -print0 |
     sort -z | xargs -0 sha256sum) > "$work/$run.data"
  for deb in "$work/$run/deep"/*.deb; do
    name=$(basename "$deb")
    mkdir -p "$work/$run/x/$name"
    dpkg-deb -x "$deb" "$work/$run/x/$name"
    dpkg-deb -c "$deb" | awk '{print $1, $2, $3, $4, $5, $6, $7, $8}' > "$work/$run/$name.list"
    (cd "$work/$run/x/$name" && find . -type f -print0 | sort -z | xargs -0 sha256sum) > "$work/$run/$name.sums"
  done
  (cd "$work/$run/deep" && sha256sum ./*.deb) > "$work/$run.debs"
  sleep 2   # a different time for the second build, whole seconds apart
done

status=0
compare() {   # compare WHAT FILE1 FILE2
  if cmp -s "$2" "$3"; then echo "same: $1 ($(wc -l < "$2") entries)"; else
    echo "DIFFERENT: $1"; diff "$2" "$3" | head -n 20; status=1
  fi
}
compare "generated data" "$work/first.data" "$work/second-build-elsewhere.data"
for list in "$work"/first/*.deb.list; do
  name=$(basename "$list" .list)
  compare "$name contents list" "$list" "$work/second-build-elsewhere/$name.list"
  compare "$name file hashes" "$work/first/$name.sums" "$work/second-build-elsewhere/$name.sums"
done
compare "the .deb files themselves" "$work/first.debs" "$work/second-build-elsewhere.debs"
[ "$status" -eq 0 ] && echo "reproducible: both builds agree" || echo "reproducible: the builds differ"
exit "$status"
