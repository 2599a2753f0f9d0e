#!/usr/bin/env bash
# A user changes the page, tries to quit, thinks again (Cancel), then quits without saving.
. "$(dirname "$0")/lib/harness.sh"

start_zurne
type_text "draft"
keys alt+f x
wait_window "^（無題）$" >/dev/null
keys Escape
sleep 0.5
kill -0 "$zurne_pid" || fail "the program ended although the user cancelled"
wait_title "VEK Zurne - [（無題）]"

keys alt+f x
wait_window "^（無題）$" >/dev/null
keys alt+n
wait_exit
