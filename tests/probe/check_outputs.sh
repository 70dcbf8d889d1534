#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs optika-probe as an outside check would and compares the lines it
# prints with the expected readouts and messages.
# usage: check_outputs.sh PROBE DATA_DIR
set -u
probe=$1
data=$2
export QT_QPA_PLATFORM=offscreen
# The program speaks the machine's language; these outputs are the Russian ones.
export LC_ALL=C.UTF-8 LANGUAGE=
# The program reads img/ and txt/ from the folder it runs in.
cd "$data"
failures=0

expect() { # expect "OUTPUT" "LINE" ...
  local output=$1
  shift
  for line in "$@"; do
    if ! grep -qxF -- "$line" <<<"$output"; then
      echo "missing line: $line"
      failures=$((failures + 1))
    fi
  done
}

out=$("$probe" model shadow1 --ops 2>/dev/null)
expect "$out" VrNum1=40 VrNum2=30 VrNum3=361 VrNum5=800 VrNum4=439 \
  "Ellipse(802,64,918,294) pen=#808080,2,solid brush=#808080,solid" \
  "Ellipse(851,161,869,197) pen=#808080,2,solid brush=#000000,solid" \
  "TForm2.Ellipse(259,237,29,7) pen=#808080,1,solid brush=#808080,solid" \
  "TForm2.Ellipse(162,140,126,104) pen=#808080,1,solid brush=#000000,solid"
out=$("$probe" model shadow1 sTrackBar1=100 sScrollBar2=471 sScrollBar1=500 2>/dev/null)
expect "$out" VrNum3=500 VrNum5=610 VrNum4=110
out=$("$probe" model shadow1 sRadioButton1=1 2>/dev/null)
expect "$out" VrNum1=40 VrNum5=800

out=$("$probe" model shadow2 --ops 2>/dev/null)
expect "$out" VrNum6=10 VrNum8=-10 VrNum7=400 VrNum9=180 VrNum10=400 VrNum11=20 \
  Image1.visible=0 Image2.visible=1 Image3.visible=1 Image4.visible=0 \
  "Ellipse(862,205,902,287) pen=#ffff00,2,solid brush=#ffff00,bdiagonal" \
  "Ellipse(849,37,915,169) pen=#ffff00,2,solid brush=#ffff00,fdiagonal" \
  "TForm3.Ellipse(101,150,183,232) pen=#000000,1,solid brush=#000000,fdiagonal" \
  "TForm3.Ellipse(76,-18,208,114) pen=#000000,1,solid brush=#000000,bdiagonal"
out=$("$probe" model shadow2 sScrollBar3=50 sTrackBar5=50 sTrackBar3=45 2>/dev/null)
expect "$out" VrNum6=45 VrNum7=60 VrNum11=50 VrJogMeter4=60
if grep -q '^error=' <<<"$out"; then
  echo "the two-source model raised an error box for a source pushed back from the obstacle"
  failures=$((failures + 1))
fi

out=$("$probe" model reflection 2>/dev/null)
expect "$out" VrNum12=155 VrNum16=45 VrNum13=10 VrNum17=65 VrNum15=45 VrNum14=10 VrNum29=55 VrNum30=55
out=$("$probe" model reflection sTrackBar7=89 sTrackBar6=89 --ops 2>/dev/null)
expect "$out" VrNum17=267 VrNum12=357 "LineTo(303,519) pen=#ffffff,1,solid"

out=$("$probe" model mirror --ops 2>/dev/null)
expect "$out" VrNum19=100 VrNum20=200 VrNum21=0 VrNum22=400 VrJogMeter7=200 VrJogMeter9=0 VrJogMeter10=400 \
  sCheckBox1.enabled=0 "LineTo(-97,459) pen=#ffff00,1,solid" "LineTo(-97,759) pen=#ffff00,1,solid"
out=$("$probe" model mirror sRadioButton6=1 sScrollBar9=150 sTrackBar8=60 sScrollBar10=37 --ops 2>/dev/null)
expect "$out" VrNum19=60 VrNum20=150 VrNum21=37 VrNum22=300 sCheckBox1.enabled=1 \
  "LineTo(3,42) pen=#ffff00,1,solid" "LineTo(3,-258) pen=#ffff00,1,solid" "LineTo(3,642) pen=#ffff00,1,solid"

out=$("$probe" model refraction 2>/dev/null)
expect "$out" VrMatrix13=45 VrMatrix14=135 VrMatrix11=45 VrMatrix12=45 VrMatrix3=NO VrMatrix4=NO \
  VrMatrix9=20,81 VrMatrix10=290,81 VrMatrix5=1,99 Image7.visible=0 \
  "TForm12.RzLEDDisplay1=296824216 м/с" "TForm12.RzLEDDisplay2=149150477 м/с"
out=$("$probe" model refraction sScrollBar7=200 sScrollBar8=100 2>/dev/null)
expect "$out" VrMatrix3=30,16 VrMatrix4=120,2
out=$("$probe" model refraction sScrollBar8=100 2>/dev/null)
expect "$out" VrMatrix3=90,00
out=$("$probe" model refraction sScrollBar7=200 sScrollBar8=100 sTrackBar9=120 2>/dev/null)
expect "$out" VrMatrix9=NO VrMatrix10=NO Image7.visible=1

out=$("$probe" model plate 2>/dev/null)
expect "$out" VrNum23=45 VrNum24=135 VrMatrix17=1,51 VrMatrix6=5,1 VrMatrix7=51 VrMatrix18=1,695 \
  VrMatrix19=45 VrMatrix21=135 VrMatrix20=27,9228763880305 VrMatrix22=297,923
out=$("$probe" model plate sTrackBar10=89 sTrackBar11=200 sScrollBar11=100 2>/dev/null)
expect "$out" VrMatrix6=20,1 VrMatrix7=201 VrMatrix17=1,01 VrMatrix18=NO VrMatrix19=8,21248596824022 \
  VrMatrix21=81,7875140317598
if grep -q '^error=' <<<"$out"; then
  echo "the plate raised an error box for a ray through its side face"
  failures=$((failures + 1))
fi

out=$("$probe" model lens 2>/dev/null)
expect "$out" "RzLEDDisplay1=F<d<2F" VrMatrix29=1,0309 VrMatrix30=382,121212121212 VrMatrix31=-2,94 VrMatrix32=-158,73
out=$("$probe" model lens sRadioButton9=1 2>/dev/null)
expect "$out" VrMatrix29=-1,0309 VrMatrix30=-55,55 VrMatrix31=0,43 VrMatrix32=23,07
out=$("$probe" model lens sTrackBar14=130 2>/dev/null)
expect "$out" RzLEDDisplay1=d=F sLabel67.visible=1
out=$("$probe" model lens sTrackBar14=129 sTrackBar14=130 2>/dev/null)
expect "$out" VrNum26=130 VrMatrix30=- VrMatrix31=- VrMatrix32=-
out=$("$probe" model lens sRadioButton9=1 sTrackBar14=130 2>/dev/null)
expect "$out" VrMatrix30=-65,00 VrMatrix31=0,50 VrMatrix32=27,00 sLabel67.visible=0

out=$("$probe" model prism --ops 2>/dev/null)
expect "$out" VrMatrix23=13 VrMatrix24=45 VrMatrix27=1,34 VrMatrix28=16,82 Image5.visible=0 Image6.visible=0 \
  "LineTo(425,129) pen=#ffff00,3,solid" "LineTo(533,124) pen=#ffff00,3,solid" "LineTo(930,147) pen=#ffff00,3,solid"
out=$("$probe" model prism sTrackBar12=45 2>/dev/null)
expect "$out" VrMatrix28=NO Image6.visible=1 sLabelFX6.visible=1 Image5.visible=0
out=$("$probe" model prism sTrackBar12=2 sTrackBar13=25 sScrollBar6=300 2>/dev/null)
expect "$out" VrMatrix28=NO Image5.visible=1 sLabelFX4.visible=1 Image6.visible=0

right="1 2 2 2 3 3 2 3 2 3 2 1 2 2 1 1 2 1 2 1"
out=$("$probe" quiz "$data/Test.ini" $right 2>/dev/null)
expect "$out" "message=ВЫ ЗАКОНЧИЛИ ТЕСТ" "message=Всего вопросов теста = 20" "message=Количество набранных баллов =100" \
  "message=100 баллов из 100: оценка 5"
# A shot of the test answered to its end captures the result box instead of waiting for its OK.
shot=$(mktemp --suffix=.png)
answers=""
for a in $right; do answers="$answers --answer $a"; done
out=$(timeout 60 "$probe" shot TForm17 --click BtnStart $answers "$shot" 2>/dev/null)
expect "$out" "message=ВЫ ЗАКОНЧИЛИ ТЕСТ" "message=Количество набранных баллов =100"
[ -s "$shot" ] || { echo "no shot of the result box"; failures=$((failures + 1)); }
rm -f "$shot"

# The test file through the editor's reading and saving: unchanged, byte for
# byte, with the previous version beside it; the shipped test passes every check.
copy=$(mktemp -d)
cp "$data/Test.ini" "$copy/Test.ini"
if ! "$probe" test-file roundtrip "$copy/Test.ini" 2>/dev/null || ! cmp -s "$copy/Test.ini" "$data/Test.ini" \
  || ! cmp -s "$copy/Test.ini.bak" "$data/Test.ini"; then
  echo "the round trip of Test.ini changed its bytes"
  failures=$((failures + 1))
fi
out=$("$probe" test-file check "$data/Test.ini" 2>/dev/null)
if [ -n "$out" ]; then
  echo "the shipped test fails its checks: $out"
  failures=$((failures + 1))
fi
printf '[Журнал]\r\n' >"$copy/notes.ini"
if err=$("$probe" test-file roundtrip "$copy/notes.ini" 2>&1 >/dev/null); then
  echo "a file that is no test was taken"
  failures=$((failures + 1))
fi
expect "$err" "Файл $copy/notes.ini — не тест: в нём нет раздела [Тест]"
[ "$(cat "$copy/notes.ini")" = $'[Журнал]\r' ] || { echo "a refused file was written"; failures=$((failures + 1)); }
rm -rf "$copy"

out=$("$probe" rtf "$data/txt/k1.rtf" 2>/dev/null)
expect "$out" "КАРТОЧКА № 1"

if [ "$failures" -gt 0 ]; then
  echo "$failures expected lines missing"
  exit 1
fi
echo "all probe outputs as expected"
