# Shared by the package test and the reproducibility check: builds the
# Debian package from a copy of the source tree in a folder of the caller's
# choosing, so that nothing is written beside the checkout (dpkg-buildpackage
# puts its results into the parent of the tree it builds).
#   copy_tree SOURCE DEST      the files git knows (with uncommitted edits),
#                              or everything but build/ without git
#   build_deb TREE LOG         dpkg-buildpackage -us -uc -b in TREE
copy_tree() {
  local source=$1 dest=$2
  mkdir -p "$dest"
  if git -C "$source" rev-parse --show-toplevel > /dev/null 2>&1; then
    (cd "$source" && git ls-files -z --cached --others --exclude-standard |
       while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
       tar --null -T - -cf -) | tar -C "$dest" -xf -
  else
    tar -C "$source" --exclude=./build -cf - . | tar -C "$dest" -xf -
  fi
}

build_deb() {
  local tree=$1 log=$2
  (cd "$tree" && dpkg-buildpackage -us -uc -b > "$log" 2>&1)
}
