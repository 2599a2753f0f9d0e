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

if [ -n "${E2E_README_SHOT:-}" ]; then
    keys ctrl+a
    type_text "<P>"
    keys ctrl+g ctrl+e
    "$XSHOT" "$E2E_README_SHOT" "$main_window"
fi
