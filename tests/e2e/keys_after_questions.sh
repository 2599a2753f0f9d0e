#!/usr/bin/env bash
# A user changes a page, begins to close it and to quit, thinks again each time (Esc), looks
# into two dialogs and leaves them (Esc), then goes on typing and undoing without a click.
. "$(dirname "$0")/lib/harness.sh"

printf '<P>\n' >"$HOME/page.html"

start_zurne "$HOME/page.html"
wait_title "VEK Zurne - [$HOME/page.html]"
type_text "draft"

keys alt+f c
wait_window "page.html$" >/dev/null
keys Escape
keys alt+f x
wait_window "page.html$" >/dev/null
keys Escape
keys ctrl+m
wait_window "^罫線設定$" >/dev/null
keys Escape
keys ctrl+f
wait_window "^検索＆置換$" >/dev/null
keys Escape
wait_title "VEK Zurne - [$HOME/page.html]"

# The move ends the typing, so that the undo takes back only what comes after it.
keys End
type_text "Y"
keys ctrl+z
type_text "Z"
keys ctrl+s
expect_bytes "$HOME/page.html" 'draft<P>Z\n'
