#!/usr/bin/env bash
# Runs a check script and passes on its output and exit code; when the check
# skips itself (exit 77), its "SKIPPED: " line goes, as one file, into the
# folder that VORNIC_SKIP_LOG names, for the test run's summary of skips.
#
#   tests/scripts/record_skip.sh CHECK [ARGUMENT ...]
set -u -o pipefail

output=$(mktemp "${TMPDIR:-/tmp}/vornic-check.XXXXXX")
trap 'rm -f "$output"' EXIT
"$@" | tee "$output"
status=${PIPESTATUS[0]}
if [ "$status" -eq 77 ] && [ -n "${VORNIC_SKIP_LOG:-}" ]; then
  reason=$(sed -n 's/^SKIPPED: //p' "$output" | tail -n 1)
  printf '%s\n' "${reason:-no reason given}" >"$(mktemp "$VORNIC_SKIP_LOG/check.XXXXXX")"
fi
exit "$status"
