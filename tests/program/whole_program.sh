#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellora English authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole program on a virtual display: start window, start button, reader,
# the start window blocked behind it, one hotspot press heard through SDL's
# disk audio driver, a practice item answered wrong and right, two words of
# the drill, the word spelling window with a word spelled wrong and one
# right, and the exit button. Screenshots go to <out>/screenshots for review.
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

# The word spelling window (单词排序: toolbar button at 503,15) opens
# frameless at 50,50, modal over the reader, on unit 1. The word asked and
# the order of its letters are drawn from the clock, so the script reads the
# row of letter cells (left edges below, top 192, 40 wide) off screenshots:
# a cell that holds black ink shows a letter, and of unit 1's words only
# "he" shows two letters of which one rises above the small ones. A word is
# spelled wrong for sure by one letter, 答案 (the whole word shown) and the
# other letters after it; "he" is spelled right. Pronunciation is switched
# off after the first word, so the judgements are heard alone.
spelling_lefts=(33 82 131 180 229 278 327 376 425 474 523 572 621 670 721)
# Reads the row: spelling_shown is the number of cells with a letter,
# spelling_tall the positions (from 1) of those whose letter rises high
# (ink in rows 194-203). One pass over rows 192-233 of the screenshot.
spelling_read() {
    local c=0 ink high
    timeout 20 import -window "$game" "$work/spelling.png" || fail "no screenshot of the spelling window"
    spelling_shown=0
    spelling_tall=()
    while read -r ink high; do
        c=$((c + 1))
        [ "$ink" -gt 15 ] || continue
        spelling_shown=$((spelling_shown + 1))
        if [ "$high" -gt 4 ]; then spelling_tall+=("$c"); fi
    done < <(timeout 20 convert "$work/spelling.png" -crop 800x42+0+192 +repage -colorspace Gray \
        -threshold 35% -depth 8 gray:- | od -An -v -tu1 -w800 |
        awk -v lefts="${spelling_lefts[*]}" '
            BEGIN { n = split(lefts, left, " ") }
            {
                for (c = 1; c <= n; c++)
                    for (x = left[c] + 1; x <= left[c] + 40; x++)
                        if ($x == 0) { ink[c]++; if (NR >= 3 && NR <= 12) high[c]++ }
            }
            END { for (c = 1; c <= n; c++) printf "%d %d\n", ink[c], high[c] }')
    [ "$c" -eq 15 ] || fail "the row of letter cells could not be read"
}
spelling_is_he() { [ "$spelling_shown" -eq 2 ] && [ "${#spelling_tall[@]}" -eq 1 ]; }
click_game() { timeout 10 xdotool mousemove --window "$game" "$1" "$2" click 1; }
click_cell() { click_game $((${spelling_lefts[$(($1 - 1))]} + 20)) 212; }
run_seconds() { awk -v s="$1" -v e="$2" -v r=$bytes_per_second 'BEGIN { printf "%.2f", (e - s) / r }'; }
# The sounds after byte $1, "start end" a line.
runs_after() { "$probe" runs "$audio" "$1"; }

# A known state first: Unit 1 picked again from the course list (89,21
# 60x20 in the toolbar) shows book page 2 from any page, the drill's
# included, and ends any exercise mode.
click_reader 120 567
sleep 1
timeout 10 xdotool key Return
sleep 1.5
known=$(windows)
mark=$(size)
click_reader 524 566
game=
for _ in $(seq 100); do
    for id in $(windows); do
        if ! grep -qx "$id" <<<"$known" &&
            timeout 5 xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: 800x600"; then
            game=$id
        fi
    done
    [ -z "$game" ] || break
    sleep 0.2
done
[ -n "$game" ] || fail "the spelling button opened no window"
sleep 2
word=$(first_start "$mark")
[ -n "$word" ] || fail "the spelling window asked its first word without a sound"
for _ in $(seq 25); do
    place=$(timeout 5 xdotool getwindowgeometry "$game" | sed -n 's/.*Position: \([0-9]*,[0-9]*\).*/\1/p')
    [ "$place" != "50,50" ] || break
    sleep 0.2
done
[ "$place" = "50,50" ] || fail "the spelling window is at $place, not at 50,50"
# 再听一遍 (454,495 90x40): the same word again.
mark=$(size)
click_game 499 515
sleep 1.5
again=$(first_start "$mark")
[ -n "$again" ] || fail "再听一遍 played nothing"
same_sound "$word" "$again" || fail "再听一遍 played another sound than the word asked"
# 读音关 (285,511 89x24): no more words heard.
click_game 329 523
sleep 0.5
mark=$(size)
click_game 499 515
sleep 1
[ -z "$(first_start "$mark")" ] || fail "with pronunciation off 再听一遍 still played"

spell_he() {
    local h=${spelling_tall[0]} e=$((3 - spelling_tall[0]))
    mark=$(size)
    click_cell "$h"
    sleep 1
    click_cell "$e"
    sleep 2.5
    mapfile -t heard < <(runs_after "$mark")
    [ "${#heard[@]}" -eq 2 ] || fail "spelling he: ${#heard[@]} sounds, not a click and the cheer"
    right_run=${heard[1]}
    timeout 20 import -window "$game" "$shots/spelling-right.png" || fail "no screenshot after spelling right"
}
spell_wrong() {
    local c
    mark=$(size)
    click_cell 1
    sleep 1
    click_game 654 515
    sleep 0.5
    timeout 20 import -window "$game" "$shots/spelling-answer.png" || fail "no screenshot of the answer"
    for c in $(seq 2 "$spelling_shown"); do
        click_cell "$c"
        sleep 1
    done
    sleep 2
    mapfile -t heard < <(runs_after "$mark")
    [ "${#heard[@]}" -eq "$spelling_shown" ] || fail "a word of $spelling_shown letters spelled wrong: ${#heard[@]} sounds"
    click_run=${heard[0]}
    wrong_run=${heard[$((spelling_shown - 1))]}
    c=$((spelling_shown - 2))
    if [ "$c" -ge 1 ]; then
        same_sound "${click_run%% *}" "${heard[$c]%% *}" || fail "letter $((c + 1)) clicked another sound"
    fi
}
spelling_read
[ "$spelling_shown" -ge 2 ] || fail "the spelling window shows $spelling_shown letters"
timeout 20 cp "$work/spelling.png" "$shots/spelling-open.png"
painted "$shots/spelling-open.png" || fail "the spelling window is blank"
if spelling_is_he; then
    spell_he
    spelling_read
    spell_wrong
else
    spell_wrong
    for _ in $(seq 14); do
        spelling_read
        spelling_is_he && break
        click_game 583 515
        sleep 0.7
    done
    spelling_is_he || fail "unit 1 never asked he"
    spell_he
fi
# A letter alone clicks for 0.1 s; the last letter of a word clicks with
# the cheer (1.1 s) or with the buzz (0.6 s).
# shellcheck disable=SC2086
click_length=$(run_seconds $click_run)
# shellcheck disable=SC2086
right_length=$(run_seconds $right_run)
# shellcheck disable=SC2086
wrong_length=$(run_seconds $wrong_run)
awk -v c="$click_length" -v r="$right_length" -v w="$wrong_length" \
    'BEGIN { exit !(c < 0.3 && r >= 1.0 && w >= 0.4 && w < 0.9) }' ||
    fail "the click lasted $click_length s, the cheer $right_length s and the buzz $wrong_length s"
# 返回 (696,495 64x40): back on the reader.
click_game 728 515
for _ in $(seq 50); do
    timeout 5 xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$game" || break
    sleep 0.2
done
windows | grep -qx "$game" && fail "返回 left the spelling window open"
timeout 20 import -window "$reader" "$shots/reader-after-spelling.png" || fail "no screenshot of the reader after spelling"
painted "$shots/reader-after-spelling.png" || fail "the reader is blank after the spelling window"

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
echo "PASS: start window, reader, hotspot sound, practice, drill, spelling and exit; screenshots in $shots"
