#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the result the way a
# desktop and a shell would use it: every file in its place, the desktop entry
# and the AppStream file valid and pointing at what is installed, the manual
# page rendering without warnings, the installed terminal program converting
# from a folder that is not the build folder.
#
#   check_install.sh BUILD_DIR PREFIX BINDIR DATADIR MANDIR APP_ID
set -euo pipefail
build=$1 prefix=$2 bindir=$3 datadir=$4 mandir=$5 app_id=$6

for tool in desktop-file-validate appstream-util man; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/build.sh test installs it)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR=$work/root cmake --install "$build" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
root=$work/root$prefix

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

desktop=$root/$datadir/applications/$app_id.desktop
metainfo=$root/$datadir/metainfo/$app_id.metainfo.xml
manpage=$root/$mandir/man1/tolvarin-cli.1
for file in "$root/$bindir/tolvarin" "$root/$bindir/tolvarin-cli" \
            "$root/$datadir/tolvarin/Tolvar.tvd" "$root/$datadir/tolvarin/User.tvd" \
            "$desktop" "$metainfo" "$manpage" \
            "$root/$datadir/icons/hicolor/scalable/apps/tolvarin.svg" \
            "$root/$datadir/bash-completion/completions/tolvarin-cli"; do
  [ -s "$file" ] || fail "not installed: ${file#"$root"/}"
done
for program in tolvarin tolvarin-cli; do
  [ -x "$root/$bindir/$program" ] || fail "$program is not executable"
done

# The menu finds the program and its icon under the names the entry gives.
desktop-file-validate "$desktop" || fail "desktop-file-validate"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$root/$bindir/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
[ -s "$root/$datadir/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "Icon=$icon_name is not an installed icon"

appstream-util validate-relax --nonet "$metainfo" || fail "appstream-util validate-relax"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the AppStream file does not launch $app_id.desktop"

if ! LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manpage" >"$work/man.txt" 2>"$work/man.err" ||
   [ -s "$work/man.err" ] || ! grep -q 'tolvarin-cli' "$work/man.txt"; then
  cat "$work/man.err"
  fail "the manual page does not render cleanly"
fi

# The installed data files are found wherever the program is called from.
mkdir "$work/elsewhere"
converted=$(cd "$work/elsewhere" && "$root/$bindir/tolvarin-cli" --locale en_US \
            --data "$root/$datadir/tolvarin/Tolvar.tvd" --user-data "$root/$datadir/tolvarin/User.tvd" 5 km m) ||
  fail "the installed tolvarin-cli failed"
[ "$converted" = "5000" ] || fail "the installed tolvarin-cli printed '$converted' for 5 km in m"

if [ "$failures" -ne 0 ]; then exit 1; fi
echo "the install tree is complete and valid"
