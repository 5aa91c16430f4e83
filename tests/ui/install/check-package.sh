#!/usr/bin/env bash
# The Debian package as CPack makes it: its control fields, dependencies
# and files; what they do is the installed layout's check. (scripts/
# package.sh --try installs it into a fresh Debian 12 root.)
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
[[ $(field Package) == corvane && $(field Section) == devel && -n $(field Maintainer) ]] ||
  fail "control fields: $(dpkg-deb --field "$deb")"
depends=$(field Depends)
# The package names of Depends, alternatives included, without versions.
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/ //g')
for need in libqt6widgets6 libqt6gui6 libqt6core6 libsqlite3-0 libc6 libstdc++6 \
  qt6-translations-l10n fonts-noto-cjk; do
  grep -qxF "$need" <<<"$names" || fail "Depends lacks $need: $depends"
done
grep -q "xdg-utils" <<<"$(field Recommends)" || fail "Recommends: $(field Recommends)"

# Files, all owned by root: the two programs and nothing else in bin, the
# skeleton, the help page and the desktop files under /usr/share.
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$tmp/files"
[[ $(grep -c '^\./usr/bin/.' "$tmp/files") == 2 ]] || fail "bin holds: $(grep '^\./usr/bin/.' "$tmp/files")"
for f in bin/corvane bin/corvane-cli share/corvane/help/corvane-help.html \
  share/corvane/template/LoginFrame/Model/Model.csproj share/corvane/bak/LoginFrame/LoginFrame.sln \
  share/applications/org.corvane.Corvane.desktop share/metainfo/org.corvane.Corvane.metainfo.xml \
  share/icons/hicolor/scalable/apps/org.corvane.Corvane.svg share/man/man1/corvane-cli.1.gz; do
  grep -qxF "./usr/$f" "$tmp/files" || fail "package lacks $f"
done
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' || fail "files not owned by root"

echo "package $(basename "$deb") OK"
