#!/usr/bin/env bash
# The Debian package as CPack makes it: its control fields and
# dependencies, its files, and the command line working from the unpacked
# tree. (scripts/package.sh --try installs it into a fresh Debian 12 root.)
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Packed from an environment without any locale, as a minimal container
# runs the scripts: the scripts' locale set-up must be enough.
scripts=$(cd "$(dirname "$0")/../../../scripts" && pwd)
env -i PATH="$PATH" bash -c 'source "$1/utf8-locale.sh" && cpack --config "$2/CPackConfig.cmake" -B "$3/out"' \
  _ "$scripts" "$build" "$tmp" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail cpack; }
debs=("$tmp/out"/corvane_*_"$(dpkg --print-architecture)".deb)
[[ -f ${debs[0]} ]] || fail "no package in $(ls "$tmp/out")"
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == corvane ]] || fail "Package: $(field Package)"
[[ $(field Section) == devel ]] || fail "Section: $(field Section)"
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
depends=$(field Depends)
# The package names of Depends, alternatives included, without versions.
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/ //g')
for need in libqt6widgets6 libqt6gui6 libqt6core6 libsqlite3-0 libc6 libstdc++6 \
  qt6-translations-l10n fonts-noto-cjk; do
  grep -qxF "$need" <<<"$names" || fail "Depends lacks $need: $depends"
done
grep -q "xdg-utils" <<<"$(field Recommends)" || fail "Recommends: $(field Recommends)"

# Files: the two programs and nothing else in bin, the skeleton, the help
# page and the desktop files under /usr/share.
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$tmp/files"
[[ $(grep -c '^\./usr/bin/.' "$tmp/files") == 2 ]] || fail "bin holds: $(grep '^\./usr/bin/.' "$tmp/files")"
for f in ./usr/bin/corvane ./usr/bin/corvane-cli \
  ./usr/share/corvane/help/corvane-help.html \
  ./usr/share/corvane/template/LoginFrame/Model/Model.csproj \
  ./usr/share/corvane/bak/LoginFrame/LoginFrame.sln \
  ./usr/share/applications/org.corvane.Corvane.desktop \
  ./usr/share/metainfo/org.corvane.Corvane.metainfo.xml \
  ./usr/share/icons/hicolor/48x48/apps/org.corvane.Corvane.png \
  ./usr/share/icons/hicolor/scalable/apps/org.corvane.Corvane.svg \
  ./usr/share/man/man1/corvane.1.gz ./usr/share/man/man1/corvane-cli.1.gz; do
  grep -qxF "$f" "$tmp/files" || fail "package lacks $f"
done
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' || fail "files not owned by root"

# The unpacked tree works where it lies: the skeleton is found beside bin/.
dpkg-deb -x "$deb" "$tmp/root"
cli="$tmp/root/usr/bin/corvane-cli"
"$cli" --dir "$tmp/design" demo >/dev/null || fail "demo"
"$cli" --dir "$tmp/design" generate Demo >/dev/null || fail "generate Demo"
[[ -f "$tmp/design/projects/Demo/LoginFrame/LoginFrame.sln" ]] || fail "no generated solution"
echo "package $(basename "$deb") OK"
