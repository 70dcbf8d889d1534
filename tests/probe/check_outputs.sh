#!/usr/bin/env bash
# Runs optika-probe as an outside check would and compares the lines it
# prints with the expected readouts and messages.
# usage: check_outputs.sh PROBE DATA_DIR
set -u
probe=$1
data=$2
export QT_QPA_PLATFORM=offscreen
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
  "TForm3.Ellipse(112,161,30,79) pen=#000000,1,solid brush=#000000,fdiagonal" \
  "TForm3.Ellipse(148,186,280,54) pen=#000000,1,solid brush=#000000,bdiagonal"
out=$("$probe" model shadow2 sTrackBar5=50 sScrollBar3=50 sTrackBar3=44 sTrackBar3=45 2>/dev/null)
expect "$out" VrNum6=44 "error=Invalid floating point operation."

out=$("$probe" model reflection 2>/dev/null)
expect "$out" VrNum12=155 VrNum16=45 VrNum13=10 VrNum17=65 VrNum15=45 VrNum14=10
out=$("$probe" model reflection sTrackBar7=89 sTrackBar6=89 --ops 2>/dev/null)
expect "$out" VrNum17=267 VrNum12=357 "LineTo(303,519) pen=#ffffff,1,solid"

out=$("$probe" model refraction 2>/dev/null)
expect "$out" VrMatrix13=45 VrMatrix14=135 VrMatrix11=45 VrMatrix12=45 VrMatrix3=NO VrMatrix4=NO \
  VrMatrix9=20,81 VrMatrix10=290,81 VrMatrix5=1,99 Image7.visible=0 \
  "TForm12.RzLEDDisplay1=296824215,84 m/c" "TForm12.RzLEDDisplay2=149150476,62 m/c"
out=$("$probe" model refraction sScrollBar7=200 sScrollBar8=100 2>/dev/null)
expect "$out" VrMatrix3=30,16 VrMatrix4=239,8
out=$("$probe" model refraction sScrollBar8=100 2>/dev/null)
expect "$out" VrMatrix3=90,00

out=$("$probe" model lens 2>/dev/null)
expect "$out" "RzLEDDisplay1=F<d<2F" VrMatrix29=1,0309 VrMatrix30=382,121212121212 VrMatrix31=2,94 VrMatrix32=158,73
out=$("$probe" model lens sRadioButton9=1 2>/dev/null)
expect "$out" VrMatrix29=1,0309 VrMatrix30=-55,55 VrMatrix31=-0,43 VrMatrix32=-23,07
out=$("$probe" model lens sTrackBar14=130 2>/dev/null)
expect "$out" RzLEDDisplay1=d=F sLabel67.visible=1

right="1 2 2 2 3 3 2 3 2 3 2 1 2 2 1 1 2 1 2 1"
out=$("$probe" quiz "$data/Test.ini" $right 2>/dev/null)
expect "$out" "message=ВЫ ЗАКОНЧИЛИ ТЕСТ" "message=Всего вопросов теста = 20" "message=Количество набранных баллов =100"

out=$("$probe" rtf "$data/txt/k1.rtf" 2>/dev/null)
expect "$out" "КАРТОЧКА № 1"

if [ "$failures" -gt 0 ]; then
  echo "$failures expected lines missing"
  exit 1
fi
echo "all probe outputs as expected"
