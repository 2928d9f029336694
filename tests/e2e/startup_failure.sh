# A folder without tables: one error box, exit code 0 after Enter, no file created.
. "$E2E_LIB" "$1"
start_app
box=$(wait_window RavikPro)
sleep 0.5
[ "$(xdotool search --onlyvisible --name '^RavikPro' | wc -l)" -eq 1 ] || fail "more than one window"
xdotool search --onlyvisible --name '^RavikPro 1.1$' >/dev/null 2>&1 && fail "the main window showed"
xdotool windowactivate --sync "$box" key Return
wait_exit
[ -z "$(ls -A "$work")" ] || fail "files were created: $(ls -A "$work")"
echo "PASS startup_failure"
