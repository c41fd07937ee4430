# The manual pages say what the README and vorix-sim --help say: every key
# and menu tab of the README's tables and both options are in vorix(6), every
# option and parameter of vorix-sim in vorix-sim(1). A key or option added to
# one place and not the other fails here.
source "$(dirname "$0")/common.bash"
src=$(cd "$(dirname "$0")/../.." && pwd)

# render PAGE: the formatted page as plain text on one line, with the
# typographic hyphens, minus signs and quotes of the formatter made plain.
render() {
    groff -man -Tutf8 -rLL=200n -rHY=0 -P-cbou "$1" 2>/dev/null |
        sed -e 's/‐/-/g; s/−/-/g; s/’/'"'"'/g; s/‘/'"'"'/g' | tr -s ' \n' '  '
}
squeeze() { sed -e 's/−/-/g' | tr -s ' ' ' '; }

page=$(render "$src/tools/desktop/vorix.6")
[ ${#page} -gt 1000 ] || fail "vorix.6 does not format"
awk '/^## Controls/,/^## Sound/' "$src/README.md" | grep '^|' | grep -v -e '^| input |' -e '^| tab |' -e '^|---' |
    cut -d'|' -f2 | sed 's/^ *//; s/ *$//' | squeeze >"$WORK/keys"
[ "$(wc -l <"$WORK/keys")" -gt 40 ] || fail "the README's key tables were not found"
while IFS= read -r key; do
    [[ "$page" == *"$key"* ]] || fail "vorix.6 does not list '$key' of the README"
done <"$WORK/keys"
for word in --windowed --mode-switch Data/3d_eject.ini Data/scene.ini XDG_DATA_HOME; do
    [[ "$page" == *"$word"* ]] || fail "vorix.6 does not name $word"
done

page=$(render "$src/tools/desktop/vorix-sim.1")
"$BUILD_DIR/vorix-sim" --help >"$WORK/help" || fail "vorix-sim --help failed"
grep -oE -- '--[a-z][a-z-]+' "$WORK/help" | sort -u >"$WORK/options"
[ "$(wc -l <"$WORK/options")" -gt 8 ] || fail "vorix-sim --help names too few options"
while IFS= read -r option; do
    [[ "$page" == *"$option"* ]] || fail "vorix-sim.1 does not describe $option"
done <"$WORK/options"
awk '/NAME is one of/ { on = 1; next } /^  --/ { on = 0 } on && $1 ~ /^[a-z][A-Za-z]+$/ { print $1 }' "$WORK/help" >"$WORK/names"
[ "$(wc -l <"$WORK/names")" -gt 20 ] || fail "vorix-sim --help names too few parameters"
while IFS= read -r name; do
    range=$(awk -v n="$name" '$1 == n { $1 = ""; sub(/^ +/, ""); print }' "$WORK/help" | sed 's/ \.\. / to /')
    [[ "$page" == *" $name ${range:-any value}"* ]] || fail "vorix-sim.1 does not give $name as '${range:-any value}'"
done <"$WORK/names"
echo "PASS: the manual pages list the README's keys and files and every option and parameter of vorix-sim"
