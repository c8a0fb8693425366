# What the checks share that run an example's extended program under Wine
# and look at its window. Sourced by them after `set -u -o pipefail`:
#
#   . "$(dirname "$0")/example_check.sh"
#   start_example_check NAME "${1:-}" EXAMPLE [FILE ...]
#
# start_example_check: sets root, vornic, wincheck and work (a temporary
# folder, kept when KEEP is set); skips the check (exit 77) where the Wine
# toolchain cannot be set up; copies the example and the other files from
# examples/ into work and translates the example there with --extended
# (exit 1 when that fails). NAME is the check's name in its messages.
#
# window_step WHAT LOG COMMAND ...: runs COMMAND (a wincheck run or probe)
# with its output in LOG, once more when its window did not appear in time
# (exit 5: once in a while a slow start). When it fails it prints
# "FAIL WHAT (exit N)" and the end of LOG. Returns COMMAND's exit status.

start_example_check() {
  local name=$1 example=$3 file
  root=$(cd "$(dirname "$0")/.." && pwd)
  vornic=$(readlink -f "${2:?usage: ${name}_check.sh VORNIC}")
  wincheck=${VORNIC_WINCHECK:-$root/../shared/tools/wincheck}
  if [ ! -x "$wincheck" ] || ! "$wincheck" setup >/dev/null 2>&1; then
    echo "SKIPPED: $name check: wincheck setup cannot run on this machine"
    exit 77
  fi
  work=$(mktemp -d "${TMPDIR:-/tmp}/vornic-$name.XXXXXX")
  trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
  shift 2
  for file in "$@"; do cp "$root/examples/$file" "$work/" || exit 1; done
  if ! (cd "$work" && "$vornic" --extended "$example" >translate.log 2>&1); then
    echo "FAIL translate: $(tail -n 1 "$work/translate.log")"
    exit 1
  fi
}

window_step() {
  local what=$1 log=$2 status=1
  shift 2
  for _ in 1 2; do
    "$@" >"$log" 2>&1
    status=$?
    [ "$status" -ne 5 ] && break
  done
  if [ "$status" -ne 0 ]; then
    echo "FAIL $what (exit $status)"
    tail -n 5 "$log" | sed 's/^/    /'
  fi
  return "$status"
}
