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

for f in bin/corvane bin/corvane-cli; do
  [[ -x "$prefix/$f" ]] || fail "$f is not installed"
done
[[ -f "$share/corvane/help/corvane-help.html" ]] || fail "help page"
[[ -f "$share/corvane/template/LoginFrame/Model/Model.csproj" ]] || fail "template tree"
[[ -f "$share/corvane/bak/LoginFrame/LoginFrame.sln" ]] || fail "resource tree"

# Desktop entry: valid, Chinese name and comment, a development tool that
# starts the installed program with the installed icon.
desktop="$share/applications/$id.desktop"
[[ -f "$desktop" ]] || fail "desktop entry"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
key() { sed -n "s/^$1=//p" "$desktop"; }
[[ $(key Name) == *代码生成器* ]] || fail "Name is not Chinese: $(key Name)"
[[ $(key Comment) == *生成三层* ]] || fail "Comment is not Chinese: $(key Comment)"
[[ ";$(key Categories)" == *";Development;"* ]] || fail "Categories: $(key Categories)"
[[ $(key Exec) == corvane ]] || fail "Exec: $(key Exec)"
[[ $(key Icon) == "$id" ]] || fail "Icon: $(key Icon)"

# Icons: the hicolor theme's sizes, each PNG of its own size, and the SVG.
for size in 16 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
  [[ -f "$png" ]] || fail "icon $size"
  file -b "$png" | grep -q "PNG image data, $size x $size," || fail "icon $size: $(file -b "$png")"
done
svg="$share/icons/hicolor/scalable/apps/$id.svg"
file -b "$svg" | grep -q "SVG" || fail "scalable icon: $(file -b "$svg")"

# Metainfo: valid (offline), naming the desktop entry, with a screenshot and
# a description.
metainfo="$share/metainfo/$id.metainfo.xml"
[[ -f "$metainfo" ]] || fail "metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "launchable"
grep -q "<screenshot type=\"default\">" "$metainfo" || fail "screenshot"
grep -q "<description>" "$metainfo" || fail "description"
grep -q '@[A-Z_]*@' "$metainfo" && fail "unfilled placeholder in the metainfo"

# Manual pages, readable without warnings.
for page in corvane corvane-cli; do
  man1="$share/man/man1/$page.1.gz"
  [[ -f "$man1" ]] || fail "manual page $page"
  text=$(LANG=C.UTF-8 MANWIDTH=80 man --warnings -l "$man1" 2>"$tmp/man.err") || fail "man $page"
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
solution="$design/projects/Demo/LoginFrame"
for f in LoginFrame.sln Model/Model.csproj Model/Book.cs DAL/DAL.csproj DAL/DBHelp.cs BLL/BLL.csproj; do
  [[ -f "$solution/$f" ]] || fail "generated solution lacks $f"
done
# The skeleton really comes from the prefix: without it the run fails.
mv "$share/corvane" "$tmp/moved"
if "$prefix/bin/corvane-cli" --dir "$tmp/design2" demo >/dev/null &&
  "$prefix/bin/corvane-cli" --dir "$tmp/design2" generate Demo >/dev/null 2>&1; then
  fail "generate Demo worked without <prefix>/share/corvane"
fi
mv "$tmp/moved" "$share/corvane"
echo "installed layout and programs OK"
