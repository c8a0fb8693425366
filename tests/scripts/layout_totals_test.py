#!/usr/bin/env python3
"""The layout check's totals over formlayout summary lines."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from layout_totals import SummaryError, totals  # noqa: E402

DIALOG = ("dialog\tcontrols 10 present 6 painted 2 missing 1 misplaced 1 hidden-should-show 0"
          " shown-should-hide 2 clipped 1 system-font 7 font-differs 0 text-differs 1"
          " enabled-differs 0 approximate 0 extra-windows 1 menu-items form 4 window 4"
          " caption ok client-size ok\n")
# A probe made from outside: the menu could not be read; caption and size are off.
OUTSIDE = ("outside\tcontrols 5 present 1 painted 0 missing 4 misplaced 0 hidden-should-show 1"
           " shown-should-hide 0 clipped 0 system-font 0 font-differs 0 text-differs 0"
           " enabled-differs 1 approximate 3 extra-windows 0 menu-items form 7 window ?"
           " caption differs client-size +0x-19 described outside\n")


class LayoutTotalsTest(unittest.TestCase):
    def test_sums_counts_menus_verdicts_and_share(self):
        self.assertEqual(
            totals([DIALOG, OUTSIDE]),
            "forms 2 controls 15 present 7 painted 2 missing 5 misplaced 1"
            " hidden-should-show 1 shown-should-hide 2 clipped 1 system-font 7"
            " font-differs 0 text-differs 1 enabled-differs 1 approximate 3 extra-windows 1"
            " menu-items form 11 window 4 (1 unknown) caption-ok 1 client-size-ok 1"
            " described-outside 1 present-or-painted 60.0%")

    def test_no_controls_gives_no_share(self):
        empty = DIALOG.replace("controls 10 present 6 painted 2 missing 1 misplaced 1",
                               "controls 0 present 0 painted 0 missing 0 misplaced 0")
        self.assertTrue(totals([empty]).endswith("present-or-painted -"))
        self.assertEqual(totals([]), "forms 0 menu-items form 0 window 0 caption-ok 0"
                         " client-size-ok 0 present-or-painted -")

    def test_resolutions_are_named_not_added(self):
        at = lambda dpi: DIALOG.rstrip("\n") + " text-lost 0 dpi %d unscaled 0\n" % dpi
        self.assertIn(" text-lost 0 unscaled 0 dpi 96 menu-items ", totals([at(96), at(96)]))
        self.assertIn(" dpi 96,120 menu-items ", totals([at(120), at(96), DIALOG]))

    def test_a_line_that_is_not_a_summary_is_an_error(self):
        for bad in ("controls 10 present", "controls ten", "controls 1 menu-items form 2",
                    "present 1 menu-items form 0 window 0", "formlayout: no window",
                    "controls 1 menu-items form 0 window 0 dpi ?"):
            with self.subTest(bad=bad), self.assertRaisesRegex(SummaryError, "^broken: "):
                totals(["broken\t" + bad])


if __name__ == "__main__":
    unittest.main()
