#!/usr/bin/env python3
"""The translations' own checks, and the pseudo-language the window tests play in.

  translations.py check RESOURCES     every .ts complete and sound, every help page a true copy
  translations.py pseudo TS OUT.ts    every text of TS longer by half and accented, for the tests

A check failing prints one line per fault and exits 1.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:n|L?[1-9])")
HREF = re.compile(r'href="([^"]*)"')


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def forms(message):
    """The translated forms of a message: one, or one per plural form."""
    translation = message.find("translation")
    if message.get("numerus") == "yes":
        return translation, [f.text or "" for f in translation.iter("numerusform")]
    return translation, [translation.text or ""]


def check_ts(path):
    faults = []
    tree = ET.parse(path)
    for context, message in messages(tree):
        source = message.findtext("source")
        translation, texts = forms(message)
        where = f"{path.name}: {context}: {source!r}"
        if translation.get("type") in ("unfinished", "vanished", "obsolete"):
            faults.append(f"{where}: {translation.get('type')}")
            continue
        for text in texts:
            if not text.strip():
                faults.append(f"{where}: empty")
            elif source == "QT_LAYOUT_DIRECTION":
                if text not in ("LTR", "RTL"):
                    faults.append(f"{where}: neither LTR nor RTL")
            elif sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
                # A plural may leave the number out of its "one" form only where the words say it.
                if not (message.get("numerus") == "yes" and "%n" not in text and len(texts) > 1):
                    faults.append(f"{where}: placeholders {PLACEHOLDER.findall(text)}")
            if "&" in source.replace("&&", "") and text.replace("&&", "").count("&") != 1:
                faults.append(f"{where}: no single '&' shortcut in {text!r}")
            if source.startswith("\n") != text.startswith("\n"):
                faults.append(f"{where}: the leading line break")
    return faults


def check_help(resources):
    faults = []
    english = resources / "help"
    for folder in sorted(p for p in english.iterdir() if p.is_dir()):
        for page in sorted(folder.glob("*.html")):
            original = english / page.name
            if not original.exists():
                faults.append(f"help/{folder.name}/{page.name}: no English page of that name")
                continue
            text = page.read_text(encoding="utf-8")
            if HREF.findall(text) != HREF.findall(original.read_text(encoding="utf-8")):
                faults.append(f"help/{folder.name}/{page.name}: links differ from the English page's")
            lang = folder.name.replace("_", "-")
            if f'<html lang="{lang}"' not in text:
                faults.append(f"help/{folder.name}/{page.name}: no <html lang=\"{lang}\">")
    return faults


def accented(text):
    table = str.maketrans("aeiouyAEIOUYcnsz", "àéîõüýÀÉÎÕÜÝçñšž")
    return text.translate(table)


def pseudo(source):
    """The source accented and half as long again, its placeholders, shortcuts and line breaks kept."""
    if source == "QT_LAYOUT_DIRECTION":
        return "LTR"
    lines = []
    for line in source.split("\n"):
        if not line.strip():
            lines.append(line)
            continue
        parts = re.split(r"(%(?:n|[1-9])|&.)", line)
        body = "".join(p if re.fullmatch(r"%(?:n|[1-9])|&.", p) else accented(p) for p in parts)
        padding = "~" * max(1, len(line) // 2)
        lines.append(f"[{body}{padding}]")
    return "\n".join(lines)


def make_pseudo(template, out):
    tree = ET.parse(template)
    tree.getroot().set("language", "eo")
    for _, message in messages(tree):
        source = message.findtext("source")
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            for form in translation.iter("numerusform"):
                form.text = pseudo(source)
        else:
            translation.text = pseudo(source)
    tree.write(out, encoding="utf-8", xml_declaration=True)


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "check":
        resources = pathlib.Path(sys.argv[2])
        faults = []
        for ts in sorted((resources / "translations").glob("*.ts")):
            faults += check_ts(ts)
        faults += check_help(resources)
        for fault in faults:
            print(fault)
        return 1 if faults else 0
    if len(sys.argv) == 4 and sys.argv[1] == "pseudo":
        make_pseudo(sys.argv[2], sys.argv[3])
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
