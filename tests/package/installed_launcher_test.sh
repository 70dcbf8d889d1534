#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a staging folder and starts the installed
# launcher from an unrelated folder on the offscreen platform, with the
# window-report plugin loaded into it, and checks what a person would see:
# the main window, every chooser picture, every task card, the documents and
# the test's title from Test.ini, without any error box. Then the same with
# a teacher's Test.ini that lacks its question count in a folder the user
# cannot write: the one "Unable to write to" box, and the file untouched.
# usage: installed_launcher_test.sh BUILD_DIR PLUGIN_DIR DATA_DIR
set -u
build=$1
plugins=$2
data=$3
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
mkdir -m 777 "$scratch/home"

DESTDIR=$scratch/stage cmake --install "$build" --prefix /usr >/dev/null || {
  echo "FAIL: cmake --install"
  exit 1
}
launcher=$scratch/stage/usr/bin/optika
# A copy of the plugin, so that the ordinary user below can read it too.
cp -r "$plugins" "$scratch/plugins"
plugins=$scratch/plugins
home=$(readlink -f "$scratch/stage/usr/lib/optika")

diff -r "$data/img" "$home/img" || fail "the pictures are not installed as they are in data/img"
diff -r "$data/txt" "$home/txt" || fail "the documents are not installed as they are in data/txt"
cmp -s "$data/Test.ini" "$home/Test.ini" || fail "Test.ini is not installed as it is in data/"
diff -r "$data/en" "$home/en" || fail "the English test is not installed as it is in data/en"

# run FOLDER [RUNNER ...]: starts the launcher from FOLDER, prints the report.
run() {
  (cd "$1" && shift && HOME=$scratch/home QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$plugins \
    QT_QPA_GENERIC_PLUGINS=optikawindowreport timeout 120 "$@" "$launcher" 2>/dev/null)
}

expect() { # expect REPORT LINE ...
  local report=$1
  shift
  for line in "$@"; do
    grep -qxF -- "$line" <<<"$report" || fail "missing line: $line"
  done
}

png_size() { # the width x height in a PNG file's header
  local b
  read -ra b <<<"$(od -An -tu1 -j16 -N8 "$1")"
  echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

test_title() { # the test's title as a teacher wrote it in an INI file
  iconv -f cp1251 -t utf-8 "$1" | tr -d '\r' | sed -n 's/^[[:space:]]*Название теста[[:space:]]*=[[:space:]]*//p' | head -1
}

# The shipped data, in a folder the user cannot write.
elsewhere=$scratch/elsewhere
mkdir -m 755 "$elsewhere"
chmod a-w "$home"
report=$(run "$elsewhere")
expect "$report" \
  "window TForm1=**КОМПЬЮТЕРНАЯ ПРОГРАММА ПО ФИЗИКЕ: ИНТЕРАКТИВНЫЕ МОДЕЛИ**" \
  "window TForm17=$(test_title "$data/Test.ini")"
for n in 1 2 3 4 5 6 7 8; do
  expect "$report" "picture $n=$(png_size "$data/img/$n.png")"
done
for card in sBitBtn3 sBitBtn2 sBitBtn4 sBitBtn5 sBitBtn6; do
  grep -qE "^card $card=[1-9]" <<<"$report" || fail "card $card shows no text"
done
for document in TForm6.sRichEdit1:slovar TForm8.RxRichEdit1:zadachi TForm9.sRichEdit1:voprosi; do
  if [ -e "$data/txt/${document#*:}.rtf" ]; then
    grep -qE "^document ${document%:*}=[1-9]" <<<"$report" || fail "${document%:*} shows no text"
  fi
done
grep -E "^(box=|missing)" <<<"$report" && fail "an error box or a missing window"
[ -z "$(ls -A "$elsewhere")" ] || fail "the program wrote into the folder it was started from"
cmp -s "$data/Test.ini" "$home/Test.ini" || fail "the installed Test.ini changed"

# A teacher's Test.ini without its question count. The program must try to
# write the key, report that it cannot, and leave the file as it was.
chmod u+w "$home"
printf '[\xd2\xe5\xf1\xf2]\r\n\xcd\xe0\xe7\xe2\xe0\xed\xe8\xe5 \xf2\xe5\xf1\xf2\xe0=\xd2\xe5\xf1\xf2 \xf3\xf7\xe8\xf2\xe5\xeb\xff\r\n' >"$home/Test.ini"
cp "$home/Test.ini" "$scratch/teacher.ini"
chmod a-w "$home"
as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
report=$(run "$elsewhere" "${as_user[@]}")
expect "$report" \
  "window TForm1=**КОМПЬЮТЕРНАЯ ПРОГРАММА ПО ФИЗИКЕ: ИНТЕРАКТИВНЫЕ МОДЕЛИ**" \
  "window TForm17=Тест учителя" \
  "box=Unable to write to $home/Test.ini."
[ "$(grep -c '^box=' <<<"$report")" -eq 1 ] || fail "expected exactly one box"
cmp -s "$scratch/teacher.ini" "$home/Test.ini" || fail "the teacher's Test.ini changed"

if [ $failures -ne 0 ]; then
  printf '%s\n' "$report"
  exit 1
fi
echo "the installed launcher finds its pictures, documents and Test.ini"
