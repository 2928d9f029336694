# Typing a name into the list's cell and moving to another row stores it.
. "$E2E_LIB" "$1"
new_tables
sql Veri.db "INSERT INTO Veri (Isim) VALUES ('Ali'), ('Berk');"
start_app
win=$(wait_window "RavikPro 1.1")
sleep 0.5
xdotool windowactivate --sync "$win"
xdotool type --delay 50 "Zeynep Sahin"
xdotool key Down
sleep 0.3
wmctrl -c "RavikPro 1.1"
wait_exit
names=$(sql Veri.db "SELECT Isim FROM Veri ORDER BY rowid;" | paste -sd,)
[ "$names" = "Zeynep Sahin,Berk" ] || fail "stored names: $names"
echo "PASS grid_typing"
