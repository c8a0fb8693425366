#!/usr/bin/env bash
# Makes the .tar.gz package of a build, unpacks it into a fresh prefix as a
# user would install it, and runs the installed tool on the example installed
# beside its README: the program and the console report must be the golden
# ones. The manual page and the README must be where man and users look, and
# every file the installed documents link to must be there. Where lintian is
# installed, the .deb must pass it without an error or a warning.
#
#   tests/scripts/package_check.sh CPACK BUILD_FOLDER
#
# Exit codes: 0 the installed tool works, 1 something is missing or differs.
set -u -o pipefail

cpack=${1:?usage: package_check.sh CPACK BUILD_FOLDER}
build=${2:?usage: package_check.sh CPACK BUILD_FOLDER}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/vornic-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

if ! "$cpack" --config "$build/CPackConfig.cmake" -G TGZ -B "$work/packages" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  fail "cpack could not make the .tar.gz"
fi
archives=("$work"/packages/vornic-*.tar.gz)
[ -f "${archives[0]}" ] || fail "no vornic-*.tar.gz in what cpack made"
prefix="$work/prefix"
mkdir "$prefix"
tar -xzf "${archives[0]}" -C "$prefix" --strip-components=1 || fail "cannot unpack ${archives[0]}"

for file in bin/vornic share/man/man1/vornic.1.gz share/doc/vornic/README.md \
            share/doc/vornic/changelog.gz share/doc/vornic/copyright \
            share/doc/vornic/examples/controls.txt; do
  [ -f "$prefix/$file" ] || fail "the package has no $file"
done
[ -x "$prefix/bin/vornic" ] || fail "bin/vornic is not executable"
gzip -t "$prefix/share/man/man1/vornic.1.gz" || fail "the manual page is not gzip-compressed"

# Relative links of the installed Markdown files ([text](target), without an
# anchor), resolved from each file's own folder.
docs="$prefix/share/doc/vornic"
while IFS= read -r document; do
  while IFS= read -r target; do
    target=${target%%#*}
    [ -z "$target" ] && continue
    [ -e "$(dirname "$document")/$target" ] ||
      fail "${document#"$docs"/} links to $target, which is not installed"
  done < <(grep -o '](\([^)]*\))' "$document" | sed 's/^](//; s/)$//' | grep -v '^[a-z]*:')
done < <(find "$docs" -name '*.md')

mkdir "$work/run"
cp "$prefix/share/doc/vornic/examples/controls.txt" "$work/run/"
(cd "$work/run" && "$prefix/bin/vornic" controls.txt >console 2>&1) ||
  fail "the installed tool failed: $(tail -n 1 "$work/run/console")"
cmp -s "$work/run/console" "$root/tests/golden/controls.console" ||
  fail "the installed tool's report differs from tests/golden/controls.console"
cmp -s "$work/run/controls.dpr" "$root/tests/golden/controls.dpr" ||
  fail "the installed tool's program differs from tests/golden/controls.dpr"
[ -f "$work/run/controls.dfm" ] || fail "the installed tool wrote no controls.dfm"
echo "installed from $(basename "${archives[0]}"): examples/controls.txt translates as expected"

if command -v lintian >/dev/null; then
  if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack could not make the .deb"
  fi
  debs=("$work"/deb/vornic_*.deb)
  [ -f "${debs[0]}" ] || fail "no vornic_*.deb in what cpack made"
  # lintian notes that it runs as root on stderr; its findings go to stdout.
  findings=$(lintian --fail-on error,warning "${debs[0]}" 2>/dev/null) ||
    fail "lintian finds errors or warnings in $(basename "${debs[0]}"):"$'\n'"$findings"
  echo "lintian: $(basename "${debs[0]}") has no errors or warnings"
else
  echo "lintian not installed: the .deb is not checked"
fi
