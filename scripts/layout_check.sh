#!/usr/bin/env bash
# Translates every bundled example and every public corpus form (or only the
# corpus forms a sample file names, or the forms of the corpus's projects),
# records each generated program's live window under Wine (wincheck probe)
# and compares it with its form (formlayout.py): one summary line per form,
# then the totals.
#
#   scripts/layout_check.sh [--sample FILE | --projects] [--resize SIZE] VORNIC [OPTION ...]
#
# A sample file names one corpus form a line, by its path under the corpus,
# followed by the reason it is in the sample; "#" starts a comment. The
# options after VORNIC go to the tool before the form file (for example
# --extended). With --projects every form under the corpus's projects/ is
# translated where it lies among its project's files (in a copy), so that
# its ancestors and frames are found, and compared with the form merged
# with them (--merged): a control of an ancestor or frame that the window
# lacks counts as missing.
# --resize SIZE also measures each window once resized: SIZE is an outer size
# WxH, or +WxH / -WxH to grow or shrink the form's own window by that much;
# formlayout then counts the controls that Align and Anchors should have
# moved (relaid-expected) and those that stayed (not-relaid).
# Forms, programs and probe files stay for inspection in layout_check/MODE
# beside VORNIC when that is a build tree (MODE is "exact" without options),
# else in a temporary folder that is removed at the end. VORNIC_WINCHECK,
# VORNIC_FORMLAYOUT and VORNIC_CORPUS name other tools or another corpus.
#
# Exit codes: 0 every form was translated, compiled and probed; 1 one was
# not; 77 skipped because the Wine toolchain
# cannot be set up on this machine.
set -u -o pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: layout_check.sh [--sample FILE | --projects] [--resize SIZE] VORNIC [OPTION ...]"
sample="" projects="" resize=""
while :; do
  case "${1:-}" in
    --sample) sample=${2:?$usage}; shift 2 ;;
    --projects) projects=yes; shift ;;
    --resize) resize=${2:?$usage}; shift 2 ;;
    *) break ;;
  esac
done
case "$resize" in
  "" | [0-9]*x[0-9]* | [+-][0-9]*x[0-9]*) ;;
  *) echo "$usage"; exit 1 ;;
esac
vornic=$(readlink -f "${1:?$usage}")
shift
options=("$@")
wincheck=${VORNIC_WINCHECK:-$root/../shared/tools/wincheck}
formlayout=${VORNIC_FORMLAYOUT:-$(dirname "$wincheck")/formlayout.py}
corpus=${VORNIC_CORPUS:-$root/../shared/corpus}

# The smallest screen that holds the form's window where the form puts it:
# Wine narrows a window to the screen, which would clip the client area, and
# a window wholly off the screen counts as not shown. Reads the form's own
# position and size (before its first component), allowing for the frame
# and a menu bar. With a second argument "+WxH" the window grows by that
# much first.
screen_for() {
  LC_ALL=C awk -v grow="${2:-}" '
    NR > 1 && /^ *(object|inherited|inline) / { exit }
    /^  (Left|Top|Width|Height|ClientWidth|ClientHeight) = -?[0-9]+/ { v[$1] = $3 + 0 }
    END {
      w = v["Width"]; if (v["ClientWidth"] + 8 > w) w = v["ClientWidth"] + 8
      h = v["Height"]; if (v["ClientHeight"] + 46 > h) h = v["ClientHeight"] + 46
      if (grow ~ /^\+/) { split(substr(grow, 2), g, "x"); w += g[1]; h += g[2] }
      if (v["Left"] > 0) w += v["Left"]
      if (v["Top"] > 0) h += v["Top"]
      split("1024x768 1280x1024 1920x1200 2560x1600", screens, " ")
      for (i = 1; i <= 4; i++) {
        split(screens[i], s, "x")
        if (w <= s[1] && h <= s[2]) { print screens[i]; exit }
      }
      printf "%dx%d\n", w, h
    }' "$1"
}

# The outer size the resized probe gives the form's window: SIZE itself, or
# the form's window size (as screen_for reads it) grown or shrunk by SIZE.
resized_size() {
  case "$resize" in
    [+-]*) LC_ALL=C awk -v change="$resize" '
      NR > 1 && /^ *(object|inherited|inline) / { exit }
      /^  (Width|Height|ClientWidth|ClientHeight) = -?[0-9]+/ { v[$1] = $3 + 0 }
      END {
        w = v["Width"]; if (v["ClientWidth"] + 8 > w) w = v["ClientWidth"] + 8
        h = v["Height"]; if (v["ClientHeight"] + 46 > h) h = v["ClientHeight"] + 46
        split(substr(change, 2), c, "x"); sign = substr(change, 1, 1) == "-" ? -1 : 1
        w += sign * c[1]; h += sign * c[2]
        if (w < 120) w = 120; if (h < 80) h = 80
        printf "%dx%d\n", w, h
      }' "$1" ;;
    *) echo "$resize" ;;
  esac
}

if [ ! -x "$wincheck" ]; then
  echo "SKIPPED: layout check: $wincheck not found"
  exit 77
fi
if [ ! -f "$formlayout" ] || ! command -v python3 >/dev/null; then
  echo "SKIPPED: layout check: $formlayout or python3 not found"
  exit 77
fi
if ! setup_log=$("$wincheck" setup 2>&1); then
  echo "SKIPPED: layout check: wincheck setup cannot run on this machine: $(tail -n 1 <<<"$setup_log")"
  exit 77
fi

forms=("$root"/examples/*.txt)
missing=()
if [ -n "$projects" ]; then
  forms=()
  [ -d "$corpus/projects" ] || { echo "SKIPPED: layout check: no $corpus/projects"; exit 77; }
  while IFS= read -r form; do forms+=("$form"); done < <(find "$corpus/projects" -iname '*.dfm' | LC_ALL=C sort)
elif [ -z "$sample" ]; then
  [ -d "$corpus/text" ] && forms+=("$corpus"/text/*.dfm)
  [ -d "$corpus/binary" ] && forms+=("$corpus"/binary/*.dfm)
elif [ -d "$corpus" ]; then
  # A sample form that left the corpus fails the check, so that the sample
  # cannot shrink unnoticed.
  while read -r path _; do
    case "$path" in "" | "#"*) continue ;; esac
    if [ -f "$corpus/$path" ]; then forms+=("$corpus/$path"); else missing+=("$path"); fi
  done <"$sample" || { echo "layout check: cannot read the sample $sample"; exit 1; }
fi

mode=exact
[ ${#options[@]} -gt 0 ] && mode=$(printf '%s' "${options[*]}" | tr -c 'A-Za-z0-9=' '_' | sed 's/^_*//')
mode=${mode:-options}
[ -n "$projects" ] && mode="projects_$mode"
[ -n "$resize" ] && mode="${mode}_resize_$(printf '%s' "$resize" | tr -c 'A-Za-z0-9' '_')"
if [ -f "$(dirname "$vornic")/CMakeCache.txt" ]; then
  work="$(dirname "$vornic")/layout_check/$mode"
  rm -rf "$work"
  mkdir -p "$work"
else
  work=$(mktemp -d "${TMPDIR:-/tmp}/vornic-layout.XXXXXX")
  trap 'rm -rf "$work"' EXIT
fi
summaries="$work/summaries.tsv"
: >"$summaries"
echo "layout check: ${#forms[@]} forms${sample:+ (the examples and the sample $sample)}, translation: $mode${resize:+, resized by $resize}, files in $work"
# Each project's form is translated in its place among the project's files,
# in a copy, as the tool writes beside what it reads.
[ -n "$projects" ] && cp -r "$corpus/projects" "$work/projects"

measured=0 index=0
unmeasured=()
for path in ${missing[@]+"${missing[@]}"}; do
  unmeasured+=("sample: $path is not in $corpus")
done
crashed_once=()
fail() {
  echo "FAIL $1: $label${2:+: $2}"
  unmeasured+=("$1: $label")
}

for form in "${forms[@]}"; do
  index=$((index + 1))
  case "$form" in
    "$root"/examples/*) label="examples/${form##*/}" ;;
    "$corpus"/*) label="${form#"$corpus"/}" ;;
    *) label=$form ;;
  esac
  # The tool tells the encodings apart by extension, and form text often
  # carries a .dfm name; a binary form file starts with the byte 0xFF. The
  # program name must be an identifier. Both conversions write beside the
  # input, so the input is a copy.
  if [ "$(head -c 1 "$form" | od -An -tx1 | tr -d ' \n')" = ff ]; then ext=dfm; else ext=txt; fi
  dir="$work/$index" base="form$index"
  mkdir -p "$dir"
  if [ -n "$projects" ]; then
    # The form merged with its ancestors and frames is what the window is
    # compared with.
    translate=("$vornic" "${options[@]}" --merged "$base.txt" "$work/projects/${form#"$corpus/projects/"}" "$base.dpr")
  else
    cp "$form" "$dir/$base.$ext"
    translate=("$vornic" "${options[@]}" "$base.$ext")
  fi
  if ! (cd "$dir" && "${translate[@]}" >translate.log 2>&1) ||
     grep -q '^\[Error\]' "$dir/translate.log"; then
    fail refused "$(tail -n 1 "$dir/translate.log")"
    continue
  fi

  screen=$(screen_for "$dir/$base.txt" "$resize")
  resize_options=()
  [ -n "$resize" ] && resize_options=(--resize "$(resized_size "$dir/$base.txt")")
  for attempt in 1 2; do
    "$wincheck" probe "$dir/$base.dpr" --screen "$screen" ${resize_options[@]+"${resize_options[@]}"} \
      >"$dir/probe.log" 2>&1
    status=$?
    # A window that did not appear in time is once in a while a slow start;
    # one that the probe found hidden stays hidden. Under load Wine now and
    # then faults inside its own libraries in a program that runs cleanly
    # when started again: such a form is measured on its second run, and
    # named below, so that a crash that comes back still fails the check.
    if [ "$status" -eq 4 ] && [ "$attempt" -eq 1 ]; then
      cp "$dir/probe.log" "$dir/probe.first.log"
      crashed_once+=("$label")
      continue
    fi
    if [ "$status" -ne 5 ] || grep -q '^window' "$dir/$base.probe.tsv" 2>/dev/null; then
      break
    fi
  done
  rm -f "$dir/$base.exe"
  if [ "$status" -eq 3 ]; then
    fail "compile" "$(grep -a -m 1 -E 'Error|Fatal' "$dir/probe.log")"
    continue
  elif [ "$status" -ne 0 ]; then
    fail "probe (exit $status)" "$(grep -a 'error:' "$dir/probe.log" | tail -n 1)"
    continue
  fi

  # formlayout reads no suffix on a float (1.5s, 34700d: single, currency,
  # date); such values never place a control, so the copy it reads drops it.
  LC_ALL=C sed -E 's/^( *[A-Za-z_][A-Za-z0-9_.]* = -?[0-9][0-9.eE+-]*)[cCdDsS](\r?)$/\1\2/' \
    "$dir/$base.txt" >"$dir/$base.compare.txt"
  resized_options=()
  [ -n "$resize" ] && resized_options=(--resized "$dir/$base.probe.resized.tsv")
  if ! summary=$(python3 "$formlayout" "$dir/$base.compare.txt" "$dir/$base.probe.tsv" \
                   --dpr "$dir/$base.dpr" ${resized_options[@]+"${resized_options[@]}"} \
                   2>"$dir/formlayout.log" | tail -n 1) || [ -z "$summary" ]; then
    fail compare "$(tail -n 1 "$dir/formlayout.log")"
    continue
  fi
  echo "$label: $summary"
  printf '%s\t%s\n' "$label" "$summary" >>"$summaries"
  measured=$((measured + 1))
done

if totals=$(python3 "$root/scripts/layout_totals.py" "$summaries"); then
  echo "total: $totals"
else
  unmeasured+=("totals: the summary lines could not be added up")
fi
echo "layout check: $measured forms measured, ${#unmeasured[@]} not measured, in $SECONDS s"
for line in "${unmeasured[@]}"; do
  echo "  not measured: $line"
done
for line in "${crashed_once[@]}"; do
  echo "  crashed once, measured when run again: $line (see probe.first.log)"
done
[ ${#unmeasured[@]} -eq 0 ]
