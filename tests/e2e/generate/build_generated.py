#!/usr/bin/env python3
# Generates whole solutions and builds them with Mono's xbuild, offline:
# the sample design, a design with string keys, two references to one class
# and key-only classes, and a class with every member type (yes/no, a fixed
# list, constraints and a reference to itself among them) under a name with
# a Chinese letter; the sample design again with the complete query forms;
# the design imported from a table script in the management tool's style
# (tests/fixtures/sql/library_ssms.sql: composite keys, self references, a
# link table, nvarchar(max), bit, money, names with spaces).
# Any compiler error fails the test, and so does a missing xbuild: the
# generated code must be shown to build. Then, on a virtual X display, the
# built application starts and shows its login form, and every form of it is
# created (designer code and resources), the main form and an add form being
# shown.
#
# usage: build_generated.py CORVANE_CLI XBUILD MCS MONO XVFB_RUN
#
import os
import sys

from corvane_e2e import WORK, check, failures, finish, ok, on_display, run, tools_present, xbuild

XBUILD, MCS, MONO, XVFB_RUN = sys.argv[2:6]
HERE = os.path.dirname(os.path.abspath(__file__))
HARNESS = os.path.join(HERE, "FormHarness.cs")
LIBRARY_SCRIPT = os.path.join(HERE, "..", "..", "fixtures", "sql", "library_ssms.sql")


SHOP = [c.split() for c in """\
project add Shop
class add Shop Category 商品分类
member add Shop Category catName 字符串 --length 30 --comment 分类名称 --display --required
member add Shop Category catCode 字符串 --length 10 --comment 分类代码 --key --required
member add Shop Category remark 字符串 --length 200
class add Shop Tag 标签
member add Shop Tag tagId 整型 --comment 标签编号 --key --display --required
class add Shop Transfer 调拨单
member add Shop Transfer transferId 整型 --comment 调拨单号 --key --required
member add Shop Transfer fromCategory Category --comment 调出分类 --required
member add Shop Transfer toCategory Category --comment 调入分类(目标) --required
member add Shop Transfer catName 字符串 --length 20 --comment 备注名称 --display
member add Shop Transfer tag Tag --comment 标签 --required --no-shown
member add Shop Transfer made 日期型 --required
""".splitlines()]
KINDS = [c.split() for c in """\
project add Kinds
class add Kinds Unit 单位
member add Kinds Unit unitCode 字符串 --length 8 --comment 单位代码 --key --display --required
member add Kinds Unit logo 图片型 --comment 标志
class add Kinds Type类 类别
member add Kinds Type类 typeId 整型 --comment 编号 --key --required
member add Kinds Type类 title 字符串 --length 40 --comment 名称 --display --required
member add Kinds Type类 note 字符串 --comment 备注
member add Kinds Type类 amount 整型 --comment 数量 --required
member add Kinds Type类 price 浮点型 --comment 价格 --required
member add Kinds Type类 since 日期型 --comment 日期 --required
member add Kinds Type类 photo 图片型 --comment 照片
member add Kinds Type类 unit Unit --comment 单位 --required
member add Kinds Type类 active 布尔型 --comment 启用 --required --default 是 --query
member add Kinds Type类 grade 字符串 --length 4 --comment 等级 --choices 甲,乙 --default 乙 --query
member add Kinds Type类 level 整型 --comment 级别 --required --unique --min 1 --max 9 --default 5
member add Kinds Type类 parent Type类 --comment 上级 --query
""".splitlines()]


def build(name, commands, project, options=()):
    for args in commands + [["generate", project] + list(options)]:
        ok(name, *args)
    out = os.path.join(WORK, name, "projects", project, "LoginFrame")
    errors = xbuild(XBUILD, out)
    check(not errors, "xbuild %s:\n%s" % (name, "\n".join(errors)))
    return os.path.join(out, "LoginFrame", "bin", "Debug", "LoginFrame.exe")


# Every form of the application is created and the named one shown.
def forms_open(exe, add_form):
    harness = os.path.join(WORK, "FormHarness.exe")
    done = run([MCS, "-nologo", "-out:" + harness, "-r:" + exe, "-r:System.Windows.Forms",
                "-r:System.Drawing", HARNESS])
    if check(done.returncode == 0, "harness: " + done.stdout + done.stderr):
        done = on_display(XVFB_RUN, [MONO, harness, exe, add_form, "2"], timeout=120)
        check(done.returncode == 0 and "all forms opened" in done.stdout,
              "opening forms (status %d): %s %s" % (done.returncode, done.stdout, done.stderr))


if tools_present(XBUILD, MCS, MONO):
    build("demo", [["demo"]], "Demo")
    build("shop", SHOP, "Shop")
    kinds = build("kinds", KINDS, "Kinds")
    full = build("demo-full", [["demo"]], "Demo", ["--full-query-forms"])
    build("library", [["import-sql", LIBRARY_SCRIPT, "--name", "Library"]], "Library")
if not failures:
    # The login form stays up without a database.
    started = run([XVFB_RUN, "-a", "sh", "-c",
                   '"$0" "$1" & pid=$!; sleep 4; kill -0 $pid && echo alive; kill $pid', MONO, kinds],
                  cwd=os.path.dirname(kinds), timeout=120)
    check("alive" in started.stdout, "the application stays up: " + started.stdout + started.stderr)
    forms_open(kinds, "FrmAddUnit")
    # Without a database the complete query forms only say so.
    forms_open(full, "-")
finish()
