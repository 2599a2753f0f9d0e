#!/usr/bin/env bash
# A web author opens an old Shift_JIS page and a page written on Unix, saves each without
# changing it, and finds both files as they were, byte for byte.
. "$(dirname "$0")/lib/harness.sh"

printf '<HTML>\r\n<BODY>\r\nようこそ、ｶﾀｶﾅ～①㈱髙\r\n</BODY>\r\n</HTML>\r\n' | iconv -f UTF-8 -t CP932 >"$HOME/old.html"
printf '<!DOCTYPE html>\n<html lang="ja">\n<p>日本語のページ</p>\n</html>\n' >"$HOME/unix.html"
cp "$HOME/old.html" "$HOME/old.orig"
cp "$HOME/unix.html" "$HOME/unix.orig"

start_zurne
for page in old unix; do
    keys ctrl+o
    answer_file_dialog "開く" "$HOME/$page.html"
    wait_title "VEK Zurne - [$HOME/$page.html]"
    # A save puts a new file in the old one's place; touching the file instead would make it
    # a file changed elsewhere, which the save asks about.
    before=$(stat -c %i "$HOME/$page.html")
    keys ctrl+s
    for _ in $(seq 300); do [ "$(stat -c %i "$HOME/$page.html")" != "$before" ] && break; sleep 0.1; done
    [ "$(stat -c %i "$HOME/$page.html")" != "$before" ] || fail "$page.html was not saved"
    expect_same_file "$HOME/$page.html" "$HOME/$page.orig"
done
