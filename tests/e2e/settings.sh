# "Ayarlar": type 5 into "Gün:", "Kaydet", quit: Ayar.db holds Gun 5.
. "$E2E_LIB" "$1"
new_tables
start_app
win=$(wait_window "RavikPro 1.1")
sleep 0.5
click_in "$win" 265 20                 # Ayarlar
dialog=$(wait_window Ayarlar)
sleep 0.3
click_in "$dialog" 96 82               # Gün:
xdotool key ctrl+a
xdotool type --delay 30 "5"
click_in "$dialog" 213 124             # Kaydet
sleep 0.3
xdotool search --onlyvisible --name '^Ayarlar$' >/dev/null 2>&1 && fail "the settings window stayed open"
wmctrl -c "RavikPro 1.1"
wait_exit
stored=$(sql Ayar.db "SELECT Gun, Aktif FROM Ayar;")
[ "$stored" = "5.0|1" ] || fail "stored: $stored"
echo "PASS settings"
