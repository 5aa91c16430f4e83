#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: the programs, the skeleton and
# the help page, the desktop entry, metainfo, icons and manual pages, each
# checked by the desktop's own validators; then the installed command line,
# started from elsewhere, makes and generates the sample design with the
# skeleton found under the prefix.
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
id=org.corvane.Corvane

prefix="$tmp/prefix with space"
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install"; }
share="$prefix/share"
[[ -x "$prefix/bin/corvane" && -x "$prefix/bin/corvane-cli" ]] || fail "programs not installed"
for f in help/corvane-help.html template/LoginFrame/Model/Model.csproj bak/LoginFrame/LoginFrame.sln; do
  [[ -f "$share/corvane/$f" ]] || fail "$f not installed"
done

# Desktop entry: valid, Chinese name and comment, a development tool that
# starts the installed program with the installed icon.
desktop="$share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
for line in '^Name=.*代码生成器' '^Comment=.*生成三层' '^Categories=(.*;)?Development;' \
  '^Exec=corvane$' "^Icon=$id\$"; do
  grep -Eq "$line" "$desktop" || fail "desktop entry lacks $line: $(cat "$desktop")"
done

# Icons: the hicolor theme's sizes, each PNG of its own size, and the SVG.
for size in 16 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
  file -b "$png" | grep -q "PNG image data, $size x $size," || fail "icon $size: $(file -b "$png")"
done
file -b "$share/icons/hicolor/scalable/apps/$id.svg" | grep -q "SVG" || fail "scalable icon"

# Metainfo: valid (offline), naming the desktop entry, with a screenshot and
# a description, every placeholder filled.
metainfo="$share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
for tag in "<launchable type=\"desktop-id\">$id.desktop</launchable>" '<screenshot type="default">' '<description>'; do
  grep -qF "$tag" "$metainfo" || fail "metainfo lacks $tag"
done
grep -q '@[A-Z_]*@' "$metainfo" && fail "unfilled placeholder in the metainfo"

# Manual pages, readable without warnings.
for page in corvane corvane-cli; do
  text=$(LANG=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>"$tmp/man.err") || fail "man $page"
  [[ ! -s "$tmp/man.err" ]] || { cat "$tmp/man.err"; fail "warnings in $page(1)"; }
  grep -q -- "--dir" <<<"$text" || fail "$page(1) does not describe --dir"
done

# The installed programs, run from another directory.
mkdir "$tmp/elsewhere"
cd "$tmp/elsewhere"
design="$tmp/design"
QT_QPA_PLATFORM=offscreen "$prefix/bin/corvane" --version | grep -q "2.0" || fail "corvane --version"
"$prefix/bin/corvane-cli" --dir "$design" demo >/dev/null || fail "corvane-cli demo"
"$prefix/bin/corvane-cli" --dir "$design" generate Demo >"$tmp/generate.log" || { cat "$tmp/generate.log"; fail "generate Demo"; }
[[ -f "$design/projects/Demo/LoginFrame/LoginFrame.sln" ]] || fail "no generated solution"
# The skeleton really comes from the prefix: without it the run fails.
mv "$share/corvane" "$tmp/moved"
if "$prefix/bin/corvane-cli" --dir "$tmp/design2" demo >/dev/null &&
  "$prefix/bin/corvane-cli" --dir "$tmp/design2" generate Demo >/dev/null 2>&1; then
  fail "generate Demo worked without <prefix>/share/corvane"
fi
echo "installed layout and programs OK"
