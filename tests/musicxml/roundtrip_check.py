#!/usr/bin/env python3
"""Round trips between noma-cli export and noma-cli import.

  roundtrip_check.py export-import CLI WORK SCORE.nmg...
      export (treble, then bass) then import: `noma-cli midi` of the imported score plays the
      keys, in the order and for the durations, that it plays for the original.
  roundtrip_check.py import-export CLI WORK FILE[@PARTS]...
      import one part of a MusicXML score (or a score of one part, on one staff or a grand
      staff), then export it with both staves: the exported notes equal the
      original's where the reading represents them: the first voice of each staff, the top note
      of a chord, pitch, onset and duration in quarter notes, ties joined (not after a dotted or
      tuplet note, which the reading cannot tie), grace notes left out.

Exits 77 (skipped) when midicsv is not installed."""

import os
import shutil
import sys
import xml.etree.ElementTree as ElementTree
import zipfile
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from export_check import notes_by_channel, report, run, show  # noqa: E402

STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
TYPES = {"whole": 4, "half": 2, "quarter": 1, "eighth": Fraction(1, 2), "16th": Fraction(1, 4),
         "32nd": Fraction(1, 8), "64th": Fraction(1, 16), "128th": Fraction(1, 32)}


def read_score(path):
    """The root element of a .musicxml, .xml or .mxl file."""
    if not path.endswith(".mxl"):
        return ElementTree.parse(path).getroot()
    with zipfile.ZipFile(path) as archive:
        container = ElementTree.fromstring(archive.read("META-INF/container.xml"))
        rootfile = next(e for e in container.iter() if e.tag.endswith("rootfile"))
        return ElementTree.fromstring(archive.read(rootfile.get("full-path")))


def key_of(note):
    pitch = note.find("pitch")
    alter = pitch.findtext("alter")
    semitone = STEPS[pitch.findtext("step")] + (int(float(alter)) if alter else 0)
    return 12 * (int(pitch.findtext("octave")) + 1) + semitone


def staff_lines(part):
    """Per staff, its clef sign and its line: (onset, key or None for a rest, duration) in
    quarter notes; chords by their top note, tied notes joined, the staff's first voice only.
    Grace notes take their time as the reading gives it: each its value, less that of a grace
    note before it, and the note after them less the last one's."""
    divisions = 1
    start = Fraction(0)
    lines, signs, voices, last, graces = {}, {}, {}, {}, {}
    for measure in part.iter("measure"):
        cursor = longest = Fraction(0)
        for element in measure:
            if element.tag == "attributes":
                divisions = int(element.findtext("divisions") or divisions)
                for clef in element.iter("clef"):
                    signs.setdefault(int(clef.get("number", "1")), clef.findtext("sign"))
            elif element.tag in ("backup", "forward"):
                length = Fraction(int(element.findtext("duration")), divisions)
                cursor += length if element.tag == "forward" else -length
            elif element.tag == "note":
                if element.find("cue") is not None:
                    continue
                grace = element.find("grace") is not None
                length = Fraction(int(element.findtext("duration") or 0), divisions)
                chord = element.find("chord") is not None
                onset = start + cursor - (length if chord else 0)
                if not chord and not grace:
                    cursor += length
                longest = max(longest, cursor)
                staff = int(element.findtext("staff") or 1)
                voice = voices.setdefault(staff, element.findtext("voice") or "1")
                if (element.findtext("voice") or "1") != voice:
                    continue
                line = lines.setdefault(staff, [])
                if element.find("rest") is not None:
                    line.append([onset, None, length])
                    last[staff] = None
                    continue
                key = key_of(element)
                if grace:
                    if not chord:
                        graces.setdefault(staff, []).append((key, TYPES[element.findtext("type")]))
                    continue
                borrowed = 0  # each grace note shortens the event after it by its value
                for grace_key, grace_length in graces.pop(staff, []):
                    taken = max(grace_length - borrowed, Fraction(1, 48))
                    line.append([onset, grace_key, taken])
                    onset += taken
                    borrowed = grace_length
                length = max(length - borrowed, Fraction(1, 48))
                ties = {t.get("type") for t in element.findall("tie")}
                if chord:
                    if line and line[-1][0] == onset and line[-1][1] is not None:
                        line[-1][1] = max(line[-1][1], key)
                    continue
                held = last.get(staff)
                if "stop" in ties and held is not None and held[1] == key:
                    held[2] += length
                else:
                    held = [onset, key, length]
                    line.append(held)
                # The reading ties only plain notes: a dotted or tuplet note is attacked again.
                plain = element.find("dot") is None and element.find("time-modification") is None
                last[staff] = held if "start" in ties and plain else None
            longest = max(longest, cursor)
        start += longest
    return {staff: (signs.get(staff, "G"), line) for staff, line in lines.items()}


def sounding(line):
    """The notes of a line, rests dropped: what a player hears. Times are taken to the nearest
    48th of a quarter, the reading's finest step (files round tuplets to their divisions)."""

    def step(time):
        return Fraction(round(time * 48), 48)

    return [(step(onset), key, step(length)) for onset, key, length in line if key is not None]


def differences(expected, actual):
    for i, (e, a) in enumerate(zip(expected, actual)):
        if e != a:
            return f"note {i}: {show(e)} became {show(a)}"
    return f"{len(expected)} notes became {len(actual)}"


def check_export_import(cli, work, scores):
    failures, checked = [], 0
    for score in scores:
        name = os.path.splitext(os.path.basename(score))[0]
        for staves in ("treble", "bass"):
            base = os.path.join(work, f"{name}-{staves}")
            run(cli, "midi", score, "--staves", staves, "-o", base + ".mid")
            expected = notes_by_channel(base + ".mid").get(0, [])
            if not expected:
                continue
            run(cli, "export", score, "--staves", staves, "-o", base + ".musicxml")
            run(cli, "import", base + ".musicxml", "-o", base + "-back.nmg")
            run(cli, "midi", base + "-back.nmg", "--staves", staves, "-o", base + "-back.mid")
            actual = notes_by_channel(base + "-back.mid").get(0, [])
            checked += 1
            if expected != actual:
                failures.append(f"{score} ({staves}): {differences(expected, actual)}")
    return report(failures, f"{checked} round trips through MusicXML, {len(failures)} differ")


def check_import_export(cli, work, files):
    failures, checked = [], 0
    for entry in files:
        path, _, parts = entry.partition("@")
        name = os.path.splitext(os.path.basename(path))[0] + (f"-{parts}" if parts else "")
        nmg = os.path.join(work, name + ".nmg")
        out = os.path.join(work, name + ".musicxml")
        run(cli, "import", path, *(("--parts", parts) if parts else ()), "-o", nmg)
        run(cli, "export", nmg, "--staves", "both", "-o", out)
        chosen = [int(p) for p in parts.split(",")] if parts else None
        original = [p for i, p in enumerate(read_score(path).iter("part"), 1)
                    if chosen is None or i in chosen]
        exported = {p.get("id"): staff_lines(p).get(1, ("G", []))[1]
                    for p in read_score(out).iter("part")}
        # The treble staff comes out as P1, the bass staff as P2.
        expected = {"P1": [], "P2": []}
        for part in original:
            for staff, (sign, line) in sorted(staff_lines(part).items()):
                expected["P2" if sign == "F" else "P1"].extend(line)
        for part_id, line in expected.items():
            want = sounding(line)
            got = sounding(exported.get(part_id, []))
            if not want:
                continue
            checked += 1
            if want != got:
                failures.append(f"{entry} ({part_id}): {differences(want, got)}")
    return report(failures, f"{checked} parts imported and exported, {len(failures)} differ")


def main():
    if len(sys.argv) < 4 or sys.argv[1] not in ("export-import", "import-export"):
        sys.exit(__doc__)
    if shutil.which("midicsv") is None:
        print("midicsv is not installed")
        return 77
    mode, cli, work, scores = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    os.makedirs(work, exist_ok=True)
    if mode == "export-import":
        return check_export_import(cli, work, scores)
    return check_import_export(cli, work, scores)


if __name__ == "__main__":
    sys.exit(main())
