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
    touch -d '2001-01-01' "$HOME/$page.html"
    keys ctrl+s
    for _ in $(seq 300); do [ "$HOME/$page.html" -nt "$HOME/$page.orig" ] && break; sleep 0.1; done
    [ "$HOME/$page.html" -nt "$HOME/$page.orig" ] || fail "$page.html was not saved"
    expect_same_file "$HOME/$page.html" "$HOME/$page.orig"
done
