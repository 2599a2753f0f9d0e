#!/usr/bin/env bash
# A web author renames the company on every page of a small site at once: three pages in
# three code pages (Shift_JIS with CR LF, EUC-JP and UTF-8 with LF), with the find and
# replace across files. Each page changes where the name was and nowhere else, byte for
# byte; a file the name filter leaves out is not touched.
. "$(dirname "$0")/lib/harness.sh"

site=$HOME/site
mkdir -p "$site" "$HOME/expected"
page_a='<meta charset="Shift_JIS">\r\n<p>%s ｶﾅ～①</p>\r\n<p>%s</p>\r\n'
page_b='<p>%sのご案内 ｶﾅ</p>\n'
page_c='<!DOCTYPE html>\n<p>%s</p>\n<p>髙橋</p>\n'
for name in 旧社名 新社名; do
    folder=$site
    [ "$name" = 新社名 ] && folder=$HOME/expected
    printf "$page_a" "$name" "$name" | iconv -f UTF-8 -t CP932 >"$folder/a.html"
    printf "$page_b" "$name" | iconv -f UTF-8 -t EUC-JP >"$folder/b.html"
    printf "$page_c" "$name" >"$folder/c.html"
done
printf '旧社名\n' >"$site/notes.txt"
cp "$site/notes.txt" "$HOME/expected/notes.txt"

start_zurne
keys ctrl+shift+f
wait_window "複数ﾌｧｲﾙの検索・置換" >/dev/null
sleep 0.5
# Pasted, as a slow build may read typed Japanese keys after xdotool has taken them back.
printf '旧社名' | xclip -selection clipboard -i
keys ctrl+v Tab
printf '新社名' | xclip -selection clipboard -i
keys ctrl+v alt+d Tab
type_text "$site"
keys alt+a
wait_window "^Zurne$" >/dev/null
sleep 0.5
keys alt+y
for _ in $(seq 100); do cmp -s "$site/c.html" "$HOME/expected/c.html" && break; sleep 0.1; done
wait_window "^Zurne$" >/dev/null
keys Return
for page in a b c; do expect_same_file "$site/$page.html" "$HOME/expected/$page.html"; done
expect_same_file "$site/notes.txt" "$HOME/expected/notes.txt"
