#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The kelvad authors
#
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the Debian package's copyright file says what the sources say.

The sources carry their licence the REUSE way (an SPDX header in each file, or a FILE.license beside it, and the
texts in LICENSES/); the package carries packaging/copyright, in Debian's machine-readable format. Both are
written by hand, so this keeps them in step: every file that `reuse spdx` reports falls under the paragraph of
the copyright file that Debian's rules pick for it (the last one whose pattern matches), with the same licence
and the same copyright; no paragraph is left that picks no file; every licence named there has its text in
LICENSES/ and its own paragraph, and every text in LICENSES/ is named. The AppStream file names the licence of
the whole (the paragraph "Files: *") and of itself.
    check-copyright.py SOURCE_DIR
Exits 77, with a line "SKIP: reason", when reuse is missing or the sources are not a git checkout (without git,
reuse would read the build folders as sources too).
"""
import fnmatch
import pathlib
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

METAINFO = "packaging/jp.kelvad.Kelvad.metainfo.xml"


def skip(reason):
    print(f"SKIP: {reason}")
    sys.exit(77)


def paragraphs(text):
    """The copyright file's paragraphs as dicts of field name to value; continuation lines keep their newline."""
    result = []
    for block in re.split(r"\n\s*\n", text.strip()):
        fields = {}
        name = None
        for line in block.splitlines():
            if line[:1] in (" ", "\t") and name is not None:
                fields[name] += "\n" + line.strip()
            else:
                name, _, value = line.partition(":")
                fields[name] = value.strip()
        result.append(fields)
    return result


def reuse_files(root):
    """{path: (licences, copyright lines)} for every file that reuse covers, from its SPDX document."""
    document = subprocess.run(["reuse", "--root", str(root), "spdx"], check=True, capture_output=True,
                              text=True).stdout
    files = {}
    for block in re.split(r"\n(?=FileName: )", document)[1:]:
        path = re.match(r"FileName: (?:\./)?(.*)", block).group(1)
        licences = set(re.findall(r"^LicenseInfoInFile: (.*)$", block, re.MULTILINE))
        texts = re.search(r"^FileCopyrightText: <text>(.*?)</text>", block, re.MULTILINE | re.DOTALL)
        lines = texts.group(1).splitlines() if texts else []
        copyrights = {re.sub(r"^SPDX-FileCopyrightText:\s*", "", line).strip() for line in lines if line.strip()}
        files[path] = (licences, copyrights)
    return files


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    if shutil.which("reuse") is None:
        skip("reuse is not installed (Debian package reuse; scripts/setup --test installs it)")
    if shutil.which("git") is None or subprocess.run(
            ["git", "-C", str(root), "rev-parse", "--is-inside-work-tree"], capture_output=True).returncode != 0:
        skip(f"{root} is not a git checkout, or git is missing: reuse could not tell sources from build files")

    errors = []
    copyright_file = root / "packaging" / "copyright"
    stanzas = paragraphs(copyright_file.read_text(encoding="utf-8"))
    header, rest = stanzas[0], stanzas[1:]
    if not header.get("Format", "").startswith("https://www.debian.org/doc/packaging-manuals/copyright-format/1.0"):
        errors.append("the first paragraph of packaging/copyright does not name the format 1.0")
    file_stanzas = [s for s in rest if "Files" in s]
    licence_texts = {s["License"].split("\n")[0]: s["License"] for s in rest if "Files" not in s}

    files = reuse_files(root)
    if not files:
        errors.append("reuse reported no file")
    used = [0] * len(file_stanzas)
    for path, (licences, copyrights) in sorted(files.items()):
        chosen = None
        for index, stanza in enumerate(file_stanzas):
            if any(fnmatch.fnmatchcase(path, pattern) for pattern in stanza["Files"].split()):
                chosen = index
        if chosen is None:
            errors.append(f"{path}: no paragraph of packaging/copyright covers it")
            continue
        used[chosen] += 1
        stanza = file_stanzas[chosen]
        licence = stanza["License"].split("\n")[0]
        if licences != {licence}:
            errors.append(f"{path}: reuse reads {sorted(licences) or 'no licence'}, packaging/copyright says {licence}"
                          f" (Files: {stanza['Files']})")
        stated = {line.strip() for line in stanza["Copyright"].splitlines() if line.strip()}
        if copyrights != stated:
            errors.append(f"{path}: reuse reads the copyright {sorted(copyrights) or 'of no one'}, packaging/copyright"
                          f" says {sorted(stated)}")
    for stanza, count in zip(file_stanzas, used):
        if count == 0:
            errors.append(f"packaging/copyright: the paragraph 'Files: {stanza['Files']}' covers no file")

    named = {s["License"].split("\n")[0] for s in file_stanzas}
    shipped = {p.stem for p in (root / "LICENSES").glob("*.txt")}
    for licence in sorted(named - shipped):
        errors.append(f"packaging/copyright names {licence}, which has no text in LICENSES/")
    for licence in sorted(shipped - named):
        errors.append(f"LICENSES/{licence}.txt is named by no paragraph of packaging/copyright")
    for licence in sorted(named):
        if "\n" not in licence_texts.get(licence, ""):
            errors.append(f"packaging/copyright: the licence {licence} has no paragraph of its own with its text")

    metainfo = ElementTree.parse(root / METAINFO).getroot()
    whole = [s["License"].split("\n")[0] for s in file_stanzas if s["Files"].split() == ["*"]]
    if metainfo.findtext("project_license") not in whole:
        errors.append(f"{METAINFO}: project_license {metainfo.findtext('project_license')} is not the licence of"
                      f" 'Files: *' ({whole or 'no such paragraph'})")
    if metainfo.findtext("metadata_license") not in files.get(METAINFO, (set(), set()))[0]:
        errors.append(f"{METAINFO}: metadata_license {metainfo.findtext('metadata_license')} is not the licence"
                      " of the file itself")

    for error in errors:
        print(error)
    if errors:
        return 1
    print(f"packaging/copyright agrees with reuse on {len(files)} files and {len(named)} licences")
    return 0


if __name__ == "__main__":
    sys.exit(main())
