#!/bin/sh
# vorix: starts the installed simulator in the user's own folder.
#
# The simulator reads its pictures, sounds and model from "Data" in the folder
# it is started in, and keeps the user's settings (3d_eject.ini) and saved
# scenes (scene.ini) there. The installed Data folder is shared and read-only,
# so every user gets a folder of their own, ${XDG_DATA_HOME:-~/.local/share}/vorix,
# whose Data holds
#   - a link to each installed file (checked at every start, so the files of a
#     newer package are linked at once, and links to files no package has any
#     more are removed);
#   - the user's scene.ini, the starter scenes copied at the first start and
#     never replaced here, and the 3d_eject.ini the simulator writes itself.
#     Both are real files: the simulator replaces them through a temporary
#     file renamed over them, under a lock on the folder.
# Anything else in Data that is not a link into an installed vorix Data folder
# (a file of the user's own, a link of their own) is left as it is.
# The arguments (--windowed, --mode-switch) go on to the simulator.
set -eu

die() {
    printf 'vorix: %s\n' "$*" >&2
    exit 1
}

# The installation is found from this script's own place, so that a package
# under any prefix works: PREFIX/bin/vorix, PREFIX/libexec/vorix/vorix and
# PREFIX/share/vorix/Data.
self=$(readlink -f -- "$0") || die "cannot tell where vorix is installed"
prefix=${self%/*}
prefix=${prefix%/*}
shared=$prefix/share/vorix/Data
program=$prefix/libexec/vorix/vorix
[ -d "$shared" ] || die "the installed Data folder $shared is missing: reinstall vorix"
[ -x "$program" ] || die "the simulator $program is missing: reinstall vorix"

# As the base directory rules say, XDG_DATA_HOME counts only when it is an
# absolute path.
case ${XDG_DATA_HOME:-} in
/*) base=$XDG_DATA_HOME ;;
*)
    case ${HOME:-} in
    /*) base=$HOME/.local/share ;;
    *) die "HOME is not set to a folder, so there is nowhere to keep your scenes" ;;
    esac
    ;;
esac
home=$base/vorix
data=$home/Data

# The folder is the user's alone (mode 700 when it is made here); one that
# belongs to someone else is not used, or two users would share their scenes.
mkdir -p -- "$base" || die "cannot make $base"
mkdir -p -m 700 -- "$home" || die "cannot make $home"
[ -O "$home" ] || die "$home belongs to another user"
mkdir -p -m 700 -- "$data" || die "cannot make $data"
[ ! "$data" -ef "$shared" ] || die "$data is the installed Data folder, not a folder of your own"

# ours LINK: the link leads into an installed vorix Data folder.
ours() {
    case $(readlink -- "$1") in
    */share/vorix/Data/*) return 0 ;;
    esac
    return 1
}

# relink TARGET NAME: Data/NAME becomes a link to TARGET. A link that is
# there is replaced in one rename, so that a simulator starting at the same
# time never finds the name missing.
relink() {
    if [ ! -e "$data/$2" ] && [ ! -L "$data/$2" ]; then
        # A new name; another start may make the same link first.
        ln -s -- "$1" "$data/$2" 2>/dev/null || [ "$data/$2" -ef "$1" ]
        return
    fi
    tmp=$data/.$2.link.$$
    rm -f -- "$tmp"
    if ln -s -- "$1" "$tmp" && mv -f -T -- "$tmp" "$data/$2"; then
        return 0
    fi
    rm -f -- "$tmp"
    return 1
}

for target in "$shared"/*; do
    [ -e "$target" ] || continue
    name=${target##*/}
    case $name in
    3d_eject.ini | scene.ini) continue ;;
    esac
    link=$data/$name
    if [ -L "$link" ]; then
        [ ! "$link" -ef "$target" ] || continue
        ours "$link" || continue
    elif [ -e "$link" ]; then
        continue
    fi
    relink "$target" "$name" || die "cannot link $link to $target"
done

# A link of ours whose file this package no longer has would only mislead.
for link in "$data"/*; do
    [ -L "$link" ] || continue
    name=${link##*/}
    [ ! -e "$shared/$name" ] || continue
    case $name in
    3d_eject.ini | scene.ini) continue ;;
    esac
    if ours "$link"; then rm -f -- "$link"; fi
done

# The starter scenes, at the first start only. The copy is made beside and
# then given its name by a hard link, which fails when another start was
# first: a scene.ini that exists is never replaced.
scenes=$data/scene.ini
if [ ! -e "$scenes" ] && [ ! -L "$scenes" ] && [ -f "$shared/scene.ini" ]; then
    tmp=$data/.scene.ini.new.$$
    rm -f -- "$tmp"
    if ! (umask 077 && cat -- "$shared/scene.ini" >"$tmp"); then
        rm -f -- "$tmp"
        die "cannot copy the starter scenes to $scenes"
    fi
    if ! ln -- "$tmp" "$scenes" 2>/dev/null; then
        # A file system without hard links: a plain rename, unless a file
        # has come meanwhile.
        if [ ! -e "$scenes" ] && [ ! -L "$scenes" ]; then
            mv -f -- "$tmp" "$scenes" || die "cannot copy the starter scenes to $scenes"
        fi
    fi
    rm -f -- "$tmp"
fi

cd -- "$home" || die "cannot enter $home"
exec "$program" "$@"
