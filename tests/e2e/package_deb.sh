# The Debian package as CPack makes it: the files a desktop installation
# needs, all under /usr and owned by root, nothing of a build folder's own
# (the developer's scenes and settings), the dependencies computed from the
# libraries linked, a valid menu entry, icons of the sizes their folders name
# and manual pages that format cleanly.
source "$(dirname "$0")/common.bash"
out="$WORK/package"
(cd "$BUILD_DIR" && cpack -G DEB -B "$out") >"$WORK/cpack.out" 2>&1 || fail "cpack failed: $(tail -5 "$WORK/cpack.out")"
debs=("$out"/vorix_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single vorix_*.deb in $out: $(ls "$out")"
deb=${debs[0]}

dpkg-deb --info "$deb" >"$WORK/info" || fail "dpkg-deb cannot read $deb"
grep -q '^ Package: vorix$' "$WORK/info" || fail "the package is not named vorix: $(grep Package: "$WORK/info")"
depends=$(sed -n 's/^ Depends: //p' "$WORK/info")
[ -n "$depends" ] || fail "the package names no dependencies"
names=$(echo "$depends" | tr ',|' '\n\n' | awk '{ print $1 }')
for lib in libc6 libstdc++6 libsdl2-2.0-0 libopenal1 libjpeg62-turbo libglu1-mesa libgl1; do
    echo "$names" | grep -qxF "$lib" || fail "the dependencies lack $lib: $depends"
done
# dpkg-shlibdeps names the versions; a hand-written list would not.
echo "$depends" | grep -qE 'libsdl2-2\.0-0 \(>= [0-9.]+\)' || fail "the dependencies were not computed from the libraries: $depends"

dpkg-deb -c "$deb" >"$WORK/list" || fail "dpkg-deb cannot list $deb"
files() { awk '{ p = $6; for (i = 7; i <= NF; ++i) p = p " " $i; print p }' "$WORK/list"; }
for f in ./usr/bin/vorix "./usr/bin/vorix-sim -> ../libexec/vorix/vorix-sim" ./usr/libexec/vorix/vorix \
    ./usr/libexec/vorix/vorix-sim "./usr/libexec/vorix/Data -> ../../share/vorix/Data" \
    ./usr/share/vorix/Data/poly.txt ./usr/share/vorix/Data/scene.ini ./usr/share/vorix/Data/sound/int.wav \
    ./usr/share/applications/vorix.desktop ./usr/share/man/man6/vorix.6 ./usr/share/man/man1/vorix-sim.1 \
    ./usr/share/icons/hicolor/48x48/apps/vorix.png ./usr/share/icons/hicolor/128x128/apps/vorix.png \
    ./usr/share/icons/hicolor/256x256/apps/vorix.png; do
    files | grep -qxF "$f" || fail "the package lacks $f"
done
for kind in tga jpg bmp; do
    want=$(find "$BUILD_DIR/shipped/Data" -maxdepth 1 -name "*.$kind" | wc -l)
    have=$(files | grep -c "^\./usr/share/vorix/Data/[^/]*\.$kind$")
    [ "$have" -eq "$want" ] && [ "$want" -gt 0 ] || fail "the package holds $have .$kind pictures, the generator writes $want"
done
[ "$(files | grep -c '^\./usr/share/vorix/Data/sound/.*\.wav$')" -eq 15 ] || fail "the package does not hold the 15 sounds"
! files | grep -E '3d_eject\.ini|/\.generated|\.tmp|\.lock' >"$WORK/odd" || fail "the package holds files of a build folder: $(cat "$WORK/odd")"
! files | grep -vE '^\./(usr/.*)?$' >"$WORK/odd" || fail "the package installs outside /usr: $(head -3 "$WORK/odd")"
! awk '$2 != "root/root"' "$WORK/list" | grep . >"$WORK/odd" || fail "files not owned by root: $(head -3 "$WORK/odd")"
! awk '$1 ~ /^-....w|^-.......w/' "$WORK/list" | grep . >"$WORK/odd" || fail "files others may write: $(head -3 "$WORK/odd")"
! awk '$1 ~ /^-..x/ && $6 ~ /share\/vorix\/Data/' "$WORK/list" | grep . >"$WORK/odd" || fail "executable data files: $(head -3 "$WORK/odd")"

# What the desktop reads from it.
root="$WORK/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb cannot unpack $deb"
desktop-file-validate "$root/usr/share/applications/vorix.desktop" >"$WORK/desktop.out" 2>&1 ||
    fail "the menu entry is not valid: $(cat "$WORK/desktop.out")"
[ ! -s "$WORK/desktop.out" ] || fail "the menu entry has remarks: $(cat "$WORK/desktop.out")"
grep -qx 'Exec=vorix' "$root/usr/share/applications/vorix.desktop" || fail "the menu entry does not start the vorix command"
for size in 48 128 256; do
    got=$(identify -format '%m %wx%h %[channels]' "$root/usr/share/icons/hicolor/${size}x${size}/apps/vorix.png" 2>&1)
    [[ "$got" == "PNG ${size}x${size} "*a* ]] || fail "the ${size}x${size} icon is '$got', not a ${size}-pixel PNG with transparency"
done
for page in man6/vorix.6 man1/vorix-sim.1; do
    groff -man -Tutf8 -ww -z "$root/usr/share/man/$page" >"$WORK/man.out" 2>&1 && [ ! -s "$WORK/man.out" ] ||
        fail "$page formats with warnings: $(head -3 "$WORK/man.out")"
done
sh -n "$root/usr/bin/vorix" || fail "the launcher is not a valid shell script"
head -n1 "$root/usr/bin/vorix" | grep -qx '#!/bin/sh' || fail "the launcher does not run with /bin/sh"
echo "PASS: the Debian package holds the programs, the data, the menu entry, the icons and the manual pages, with computed dependencies"
