# A folder with tables: the main window "RavikPro 1.1" shows centred, and closes cleanly.
. "$E2E_LIB" "$1"
new_tables
start_app
win=$(wait_window "RavikPro 1.1")
sleep 0.5
client_geometry "$win"
# The frame adds a few pixels around the client area.
centre_x=$((X + WIDTH / 2)); centre_y=$((Y + HEIGHT / 2))
[ $((centre_x - 640)) -ge -20 ] && [ $((centre_x - 640)) -le 20 ] || fail "not centred across: $X,$Y ${WIDTH}x$HEIGHT"
[ $((centre_y - 512)) -ge -30 ] && [ $((centre_y - 512)) -le 30 ] || fail "not centred down: $X,$Y ${WIDTH}x$HEIGHT"
wmctrl -c "RavikPro 1.1"
wait_exit
echo "PASS startup_window"
