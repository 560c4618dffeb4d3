#!/usr/bin/env python3
"""Checks the program's .ts files: each is complete for the sources as they stand (lupdate,
run on a copy, finds no text untranslated, unfinished, vanished or obsolete), and each
translation keeps its source's accelerator (&) and placeholders (%1, %L1, %n).

Usage: check_translations.py --lupdate LUPDATE --sources ROOT --folder F [--folder F...] TS_FILE...
Exit status 0 when all is well; otherwise each fault is printed and the status is 1."""

import argparse
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")


def accelerators(text):
    """The characters that follow a single '&' ('&&' is a literal ampersand)."""
    keys = []
    i = 0
    while i < len(text):
        if text[i] == "&":
            if i + 1 < len(text) and text[i + 1] == "&":
                i += 2
                continue
            if i + 1 < len(text) and not text[i + 1].isspace():
                keys.append(text[i + 1])
        i += 1
    return keys


def translations_of(message):
    translation = message.find("translation")
    forms = translation.findall("numerusform")
    texts = [form.text or "" for form in forms] if forms else [translation.text or ""]
    return translation, texts


def check_file(ts_path, lupdate, sources, folders):
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        copy = Path(scratch) / Path(ts_path).name
        shutil.copyfile(ts_path, copy)
        # What the sources say today, merged into the copy: new texts come in unfinished,
        # texts no longer in the sources are marked vanished.
        run = subprocess.run(
            [lupdate, "-locations", "none", "-silent", *[str(Path(sources) / f) for f in folders],
             "-ts", str(copy)],
            capture_output=True, text=True)
        if run.returncode != 0:
            return [f"{ts_path}: lupdate failed: {run.stderr.strip()}"]
        root = ElementTree.parse(copy).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{Path(ts_path).name}: [{name}] {source!r}"
            translation, texts = translations_of(message)
            kind = translation.get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                faults.append(f"{where}: {kind}")
                continue
            for text in texts:
                if not text.strip():
                    faults.append(f"{where}: empty translation")
                    continue
                if len(accelerators(source)) != len(accelerators(text)):
                    faults.append(f"{where}: the accelerator of the source is not kept in {text!r}")
                if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                    faults.append(f"{where}: the placeholders differ in {text!r}")
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("--folder", dest="folders", action="append", required=True)
    parser.add_argument("ts_files", nargs="+")
    args = parser.parse_args()
    faults = []
    for ts_path in args.ts_files:
        faults += check_file(ts_path, args.lupdate, args.sources, args.folders)
    for fault in faults:
        print(fault)
    print(f"{len(faults)} fault(s) in {len(args.ts_files)} translation file(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
