#!/usr/bin/env bash
# Drives corvane-cli as a user would script it: a design built and changed
# command by command, the lists it prints, exit statuses, and design files
# made by other tools. The messages of the entry rules are the core tests'.
set -u
CLI="$1"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failed=0

fail() {
  echo "FAIL $*"
  failed=$((failed + 1))
}
# expect NAME STATUS STDOUT-SUBSTRING STDERR-SUBSTRING -- command...
expect() {
  local name=$1 status=$2 out=$3 err=$4
  shift 5
  "$@" >"$WORK/out" 2>"$WORK/err"
  local got=$?
  if [[ $got -ne $status ]] || { [[ -n $out ]] && ! grep -qF -- "$out" "$WORK/out"; } ||
    { [[ -n $err ]] && ! grep -qF -- "$err" "$WORK/err"; }; then
    fail "$name: status $got (want $status)"
    echo "  stdout: $(head -c 600 "$WORK/out")"
    echo "  stderr: $(head -c 600 "$WORK/err")"
  fi
}
cli() { "$CLI" --dir "$WORK/d" "$@"; }
# The member names of Shop's Order, in list order, on one line.
names() { cli member list Shop Order | tail -n +2 | cut -f2 | paste -sd' '; }

expect "empty design lists nothing" 0 "" "" -- cli project list
[[ -s "$WORK/out" ]] && fail "empty list printed: $(cat "$WORK/out")"
expect "demo" 0 "示例工程 Demo 已添加" "" -- cli demo
expect "demo twice" 1 "" "该工程名称已经存在!" -- cli demo
expect "classes of demo" 0 $'2\tBook\t图书\t是' "" -- cli class list Demo
expect "members of Book" 0 $'\tbookType\tBookType\t0\t否\t是\t是\t否\t是\t图书类型' "" -- cli member list Demo Book

expect "add project" 0 "工程名称添加成功！" "" -- cli project add "O'Reilly"
expect "rename project" 0 "" "" -- cli project rename "O'Reilly" "Shop"
expect "unknown project" 1 "" "工程不存在: Nope" -- cli class list Nope
expect "add class" 0 "" "" -- cli class add Shop Order "订单"
expect "add class 2" 0 "" "" -- cli class add Shop Customer "客户" --no-front-show
expect "classes of Shop" 0 $'\tCustomer\t客户\t否' "" -- cli class list Shop
expect "add key" 0 "" "" -- cli member add Shop Order orderId 整型 --key --required
expect "add ref" 0 "" "" -- cli member add Shop Order customer Customer --required --comment "客户's"
expect "add note" 0 "" "" -- cli member add Shop Order note 字符串 --length 200 --no-shown
expect "move up" 0 "" "" -- cli member up Shop Order note
[[ $(names) == "orderId note customer" ]] || fail "order after move up: $(names)"
expect "exchange" 0 "" "" -- cli member exchange Shop Order orderId customer
[[ $(names) == "customer note orderId" ]] || fail "order after exchange: $(names)"
expect "update member" 0 "" "" -- cli member update Shop Order note --type 整型 --required
expect "updated member" 0 $'\tnote\t整型\t0\t否\t是\t否\t否\t否\t' "" -- cli member list Shop Order
expect "rename class" 0 "" "" -- cli class update Shop Customer --name Client
expect "delete member" 0 "" "" -- cli member delete Shop Order note
expect "delete class" 0 "" "" -- cli class delete Shop Client
expect "delete project" 0 "" "" -- cli project delete Shop
expect "only demo left" 0 $'1\tDemo' "" -- cli project list

expect "usage error" 2 "" "" -- cli member add Demo
expect "unknown command" 2 "" "" -- cli frobnicate
expect "help" 0 "exchange" "" -- cli member --help

# A design file made by hand with the sqlite3 shell, holding two projects
# of the same name, is listed and the name needs its identifier.
mkdir -p "$WORK/hand"
sqlite3 "$WORK/hand/projects.mdb" <<'SQL'
create table t_project(projectId integer primary key, projectName text);
create table t_class(classId integer primary key, projectId int, className text, friendName text, frontShowFlag int);
create table t_member(memberId integer primary key, projectId int, classId int, memberName text, memberType text,
  memberLength int, memberIsPri int, memberComment text, memberIsMust int, memberIsInteger int, memberIsFloat int,
  queryFlag int, memberIsDisplay int, memberQueryDisplay int);
insert into t_project values (1, 'Twin'), (2, 'Twin');
insert into t_class values (5, 2, 'Thing', '东西', 1);
insert into t_member values (7, 2, 5, 'big', '字符串', 9223372036854775807, 2, '', 1, 0, 0, 0, 0, 1);
SQL
expect "hand-made file listed" 0 $'2\tTwin' "" -- "$CLI" --dir "$WORK/hand" project list
expect "ambiguous project" 1 "" "--project-id" -- "$CLI" --dir "$WORK/hand" class list Twin
expect "project by id" 0 $'5\tThing\t东西\t是' "" -- "$CLI" --dir "$WORK/hand" class list Twin --project-id 2
# Stored values are shown as stored; a flag is set only when it holds 1.
expect "values as stored" 0 $'\tbig\t字符串\t9223372036854775807\t否\t是\t' "" -- \
  "$CLI" --dir "$WORK/hand" member list Twin Thing --project-id 2

# A file that is not a design is reported and left as it was.
mkdir -p "$WORK/junk"
printf 'not a database\n' >"$WORK/junk/projects.mdb"
expect "foreign file refused" 1 "" "$WORK/junk/projects.mdb" -- "$CLI" --dir "$WORK/junk" project list
[[ $(cat "$WORK/junk/projects.mdb") == "not a database" ]] || fail "foreign file changed"

echo "$failed failed"
[[ $failed -eq 0 ]]
