#!/usr/bin/env bash
# The manual page as man shows it says what "vornic --help" says: from
# SYNOPSIS up to SEE ALSO their words are the same, in the same order. The
# page must also render without a warning from groff.
#
#   tests/scripts/manual_check.sh VORNIC PAGE
#
# Exit codes: 0 the same, 1 they differ or groff warns, 77 skipped (no groff).
set -u -o pipefail

vornic=${1:?usage: manual_check.sh VORNIC PAGE}
page=${2:?usage: manual_check.sh VORNIC PAGE}
if ! command -v groff >/dev/null; then
  echo "SKIPPED: manual check: groff not found"
  exit 77
fi

warnings=$(groff -man -ww -z "$page" 2>&1)
if [ -n "$warnings" ]; then
  echo "FAIL: groff warns about $page:"
  echo "$warnings"
  exit 1
fi

words() { tr -s ' \t' '\n\n' | sed '/^$/d'; }
work=$(mktemp -d "${TMPDIR:-/tmp}/vornic-manual.XXXXXX")
trap 'rm -rf "$work"' EXIT
# One output line per paragraph (a line length of 5000), so nothing is
# broken or hyphenated; overstriking off, so bold and italic are plain text.
groff -man -Tascii -P-cbou -rLL=5000n "$page" |
  sed -n '/^SYNOPSIS$/,/^SEE ALSO$/p' | sed '$d' | words >"$work/manual"
# The help's first four lines are the usage text, which the page has not.
"$vornic" --help | tail -n +5 | words >"$work/help"
if ! diff -u "$work/manual" "$work/help" >"$work/diff"; then
  echo "FAIL: the manual page and --help differ (- page, + help):"
  grep '^[-+][^-+]' "$work/diff" | head -n 20
  exit 1
fi
echo "manual page and --help agree ($(wc -l <"$work/help") words)"
