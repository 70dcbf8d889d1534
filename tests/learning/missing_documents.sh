#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program's windows in a folder with its pictures but no txt/:
# exactly the three file-open errors of the study windows are raised, and the
# program goes on (the dictionary window can still be shown and grabbed).
# usage: missing_documents.sh PROBE DATA_DIR
set -u
probe=$1
data=$2
export QT_QPA_PLATFORM=offscreen
# The program speaks the machine's language; these errors are the Russian program's.
export LC_ALL=C.UTF-8 LANGUAGE=
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp -r "$data/img" "$folder/img"
cd "$folder"

out=$("$probe" shot TForm6 "$folder/shot.png" 2>/dev/null)
code=$?
expected="error=Cannot open file \"$folder/txt/slovar.rtf\". No such file or directory.
error=Cannot open file \"$folder/txt/zadachi.rtf\". No such file or directory.
error=Cannot open file \"$folder/txt/voprosi.rtf\". No such file or directory."

failures=0
if [ "$out" != "$expected" ]; then
  echo "expected:"; echo "$expected"; echo "got:"; echo "$out"
  failures=$((failures + 1))
fi
if [ "$code" -ne 0 ] || [ ! -s "$folder/shot.png" ]; then
  echo "the program did not go on: exit code $code, no picture of the dictionary"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "three file-open errors and a running program"
exit "$failures"
