#!/usr/bin/env python3
"""Checks noma-cli export against two independent readers.

  export_check.py schema CLI SCHEMA_FOLDER WORK SCORE...
      every export (treble, bass, both staves) validates against the MusicXML 4.0 schema.
  export_check.py musescore CLI MSCORE WORK SCORE...
      MuseScore opens every export and plays the keys of `noma-cli midi` with the same options,
      in the same order, at the same times and for as long, in quarter notes.

A SCORE is a .nmg file, or a MusicXML file (FILE@PARTS for some of its parts) that
`noma-cli import` lays out first: real scores nobody here wrote, exported again.

Exits 77 (skipped) when xmllint or MuseScore is not installed."""

import json
import os
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from fractions import Fraction

STAVES = ("treble", "bass", "both")


def run(*args, env=None):
    result = subprocess.run(args, capture_output=True, text=True, env=env)
    if result.returncode != 0:
        sys.exit(f"failed ({result.returncode}): {' '.join(args)}\n{result.stdout}{result.stderr}")
    return result.stdout


def imported(cli, work, score):
    """The score itself, or for MusicXML (FILE@PARTS) the score the import makes of it."""
    path, _, parts = score.partition("@")
    if path.endswith(".nmg"):
        return path
    name = os.path.splitext(os.path.basename(path))[0] + (f"-{parts}" if parts else "")
    nmg = os.path.join(work, name + ".nmg")
    run(cli, "import", path, *(("--parts", parts) if parts else ()), "-o", nmg)
    return nmg


def export_all(cli, work, scores):
    """Exports every score with every stave choice; returns (score, staves, file) triples."""
    os.makedirs(work, exist_ok=True)
    exports = []
    for score in (imported(cli, work, s) for s in scores):
        name = os.path.splitext(os.path.basename(score))[0]
        for staves in STAVES:
            out = os.path.join(work, f"{name}-{staves}.musicxml")
            run(cli, "export", score, "--staves", staves, "-o", out)
            exports.append((score, staves, out))
    return exports


def notes_by_channel(mid):
    """The notes of each channel: (onset, key, duration) in quarter notes, in order. Times are
    taken to the nearest 48th of a quarter, the export's finest step: MuseScore ends every note
    a tick early so that repeated keys do not overlap."""
    division = None
    open_notes = {}
    channels = {}
    for line in run("midicsv", mid).splitlines():
        fields = [f.strip() for f in line.split(",")]
        time, kind = int(fields[1]), fields[2]
        if kind == "Header":
            division = int(fields[5])
        elif kind in ("Note_on_c", "Note_off_c"):
            channel, key, velocity = int(fields[3]), int(fields[4]), int(fields[5])
            slot = (channel, key)
            if kind == "Note_on_c" and velocity > 0:
                open_notes.setdefault(slot, []).append(time)
            elif open_notes.get(slot):
                start = open_notes[slot].pop(0)
                channels.setdefault(channel, []).append((start, key, time - start))

    def quarters(ticks):
        return Fraction(round(Fraction(ticks * 48, division)), 48)

    return {channel: [(quarters(s), k, quarters(d)) for s, k, d in sorted(notes)]
            for channel, notes in channels.items()}


def written_staccatos(musicxml):
    """For each part, the written length in quarter notes of every sounding note that carries a
    staccato or staccatissimo, by the note's place among the part's sounding notes."""
    parts = []
    for part in ElementTree.parse(musicxml).getroot().iter("part"):
        divisions, sounding, staccatos = 1, -1, {}
        for element in part.iter():
            if element.tag == "divisions":
                divisions = int(element.text)
            if element.tag != "note" or element.find("rest") is not None:
                continue
            length = Fraction(int(element.find("duration").text), divisions)
            if any(t.get("type") == "stop" for t in element.findall("tie")):
                if sounding in staccatos:
                    staccatos[sounding] += length
                continue
            sounding += 1
            articulations = element.find("notations/articulations")
            if articulations is not None and len(articulations):
                staccatos[sounding] = length
        parts.append(staccatos)
    return parts


def first_difference(expected, actual):
    for i, (e, a) in enumerate(zip(expected, actual)):
        if e != a:
            return f"note {i}: noma-cli midi plays {show(e)}, MuseScore {show(a)}"
    return f"noma-cli midi plays {len(expected)} notes, MuseScore {len(actual)}"


def show(note):
    onset, key, duration = note
    return f"key {key} at quarter {onset} for {duration}"


def check_schema(cli, schema, work, scores):
    if shutil.which("xmllint") is None:
        print("xmllint is not installed")
        return 77
    if not os.path.isfile(os.path.join(schema, "musicxml.xsd")):
        print(f"no MusicXML schema in {schema}")
        return 77
    files = [out for _, _, out in export_all(cli, work, scores)]
    env = dict(os.environ, XML_CATALOG_FILES=os.path.join(schema, "catalog.xml"))
    run("xmllint", "--nonet", "--noout", "--schema", os.path.join(schema, "musicxml.xsd"),
        *files, env=env)
    print(f"{len(files)} exports validate")
    return 0


def check_musescore(cli, mscore, work, scores):
    if shutil.which(mscore) is None or shutil.which("midicsv") is None:
        print("MuseScore 3 or midicsv is not installed")
        return 77
    exports = export_all(cli, work, scores)
    # One MuseScore start for every file: its start-up is the slow part.
    job = [{"in": out, "out": out + ".mid"} for _, _, out in exports]
    job_file = os.path.join(work, "job.json")
    with open(job_file, "w") as f:
        json.dump(job, f)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    run(mscore, "-j", job_file, env=env)
    failures = []
    for score, staves, out in exports:
        parts = ("treble", "bass") if staves == "both" else (staves,)
        played = notes_by_channel(out + ".mid")
        staccatos = written_staccatos(out)
        for index, part in enumerate(parts):
            mid = os.path.join(work, f"{os.path.basename(score)}-{part}.mid")
            if not os.path.exists(mid):
                run(cli, "midi", score, "--staves", part, "-o", mid)
            expected = notes_by_channel(mid).get(0, [])
            actual = played.get(index, [])  # each part on a channel of its own
            # MuseScore 3 plays a staccato note for its whole written length, where the MIDI
            # export shortens it and rests: the written note must be as long as both.
            expected = [(s, k, staccatos[index].get(i, d)) for i, (s, k, d) in enumerate(expected)]
            if staves == "both":
                # Parts of different lengths are padded with rests; only the order is compared.
                expected = [(0, k, d) for _, k, d in expected]
                actual = [(0, k, d) for _, k, d in actual]
            if expected != actual:
                failures.append(f"{out} ({part}): {first_difference(expected, actual)}")
    return report(failures, f"{len(exports)} exports, {len(failures)} differ from noma-cli midi")


def report(failures, summary):
    """Prints each failure and the summary; the exit status for ctest."""
    for failure in failures:
        print(failure)
    print(summary)
    return 1 if failures else 0


def main():
    if len(sys.argv) < 6 or sys.argv[1] not in ("schema", "musescore"):
        sys.exit(__doc__)
    mode, cli, tool, work, scores = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:]
    if mode == "schema":
        return check_schema(cli, tool, work, scores)
    return check_musescore(cli, tool, work, scores)


if __name__ == "__main__":
    sys.exit(main())
