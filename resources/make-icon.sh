#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates resources/wellgrat-32.png, the 32 x 32 pixel program icon, from the
# pixel drawing below (a hand-tuned small version of resources/wellgrat.svg:
# phasors in a circle, time axis, red = voltage, blue = current).
# Run from the repository root:  sh resources/make-icon.sh
# Needs ImageMagick (Debian package: imagemagick).
set -eu

out=resources/wellgrat-32.png
xpm=$(mktemp "${TMPDIR:-/tmp}/wellgrat-XXXXXX")
trap 'rm -f "$xpm"' EXIT

# One character per pixel; palette in the header (" " is transparent).
cat >"$xpm" <<'XPM'
/* XPM */
static char *wellgrat[] = {
"32 32 6 1",
"  c None",
"# c #34404C",
". c #F8FAFC",
"o c #8794A1",
"r c #D62828",
"b c #1F5FD6",
"   o########################o   ",
"  ##........................##  ",
" #............................# ",
"o#............................#o",
"#..............................#",
"#..............................#",
"#..............................#",
"#..............................#",
"#................rr............#",
"#...............r..r...........#",
"#.....ooooo.....r..r...........#",
"#....o.....o.......br......r...#",
"#...o.....rrr.....b.rb.....r...#",
"#..o.......rro...b..r.b....r...#",
"#.o.......r.r.o..b..r.b....r...#",
"#.o......r....o..b..r.b....r#..#",
"#.##############b####r#b##r###.#",
"#.o......b....o.b....r.b..r.#..#",
"#.o.......b.b.o.b....r.b..r....#",
"#..o.......bbo.......r..b.rb...#",
"#...o.....bbb........r..b.rb...#",
"#....o.....o.........r...br....#",
"#.....ooooo...........r..r.....#",
"#.....................r..r.....#",
"#......................rr......#",
"#..............................#",
"#..............................#",
"#..............................#",
"o#............................#o",
" #............................# ",
"  ##........................##  ",
"   o########################o   "
};
XPM

convert "xpm:$xpm" -strip -define png:exclude-chunks=date,time \
    -colors 16 "PNG8:$out"

colours=$(identify -format %k "$out")
if [ "$colours" -gt 16 ]; then
    echo "make-icon.sh: $out has $colours colours (more than 16)" >&2
    exit 1
fi
echo "$out: $(identify -format '%wx%h' "$out"), $colours colours"
