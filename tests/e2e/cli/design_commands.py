#!/usr/bin/env python3
# Drives corvane-cli as a user would script it: a design built and changed
# command by command, the lists it prints, exit statuses, and design files
# made by other tools, which commands that only read leave as they were.
# The messages of the entry rules are the core tests'.
#
# usage: design_commands.py CORVANE_CLI
#
import os
import sqlite3

from corvane_e2e import WORK, check, cli, expect, finish, ok, read, write

check(ok("d", "project", "list") == "", "an empty design lists nothing")
expect("d", "demo", out="示例工程 Demo 已添加")
expect("d", "demo", status=1, err="该工程名称已经存在!")
expect("d", "class", "list", "Demo", out="2\tBook\t图书\t是")
expect("d", "member", "list", "Demo", "Book", out="\tbookType\tBookType\t0\t否\t是\t是\t否\t是\t图书类型")
expect("d", "project", "add", "O'Reilly", out="工程名称添加成功！")
ok("d", "project", "rename", "O'Reilly", "Shop")
expect("d", "class", "list", "Nope", status=1, err="工程不存在: Nope")
ok("d", "class", "add", "Shop", "Order", "订单")
ok("d", "class", "add", "Shop", "Customer", "客户", "--no-front-show")
expect("d", "class", "list", "Shop", out="\tCustomer\t客户\t否")
ok("d", "member", "add", "Shop", "Order", "orderId", "整型", "--key", "--required")
ok("d", "member", "add", "Shop", "Order", "customer", "Customer", "--required", "--comment", "客户's")
ok("d", "member", "add", "Shop", "Order", "note", "字符串", "--length", "200", "--no-shown")
ok("d", "member", "up", "Shop", "Order", "note")
ok("d", "member", "exchange", "Shop", "Order", "orderId", "customer")
names = [line.split("\t")[1] for line in ok("d", "member", "list", "Shop", "Order").splitlines()[1:]]
check(names == ["customer", "note", "orderId"], "the order after moving up and an exchange: %r" % names)
ok("d", "member", "update", "Shop", "Order", "note", "--type", "整型", "--required")
expect("d", "member", "list", "Shop", "Order", out="\tnote\t整型\t0\t否\t是\t否\t否\t否\t")
ok("d", "class", "update", "Shop", "Customer", "--name", "Client")
ok("d", "member", "delete", "Shop", "Order", "note")
ok("d", "class", "delete", "Shop", "Client")
ok("d", "project", "delete", "Shop")
check(ok("d", "project", "list") == "1\tDemo\n", "only the sample project is left")
for args in (["member", "add", "Demo"], ["frobnicate"]):
    expect("d", *args, status=2)
expect("d", "member", "--help", out="exchange")

# A design file made by another SQLite tool, holding two projects of
# the same name: listed, the name needs its identifier, stored values are
# shown as stored (a flag is set only when it holds 1), and commands that
# only read write nothing, not even an index, into it or beside it.
hand = os.path.join(WORK, "hand", "projects.mdb")
os.makedirs(os.path.dirname(hand))
db = sqlite3.connect(hand)
db.executescript("""
create table t_project(projectId integer primary key autoincrement, projectName);
create table t_class(classId integer primary key, projectId, className, friendName, frontShowFlag);
create table t_member(memberId integer primary key, projectId, classId, memberName, memberType, memberLength,
  memberIsPri, memberComment, memberIsMust, memberIsInteger, memberIsFloat, queryFlag, memberIsDisplay,
  memberQueryDisplay);
insert into t_project values (1, 'Twin'), (2, 'Twin');
insert into t_class values (5, 2, 'Thing', '东西', 1);
insert into t_member values (7, 2, 5, 'big', '字符串', 9223372036854775807, 2, '', 1, 0, 0, 0, 0, 1);""")
db.close()
before = read(hand)
expect("hand", "project", "list", out="2\tTwin")
expect("hand", "class", "list", "Twin", status=1, err="--project-id")
expect("hand", "class", "list", "Twin", "--project-id", "2", out="5\tThing\t东西\t是")
expect("hand", "member", "list", "Twin", "Thing", "--project-id", "2",
       out="\tbig\t字符串\t9223372036854775807\t否\t是\t")
for command in (["export"], ["sql"], ["generate", "--dry-run"]):
    cli("hand", *command, "Twin", "--project-id", "2")
check(read(hand) == before and os.listdir(os.path.dirname(hand)) == ["projects.mdb"],
      "commands that only read leave a hand-made file as it was")

# A file that is not a design is reported and left as it was.
junk = os.path.join(WORK, "junk", "projects.mdb")
os.makedirs(os.path.dirname(junk))
write(junk, "not a database\n")
expect("junk", "project", "list", status=1, err=junk)
check(read(junk) == b"not a database\n", "a foreign file is left as it was")
finish()
