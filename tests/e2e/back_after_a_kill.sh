#!/usr/bin/env bash
# A web author types into the new page and into an old Shift_JIS page written on Unix, and
# the program is killed before either is saved. Started again, it offers both back; saving
# the old page then writes what a save before the kill would have.
. "$(dirname "$0")/lib/harness.sh"

printf '<HTML>\n<BODY>\nようこそ\n</BODY>\n</HTML>\n' | iconv -f UTF-8 -t CP932 >"$HOME/old.html"
printf 'ｱｲｳ日本<HTML>\n<BODY>\nようこそ\n</BODY>\n</HTML>\n' | iconv -f UTF-8 -t CP932 >"$HOME/expected.html"
journal=$XDG_STATE_HOME/zurne/journal

start_zurne
wait_title "VEK Zurne - [（無題）]"
type_text '<P>new</P>'
keys ctrl+o
answer_file_dialog "開く" "$HOME/old.html"
wait_title "VEK Zurne - [$HOME/old.html]"
# Pasted: xdotool types a character outside the keymap on a key it lends and takes back at
# once, and a slow program (the sanitizer build) reads the key after it is taken back.
printf 'ｱｲｳ日本' | xclip -selection clipboard -i
keys ctrl+v
sleep 3
[ "$(ls "$journal"/*.zurne-journal | wc -l)" = 2 ] || fail "the journal holds $(ls "$journal")"
kill -9 "$zurne_pid"
wait "$zurne_pid" 2>/dev/null || true

start_zurne
wait_window "^Zurne$" >/dev/null
keys Return
wait_title "VEK Zurne - [$HOME/old.html]"
keys ctrl+s
expect_bytes "$HOME/old.html" "$(od -An -tx1 "$HOME/expected.html" | tr -d ' \n' | sed 's/../\\x&/g')"

# Saved, the old page closes without a question; the new page is the one active before it.
keys alt+f c
wait_title "VEK Zurne - [（無題）]"
keys ctrl+s
answer_file_dialog "名前を付けて保存" "$HOME/new.html"
wait_title "VEK Zurne - [$HOME/new.html]"
[ "$(head -c 10 "$HOME/new.html")" = '<P>new</P>' ] || fail "the new page came back as $(head -c 40 "$HOME/new.html")"
