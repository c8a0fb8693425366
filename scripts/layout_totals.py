#!/usr/bin/env python3
"""Adds up formlayout's summary lines over many forms.

    layout_totals.py SUMMARIES

SUMMARIES holds one form per line: a label, a tab, and the summary line that
formlayout.py printed for it. Prints one line with the sum of every count,
the menu items of the forms and of the windows, how many forms have their
caption and their client size right, and the share of controls that are
present or painted. Exit code 1 when a line is not a summary line: a total
that silently skips a count would mislead.
"""

import sys

# Words that take a word, not a number; the totals count the forms that say "ok".
VERDICTS = ("caption", "client-size", "described")
# The resolution a form ran at is a setting, not a count: the totals name the
# resolutions the forms ran at instead of adding them up.
SETTINGS = ("dpi",)


class SummaryError(Exception):
    pass


def parse_summary(line):
    """Returns (counts, verdicts, menu) of one summary line, in its order."""
    words = line.split()
    counts, verdicts, menu = {}, {}, None
    i = 0
    while i < len(words):
        key = words[i]
        if key == "menu-items":
            if len(words) < i + 5 or words[i + 1:i + 5:2] != ["form", "window"]:
                raise SummaryError("menu-items without 'form N window M'")
            menu = (_number(words[i + 2]), words[i + 4])
            i += 5
            continue
        if i + 1 >= len(words):
            raise SummaryError("'%s' has no value" % key)
        value = words[i + 1]
        if key in SETTINGS:
            _number(value)
            verdicts[key] = value
        elif key in VERDICTS:
            verdicts[key] = value
        else:
            counts[key] = _number(value)
        i += 2
    if "controls" not in counts or menu is None:
        raise SummaryError("no controls or menu-items count")
    return counts, verdicts, menu


def _number(word):
    if not word.isdigit():
        raise SummaryError("'%s' is not a count" % word)
    return int(word)


def totals(lines):
    """The total line over summary lines ("LABEL<TAB>SUMMARY")."""
    counts, forms, ok = {}, 0, {"caption": 0, "client-size": 0}
    menu_form, menu_window, menu_unknown, outside = 0, 0, 0, 0
    resolutions = []
    for line in lines:
        label, _, summary = line.rstrip("\r\n").partition("\t")
        try:
            c, v, (m_form, m_window) = parse_summary(summary)
        except SummaryError as e:
            raise SummaryError("%s: %s" % (label, e))
        forms += 1
        for key, n in c.items():
            counts[key] = counts.get(key, 0) + n
        for key in ok:
            ok[key] += v.get(key) == "ok"
        outside += v.get("described", "inside") != "inside"
        if "dpi" in v and v["dpi"] not in resolutions:
            resolutions.append(v["dpi"])
        menu_form += m_form
        if m_window.isdigit():
            menu_window += int(m_window)
        else:
            menu_unknown += 1
    words = ["forms", str(forms)]
    for key, n in counts.items():
        words += [key, str(n)]
    if resolutions:
        words += ["dpi", ",".join(sorted(resolutions, key=int))]
    words += ["menu-items", "form", str(menu_form), "window", str(menu_window)]
    if menu_unknown:
        words.append("(%d unknown)" % menu_unknown)
    words += ["caption-ok", str(ok["caption"]), "client-size-ok", str(ok["client-size"])]
    if outside:
        words += ["described-outside", str(outside)]
    shown = counts.get("present", 0) + counts.get("painted", 0)
    controls = counts.get("controls", 0)
    words += ["present-or-painted",
              "%.1f%%" % (100.0 * shown / controls) if controls else "-"]
    return " ".join(words)


def main(argv):
    if len(argv) != 2:
        print("usage: layout_totals.py SUMMARIES", file=sys.stderr)
        return 1
    try:
        with open(argv[1], encoding="utf-8", errors="replace") as f:
            print(totals(line for line in f if line.strip()))
    except (OSError, SummaryError) as e:
        print("layout_totals: %s" % e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
