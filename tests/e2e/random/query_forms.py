#!/usr/bin/env python3
# The complete query form's search against hostile input. A design with a
# string key, a reference with string keys and a searchable member of every
# kind that may be searched (text, date, drop-down) is generated with
# --full-query-forms and built with xbuild; the application's DAL.dll is
# then replaced by one built with the recording DBHelp, and on a virtual
# display the form of Loan is driven with ordinary and hostile inputs
# (quotes, %, _, [, ], --, ;, line breaks). Each strWhere the form builds
# must be the condition expected here, and each recorded statement must
# parse as one T-SQL statement whose literal is exactly the input with its
# quotes doubled and its pattern characters bracketed. The form shows the
# first page of 25 served rows. Last, the project's own setting (project set
# ... full-query-forms on|off) chooses the query forms of a run without the
# option, and values the settings do not take are refused.
#
# usage: query_forms.py CORVANE_CLI XBUILD MCS MONO SQLFLUFF XVFB_RUN
#
import base64
import json
import os
import sys

from corvane_e2e import (WORK, check, cli, finish, leaves, ok, on_display, parse_tsql, read, run,
                         write, xbuild)

XBUILD, MCS, MONO, SQLFLUFF, XVFB_RUN = sys.argv[2:7]
HERE = os.path.dirname(os.path.abspath(__file__))


LIB = [c.split() for c in """\
project add Lib
class add Lib Shelf 书架
member add Lib Shelf shelfCode 字符串 --comment 书架代码 --required --length 10 --key
member add Lib Shelf shelfName 字符串 --comment 书架名称 --required --length 30 --display
class add Lib Loan 借阅
member add Lib Loan loanNo 字符串 --comment 借阅单号 --required --length 20 --key
member add Lib Loan reader 字符串 --comment 读者 --required --length 30 --display --query
member add Lib Loan days 整型 --comment 天数 --required
member add Lib Loan fee 浮点型 --comment 费用 --required
member add Lib Loan lentOn 日期型 --comment 借出日期 --required --query
member add Lib Loan shelf Shelf --comment 书架 --required --query
generate Lib --full-query-forms
""".splitlines()]

# Rows of the stand-in: Shelf's keys hold a quote and a bracket.
DATA = ("T\tShelf\tshelfCode|shelfName\nR\tShelf\tS'1|甲架\nR\tShelf\tB]2|乙架\n"
        "T\t*pager\t借阅单号|读者|天数|费用|借出日期|书架名称\n" +
        "".join("R\t*pager\tL%02d|读者%d|%d|1.5|2026-01-05|甲架\n" % (i, i, i) for i in range(25)))


# A T-SQL Unicode literal of text: quotes doubled.
def literal(text):
    return "N'" + text.replace("'", "''") + "'"


# The like pattern matching text literally anywhere.
def contains(text):
    escaped = text.replace("[", "[[]").replace("%", "[%]").replace("_", "[_]")
    return literal("%" + escaped + "%")


HOSTILE = ["'", "%", "_", "[", "]", "--", ";", "a\r\nb", "x' or 1=1 --", "'; drop table Loan; --",
           "[a-z]%_'", "50%_off", "张三"]
# name, inputs {field: value}, expected strWhere
CASES = [("reader%d" % i, {"txt_reader": s}, "Loan.reader like " + contains(s))
         for i, s in enumerate(HOSTILE)]
CASES += [
    ("trimmed", {"txt_reader": "  李四 "}, "Loan.reader like " + contains("李四")),
    ("shelfQuote", {"cb_shelf": "#1"}, "Loan.shelf=" + literal("S'1")),
    ("shelfBracket", {"cb_shelf": "#2"}, "Loan.shelf=" + literal("B]2")),
    ("shelfAny", {"cb_shelf": "#0"}, ""),
    ("from", {"dtpFrom_lentOn": "2026-01-05"}, "Loan.lentOn>='20260105'"),
    ("to", {"dtpTo_lentOn": "2026-01-31"}, "Loan.lentOn<'20260201'"),
    ("all", {"txt_reader": "O'Neil", "dtpFrom_lentOn": "2026-01-01", "dtpTo_lentOn": "2026-01-02",
             "cb_shelf": "#1"},
     "Loan.reader like N'%O''Neil%' and Loan.lentOn>='20260101' and Loan.lentOn<'20260103' "
     "and Loan.shelf=N'S''1'"),
    ("nothing", {}, ""),
]


# The application over the recording DBHelp, and its query harness.
def build():
    for args in LIB:
        ok("lib", *args)
    errors = xbuild(XBUILD, OUT)
    if not check(not errors, "xbuild:\n" + "\n".join(errors)):
        return None
    dal = [os.path.join(OUT, "DAL", f) for f in os.listdir(os.path.join(OUT, "DAL"))
           if f.startswith("dal") and f.endswith(".cs")]
    done = run([MCS, "-nologo", "-codepage:936", "-target:library", "-out:" + os.path.join(BIN, "DAL.dll"),
                "-r:" + os.path.join(BIN, "Model.dll"), "-r:System.Data",
                os.path.join(HERE, "RecordingDBHelp.cs")] + dal)
    harness = os.path.join(BIN, "QueryHarness.exe")
    if done.returncode == 0:
        done = run([MCS, "-nologo", "-out:" + harness, "-r:" + EXE, "-r:" + os.path.join(BIN, "DAL.dll"),
                    "-r:System.Windows.Forms", "-r:System.Data", "-r:System.Drawing",
                    os.path.join(HERE, "QueryHarness.cs"), os.path.join(HERE, "..", "FormDriver.cs")])
    return harness if check(done.returncode == 0, "harness: " + done.stdout + done.stderr) else None


def search(harness):
    write(os.path.join(WORK, "cases.txt"), "".join(
        name + "".join("\t" + base64.b64encode(("%s=%s" % kv).encode()).decode() for kv in inputs.items())
        + "\n" for name, inputs, _ in CASES))
    done = on_display(XVFB_RUN, [MONO, harness, EXE, "FrmQueryLoan", DATA_FILE, os.path.join(WORK, "cases.txt")],
                      cwd=BIN, timeout=300)
    results = dict((p[0], p[1:]) for p in (l.split("\t") for l in done.stdout.splitlines()) if len(p) == 4)
    check(done.returncode == 0 and done.stdout.startswith("boxes at load 0\npager 20 第 1 / 2 页，共 25 条\n"),
          "search run (status %d): %s %s" % (done.returncode, done.stdout[-2000:], done.stderr[-2000:]))
    sql_dir = os.path.join(WORK, "sql")
    os.makedirs(sql_dir)
    literals = {}
    for name, inputs, expected in CASES:
        if not check(name in results, name + ": no result"):
            continue
        boxes, where, statement = results[name]
        where = base64.b64decode(where).decode() if where != "-" else None
        check(boxes == "0" and where == expected, "%s: strWhere %r, expected %r (boxes %s)"
              % (name, where, expected, boxes))
        if check(statement != "-", name + ": no statement recorded"):
            write(os.path.join(sql_dir, name + ".sql"), base64.b64decode(statement))
        if "txt_reader" in inputs and len(inputs) == 1:
            literals[name] = contains(inputs["txt_reader"].strip())

    parsed = parse_tsql(SQLFLUFF, sql_dir)
    check(len(parsed) == len(os.listdir(sql_dir)), "sqlfluff parsed %d files" % len(parsed))
    for entry in parsed:
        name = os.path.splitext(os.path.basename(entry.get("filepath", "?")))[0]
        tree = entry.get("segments", entry.get("parsed"))
        text, segments = json.dumps(tree), leaves(tree)
        check(tree is not None and "unparsable" not in text, name + ": does not parse as T-SQL")
        check(text.count('"statement"') == 1 and not any(
            t in ("comment", "inline_comment", "block_comment", "statement_terminator") for t, _ in segments),
            name + ": not one statement without comments")
        if name in literals:
            found = [raw for t, raw in segments if t == "quoted_literal"]
            # The parser reads a line break as LF.
            check(found == [literals[name].replace("\r\n", "\n")],
                  "%s: the input is not one whole literal: %r" % (name, found))


OUT = os.path.join(WORK, "lib", "projects", "Lib", "LoginFrame")
BIN = os.path.join(OUT, "LoginFrame", "bin", "Debug")
EXE = os.path.join(BIN, "LoginFrame.exe")
DATA_FILE = os.path.join(WORK, "data.txt")
write(DATA_FILE, DATA)
harness = build()
if harness:
    search(harness)

# The stored setting: on, the query forms are complete without the option;
# off again, they are the bare window.
for value in ("on", "off"):
    ok("lib", "project", "set", "Lib", "full-query-forms", value)
    ok("lib", "generate", "Lib")
    complete = b"BuildWhere" in read(os.path.join(OUT, "LoginFrame", "FrmQueryShelf.cs"))
    check(complete == (value == "on"), "full-query-forms %s: the query form is %scomplete"
          % (value, "not " if value == "on" else ""))
for setting, value, refusal in (("full-query-forms", "yes", "yes 不是 on 或 off"),
                                ("database", "oracle", "oracle 不是数据库: sqlserver, sqlite")):
    status, _, err = cli("lib", "project", "set", "Lib", setting, value)
    check(status == 2 and refusal in err, "project set %s %s: %d %s" % (setting, value, status, err))
finish()
