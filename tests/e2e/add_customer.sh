# A customer added through the window is stored with its balance; "Sil" with Yes removes it.
. "$E2E_LIB" "$1"
new_tables
start_app
win=$(wait_window "RavikPro 1.1")
sleep 0.5
click_in "$win" 48 20                  # Yeni Ekle
click_page "$win" 66 34                # name
xdotool type --delay 30 "Kerem Gunes"
click_page "$win" 66 186               # first telephone
xdotool type --delay 30 "0532 000 11 22"
click_in "$win" 511 63                 # the "Ücret" page
click_page "$win" 420 33               # fee
xdotool type --delay 30 "150,50"
click_page "$win" 420 80               # received
xdotool type --delay 30 "50"
click_in "$win" 453 20                 # Kaydet
wmctrl -c "RavikPro 1.1"
wait_exit
row=$(sql Veri.db "SELECT Isim, Tel1, Ucret, Alinan FROM Veri;")
[ "$row" = "Kerem Gunes|0532 000 11 22|150.5|50.0" ] || fail "stored: $row"

start_app
win=$(wait_window "RavikPro 1.1")
sleep 0.5
click_in "$win" 511 63
click_page "$win" 420 128              # the balance box
balance=$(copy_focused)
[ "$balance" = "100,50" ] || fail "balance shown: '$balance'"
click_in "$win" 129 20                 # Sil
question=$(wait_window Mesaj)
xdotool windowactivate --sync "$question" key Return
sleep 0.3
wmctrl -c "RavikPro 1.1"
wait_exit
[ "$(sql Veri.db 'SELECT count(*) FROM Veri;')" = 0 ] || fail "the customer was not removed"
echo "PASS add_customer"
