#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellora English authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole program on a virtual display: start window, start button, reader,
# the start window blocked behind it, one hotspot press heard through SDL's
# disk audio driver, a practice item answered wrong and right, two words of
# the drill, a sentence ordered right and wrong, a fill-in question
# answered wrong and right, the word spelling window with a word spelled
# wrong and one right, moves and a pair in the matching game, a miss and a
# right answer in each word-finding game, and the exit button. Screenshots go to <out>/screenshots for review.
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

# Waits up to $1 seconds for a visible 800x600 window that is none of the
# windows named after it.
wait_other_window() {
    local deadline=$((SECONDS + $1)) id other known
    shift
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$pid" 2>/dev/null || fail "the program ended early"
        for id in $(windows); do
            known=
            for other in "$@"; do
                [ "$id" != "$other" ] || known=1
            done
            [ -z "$known" ] || continue
            if timeout 5 xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: 800x600"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Waits up to $1 seconds for window $2 to be gone; fails when it stays.
wait_gone() {
    local deadline=$((SECONDS + $1))
    while [ $SECONDS -lt $deadline ]; do
        windows | grep -qx "$2" || return 0
        sleep 0.1
    done
    ! windows | grep -qx "$2"
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

# What the disk driver wrote: 16-bit stereo at 22,050 Hz. A busy machine
# writes it slower than real time, so sounds are told apart by their
# samples, not by where they fall.
bytes_per_second=88200
seconds() { awk -v b="$1" -v r=$bytes_per_second 'BEGIN { printf "%d", b * r }'; }
size() { stat -c %s "$audio"; }
click_reader() { timeout 10 xdotool mousemove --window "$reader" "$1" "$2" click 1; }
# Starts of the sounds after byte $1, one a line.
sounds_after() { "$probe" runs "$audio" "$1" | awk '{ print $1 }'; }
first_start() { sounds_after "$1" | head -1; }
# Starts of the sounds after byte $1 that begin between $2 and $3 seconds
# of sound after byte $4: windows wide enough for a slow writer.
starts_between() {
    local lo hi
    lo=$(($4 + $(seconds "$2")))
    hi=$(($4 + $(seconds "$3")))
    sounds_after "$1" | awk -v lo="$lo" -v hi="$hi" '$1 >= lo && $1 <= hi'
}
# The same sound at two places: the first 0.3 s of both are the same samples.
same_sound() { "$probe" same "$audio" "$1" "$2" "$(seconds 0.3)"; }
# Whether a sound after the first one from byte $1 on was heard before,
# between byte $2 and byte $1.
heard_again() {
    local at before
    for at in $(sounds_after "$1" | tail -n +2); do
        for before in $(sounds_after "$2"); do
            [ "$before" -lt "$1" ] || break
            if same_sound "$before" "$at"; then return 0; fi
        done
    done
    return 1
}

# Practice on book page 2 (练一练: toolbar button at 239,15): the
# instruction, 7 s, then the item asked.
practice=$(size)
click_reader 260 566
sleep 10
[ "$(sounds_after "$practice" | wc -l)" -ge 2 ] || fail "practice asked no item after its instruction"

# A click where nothing is printed: a retry clip, and 4 s later the item
# again, the same samples as when it was first asked.
mark=$(size)
click_reader 700 480
sleep 6.5
timeout 20 import -window "$reader" "$shots/practice-page2.png" || fail "no screenshot of practice mode"
[ -n "$(first_start "$mark")" ] || fail "a wrong click in practice played nothing"
heard_again "$mark" "$practice" || fail "after the retry clip the item was not asked again"

# The items of page 2, centre points, until one is right: praise, then an
# item not asked before.
right=
for point in "258 96" "251 156" "251 208" "149 302" "655 98" "549 262" "332 314" "472 112" "67 182"; do
    mark=$(size)
    # shellcheck disable=SC2086
    click_reader $point
    sleep 6.5
    [ -n "$(first_start "$mark")" ] || fail "a click on the item at $point in practice played nothing"
    heard_again "$mark" "$practice" && continue
    [ "$(sounds_after "$mark" | wc -l)" -ge 2 ] || fail "after the praise for the item at $point nothing was asked"
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

# The drill's own button (712,400 40x40 on its page) goes back to book page
# 2; 下一页 and 上一页 (151,15 and 43,15) then end any mode still running.
click_reader 732 420
sleep 1
click_reader 172 566
sleep 1.5
click_reader 64 566
sleep 1.5
known=$(windows | tr '\n' ' ')
mark=$(size)
click_reader 392 566
# shellcheck disable=SC2086
ordering=$(wait_other_window 30 $known) || fail "no sentence-ordering window within 30 s"
sleep 3
timeout 20 import -window "$ordering" "$shots/ordering-start.png" || fail "no screenshot of sentence ordering"
painted "$shots/ordering-start.png" || fail "the sentence-ordering window is blank"
sentence=$(first_start "$mark")
[ -n "$sentence" ] || fail "the ordering window played no sentence"
# Buttons, in the window: 再听一遍 222,446 82x40; 确定 426,446; 答案 530,446;
# 返回 712,446 (64x40). Word label 1 begins at 26,165.
click_ordering() { timeout 10 xdotool mousemove --window "$ordering" "$1" "$2" click 1; }
mark=$(size)
click_ordering 263 466
sleep 3
again=$(first_start "$mark")
if [ -z "$again" ] || ! same_sound "$sentence" "$again"; then
    fail "再听一遍 did not play the sentence again"
fi

# Which word stands where is random and not for a script to read, so the
# right answer is 答案 then 确定. A right answer holds the window for 4 s: a
# 再听一遍 clicked at once is heard only after the pause.
mark=$(size)
click_ordering 562 466
sleep 0.5
click_ordering 458 466
sleep 0.3
click_ordering 263 466
sleep 7
praise=$(first_start "$mark")
[ -n "$praise" ] || fail "确定 after 答案 played nothing"
same_sound "$sentence" "$praise" && fail "确定 after 答案 played the sentence, not a praise"
held=$(starts_between "$mark" 2.8 6 "$praise" | head -1)
if [ -z "$held" ] || ! same_sound "$sentence" "$held"; then
    fail "the right answer did not hold the window for 4 s"
fi

# One word alone is never a sentence of 2 to 9: a retry clip, and no pause.
mark=$(size)
click_ordering 32 180
sleep 0.5
click_ordering 458 466
sleep 2.5
click_ordering 263 466
sleep 3
timeout 20 import -window "$ordering" "$shots/ordering-wrong.png" || fail "no screenshot of a wrong arrangement"
retry=$(first_start "$mark")
[ -n "$retry" ] || fail "a wrong arrangement played nothing"
same_sound "$praise" "$retry" && fail "a wrong arrangement was praised"
replay=$(starts_between "$mark" 1 3.6 "$retry" | head -1)
if [ -z "$replay" ] || ! same_sound "$sentence" "$replay"; then
    fail "after a wrong arrangement the window did not answer at once"
fi

# 返回 closes the window; the reader is back.
click_ordering 744 466
wait_gone 5 "$ordering" || fail "返回 did not close the sentence-ordering window"

# The fill-in window (填一填: toolbar button at 327,15) on book page 2.
# A script cannot read the question line, but it can hear which line was
# read: the one-word lines boy, girl and teacher (items 7-9, pressed here
# first for their sound) are the ones whose missing word it knows.
declare -A heard_word
for item in "boy 332 314" "girl 472 112" "teacher 67 182"; do
    read -r word x y <<<"$item"
    mark=$(size)
    click_reader "$x" "$y"
    sleep 1
    heard_word[$word]=$(first_start "$mark")
    [ -n "${heard_word[$word]}" ] || fail "pressing $word on page 2 played nothing"
done
# The first question's line must not mix with the last of these.
sleep 2.5
word_heard_at() {
    local w
    for w in boy girl teacher; do
        if same_sound "${heard_word[$w]}" "$1"; then
            echo "$w"
            return
        fi
    done
}
open_before=$(windows)
mark=$(size)
click_reader 348 566
# shellcheck disable=SC2086
fillin=$(wait_other_window 30 $open_before) || fail "no fill-in window within 30 s of 填一填"
click_fillin() { timeout 10 xdotool mousemove --window "$fillin" "$1" "$2" click 1; }
# Each question reads its line; 下一题 (128,475 104x40) until it is one of
# the three.
word=
for _ in $(seq 40); do
    sleep 1.2
    asked=$(first_start "$mark")
    [ -n "$asked" ] || fail "a fill-in question read no line"
    word=$(word_heard_at "$asked")
    [ -n "$word" ] && break
    mark=$(size)
    click_fillin 180 495
done
[ -n "$word" ] || fail "40 fill-in questions and not one on boy, girl or teacher"
sleep 2
# A one-word line has its box at the line's start (190,154, 36 high).
# Wrong: a retry clip, and 4 s later the same line read again.
click_fillin 200 172
timeout 10 xdotool type --delay 80 "zzz"
mark=$(size)
timeout 10 xdotool key Return
sleep 7.5
retry=$(first_start "$mark")
[ -n "$retry" ] || fail "a wrong fill-in answer played nothing"
again=
for at in $(starts_between "$mark" 2.8 6 "$retry"); do
    if same_sound "$asked" "$at"; then again=$at; fi
done
[ -n "$again" ] || fail "after the fill-in retry clip the line was not read again"
# Right: not the retry clip, and 4 s later a new question, whose line is
# another one unless the draw took the same line again (1 in 9): then it
# is answered once more.
new_line=
for _ in 1 2 3 4 5; do
    click_fillin 200 172
    timeout 10 xdotool type --delay 80 "$word"
    mark=$(size)
    timeout 10 xdotool key Return
    sleep 5
    praise=$(first_start "$mark")
    [ -n "$praise" ] || fail "the right fill-in answer \"$word\" played nothing"
    same_sound "$retry" "$praise" && fail "the right fill-in answer played the retry clip"
    next=$(starts_between "$mark" 2.8 6 "$praise" | head -1)
    [ -n "$next" ] || fail "after the right fill-in answer no question was read"
    if ! same_sound "$asked" "$next"; then
        new_line=$next
        break
    fi
    sleep 2.5
done
[ -n "$new_line" ] || fail "five right fill-in answers and the same line every time"
timeout 20 import -window "$fillin" "$shots/fillin.png" || fail "no screenshot of the fill-in window"
painted "$shots/fillin.png" || fail "the fill-in window is blank"
# 退出 (704,475 40x40) closes it; the reader is back.
click_fillin 724 495
sleep 1.5
[ "$(count_windows)" -eq 2 ] || fail "the fill-in window did not close"

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
# shellcheck disable=SC2086
game=$(wait_other_window 20 $known) || fail "the spelling button opened no window"
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
wait_gone 10 "$game" || fail "返回 left the spelling window open"
timeout 20 import -window "$reader" "$shots/reader-after-spelling.png" || fail "no screenshot of the reader after spelling"
painted "$shots/reader-after-spelling.png" || fail "the reader is blank after the spelling window"

# The matching game (连连看: toolbar button at 459,15). 下一页 and 上一页
# (151,15 and 43,15) first, so the reader is back on book page 2 with
# nothing playing.
click_reader 172 566
sleep 1.5
click_reader 64 566
sleep 1.5
mark=$(size)
sleep 0.5
[ "$(loud_bytes_after "$audio" "$mark")" -eq 0 ] || fail "sound went on after the drill was left"
shown_before=$(windows | tr '\n' ' ')
mark=$(size)
click_reader 480 566
# shellcheck disable=SC2086
matching=$(wait_other_window 30 $shown_before) || fail "连连看 opened no window within 30 s"
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
# cmp names the first difference "byte" or "char", by locale.
differ=$({ cmp -i "$music:$restart" -n "$(seconds 4)" "$audio" "$audio" || true; } |
    sed -n 's/.* differ: [a-z]* \([0-9]*\),.*/\1/p')
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

# The word-finding games (汉找英 and 英找汉: toolbar buttons at 547,15 and
# 591,15). The cheer and the second buzz last as long, so sounds are told
# apart by their samples: misses on the note until both buzzes were heard;
# then the window closed and opened again for a new minute, and the cards
# in turn until a sound that is neither buzz, the cheer, with its flowers
# in flight. A game ends after a minute in a message box, so no stretch of
# clicks is let run that long.
click_finding() { timeout 10 xdotool mousemove --window "$finding" "$1" "$2" click 1; }
# The start of the first sound after byte $1 once it has ended: the disk
# writer of a busy machine falls behind, so this waits up to 10 s.
ended_sound_after() {
    local run start end
    for _ in $(seq 100); do
        run=$(runs_after "$1" | head -1)
        if [ -n "$run" ]; then
            read -r start end <<<"$run"
            if [ $(($(size) - end)) -gt "$(seconds 0.4)" ]; then
                echo "$start"
                return 0
            fi
        fi
        sleep 0.1
    done
    return 1
}
# $1 the game's name, $2 its toolbar button's x.
open_finding() {
    local before
    before=$(windows | tr '\n' ' ')
    click_reader "$2" 566
    # shellcheck disable=SC2086
    finding=$(wait_other_window 30 $before) || fail "$1 opened no window within 30 s"
    sleep 1
}
# $1 the game's name, $2 $3 its exit button.
close_finding() {
    timeout 10 xdotool mousemove --window "$finding" "$2" "$3" click 1
    wait_gone 10 "$finding" || fail "the exit button left the $1 window open"
}
# $1 the game's name, $2 its toolbar button's x, $3 $4 its exit button.
play_finding() {
    local start buzz known cheer=
    local buzzes=()
    local cards=("460 160" "680 160" "460 370" "680 370")
    open_finding "$1" "$2"
    timeout 20 import -window "$finding" "$shots/$1-open.png" || fail "no screenshot of $1"
    painted "$shots/$1-open.png" || fail "the $1 window is blank"
    for _ in $(seq 12); do
        mark=$(size)
        click_finding 150 260
        start=$(ended_sound_after "$mark") || fail "$1: a click on the note made no sound"
        known=
        for buzz in "${buzzes[@]}"; do
            if same_sound "$buzz" "$start"; then known=1; fi
        done
        [ -n "$known" ] || buzzes+=("$start")
        [ "${#buzzes[@]}" -lt 2 ] || break
    done
    [ "${#buzzes[@]}" -eq 2 ] || fail "$1: 12 misses on the note and not two different buzzes"
    close_finding "$1" "$3" "$4"
    open_finding "$1" "$2"
    for try in $(seq 30); do
        # A fresh minute every 12 clicks: a busy machine spends seconds on each.
        if [ $((try % 12)) -eq 0 ]; then
            close_finding "$1" "$3" "$4"
            open_finding "$1" "$2"
        fi
        mark=$(size)
        # shellcheck disable=SC2086
        click_finding ${cards[$((try % 4))]}
        start=$(ended_sound_after "$mark") || fail "$1: a click on a card made no sound"
        if ! same_sound "${buzzes[0]}" "$start" && ! same_sound "${buzzes[1]}" "$start"; then
            cheer=$start
            break
        fi
    done
    [ -n "$cheer" ] || fail "$1: 30 clicks on its cards and never the cheer"
    timeout 20 import -window "$finding" "$shots/$1-flowers.png" || fail "no screenshot of $1"
    close_finding "$1" "$3" "$4"
}
play_finding chinese-to-english 568 624 548
play_finding english-to-chinese 612 648 548

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
echo "PASS: start window, reader, hotspot sound, practice, drill, sentence ordering, fill-in, spelling, matching, both word-finding games and exit; screenshots in $shots"
