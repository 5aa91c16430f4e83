#!/usr/bin/env bash
# Takes the screenshots in docs/ of the designer window as a user sees it,
# on an X server of its own (Xvfb), with the built programs:
#   main-window.png     the sample design
#   member-list.png     a class of twenty members
#   chinese-dialog.png  a confirmation box with Qt's standard buttons
#   student-design.png  the 学生管理 design after a run, under a window manager
#   help-menu.png       its 帮助 menu open
# Needs xvfb, x11-apps (xwd), x11-utils (xwininfo), xdotool, imagemagick and
# openbox.
#   resources/ui/make-screenshots.sh BUILD_DIR [DISPLAY_NUMBER]
set -euo pipefail
bin=$(cd "$1" && pwd)/bin
display=":${2:-98}"
docs=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../docs" && pwd)
tmp=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT

if [[ -e /tmp/.X${display#:}-lock ]]; then
  echo "display $display is in use; give another number" >&2
  exit 1
fi
Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
# The help page the window opens after five seconds stays closed.
mkdir "$tmp/path"
printf '#!/bin/sh\nexit 0\n' >"$tmp/path/xdg-open"
chmod +x "$tmp/path/xdg-open"

start() {  # start the window on a base directory and wait for it
  PATH="$tmp/path:$PATH" LANG=zh_CN.UTF-8 "$bin/corvane" --dir "$1" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    xdotool search --name '^CorvaneC#代码生成器2.0版$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 1.5
}

stop() {
  kill "${pids[-1]}"
  wait "${pids[-1]}" 2>/dev/null || true
  unset 'pids[-1]'
}

# Without a window manager the root image leaves later windows black, so
# every top-level window is drawn over it, lowest first, and the result is
# cut to the main window.
shot() {
  xwd -root -silent | convert xwd:- "$tmp/screen.png"
  local main="" area=0
  while read -r id w h x y; do
    ((w > 8 && h > 8)) || continue
    xwd -id "$id" -silent | convert xwd:- "$tmp/window.png"
    convert "$tmp/screen.png" "$tmp/window.png" -geometry "+$x+$y" -composite "$tmp/screen.png"
    if ((w * h > area)); then area=$((w * h)); main="${w}x${h}+$x+$y"; fi
  done < <(xwininfo -root -children | tac |
    sed -n 's/^ *\(0x[0-9a-f]*\) .*: (.*)  *\([0-9]*\)x\([0-9]*\)+\(-*[0-9]*\)+\(-*[0-9]*\) .*/\1 \2 \3 \4 \5/p')
  convert "$tmp/screen.png" -crop "$main" +repage "$docs/$1"
  echo "docs/$1 ($main)"
}

# The sample design.
"$bin/corvane-cli" --dir "$tmp/sample" demo >/dev/null
start "$tmp/sample"
shot main-window.png
stop

# A class of twenty members.
design="$tmp/reader"
project=图书馆读者管理
cli() { "$bin/corvane-cli" --dir "$design" "$@" >/dev/null; }
cli project add "$project"
cli class add "$project" Reader 读者
cli member add "$project" Reader readerId 整型 --key --required --comment 读者编号
cli member add "$project" Reader name 字符串 --length 30 --required --query --display --comment 姓名
while read -r name type comment; do
  case $type in 整型 | 浮点型 | 日期型) cli member add "$project" Reader "$name" "$type" --required --comment "$comment" ;;
  *) cli member add "$project" Reader "$name" "$type" --comment "$comment" ;;
  esac
done <<'MEMBERS'
gender 字符串 性别
birthday 日期型 出生日期
phone 字符串 联系电话
email 字符串 电子邮箱
address 字符串 家庭住址
cardNo 字符串 借书证号
cardType 字符串 借书证类型
deposit 浮点型 押金
registerDate 日期型 登记日期
expireDate 日期型 到期日期
borrowCount 整型 已借册数
overdueCount 整型 逾期次数
photo 图片型 照片
department 字符串 所在部门
grade 字符串 年级
status 字符串 状态
enabled 字符串 是否启用
remark 字符串 备注
MEMBERS
start "$design"
shot member-list.png

# 删除当前项目 asks with Qt's standard buttons; the box is then cancelled.
read -r x y < <(xwininfo -root -children | grep '"CorvaneC#代码生成器2.0版"' |
  sed -n 's/.*x[0-9]*+\([0-9]*\)+\([0-9]*\) .*/\1 \2/p')
xdotool mousemove $((x + 40)) $((y + 11)) click 1
sleep 0.5
xdotool key d
sleep 1
shot chinese-dialog.png
xdotool key Escape
stop

# The last two under a window manager, as a user sees the window: the
# screen is read as it is and cut to the main window's frame.
openbox >/dev/null 2>&1 &
pids+=($!)
wmshot() {
  import -window root "$tmp/screen.png"
  local main
  main=$(xwininfo -root -children |
    sed -n 's/^ *0x[0-9a-f]* .*: (.*)  *\([0-9]*\)x\([0-9]*\)+\([0-9]*\)+\([0-9]*\) .*/\1 \2 \3 \4/p' |
    awk '{print $1 * $2, $1 "x" $2 "+" $3 "+" $4}' | sort -n | tail -1 | cut -d' ' -f2)
  convert "$tmp/screen.png" -crop "$main" +repage "$docs/$1"
  echo "docs/$1 ($main)"
}
wait_for() {  # a window of that name
  for _ in $(seq 100); do
    xdotool search --name "^$1\$" >/dev/null 2>&1 && return
    sleep 0.1
  done
}

design="$tmp/students"
project=学生管理
cli project add "$project"
cli class add "$project" ClassInfo 班级
cli member add "$project" ClassInfo classId 整型 --key --required --comment 班级编号
cli member add "$project" ClassInfo className 字符串 --length 30 --required --query --display --comment 班级名称
cli member add "$project" ClassInfo headTeacher 字符串 --length 20 --comment 班主任
cli class add "$project" Student 学生
cli member add "$project" Student studentId 整型 --key --required --comment 学号
cli member add "$project" Student studentName 字符串 --length 20 --required --query --display --comment 姓名
cli member add "$project" Student gender 字符串 --length 2 --comment 性别
cli member add "$project" Student birthday 日期型 --required --query --comment 出生日期
cli member add "$project" Student photo 图片型 --comment 照片
cli member add "$project" Student classInfo ClassInfo --required --query --comment 所在班级
cli member add "$project" Student phone 字符串 --length 20 --comment 联系电话
start "$design"
main=$(xdotool search --name '^CorvaneC#' | head -1)
# Student, then its photo; F5 runs the generation, the log ends with the
# output folder.
xdotool mousemove --window "$main" 53 227 click 1
sleep 0.5
xdotool mousemove --window "$main" 453 251 click 1
sleep 0.3
xdotool key F5
sleep 1
xdotool key Return
wait_for 任务提示
sleep 0.5
xdotool key Return
sleep 1
wmshot student-design.png
xdotool key alt+h
sleep 1
wmshot help-menu.png
xdotool key Escape
stop
