#!/usr/bin/env bash
# Checks the one direction of dependencies in src/: a file may include headers of its own folder
# and of the folders below it, as the velk_layer lines of src/CMakeLists.txt order them, never
# of a folder above or beside it. Lists every offending #include and exits 1; changes nothing.
set -euo pipefail
cd "$(dirname "$0")/../src"

# "FOLDER USED..." for each velk_layer line, from the ground up.
layers=$(sed -nE 's/^[[:space:]]*velk_layer\(([^ )]+)( USES ([^)]*))?\).*/\1 \3/p' CMakeLists.txt)

# Each file of src/ as "F path", each quoted include as "I path:line:included path".
{
  find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's|^\./||; s|^|F |'
  grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' . |
    sed -E 's|^\./||; s|^([^:]+):([0-9]+):[^"]*"([^"]+)".*|I \1:\2:\3|'
} | sort | awk -v layers="$layers" '
  # The layer that holds a path: the longest layer folder that is the path or one of its parents.
  function layer_of(path,    best, f) {
    best = ""
    for (f in below)
      if ((path == f || index(path, f "/") == 1) && length(f) > length(best)) best = f
    return best
  }
  function folder_of(path) { return path ~ /\// ? substr(path, 1, match(path, /\/[^\/]*$/) - 1) : "" }
  BEGIN {
    n = split(layers, rows, "\n")
    for (i = 1; i <= n; i++) {
      k = split(rows[i], words, " ")
      folder = words[1]
      set = " " folder " "
      for (j = 2; j <= k; j++) {
        if (!(words[j] in below)) {
          print "src/CMakeLists.txt: " folder " uses " words[j] ", which is not a layer below it" > "/dev/stderr"
          failed = 1
        }
        set = set below[words[j]]
      }
      below[folder] = set
    }
  }
  $1 == "F" {
    dir = folder_of($2)
    # main.cpp: the program itself sits on top of every layer.
    if (dir != "" && layer_of(dir) == "") {
      print "src/" $2 ": src/" dir " is no layer of src/CMakeLists.txt" > "/dev/stderr"
      failed = 1
    }
  }
  $1 == "I" {
    split($2, parts, ":")
    file = parts[1]; line = parts[2]; included = parts[3]
    dir = folder_of(file)
    if (dir == "") next
    own = layer_of(dir)
    target = layer_of(folder_of(included))
    if (own == "" || target == "") next
    if (index(below[own], " " target " ") == 0) {
      print "src/" file ":" line ": " own " includes " included ", but " target " is not below " own > "/dev/stderr"
      failed = 1
    }
  }
  END {
    if (failed) {
      print "Dependencies must point down the layers of src/CMakeLists.txt (README, Layout)." > "/dev/stderr"
      exit 1
    }
    print "layers: every include of src/ points down"
  }'
