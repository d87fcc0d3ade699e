#!/bin/sh
# Draws the client's images into resources/images/ with ImageMagick's convert.
# Deterministic and idempotent: every run writes the same files (no
# timestamps or other metadata are stored), so rerunning it after a change
# here is all that is needed.  Usage: scripts/make-images.sh
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/resources/images

if ! command -v convert >/dev/null 2>&1; then
    echo "make-images.sh: ImageMagick's 'convert' was not found in PATH." >&2
    echo "make-images.sh: install it first (Debian: apt-get install imagemagick)." >&2
    exit 1
fi

# Same decimal point and number formatting everywhere.
LC_ALL=C
export LC_ALL

# Fonts: use the DejaVu files directly when present, else let fontconfig
# resolve them, else fall back to ImageMagick's font names.
font_file() { # $1 = file name, $2 = fontconfig pattern
    for d in /usr/share/fonts/truetype/dejavu /usr/share/fonts/TTF /usr/share/fonts/dejavu; do
        if [ -f "$d/$1" ]; then
            echo "$d/$1"
            return
        fi
    done
    if command -v fc-match >/dev/null 2>&1; then
        f=$(fc-match -f '%{file}' "$2" 2>/dev/null || true)
        if [ -n "$f" ] && [ -f "$f" ]; then
            echo "$f"
            return
        fi
    fi
    echo "DejaVu-Sans"
}
font_bold=$(font_file DejaVuSans-Bold.ttf "DejaVu Sans:bold")
font_book=$(font_file DejaVuSans.ttf "DejaVu Sans")
font_light=$(font_file DejaVuSans-ExtraLight.ttf "DejaVu Sans:extralight")

mkdir -p "$out"
tmp=$(mktemp -d "${TMPDIR:-/tmp}/make-images.XXXXXX")
trap 'rm -rf "$tmp"' EXIT HUP INT TERM

# wave Y0 AMP PERIOD PHASE WIDTH HEIGHT: a filled wave band as draw polygon
# points, from the left edge along a sine to the right edge, then down.
wave() {
    awk -v y0="$1" -v a="$2" -v p="$3" -v ph="$4" -v w="$5" -v h="$6" 'BEGIN {
        pi = 3.14159265358979
        s = ""
        for (x = 0; x <= w; x += 4)
            s = s sprintf("%d,%.2f ", x, y0 + a * sin(2 * pi * x / p + ph))
        printf "polygon %s%d,%d 0,%d", s, w, h, h
    }'
}

# wave_line: the same curve as a polyline (for thin highlight strokes).
wave_line() {
    awk -v y0="$1" -v a="$2" -v p="$3" -v ph="$4" -v w="$5" 'BEGIN {
        pi = 3.14159265358979
        s = ""
        for (x = 0; x <= w; x += 4)
            s = s sprintf("%d,%.2f ", x, y0 + a * sin(2 * pi * x / p + ph))
        printf "polyline %s", s
    }'
}

# ---------------------------------------------------------------------------
# 1. time.png: splash screen, 480x300.
# ---------------------------------------------------------------------------
convert -size 480x300 gradient:'#062a5c'-'#0e8c93' \
    \( -size 480x300 -define gradient:extent=Ellipse \
       radial-gradient:'rgba(120,230,230,0.22)'-'rgba(0,0,0,0)' -geometry +0-110 \) -compose Over -composite \
    -fill 'rgba(255,255,255,0.05)' -draw "$(wave 232 7 240 0.0 480 300)" \
    -fill 'rgba(255,255,255,0.06)' -draw "$(wave 248 6 180 1.7 480 300)" \
    -fill 'rgba(3,40,70,0.18)'     -draw "$(wave 266 5 150 3.1 480 300)" \
    -fill none -stroke 'rgba(255,255,255,0.18)' -strokewidth 1.2 \
    -draw "$(wave_line 232 7 240 0.0 480)" \
    -stroke 'rgba(255,255,255,0.12)' -draw "$(wave_line 248 6 180 1.7 480)" \
    -stroke none \
    \( -size 480x300 xc:none -font "$font_bold" -pointsize 50 -fill 'rgba(0,20,40,0.55)' \
       -gravity north -annotate +2+80 'Tidewell D4' -blur 0x4 \) \
    -gravity northwest -compose Over -composite \
    -font "$font_bold" -pointsize 50 -fill white -gravity north -annotate +0+78 'Tidewell D4' \
    -fill 'rgba(255,255,255,0.55)' -draw 'rectangle 200,150 280,151' \
    -font "$font_light" -pointsize 24 -fill '#d6f4f4' -annotate +0+160 'Dosing Pump' \
    -font "$font_book" -pointsize 12 -fill 'rgba(255,255,255,0.85)' \
    -gravity south -annotate +0+14 'Reading the pumps...' \
    -depth 8 -strip -define png:exclude-chunk=date,time,tIME -define png:color-type=2 "$tmp/time.png"

# ---------------------------------------------------------------------------
# 2. bottle.PNG: reagent bottle icon, 64x128, transparent background.
# Drawn at 4x and scaled down for smooth edges.
# ---------------------------------------------------------------------------
body="M 24,27 L 40,27 L 40,34 C 40,41 56,41 56,51 L 56,117 Q 56,124 49,124 L 15,124 Q 8,124 8,117 L 8,51 C 8,41 24,41 24,34 Z"
convert -size 256x512 xc:none \
    -fill 'rgba(225,242,255,0.45)' -draw "scale 4,4 path '$body'" \
    \( -size 256x512 xc:none \
       -fill '#8fd3f4' -draw 'rectangle 0,272 256,512' \
       -fill '#6cbde8' -draw 'rectangle 0,420 256,512' \
       -fill '#c4ecff' -draw 'rectangle 0,272 256,281' \
       \( -size 256x512 xc:none -fill white -draw "scale 4,4 path '$body'" \) \
       -compose DstIn -composite \) \
    -compose Over -composite \
    -fill none -stroke 'rgba(255,255,255,0.75)' -strokewidth 10 \
    -draw 'stroke-linecap round line 56,220 56,440' \
    -stroke '#25588a' -strokewidth 8 \
    -draw "stroke-linejoin round scale 4,4 path '$body'" \
    -stroke '#163d66' -strokewidth 8 -fill '#2b6cb0' \
    -draw 'roundrectangle 80,24 176,112 14,14' \
    -stroke 'rgba(255,255,255,0.35)' -strokewidth 6 \
    -draw 'line 104,40 104,96' -draw 'line 128,40 128,96' -draw 'line 152,40 152,96' \
    -stroke '#163d66' -strokewidth 8 -fill '#245d99' \
    -draw 'roundrectangle 88,104 168,122 6,6' \
    -filter Lanczos -resize 64x128 \
    -depth 8 -strip -define png:exclude-chunk=date,time,tIME -define png:color-type=6 "$tmp/bottle.PNG"

# ---------------------------------------------------------------------------
# 3. motor_run.gif: pump rotor turning, 48x48, 8 frames, 80 ms each.
# Three rollers are 120 degrees apart, so 8 steps of 15 degrees loop cleanly.
# ---------------------------------------------------------------------------
rotor_frame() { # $1 = frame number, $2 = output file
    draw=$(awk -v f="$1" 'BEGIN {
        pi = 3.14159265358979
        cx = 96; cy = 96
        base = f * 15 * pi / 180
        arms = ""; rollers = ""; dots = ""
        for (k = 0; k < 3; k++) {
            t = base + k * 2 * pi / 3
            x = cx + 50 * cos(t); y = cy + 50 * sin(t)
            arms = arms sprintf("line %.2f,%.2f %.2f,%.2f ", cx, cy, x, y)
            rollers = rollers sprintf("circle %.2f,%.2f %.2f,%.2f ", x, y, x + 17, y)
            dots = dots sprintf("circle %.2f,%.2f %.2f,%.2f ", x, y, x + 5, y)
        }
        print arms "|" rollers "|" dots
    }')
    arms=${draw%%|*}
    rest=${draw#*|}
    rollers=${rest%%|*}
    dots=${rest#*|}
    convert -size 192x192 xc:white \
        -fill '#e9eef3' -stroke '#5b6b7a' -strokewidth 8 -draw 'circle 96,96 96,6' \
        -fill none -stroke '#8fd3f4' -strokewidth 14 -draw 'circle 96,96 96,22' \
        -stroke '#3d4b59' -strokewidth 14 -draw "stroke-linecap round $arms" \
        -fill '#2b6cb0' -stroke '#163d66' -strokewidth 6 -draw "$rollers" \
        -fill '#d7e9f8' -stroke none -draw "$dots" \
        -fill '#3d4b59' -draw 'circle 96,96 96,80' \
        -fill '#c9d3dc' -draw 'circle 96,96 96,90' \
        -filter Lanczos -resize 48x48 "$2"
}
frames=""
i=0
while [ $i -lt 8 ]; do
    rotor_frame $i "$tmp/rotor_$i.png"
    frames="$frames $tmp/rotor_$i.png"
    i=$((i + 1))
done
# shellcheck disable=SC2086 # the frame list is split on purpose
convert -delay 8 $frames -loop 0 +dither -colors 64 -layers Optimize "$tmp/motor_run.gif"

# ---------------------------------------------------------------------------
# 4. waiting.gif: busy spinner, 50x50, 12 frames, 70 ms each.
# A ring of 12 dots; the highlight moves one dot per frame with a fading tail.
# ---------------------------------------------------------------------------
spinner_frame() { # $1 = frame number, $2 = output file
    draw=$(awk -v f="$1" 'BEGIN {
        pi = 3.14159265358979
        cx = 100; cy = 100
        # colours from the head (bright blue) back along the tail to pale blue
        split("21,101,192 52,124,204 88,148,216 124,172,226 156,192,234 180,206,240", c, " ")
        s = ""
        for (k = 0; k < 12; k++) {
            t = -pi / 2 + k * 2 * pi / 12
            x = cx + 72 * cos(t); y = cy + 72 * sin(t)
            age = (f - k + 12) % 12
            i = (age < 6) ? age + 1 : 6
            r = (age == 0) ? 15 : (age < 6 ? 14 - age : 9)
            split(c[i], rgb, ",")
            s = s sprintf("fill rgb(%d,%d,%d) circle %.2f,%.2f %.2f,%.2f ", rgb[1], rgb[2], rgb[3], x, y, x + r, y)
        }
        print s
    }')
    convert -size 200x200 xc:white -stroke none -draw "$draw" \
        -filter Lanczos -resize 50x50 "$2"
}
frames=""
i=0
while [ $i -lt 12 ]; do
    spinner_frame $i "$tmp/spin_$i.png"
    frames="$frames $tmp/spin_$i.png"
    i=$((i + 1))
done
# shellcheck disable=SC2086 # the frame list is split on purpose
convert -delay 7 $frames -loop 0 +dither -colors 64 -layers Optimize "$tmp/waiting.gif"

# ---------------------------------------------------------------------------
# 5. app_icon.jpg: application icon / about logo, 256x256, and the same
# picture as app_icon.png for the desktop icon of an installed client.
# A water drop over a wave on a deep-blue to teal tile, "D4" in the drop.
# ---------------------------------------------------------------------------
drop="M 128,26 C 118,52 70,98 70,146 A 58,58 0 0 0 186,146 C 186,98 138,52 128,26 Z"
convert -size 1024x1024 gradient:'#0a3a86'-'#0b9a9c' \
    \( -size 1024x1024 -define gradient:extent=Ellipse \
       radial-gradient:'rgba(140,235,240,0.30)'-'rgba(0,0,0,0)' \
       -geometry -220-300 \) -compose Over -composite \
    \( -size 1024x1024 xc:none -fill 'rgba(0,25,55,0.45)' \
       -draw "translate 10,16 scale 4,4 path '$drop'" -blur 0x14 \) -compose Over -composite \
    -fill '#ffffff' -draw "scale 4,4 path '$drop'" \
    \( -size 1024x1024 xc:none -fill '#d8f1fb' -draw "scale 4,4 path '$drop'" \
       \( -size 1024x1024 xc:none -fill white -draw 'circle 420,420 420,90' \) \
       -compose DstOut -composite \) -compose Over -composite \
    -fill none -stroke 'rgba(255,255,255,0.9)' -strokewidth 22 \
    -draw "stroke-linecap round path 'M 380,520 Q 360,600 384,660'" -stroke none \
    -font "$font_bold" -pointsize 180 -fill '#0c4a93' -gravity north -annotate +0+500 'D4' \
    -gravity northwest \
    -fill 'rgba(255,255,255,0.22)' -draw "$(wave 812 26 512 0.6 1024 1024)" \
    -fill '#1bb3b0' -draw "$(wave 850 28 560 2.4 1024 1024)" \
    -fill '#0e7f95' -draw "$(wave 905 22 430 4.0 1024 1024)" \
    -fill none -stroke 'rgba(255,255,255,0.75)' -strokewidth 10 \
    -draw "$(wave_line 850 28 560 2.4 1024)" -stroke none \
    -filter Lanczos -resize 256x256 \
    \( +clone -depth 8 -strip -define png:exclude-chunk=date,time,tIME -define png:color-type=2 \
       -write "$tmp/app_icon.png" +delete \) \
    -strip -sampling-factor 1x1 -quality 92 "$tmp/app_icon.jpg"

# PNGs above are written with -strip and without date/time chunks, the JPEG
# with -strip, so nothing run-dependent ends up in the files.
# Move into place only when the content changed, so reruns leave files alone.
for f in time.png bottle.PNG motor_run.gif waiting.gif app_icon.jpg app_icon.png; do
    if [ -f "$out/$f" ] && cmp -s "$tmp/$f" "$out/$f"; then
        continue
    fi
    cp "$tmp/$f" "$out/$f.new"
    mv "$out/$f.new" "$out/$f"
    echo "wrote resources/images/$f"
done
