# The GRAPH tab computes its quick run and shows it: the spine plot with its
# response curve, the amber DRI mark and the green verdict on a dark card
# under the page's first line.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
source "$(dirname "$0")/menu.bash"
source "$(dirname "$0")/scene_pixels.bash"
menu_start
open_menu control
choose_tab 4 graph
sleep 0.5
screenshot "$WORK/graph.miff"
keep_shots

# Screen rows: the card spans y 306..556 of the virtual screen, the spine
# plot is its top-left cell, the summary its right column.
response=$(near_fraction "$WORK/graph.miff" "rgb(102,217,255)" 12% 240 90 45 325)
at_least "$response" 0.004 || fail "no spine response curve on the GRAPH page ($response)"
verdict=$(near_fraction "$WORK/graph.miff" "rgb(89,217,115)" 12% 190 170 560 330)
at_least "$verdict" 0.003 || fail "no verdict line in the GRAPH summary ($verdict)"
card=$(region_rgb "$WORK/graph.miff" 500 200 20 340)
colour_near "$card" "15 18 28" 25 || fail "the GRAPH card is not drawn ($card)"
echo "PASS: the GRAPH tab shows the quick run's plots, marks and summary"
