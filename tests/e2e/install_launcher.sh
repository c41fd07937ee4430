# The installed vorix command sets up the user's own folder and starts the
# simulator there: links to the installed files, the starter scenes copied
# once, the user's files kept, a newer package linked anew, one folder per
# user, arguments passed on. The simulator is replaced by a stand-in that
# notes where and how it was started.
source "$(dirname "$0")/common.bash"
prefix="$WORK/prefix"
cmake --install "$BUILD_DIR" --prefix "$prefix" >"$WORK/install.out" 2>&1 || fail "install failed: $(tail -5 "$WORK/install.out")"
shared="$prefix/share/vorix/Data"
printf '#!/bin/sh\n{ pwd; for a in "$@"; do printf "[%%s]\\n" "$a"; done; } >"$STAND_IN_OUT"\n' >"$prefix/libexec/vorix/vorix"
chmod 755 "$prefix/libexec/vorix/vorix"
export STAND_IN_OUT="$WORK/started"

# launch HOME [XDG_DATA_HOME] -- ARGS...: runs the installed command with only
# those variables (an empty XDG_DATA_HOME leaves it unset).
launch() {
    local home=$1 xdg=$2
    shift 3
    rm -f "$STAND_IN_OUT"
    env -i PATH="$PATH" STAND_IN_OUT="$STAND_IN_OUT" ${home:+HOME="$home"} ${xdg:+XDG_DATA_HOME="$xdg"} \
        "$prefix/bin/vorix" "$@" >"$WORK/launch.out" 2>&1
}

# check_links DATA PREFIX: every installed file but the scene file is a link
# into PREFIX's Data folder, and scene.ini is a file of its own.
check_links() {
    local data=$1 from=$2/share/vorix/Data name
    for f in "$from"/*; do
        name=${f##*/}
        [ "$name" = scene.ini ] && continue
        [ -L "$data/$name" ] || fail "$data/$name is not a link"
        [ "$(readlink "$data/$name")" = "$(readlink -f "$f")" ] || fail "$data/$name leads to $(readlink "$data/$name"), not $f"
    done
    [ -f "$data/scene.ini" ] && [ ! -L "$data/scene.ini" ] || fail "$data/scene.ini is not a file of its own"
    ! ls -A "$data" | grep -q -e '\.link\.' -e '\.new\.' || fail "temporary files left in $data: $(ls -A "$data" | grep -e '\.link\.' -e '\.new\.')"
}

# First start: the folder is made, private, and the simulator runs in it with the arguments.
launch "$WORK/home1" "" -- --windowed "two words" || fail "first start failed: $(cat "$WORK/launch.out")"
user="$WORK/home1/.local/share/vorix"
[ "$(head -n1 "$STAND_IN_OUT")" = "$user" ] || fail "the simulator ran in $(head -n1 "$STAND_IN_OUT"), not $user"
[ "$(tail -n +2 "$STAND_IN_OUT" | tr '\n' ' ')" = "[--windowed] [two words] " ] || fail "arguments arrived as $(tail -n +2 "$STAND_IN_OUT" | tr '\n' ' ')"
[ "$(stat -c %a "$user")" = 700 ] || fail "the user's folder has mode $(stat -c %a "$user")"
check_links "$user/Data" "$prefix"
[ -f "$user/Data/sound/int.wav" ] || fail "the sounds are not reachable through Data/sound"
cmp -s "$shared/scene.ini" "$user/Data/scene.ini" || fail "the starter scenes were not copied"
[ ! -e "$user/Data/3d_eject.ini" ] || fail "the launcher made a settings file; the simulator writes its own"
[ -w "$user/Data/scene.ini" ] || fail "the user's scene.ini is not writable"

# Later starts keep the user's two files and their own things in Data.
printf '[Name]:MINE\n' >>"$user/Data/scene.ini"
printf '\nO 0 1 0 1 1\nx\n' >"$user/Data/3d_eject.ini"
cp "$user/Data/scene.ini" "$WORK/scene.kept"
cp "$user/Data/3d_eject.ini" "$WORK/settings.kept"
echo mine >"$WORK/mytree.tga"
ln -sfn "$WORK/mytree.tga" "$user/Data/tree1.tga"
echo notes >"$user/Data/notes.txt"
rm "$user/Data/cloud.tga"
cp "$shared/fire.tga" "$WORK/fire.tga" && rm "$user/Data/fire.tga" && cp "$WORK/fire.tga" "$user/Data/fire.tga"
launch "$WORK/home1" "" -- || fail "second start failed: $(cat "$WORK/launch.out")"
cmp -s "$WORK/scene.kept" "$user/Data/scene.ini" || fail "the second start changed the user's scenes"
cmp -s "$WORK/settings.kept" "$user/Data/3d_eject.ini" || fail "the second start changed the user's settings"
[ "$(readlink "$user/Data/tree1.tga")" = "$WORK/mytree.tga" ] || fail "the user's own link was replaced"
[ -f "$user/Data/fire.tga" ] && [ ! -L "$user/Data/fire.tga" ] || fail "the user's own copy of fire.tga was replaced"
[ -f "$user/Data/notes.txt" ] || fail "the user's own file was removed"
[ -L "$user/Data/cloud.tga" ] || fail "a removed link was not made again"
[ "$(wc -l <"$STAND_IN_OUT")" -eq 1 ] || fail "arguments of another start came along: $(cat "$STAND_IN_OUT")"

# A newer package, elsewhere and with one file more and one fewer: every
# link follows it, the link to the file it lacks goes, the user's files stay.
newer="$WORK/newer"
cp -a "$prefix" "$newer"
chmod u+w "$newer/share/vorix/Data"
echo new >"$newer/share/vorix/Data/new.tga"
rm -f "$newer/share/vorix/Data/w.jpg"
prefix=$newer launch "$WORK/home1" "" -- || fail "start of the newer package failed: $(cat "$WORK/launch.out")"
for f in "$newer/share/vorix/Data"/*; do
    name=${f##*/}
    case $name in scene.ini | tree1.tga | fire.tga) continue ;; esac
    [ "$(readlink "$user/Data/$name")" = "$(readlink -f "$f")" ] || fail "$name was not linked to the newer package"
done
[ ! -e "$user/Data/w.jpg" ] && [ ! -L "$user/Data/w.jpg" ] || fail "the link to a file the newer package lacks was kept"
cmp -s "$WORK/scene.kept" "$user/Data/scene.ini" || fail "the newer package changed the user's scenes"
cmp -s "$WORK/settings.kept" "$user/Data/3d_eject.ini" || fail "the newer package changed the user's settings"
[ -f "$user/Data/notes.txt" ] && [ "$(readlink "$user/Data/tree1.tga")" = "$WORK/mytree.tga" ] && [ ! -L "$user/Data/fire.tga" ] ||
    fail "the newer package replaced a file or link of the user's own"

# XDG_DATA_HOME counts when absolute; a relative one is ignored.
launch "$WORK/home2" "$WORK/xdg" -- || fail "start with XDG_DATA_HOME failed: $(cat "$WORK/launch.out")"
[ "$(head -n1 "$STAND_IN_OUT")" = "$WORK/xdg/vorix" ] || fail "with XDG_DATA_HOME the simulator ran in $(head -n1 "$STAND_IN_OUT")"
check_links "$WORK/xdg/vorix/Data" "$prefix"
(cd "$WORK" && launch "$WORK/home2" "relative/data" --) || fail "start with a relative XDG_DATA_HOME failed: $(cat "$WORK/launch.out")"
[ "$(head -n1 "$STAND_IN_OUT")" = "$WORK/home2/.local/share/vorix" ] || fail "a relative XDG_DATA_HOME was used: $(head -n1 "$STAND_IN_OUT")"
[ ! -e "$WORK/relative" ] || fail "a relative XDG_DATA_HOME made a folder"

# Another user has a folder of their own; a folder that belongs to someone
# else is refused (only root can set that up here).
cmp -s "$shared/scene.ini" "$WORK/home2/.local/share/vorix/Data/scene.ini" || fail "the second user did not get the starter scenes"
if [ "$(id -u)" -eq 0 ] && id nobody >/dev/null 2>&1; then
    mkdir -p "$WORK/home3/.local/share/vorix"
    chown nobody "$WORK/home3/.local/share/vorix"
    launch "$WORK/home3" "" -- && fail "a folder of another user was used"
    grep -q "belongs to another user" "$WORK/launch.out" || fail "no reason given: $(cat "$WORK/launch.out")"
    [ ! -e "$STAND_IN_OUT" ] || fail "the simulator was started in another user's folder"
fi
launch "" "" -- && fail "started without HOME"
grep -q "HOME is not set" "$WORK/launch.out" || fail "no reason given without HOME: $(cat "$WORK/launch.out")"

# Starts at the same moment on a fresh folder all succeed and agree.
for i in 1 2 3 4 5 6; do
    env -i PATH="$PATH" STAND_IN_OUT="$WORK/started.$i" HOME="$WORK/home4" "$prefix/bin/vorix" >"$WORK/launch.$i" 2>&1 &
done
wait
for i in 1 2 3 4 5 6; do
    [ -s "$WORK/started.$i" ] || fail "simultaneous start $i failed: $(cat "$WORK/launch.$i")"
done
check_links "$WORK/home4/.local/share/vorix/Data" "$prefix"
cmp -s "$shared/scene.ini" "$WORK/home4/.local/share/vorix/Data/scene.ini" || fail "simultaneous starts spoilt the starter scenes"

# A damaged installation is named, not run.
chmod u+w "$prefix/share/vorix" && mv "$shared" "$WORK/moved"
launch "$WORK/home1" "" -- && fail "started without the installed Data folder"
grep -q "reinstall vorix" "$WORK/launch.out" || fail "no advice for a damaged installation: $(cat "$WORK/launch.out")"
echo "PASS: the launcher links the installed files into each user's own folder and keeps the user's files"
