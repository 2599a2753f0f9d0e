#!/usr/bin/env bash
# A new user starts the program, finds the page template, writes a bold word and saves it.
. "$(dirname "$0")/lib/harness.sh"

start_zurne
wait_title "VEK Zurne - [（無題）]"

keys ctrl+a ctrl+c
[ "$(clipboard | od -c)" = "$(printf "<HTML>\r\n<HEAD>\r\n<META NAME='GENERATOR' CONTENT='VEK Zurne'>\r\n<TITLE>\r\nここにタイトルを記述してください\r\n</TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>" | od -c)" ] ||
    fail "the first document does not hold the template"

type_text "Hello"
keys ctrl+a ctrl+b
keys alt+f a
answer_file_dialog "名前を付けて保存" "$HOME/first.htm"
wait_title "VEK Zurne - [$HOME/first.html]"
expect_bytes "$HOME/first.html" "<B>Hello</B>"

# The README's picture: the main window with a page of the kind the program is for.
if [ -n "${E2E_README_SHOT:-}" ]; then
    keys ctrl+n
    keys ctrl+a
    printf '%s\n' '<HTML>' '<HEAD>' \
        "<META NAME='GENERATOR' CONTENT='VEK Zurne'>" '<TITLE>ようこそ、わたしのホームページへ</TITLE>' \
        '</HEAD>' '<BODY BGCOLOR=#FFFFF0 TEXT=#333333 LINK=#0000FF>' \
        '<DIV ALIGN=CENTER><B>ｷｬﾝﾌﾟ日記</B></DIV>' "<HR SIZE='2' WIDTH='80%' ALIGN='CENTER'>" \
        "<TABLE BORDER='1' WIDTH='80%'>" '<TR><TD>4月29日</TD><TD>湖のほとりでテントを張りました。</TD></TR>' \
        '<TR><TD>4月30日</TD><TD>朝から雨。&quot;雨の日の遊び方&quot;を考えました。</TD></TR>' \
        '</TABLE>' "<A HREF='index.html' TARGET='_top'>表紙へもどる</A>" '</BODY>' '</HTML>' |
        xclip -selection clipboard
    keys ctrl+v ctrl+Home
    "$XSHOT" "$E2E_README_SHOT" "$main_window"
fi
