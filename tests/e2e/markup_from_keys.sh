#!/usr/bin/env bash
# A web author writes a page with the keyboard: an entity, then one dialog of each kind (a
# rule, a table, a form button, replace all, an image map drawn with the mouse over a picture,
# whose address the map takes), and saves.
. "$(dirname "$0")/lib/harness.sh"

# A 100 x 100 picture for the map: a 24-bit BMP, header then rows of black pixels.
{
    printf 'BM\x66\x75\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00'
    printf '\x64\x00\x00\x00\x64\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00'
    printf '\x30\x75\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
    head -c 30000 /dev/zero
} >"$HOME/map.bmp"

start_zurne
keys ctrl+a
type_text 'say "hi" old'
keys Home Right Right Right Right shift+Right ctrl+w End Return

keys ctrl+m
wait_window "^罫線" >/dev/null
keys alt+n
keys Return

keys ctrl+t
wait_window "^ﾃｰﾌﾞﾙ" >/dev/null
keys Return
keys Return

keys alt+t c s
wait_window "^ﾎﾞﾀﾝ" >/dev/null
keys Return
keys Return

keys ctrl+h
wait_window "^検索＆置換$" >/dev/null
keys alt+n
type_text "old"
keys alt+i
type_text "new"
keys alt+a
wait_window "^Zurne$" >/dev/null
keys Return Escape

keys alt+g m
map=$(wait_window "^ﾏｯﾌﾟ")
keys alt+l
answer_file_dialog "開く" "$HOME/map.bmp"
xdotool mousemove --window "$map" 20 50 mousedown 1 mousemove --window "$map" 50 80 mouseup 1
wait_window "^設定$" >/dev/null
keys Return

xdotool windowactivate --sync "$main_window"
keys alt+f a
answer_file_dialog "名前を付けて保存" "$HOME/page.html"
wait_title "VEK Zurne - [$HOME/page.html]"
# The map's rectangle is where the mouse went on the picture, below the window's menu bar.
coords=$(grep -ao "COORDS='20,[0-9]*,50,[0-9]*'" "$HOME/page.html") || fail "no rectangle from (20, y) to (50, y + 30)"
top=$(echo "$coords" | cut -d, -f2)
bottom=$(echo "$coords" | cut -d, -f4 | tr -d "'")
[ $((bottom - top)) -eq 30 ] || fail "the rectangle is not 30 pixels high: $coords"
expect_bytes "$HOME/page.html" "say &quot;hi\" new<IMG SRC='map.bmp' USEMAP='map.bmp#'>\r\n<MAP NAME=''>\r\n\
<AREA SHAPE='RECT' COORDS='20,$top,50,$bottom' HREF=''>\r\n\r\n</MAP>\r\n\
<HR ALIGN='LEFT'>\r\n<TABLE>\r\n<TR><TD>\r\n\r\n</TD></TR>\r\n</TABLE>\r\n\r\n\
<INPUT TYPE='SUBMIT'>\r\n\r\n"

# The saved page in the browser window, then the end of the day: nothing left to ask. Root
# is told instead that the browser's sandbox does not work for root, and no browser starts.
keys F5
if [ "$(id -u)" = 0 ]; then
    wait_window "^Zurne$" >/dev/null
    keys Return
    ! pgrep -P "$zurne_pid" >/dev/null || fail "a browser was started for root"
else
    wait_window "^ﾌﾞﾗｳｻﾞ確認$" >/dev/null
fi
xdotool windowactivate --sync "$main_window"
keys alt+f x
wait_exit
