#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellora English authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole program on a virtual display: start window, start button, reader,
# the start window blocked behind it, one hotspot press heard through SDL's
# disk audio driver, a practice item answered wrong and right, two words of
# the drill, a few moves of the matching game over its music, and the exit
# button. Screenshots go to <out>/screenshots for review.
# Usage: whole_program.sh <pellora-english> <out-dir> <audio_probe>
#        (on a display: see on_virtual_display.sh)
set -euo pipefail

binary=$1
out=$2
probe=$3
shots=$out/screenshots
mkdir -p "$shots"
work=$(mktemp -d)
audio=$work/audio.raw
pid=

cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        sleep 0.5
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "--- program output ---" >&2
    cat "$out/program.log" >&2 || true
    exit 1
}

[ -n "${DISPLAY:-}" ] || fail "no display: run this through on_virtual_display.sh"

# Visible top-level windows of the program, one id a line.
windows() { timeout 5 xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; }

# Waits up to $1 seconds for a visible 800x600 window other than $2.
wait_window() {
    local deadline=$((SECONDS + $1)) id
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$pid" 2>/dev/null || fail "the program ended early"
        for id in $(windows); do
            [ "$id" != "${2:-}" ] || continue
            if timeout 5 xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: 800x600"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Bytes of the file after the first $2 that are not zero.
loud_bytes_after() { tail -c +"$(($2 + 1))" "$1" | tr -d '\0' | wc -c; }
loud_bytes_before() { head -c "$2" "$1" | tr -d '\0' | wc -c; }

# A picture that is not one flat colour.
painted() {
    local spread
    spread=$(timeout 20 convert "$1" -format "%[fx:standard_deviation]" info:)
    awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }'
}

# The program is told about the display alone: Qt on X, sound to a file.
export QT_QPA_PLATFORM=xcb
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
"$binary" >"$out/program.log" 2>&1 &
pid=$!

start=$(wait_window 60) || fail "no start window within 60 s"
sleep 1.5
timeout 20 import -window "$start" "$shots/start-window.png" || fail "no screenshot of the start window"
painted "$shots/start-window.png" || fail "the start window is blank"

# The start button, 200,200 100x40 in the window.
timeout 10 xdotool mousemove --window "$start" 250 220 click 1
reader=$(wait_window 60 "$start") || fail "no reader window within 60 s of the start button"
sleep 1.5
[ -s "$audio" ] || fail "SDL wrote no audio file"
before=$(stat -c %s "$audio")
[ "$(loud_bytes_before "$audio" "$before")" -eq 0 ] || fail "sound before any hotspot was pressed"

# Visible 800x600 windows of the program.
count_windows() {
    local id n=0
    for id in $(windows); do
        if timeout 5 xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: 800x600"; then
            n=$((n + 1))
        fi
    done
    echo "$n"
}

# The start window behind the reader takes no input: with the reader moved
# aside to uncover its start button, clicks on that button open nothing.
place=$(timeout 5 xdotool getwindowgeometry "$reader" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
timeout 10 xdotool windowmove "$reader" 700 700
sleep 0.5
for _ in 1 2 3; do
    timeout 10 xdotool mousemove --window "$start" 250 220 click 1
done
sleep 1.5
[ "$(count_windows)" -eq 2 ] || fail "a click on the start window behind the reader opened a window"
# shellcheck disable=SC2086
timeout 10 xdotool windowmove "$reader" $place
sleep 0.5

# The heading of book page 2: 176,72 164x48 in the page box, which starts at
# the reader's client origin.
timeout 10 xdotool mousemove --window "$reader" 258 96 click 1
sleep 2
timeout 20 import -window "$reader" "$shots/reader-page2.png" || fail "no screenshot of the reader"
painted "$shots/reader-page2.png" || fail "the reader is blank"
[ "$(loud_bytes_after "$audio" "$before")" -gt 0 ] || fail "pressing the heading played nothing"

# What the disk driver wrote: 16-bit stereo at 22,050 Hz.
bytes_per_second=88200
seconds() { awk -v b="$1" -v r=$bytes_per_second 'BEGIN { printf "%d", b * r }'; }
size() { stat -c %s "$audio"; }
click_reader() { timeout 10 xdotool mousemove --window "$reader" "$1" "$2" click 1; }
# Starts of the sounds after byte $1 that begin between $2 and $3 seconds
# after byte $4.
starts_between() {
    local lo hi
    lo=$(($4 + $(seconds "$2")))
    hi=$(($4 + $(seconds "$3")))
    "$probe" runs "$audio" "$1" | awk -v lo="$lo" -v hi="$hi" '$1 >= lo && $1 <= hi { print $1 }'
}
first_start() { "$probe" runs "$audio" "$1" | awk 'NR == 1 { print $1 }'; }
# The same sound at two places: the first 0.3 s of both are the same samples.
same_sound() { "$probe" same "$audio" "$1" "$2" "$(seconds 0.3)"; }

# Practice on book page 2 (练一练: toolbar button at 239,15): the instruction,
# 7 s, then the item asked.
mark=$(size)
click_reader 260 566
sleep 10
instruction=$(first_start "$mark")
[ -n "$instruction" ] || fail "practice played no instruction"
asked=$(starts_between "$mark" 6.6 8.5 "$instruction" | head -1)
[ -n "$asked" ] || fail "practice asked no item after the instruction's pause"

# A click where nothing is printed: a retry clip, and 4 s later the same item.
mark=$(size)
click_reader 700 480
sleep 6
timeout 20 import -window "$reader" "$shots/practice-page2.png" || fail "no screenshot of practice mode"
retry=$(first_start "$mark")
[ -n "$retry" ] || fail "a wrong click in practice played nothing"
again=
for start in $(starts_between "$mark" 3.6 4.6 "$retry"); do
    if same_sound "$asked" "$start"; then again=$start; fi
done
[ -n "$again" ] || fail "after the retry clip the item was not asked again"

# The items of page 2, centre points, until one is right: praise, and 3 s
# later another item.
right=
for point in "258 96" "251 156" "251 208" "149 302" "655 98" "549 262" "332 314" "472 112" "67 182"; do
    mark=$(size)
    # shellcheck disable=SC2086
    click_reader $point
    sleep 5
    feedback=$(first_start "$mark")
    [ -n "$feedback" ] || fail "a click on item at $point in practice played nothing"
    replayed=
    for start in $(starts_between "$mark" 3.6 4.6 "$feedback"); do
        if same_sound "$asked" "$start"; then replayed=$start; fi
    done
    [ -z "$replayed" ] || continue
    next=$(starts_between "$mark" 2.7 3.4 "$feedback" | head -1)
    [ -n "$next" ] || fail "after the praise for the item at $point no item was asked"
    same_sound "$asked" "$next" && fail "after the praise the same item was asked again"
    right=$point
    break
done
[ -n "$right" ] || fail "no item of page 2 was judged right"

# The word drill (背单词: toolbar button at 415,15), unit 1 in textbook order:
# start (140,400 60x40), then "boy" right and "gril" wrong, each confirmed
# with Enter and followed by the next word.
click_reader 436 566
sleep 1
click_reader 170 420
sleep 1.5
for answer in boy gril; do
    mark=$(size)
    timeout 10 xdotool type --delay 80 "$answer"
    timeout 10 xdotool key Return
    sleep 1.5
    [ -n "$(first_start "$mark")" ] || fail "no word was spoken after the answer \"$answer\""
done
timeout 20 import -window "$reader" "$shots/drill.png" || fail "no screenshot of the drill"
painted "$shots/drill.png" || fail "the drill page is blank"

# The matching game (连连看: toolbar button at 459,15). The drill is left
# first (its leave button, 712,400 40x40), so the reader is back on book
# page 2 with nothing playing.
click_reader 732 420
sleep 1.5
mark=$(size)
sleep 0.5
[ "$(loud_bytes_after "$audio" "$mark")" -eq 0 ] || fail "sound went on after the drill was left"
shown_before=$(windows | tr '\n' ' ')
mark=$(size)
click_reader 480 566
matching=
for _ in $(seq 300); do
    for id in $(windows); do
        case " $shown_before " in *" $id "*) continue ;; esac
        if timeout 5 xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: 800x600"; then
            matching=$id
        fi
    done
    [ -n "$matching" ] && break
    sleep 0.1
done
[ -n "$matching" ] || fail "连连看 opened no window within 30 s"
opened=$SECONDS
click_matching() { timeout 10 xdotool mousemove --window "$matching" "$1" "$2" click 1; }
point_away() { timeout 10 xdotool mousemove --window "$matching" 30 300; }
shoot_matching() { timeout 20 import -window "$matching" "$shots/$1" || fail "no screenshot $1"; }
# Cell c (1-48) lies at 79 x column + 10, 69 x (row - 1) + 80, 79x69.
cell_x() { echo $((79 * (($1 - 1) % 8 + 1) + 10)); }
cell_y() { echo $((69 * (($1 - 1) / 8) + 80)); }
click_cell() { click_matching $(($(cell_x "$1") + 39)) $(($(cell_y "$1") + 34)); }
# 1 when the pixel at the top edge of cell $2 is exactly the colour (r,g,b as 0 or 1).
frame_is() {
    local x y
    x=$(($(cell_x "$2") + 40))
    y=$(cell_y "$2")
    timeout 20 convert "$shots/$1" -format "%[fx:p{$x,$y}.r==$3&&p{$x,$y}.g==$4&&p{$x,$y}.b==$5]" info:
}
# Cell by cell, a line "<cell> <look> <1 for an orange tile>": the look is
# that of the tile inside its rounded corners, where no scenery shows.
# Tiles with the same text look alike.
board_looks() {
    timeout 20 convert "$shots/$1" -crop 632x414+89+80 +repage -crop 79x69 -shave 4x13 \
        -format "%# %[fx:mean.r>mean.g]\n" info: | awk '{ print NR, $0 }'
}
point_away
sleep 2
shoot_matching matching-board.png
painted "$shots/matching-board.png" || fail "the matching board is blank"
music=$(first_start "$mark")
[ -n "$music" ] || fail "the matching game opened without music"
board_looks matching-board.png >"$work/looks-unit1"
[ "$(awk '$3 == 0' "$work/looks-unit1" | wc -l)" -eq 24 ] || fail "the board has not 24 green word tiles"

# The hover frame: red along the edges of the cell under the pointer.
cell=10
timeout 10 xdotool mousemove --window "$matching" $(($(cell_x $cell) + 39)) $(($(cell_y $cell) + 34))
sleep 0.5
shoot_matching matching-hover.png
[ "$(frame_is matching-hover.png $cell 1 0 0)" = 1 ] || fail "no red hover frame on cell $cell"

# Music alone for 7 s from its start: the stretch a later start is held against.
while [ $((SECONDS - opened)) -lt 8 ]; do sleep 0.5; done
# The music box (321,550 135x24) stops all sound.
click_matching 340 562
sleep 1
mark=$(size)
sleep 1
[ "$(loud_bytes_after "$audio" "$mark")" -eq 0 ] || fail "unticking the music box left sound playing"

# Without the music: a tile selected (a blue frame), the same tile again
# (not a pair), and the strip 711-721 of the last column, which takes no
# clicks (the empty-cell sound): three different sounds.
mark=$(size)
click_cell $cell
sleep 0.5
shoot_matching matching-selected.png
[ "$(frame_is matching-selected.png $cell 0 0 1)" = 1 ] || fail "no blue frame on the selected cell $cell"
sleep 0.5
click_cell $cell
sleep 1.2
click_matching 715 114
sleep 1.2
effects=$("$probe" runs "$audio" "$mark" | awk '{ print $1 }')
[ "$(echo "$effects" | wc -l)" -eq 3 ] || fail "select, not a pair and an empty cell did not give three sounds: $effects"
select_at=$(echo "$effects" | sed -n 1p)
not_pair_at=$(echo "$effects" | sed -n 2p)
empty_at=$(echo "$effects" | sed -n 3p)
same_sound "$select_at" "$not_pair_at" && fail "the not-a-pair sound is the selection sound"
same_sound "$not_pair_at" "$empty_at" && fail "the empty-cell sound is the not-a-pair sound"
same_sound "$select_at" "$empty_at" && fail "the empty-cell sound is the selection sound"

# Unit 2 from the lesson list (99,548 96x15), by its keys: a new deal and a
# full time bar (184,20 412x32), so the search for a pair has its 90 s.
click_matching 147 555
sleep 0.5
timeout 10 xdotool key Down Return
sleep 1
point_away
sleep 0.5
shoot_matching matching-unit2.png
board_looks matching-unit2.png >"$work/looks"
cmp -s "$work/looks-unit1" "$work/looks" && fail "choosing Unit 2 dealt no new board"
[ "$(timeout 20 convert "$shots/matching-unit2.png" -format "%[fx:p{560,36}.b>p{560,36}.r+0.2]" info:)" = 1 ] ||
    fail "the time bar is not full after a lesson change"

# Where the pairs lie the deal decides, so the script finds one: a word
# tile against one orange tile of each look, until the pair sound comes.
word=$(awk '$3 == 0 { print $1; exit }' "$work/looks")
meanings=$(awk '$3 == 1 && !seen[$2]++ { print $1 }' "$work/looks")
[ "$(echo "$meanings" | wc -l)" -eq 12 ] || fail "the Unit 2 board has not 12 different meanings: $meanings"
paired=
for meaning in $meanings; do
    click_cell "$word"
    sleep 0.5
    mark=$(size)
    click_cell "$meaning"
    sleep 0.9
    second=$(first_start "$mark")
    [ -n "$second" ] || fail "the tile at cell $meaning answered the selected word with no sound"
    same_sound "$second" "$not_pair_at" && continue
    same_sound "$second" "$select_at" && fail "the second tile of a pair played the selection sound"
    same_sound "$second" "$empty_at" && fail "the second tile of a pair played the empty-cell sound"
    paired=$meaning
    break
done
[ -n "$paired" ] || fail "the word at cell $word made a pair with none of the 12 meanings"
point_away
sleep 0.5
shoot_matching matching-pair.png
board_looks matching-pair.png >"$work/looks-after"
changed=$({ diff "$work/looks" "$work/looks-after" || true; } | awk '$1 == ">" { print $2 }' | tr '\n' ' ')
[ "$changed" = "$(printf '%s\n' "$word" "$paired" | sort -n | tr '\n' ' ')" ] ||
    fail "the pair of cells $word and $paired left the board as cells $changed"

# The music again, from its start; an effect over it 1.5 s later, and the
# music goes on under it: before the effect, and from 0.5 s after its start,
# the mix is the music's first start sample for sample.
other=$(awk -v w="$word" -v p="$paired" '$1 != w && $1 != p { print $1; exit }' "$work/looks")
mark=$(size)
click_matching 340 562
sleep 1.5
click_cell "$other"
sleep 3.5
restart=$(first_start "$mark")
[ -n "$restart" ] || fail "ticking the music box started no music"
cmp -s -i "$music:$restart" -n "$(seconds 1)" "$audio" "$audio" ||
    fail "the music started again does not sound as it did at the start"
differ=$({ cmp -i "$music:$restart" -n "$(seconds 4)" "$audio" "$audio" || true; } |
    sed -n 's/.* byte \([0-9]*\),.*/\1/p')
[ -n "$differ" ] || fail "no effect was heard over the music"
effect=$(((differ - 1) / 4 * 4))
awk -v d="$effect" -v r=$bytes_per_second 'BEGIN { exit !(d >= r && d <= 3.5 * r) }' ||
    fail "the selection sound over the music came at byte $effect of the music, not 1-3.5 s in"
after=$((effect + $(seconds 0.5)))
cmp -s -i "$((music + after)):$((restart + after))" -n "$(seconds 1)" "$audio" "$audio" ||
    fail "the music did not play on unchanged under the selection sound"

# The exit button (732,540 40x40) closes the window and stops all sound.
click_matching 752 560
sleep 1
mark=$(size)
sleep 1
[ "$(loud_bytes_after "$audio" "$mark")" -eq 0 ] || fail "sound went on after the matching game's exit"
for id in $(windows); do
    [ "$id" != "$matching" ] || fail "the matching window stayed open after its exit button"
done

# The exit button: toolbar at 1,536, button at 634,15, 40x30.
timeout 10 xdotool mousemove --window "$reader" 655 566 click 1
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    fail "the exit button did not end the program"
fi
code=0
wait "$pid" || code=$?
pid=
[ "$code" -eq 0 ] || fail "the program ended with $code"
echo "PASS: start window, reader, hotspot sound, practice, drill, matching and exit; screenshots in $shots"
