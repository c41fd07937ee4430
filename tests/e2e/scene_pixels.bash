# Coarse picture measures for the scene's end-to-end checks (ImageMagick).

# region_rgb IMG W H X Y: mean colour of the region as "r g b", 0..255.
region_rgb() {
    convert "$1" -crop "${2}x${3}+${4}+${5}" +repage \
        -format '%[fx:int(255*mean.r+0.5)] %[fx:int(255*mean.g+0.5)] %[fx:int(255*mean.b+0.5)]' info:
}

# near_fraction IMG COLOUR FUZZ W H X Y: share (0..1) of the region's pixels
# within FUZZ (a percentage) of COLOUR.
near_fraction() {
    convert "$1" -crop "${4}x${5}+${6}+${7}" +repage -alpha off -fuzz "$3" \
        -fill white -opaque "$2" -fill black +opaque white -format '%[fx:mean]' info:
}

# changed_pixels A B W H X Y: how many pixels of the region differ by more than 8 %.
changed_pixels() {
    local a b
    a=$(mktemp --suffix=.png) b=$(mktemp --suffix=.png)
    convert "$1" -crop "${3}x${4}+${5}+${6}" +repage "$a"
    convert "$2" -crop "${3}x${4}+${5}+${6}" +repage "$b"
    compare -metric AE -fuzz 8% "$a" "$b" null: 2>&1 | sed 's/[^0-9.e+].*//'
    rm -f "$a" "$b"
}

# at_least VALUE LIMIT: true when VALUE >= LIMIT (floating point).
at_least() { awk -v v="$1" -v l="$2" 'BEGIN { exit !(v + 0 >= l + 0) }'; }

# colour_near "r g b" "r g b" TOLERANCE: every channel within TOLERANCE.
colour_near() {
    awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN {
        split(a, x, " "); split(b, y, " ");
        for (i = 1; i <= 3; i++) { d = x[i] - y[i]; if (d < 0) d = -d; if (d > t) exit 1 }
        exit 0 }'
}

# shot NAME: screenshot into $WORK/NAME.png; with E2E_KEEP set to a folder, a
# copy goes there too, for looking at afterwards.
shot() {
    screenshot "$WORK/$1.png"
    if [ -n "${E2E_KEEP:-}" ]; then mkdir -p "$E2E_KEEP" && cp "$WORK/$1.png" "$E2E_KEEP/$(basename "$0" .sh)_$1.png"; fi
}
