#!/usr/bin/env bash
# package_clean_root.sh DEB [ROOT]: installs the package in a clean Debian 12
# root as a user would, and removes it again:
#   - makes the root with mmdebstrap (unless ROOT already holds one),
#   - apt install ./vorix_*.deb, then vorix-sim and, for two users each, the
#     vorix command on a private Xvfb screen: Ctrl+1 keeps a scene, Escape
#     quits, the scene is in that user's own scene.ini,
#   - apt purge vorix, and lists what is left outside the users' folders.
# Needs root, mmdebstrap and the Debian mirror; the screenshots go to
# OUT_DIR (default: the current folder). Not part of the test suite.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 DEB [ROOT]" >&2; exit 2; }
deb=$(readlink -f "$1")
root=${2:-$(mktemp -d /tmp/vorix-root.XXXXXX)}
out=$(readlink -f "${OUT_DIR:-.}")
here=$(cd "$(dirname "$0")" && pwd)

if [ "${VORIX_INSIDE:-}" != 1 ]; then
    [ "$(id -u)" -eq 0 ] || { echo "$0: run as root (it makes a chroot)" >&2; exit 2; }
    if [ ! -x "$root/usr/bin/apt" ]; then
        rmdir "$root" 2>/dev/null || true
        echo "+ mmdebstrap --variant=apt bookworm $root"
        mmdebstrap --variant=apt bookworm "$root"
    fi
    # The mounts live in a namespace of their own and go with it.
    exec env VORIX_INSIDE=1 OUT_DIR="$out" unshare --mount --fork "$here/$(basename "$0")" "$deb" "$root"
fi

mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mkdir -p "$out/xfer"
mount --bind "$out/xfer" "$root/tmp"
chmod 1777 "$root/tmp"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin LANG=C.UTF-8 "$@"; }
say() { printf '+ %s\n' "$*"; }

# A tree listing of everything a package could leave, without the caches
# and the records of apt and dpkg, the users' homes and the temporary files.
listing() {
    (cd "$root" && find . -xdev \( -path ./proc -o -path ./dev -o -path ./sys -o -path ./tmp -o -path ./home \
        -o -path ./root -o -path ./var/cache -o -path ./var/log -o -path ./var/lib/apt -o -path ./var/lib/dpkg \
        -o -path ./run \) -prune -o -print | sort)
}

say "cat /etc/debian_version"; in_root cat /etc/debian_version
# The screen and the keys used to drive the program, installed first so that
# they are not counted as the package's.
say "apt-get install xvfb xdotool x11-apps x11-utils rofi (to drive the program and show the menu, not needed by it)"
in_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive in_root apt-get install -y -qq --no-install-recommends xvfb xdotool x11-apps x11-utils \
    rofi fonts-dejavu-core hicolor-icon-theme >/dev/null
say "useradd -m pilot; useradd -m copilot"
in_root useradd -m -s /bin/sh pilot
in_root useradd -m -s /bin/sh copilot
listing >"$out/xfer/before.txt"

cp "$deb" "$root/root/"
name=$(basename "$deb")
say "cd /root && apt install ./$name"
DEBIAN_FRONTEND=noninteractive chroot "$root" /bin/sh -c "cd /root && apt-get install -y ./$name" 2>&1 | tail -n 8
say "dpkg -s vorix | grep -E '^(Status|Version|Depends):'"; in_root dpkg -s vorix | grep -E '^(Status|Version|Depends):'
in_root dpkg -L vorix | sort >"$out/xfer/vorix-files.txt"
say "ls -l /usr/bin/vorix /usr/bin/vorix-sim /usr/libexec/vorix"; in_root ls -l /usr/bin/vorix /usr/bin/vorix-sim /usr/libexec/vorix

say "su pilot -c 'cd && vorix-sim --set initialTasKt=200'"
in_root su pilot -c 'cd && vorix-sim --set initialTasKt=200' | cut -c 1-160

say "Xvfb :7 -screen 0 1024x768x24"
chroot "$root" /usr/bin/Xvfb :7 -screen 0 1024x768x24 -nolisten tcp -noreset >"$out/xfer/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do in_root env DISPLAY=:7 xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# drive USER: starts vorix as USER, waits for the first frame, Ctrl+1, Escape.
drive() {
    local user=$1 shot=$out/xfer/$1.xwd
    say "su $user -c vorix   (DISPLAY=:7)"
    in_root su "$user" -c 'DISPLAY=:7 vorix' >"$out/xfer/$user.out" 2>&1 &
    local pid=$! mean=0
    for _ in $(seq 300); do
        in_root env DISPLAY=:7 xwd -root -silent -out "/tmp/$user.xwd" 2>/dev/null || true
        mean=$(convert "xwd:$shot" -crop 256x128+384+320 +repage -colorspace gray -format '%[fx:mean]' info: 2>/dev/null || echo 0)
        awk -v m="$mean" 'BEGIN { exit !(m > 0.25) }' && break
        sleep 0.2
    done
    sleep 1
    convert "xwd:$shot" "$out/clean-root-$user.png"
    say "xdotool key ctrl+1"; in_root env DISPLAY=:7 xdotool key ctrl+1
    sleep 1.5
    say "xdotool key Escape"; in_root env DISPLAY=:7 xdotool key Escape
    wait "$pid" && echo "vorix ended with code 0" || echo "vorix ended with code $?"
    sed 's/^/  vorix: /' "$out/xfer/$user.out"
    say "ls -la ~$user/.local/share/vorix ~$user/.local/share/vorix/Data | grep -v -e '\\.jpg' -e '\\.tga' -e '\\.bmp'"
    in_root su "$user" -c 'ls -ld ~/.local/share/vorix; ls -la ~/.local/share/vorix/Data' | grep -v -e '\.jpg ' -e '\.tga ' -e '\.bmp ' -e '^total'
    say "grep '^\[Name\]' ~$user/.local/share/vorix/Data/scene.ini"
    in_root su "$user" -c 'grep "^\[Name\]" ~/.local/share/vorix/Data/scene.ini'
}
drive pilot
drive copilot
say "su copilot -c 'cat ~pilot/.local/share/vorix/Data/scene.ini'   (another user's scenes)"
in_root su copilot -c 'cat ~pilot/.local/share/vorix/Data/scene.ini' 2>&1 | head -n 2 || true
# The menu entry as an application menu lists it (rofi's list of the
# installed desktop entries, with their icons).
say "rofi -show drun -show-icons -filter vorix"
chroot "$root" /usr/bin/env -i DISPLAY=:7 HOME=/root rofi -show drun -show-icons -filter vorix -font "DejaVu Sans 14" \
    -theme-str "window {width: 700px;}" \
    >"$out/xfer/rofi.log" 2>&1 &
rofi=$!
sleep 4
in_root env DISPLAY=:7 xwd -root -silent -out /tmp/menu.xwd
convert xwd:"$out/xfer/menu.xwd" -crop 700x120+162+160 +repage "$out/clean-root-menu.png"
kill "$rofi"; wait "$rofi" 2>/dev/null || true
kill "$xvfb"; wait "$xvfb" 2>/dev/null || true

say "apt purge vorix"
DEBIAN_FRONTEND=noninteractive in_root apt-get purge -y vorix 2>&1 | tail -n 3
left=0
while IFS= read -r f; do
    [ -e "$root$f" ] || [ -L "$root$f" ] || continue
    [ -d "$root$f" ] && [ ! -L "$root$f" ] && continue
    echo "left behind: $f"; left=1
done <"$out/xfer/vorix-files.txt"
[ "$left" -eq 0 ] && echo "none of the package's $(wc -l <"$out/xfer/vorix-files.txt") paths are left but shared folders"
say "apt autoremove --purge (the libraries apt brought for it)"
DEBIAN_FRONTEND=noninteractive in_root apt-get autoremove --purge -y 2>&1 | tail -n 2
listing >"$out/xfer/after.txt"
say "diff <(tree before apt install ./$name) <(tree after purge and autoremove), outside /home, /root, /tmp and apt's records"
diff "$out/xfer/before.txt" "$out/xfer/after.txt" && echo "(no difference)"
say "ls /home/pilot/.local/share/vorix/Data/*.ini (the users' folders stay)"
ls "$root"/home/pilot/.local/share/vorix/Data/*.ini
