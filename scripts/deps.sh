# Sourced by scripts/run and scripts/test: installs the Debian packages that are missing.
ravik_packages=(cmake g++ make qt6-base-dev libqt6sql6-sqlite libsqlite3-dev sqlite3
    fonts-dejavu-core fonts-liberation xvfb xauth xdotool openbox wmctrl x11-utils xclip)

ravik_install_missing() {
    local missing=()
    local p
    for p in "${ravik_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo=sudo
        $sudo apt-get update
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
    fi
}

ravik_build() {
    cmake -S "$ravik_root" -B "$ravik_root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$ravik_root/build" -j"$(nproc)"
}
