#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pellora English authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Word accuracy of the book's recordings by an offline recogniser.

Reads the maker's clip index (clip, kind, speaker, engine voice, text; one
spoken line a row), runs pocketsphinx over every clip resampled to 16 kHz mono
and compares its words with the clip's script. Each script word belongs to the
voice that says it, so a clip with two speakers counts for both; a word the
recogniser adds counts against the word it follows. Chinese lines are left
out: the English recogniser cannot judge them. The median pitch of each voice
(aubiopitch over the clips it speaks alone) shows how far apart the voices lie.
"""

import argparse
import concurrent.futures
import math
import os
import re
import statistics
import subprocess
import sys
import tempfile
import wave
from collections import defaultdict

MODEL = "/usr/share/pocketsphinx/model/en-us"
VOICE_ORDER = ["narrator", "woman", "man", "boy", "pip", "girl"]
UNMEASURED = {"chinese"}

ONES = ("zero one two three four five six seven eight nine ten eleven twelve thirteen "
        "fourteen fifteen sixteen seventeen eighteen nineteen").split()
TENS = "_ _ twenty thirty forty fifty sixty seventy eighty ninety".split()


def number_words(n):
    if n < 20:
        return [ONES[n]]
    if n < 100:
        return [TENS[n // 10]] + ([ONES[n % 10]] if n % 10 else [])
    return [ONES[n // 100], "hundred"] + (number_words(n % 100) if n % 100 else [])


def normalised_words(text):
    """Lower case, no punctuation (apostrophes inside words stay), digits as words."""
    words = []
    for token in re.split(r"[^a-z0-9']+", text.lower()):
        token = token.strip("'")
        if not token:
            continue
        if token.isdigit() and int(token) < 1000:
            words.extend(number_words(int(token)))
        else:
            words.append(token)
    return words


def alignment_errors(reference, hypothesis):
    """Errors per reference word of a minimal word alignment (edit distance)."""
    rows, cols = len(reference), len(hypothesis)
    cost = [[0] * (cols + 1) for _ in range(rows + 1)]
    for i in range(rows + 1):
        cost[i][0] = i
    for j in range(cols + 1):
        cost[0][j] = j
    for i in range(1, rows + 1):
        for j in range(1, cols + 1):
            same = reference[i - 1] == hypothesis[j - 1]
            cost[i][j] = min(cost[i - 1][j - 1] + (0 if same else 1),
                             cost[i - 1][j] + 1, cost[i][j - 1] + 1)
    errors = [0] * rows
    i, j = rows, cols
    while i > 0 or j > 0:
        if i > 0 and j > 0 and cost[i][j] == cost[i - 1][j - 1] + (
                0 if reference[i - 1] == hypothesis[j - 1] else 1):
            errors[i - 1] += 0 if reference[i - 1] == hypothesis[j - 1] else 1
            i, j = i - 1, j - 1
        elif i > 0 and cost[i][j] == cost[i - 1][j] + 1:
            errors[i - 1] += 1
            i -= 1
        else:
            if rows:
                errors[max(i - 1, 0)] += 1
            j -= 1
    return errors


def read_index(path):
    """clip -> {"kind", "lines": [(speaker, engine voice, text)]}, in index order."""
    clips = {}
    with open(path, encoding="utf-8") as index:
        for number, row in enumerate(index, 1):
            fields = row.rstrip("\n").split("\t")
            if len(fields) != 5:
                sys.exit(f"{path}:{number}: expected 5 tab-separated fields, found {len(fields)}")
            clip, kind, speaker, engine, text = fields
            entry = clips.setdefault(clip, {"kind": kind, "lines": []})
            entry["lines"].append((speaker, engine, text))
    return clips


def resample(source, target):
    subprocess.run(["sox", "-R", source, "-b", "16", "-c", "1", "-r", "16000", target],
                   check=True, stderr=subprocess.DEVNULL)


def recognise(stems, work, part):
    """pocketsphinx_batch over the 16 kHz files: stem -> recognised text."""
    control = os.path.join(work, f"part{part}.ctl")
    hypotheses = os.path.join(work, f"part{part}.hyp")
    with open(control, "w", encoding="utf-8") as ctl:
        ctl.writelines(stem + "\n" for stem in stems)
    subprocess.run(["pocketsphinx_batch", "-adcin", "yes", "-adchdr", "44", "-cepext", ".wav",
                    "-cepdir", work, "-ctl", control, "-hyp", hypotheses,
                    "-hmm", os.path.join(MODEL, "en-us"),
                    "-lm", os.path.join(MODEL, "en-us.lm.bin"),
                    "-dict", os.path.join(MODEL, "cmudict-en-us.dict"),
                    "-logfn", os.devnull], check=True)
    heard = {}
    with open(hypotheses, encoding="utf-8") as hyp:
        for line in hyp:
            match = re.match(r"^(.*?)\s*\((\S+)\s+-?\d+\)\s*$", line)
            if match:
                heard[match.group(2)] = match.group(1)
    return heard


def pitches(path):
    """Voiced pitch estimates of a clip, in Hz, from aubio's YIN."""
    result = subprocess.run(["aubiopitch", "-i", path, "-p", "yinfast", "-l", "0.2", "-s", "-40"],
                            check=True, capture_output=True, text=True)
    values = (float(row.split()[1]) for row in result.stdout.splitlines() if len(row.split()) == 2)
    return [hz for hz in values if 60 <= hz <= 600]


def semitones(low, high):
    return 12 * math.log2(high / low)


def duration(path):
    with wave.open(path) as clip:
        return clip.getnframes() / clip.getframerate()


def engines_of(entry):
    return {engine for _, engine, _ in entry["lines"]}


def clip_type(entry):
    """word, listening or dialogue (a character speaks) or narration, for the rates."""
    if entry["kind"] in ("word", "listening"):
        return entry["kind"]
    return "dialogue" if engines_of(entry) - {"narrator"} - UNMEASURED else "narration"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("index", help="the maker's clip index (bookmaker --clip-index)")
    parser.add_argument("clips", help="folder of the built clips, <clip>.wav")
    parser.add_argument("--worst", type=int, default=15, help="how many of the worst clips")
    parser.add_argument("--jobs", type=int, default=2)
    args = parser.parse_args()

    clips = read_index(args.index)
    measured = {clip: entry for clip, entry in clips.items()
                if any(engine not in UNMEASURED for _, engine, _ in entry["lines"])}
    missing = [clip for clip in measured if not os.path.isfile(os.path.join(args.clips, clip + ".wav"))]
    if missing:
        sys.exit(f"{len(missing)} clips of the index are not in {args.clips}, e.g. {missing[0]}.wav")

    with tempfile.TemporaryDirectory() as work, \
            concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        list(pool.map(lambda clip: resample(os.path.join(args.clips, clip + ".wav"),
                                            os.path.join(work, clip + ".wav")), measured))
        stems = sorted(measured)
        parts = [stems[k::args.jobs] for k in range(args.jobs)]
        heard = {}
        for result in pool.map(lambda k: recognise(parts[k], work, k), range(args.jobs)):
            heard.update(result)
        seconds = {clip: duration(os.path.join(work, clip + ".wav")) for clip in measured}
        alone = [clip for clip in stems if len(engines_of(measured[clip])) == 1]
        voiced = dict(zip(alone, pool.map(lambda clip: pitches(os.path.join(work, clip + ".wav")),
                                          alone)))

    words = defaultdict(int)
    errors = defaultdict(int)
    clip_count = defaultdict(int)
    scored = []
    rates = defaultdict(list)
    for clip, entry in measured.items():
        reference, owners = [], []
        for _, engine, text in entry["lines"]:
            line_words = [] if engine in UNMEASURED else normalised_words(text)
            reference += line_words
            owners += [engine] * len(line_words)
        if not reference:
            continue
        hypothesis = normalised_words(heard.get(clip, ""))
        per_word = alignment_errors(reference, hypothesis)
        for engine in set(owners):
            clip_count[engine] += 1
        for engine, error in zip(owners, per_word):
            words[engine] += 1
            errors[engine] += error
        accuracy = 1 - sum(per_word) / len(reference)
        scored.append((accuracy, clip, "+".join(sorted(set(owners))),
                       " ".join(reference), " ".join(hypothesis)))
        all_words = sum(len(normalised_words(text)) for _, _, text in entry["lines"])
        rates[clip_type(entry)].append(all_words / seconds[clip])

    pitch = defaultdict(list)
    for clip, hz in voiced.items():
        pitch[measured[clip]["lines"][0][1]] += hz
    median_pitch = {voice: statistics.median(hz) for voice, hz in pitch.items() if hz}

    voices = sorted(words, key=lambda v: (VOICE_ORDER + [v]).index(v))
    print(f"{'voice':<10} {'clips':>5} {'words':>6} {'accuracy':>9} {'pitch':>7}")
    for voice in voices:
        hz = f"{median_pitch[voice]:.0f} Hz" if voice in median_pitch else "-"
        print(f"{voice:<10} {clip_count[voice]:>5} {words[voice]:>6} "
              f"{100 * (1 - errors[voice] / words[voice]):>8.1f}% {hz:>7}")
    total_words, total_errors = sum(words.values()), sum(errors.values())
    print(f"{'all':<10} {len(scored):>5} {total_words:>6} "
          f"{100 * (1 - total_errors / total_words):>8.1f}%")
    print(f"\n{'clips':<10} {'count':>5} {'median words/s':>15}")
    for kind in ("word", "listening", "dialogue", "narration"):
        if rates[kind]:
            print(f"{kind:<10} {len(rates[kind]):>5} {statistics.median(rates[kind]):>15.2f}")
    pitched = [voice for voice in voices if voice in median_pitch]
    if len(pitched) > 1:
        print("\nnearest pitches (semitones apart):")
        pairs = sorted((abs(semitones(median_pitch[a], median_pitch[b])), a, b)
                       for k, a in enumerate(pitched) for b in pitched[k + 1:])
        for apart, a, b in pairs[:4]:
            print(f"  {a:<9} {b:<9} {apart:4.1f}")
    print(f"\nworst {min(args.worst, len(scored))} clips:")
    for accuracy, clip, owner, reference, hypothesis in sorted(scored)[:args.worst]:
        print(f"{100 * accuracy:6.0f}%  {clip:<8} {owner:<14} said: {reference}\n"
              f"{'':<32}heard: {hypothesis}")


if __name__ == "__main__":
    main()
