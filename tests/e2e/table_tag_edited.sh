#!/usr/bin/env bash
# A web author widens a table already in a page: F4 with the caret in its start tag opens the
# table dialog filled in; the new width replaces that tag and nothing else, and an undo gives
# the file back byte for byte.
. "$(dirname "$0")/lib/harness.sh"

printf "<HTML>\n<TABLE BORDER='1' WIDTH='80%%'>\n<TR><TD>a</TD></TR>\n</TABLE>\n</HTML>\n" >"$HOME/table.html"
cp "$HOME/table.html" "$HOME/table.orig"

# Saves the active document and waits for the new file in the old one's place.
save_page() {
    local before
    before=$(stat -c %i "$HOME/table.html")
    keys ctrl+s
    for _ in $(seq 300); do [ "$(stat -c %i "$HOME/table.html")" != "$before" ] && break; sleep 0.1; done
    [ "$(stat -c %i "$HOME/table.html")" != "$before" ] || fail "table.html was not saved"
}

start_zurne
keys ctrl+o
answer_file_dialog "開く" "$HOME/table.html"
wait_title "VEK Zurne - [$HOME/table.html]"

# The caret in the table's start tag, after "<TABLE".
keys ctrl+Home Down Right Right Right Right Right Right
keys F4
wait_window "^ﾃｰﾌﾞﾙ" >/dev/null
# The focus is in the first field, the border; the width comes next.
keys Tab ctrl+a
type_text "60%"
keys Return
xdotool windowactivate --sync "$main_window"
save_page
expect_bytes "$HOME/table.html" "<HTML>\n<TABLE BORDER='1' WIDTH='60%%'>\n<TR><TD>a</TD></TR>\n</TABLE>\n</HTML>\n"

keys ctrl+z
save_page
expect_same_file "$HOME/table.html" "$HOME/table.orig"

keys alt+f x
wait_exit
