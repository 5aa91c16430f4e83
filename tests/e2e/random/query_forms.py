#!/usr/bin/env python3
"""The complete query form's search against hostile input. A design with a
string key, a reference with string keys and a searchable member of every
kind that may be searched (text, date, drop-down) is generated with
--full-query-forms and built with xbuild; the application's DAL.dll is then
replaced by one built with the recording DBHelp, and on a virtual display
the form of Loan is driven with ordinary and hostile inputs (quotes, %, _,
[, ], --, ;, line breaks). Each strWhere the form builds must be the
condition expected here, and each recorded statement must parse as one
T-SQL statement whose literal is exactly the input with its quotes doubled
and its pattern characters bracketed. The form pages through 25 served rows. Last, the project's own
setting (project set ... full-query-forms on|off, shown by project list)
chooses the query forms of a run without the option.

usage: query_forms.py CORVANE_CLI XBUILD MCS MONO SQLFLUFF XVFB_RUN
"""
import base64
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

CLI, XBUILD, MCS, MONO, SQLFLUFF, XVFB_RUN = sys.argv[1:7]


def on_display(args, **kw):
    """Runs args under xvfb-run; once more when the virtual display could not
    be opened (a busy machine can lose the race for a display number)."""
    for attempt in range(3):
        done = subprocess.run([XVFB_RUN, "-a"] + args, capture_output=True, text=True, **kw)
        if "XplatUI" not in done.stdout + done.stderr:
            return done
        time.sleep(2)
    return done
HERE = os.path.dirname(os.path.abspath(__file__))
WORK = tempfile.mkdtemp(prefix="corvane-query-e2e-")

LIB = [
    ["project", "add", "Lib"],
    ["class", "add", "Lib", "Shelf", "书架"],
    ["member", "add", "Lib", "Shelf", "shelfCode", "字符串", "--length", "10", "--comment", "书架代码", "--key", "--required"],
    ["member", "add", "Lib", "Shelf", "shelfName", "字符串", "--length", "30", "--comment", "书架名称", "--display", "--required"],
    ["class", "add", "Lib", "Loan", "借阅"],
    ["member", "add", "Lib", "Loan", "loanNo", "字符串", "--length", "20", "--comment", "借阅单号", "--key", "--required"],
    ["member", "add", "Lib", "Loan", "reader", "字符串", "--length", "30", "--comment", "读者", "--display", "--required", "--query"],
    ["member", "add", "Lib", "Loan", "days", "整型", "--comment", "天数", "--required"],
    ["member", "add", "Lib", "Loan", "fee", "浮点型", "--comment", "费用", "--required"],
    ["member", "add", "Lib", "Loan", "lentOn", "日期型", "--comment", "借出日期", "--required", "--query"],
    ["member", "add", "Lib", "Loan", "shelf", "Shelf", "--comment", "书架", "--required", "--query"],
]

# Rows of the stand-in: Shelf's keys hold a quote and a bracket.
DATA = ("T\tShelf\tshelfCode|shelfName\nR\tShelf\tS'1|甲架\nR\tShelf\tB]2|乙架\n"
        "T\t*pager\t借阅单号|读者|天数|费用|借出日期|书架名称\n" +
        "".join("R\t*pager\tL%02d|读者%d|%d|1.5|2026-01-05|甲架\n" % (i, i, i) for i in range(25)))


def literal(text):
    """A T-SQL Unicode literal of text: quotes doubled."""
    return "N'" + text.replace("'", "''") + "'"


def contains(text):
    """The like pattern matching text literally anywhere."""
    escaped = text.replace("[", "[[]").replace("%", "[%]").replace("_", "[_]")
    return literal("%" + escaped + "%")


HOSTILE = ["'", "%", "_", "[", "]", "--", ";", "a\r\nb", "x' or 1=1 --", "'; drop table Loan; --",
           "[a-z]%_'", "50%_off", "张三"]
# name, inputs {field: value}, expected strWhere
CASES = [("reader%d" % i, {"txt_reader": s}, "Loan.reader like " + contains(s))
         for i, s in enumerate(HOSTILE)]
CASES += [
    ("trimmed", {"txt_reader": "  李四 "}, "Loan.reader like " + contains("李四")),
    ("shelfQuote", {"cb_shelf": "1"}, "Loan.shelf=" + literal("S'1")),
    ("shelfBracket", {"cb_shelf": "2"}, "Loan.shelf=" + literal("B]2")),
    ("shelfAny", {"cb_shelf": "0"}, ""),
    ("from", {"dtpFrom_lentOn": "20260105"}, "Loan.lentOn>='20260105'"),
    ("to", {"dtpTo_lentOn": "20260131"}, "Loan.lentOn<'20260201'"),
    ("all", {"txt_reader": "O'Neil", "dtpFrom_lentOn": "20260101", "dtpTo_lentOn": "20260102",
             "cb_shelf": "1"},
     "Loan.reader like N'%O''Neil%' and Loan.lentOn>='20260101' and Loan.lentOn<'20260103' "
     "and Loan.shelf=N'S''1'"),
    ("nothing", {}, ""),
]


def run(args, **kw):
    return subprocess.run(args, capture_output=True, text=True, **kw)


def leaves(node, out):
    """(segment type, raw text) of every leaf of a sqlfluff parse tree."""
    if isinstance(node, dict):
        for key, value in node.items():
            if isinstance(value, str):
                out.append((key, value))
            else:
                leaves(value, out)
    elif isinstance(node, list):
        for item in node:
            leaves(item, out)
    return out


def main():
    problems = []
    base = os.path.join(WORK, "lib")
    for args in LIB + [["generate", "Lib", "--full-query-forms"]]:
        done = run([CLI, "--dir", base] + args)
        if done.returncode != 0:
            print("FAIL corvane-cli %s: %s" % (" ".join(args), done.stderr))
            return 1
    out = os.path.join(base, "projects", "Lib", "LoginFrame")
    build = run([XBUILD, "/nologo", "/verbosity:minimal", "LoginFrame.sln"], cwd=out)
    bin_dir = os.path.join(out, "LoginFrame", "bin", "Debug")
    exe = os.path.join(bin_dir, "LoginFrame.exe")
    if build.returncode != 0 or not os.path.isfile(exe):
        print("FAIL xbuild:\n" + build.stdout[-3000:])
        return 1
    # The data-access layer again, over the recording DBHelp.
    dal = [os.path.join(out, "DAL", f) for f in os.listdir(os.path.join(out, "DAL"))
           if f.startswith("dal") and f.endswith(".cs")]
    done = run([MCS, "-nologo", "-codepage:936", "-target:library",
                "-out:" + os.path.join(bin_dir, "DAL.dll"), "-r:" + os.path.join(bin_dir, "Model.dll"),
                "-r:System.Data", os.path.join(HERE, "RecordingDBHelp.cs")] + dal)
    harness = os.path.join(bin_dir, "QueryHarness.exe")
    if done.returncode == 0:
        done = run([MCS, "-nologo", "-out:" + harness, "-r:" + exe,
                    "-r:" + os.path.join(bin_dir, "DAL.dll"), "-r:System.Windows.Forms",
                    "-r:System.Data", "-r:System.Drawing", os.path.join(HERE, "QueryHarness.cs")])
    if done.returncode != 0:
        print("FAIL harness: " + done.stdout + done.stderr)
        return 1
    data = os.path.join(WORK, "data.txt")
    with open(data, "w", encoding="utf-8") as f:
        f.write(DATA)
    cases = os.path.join(WORK, "cases.txt")
    with open(cases, "w", encoding="utf-8") as f:
        for name, inputs, _ in CASES:
            f.write(name + "".join("\t%s\t%s" % (k, base64.b64encode(v.encode()).decode())
                                   for k, v in inputs.items()) + "\n")

    done = on_display([MONO, harness, exe, "FrmQueryLoan", data, "search", cases],
               cwd=bin_dir, timeout=300)
    results = {}
    for line in done.stdout.splitlines():
        parts = line.split("\t")
        if len(parts) == 4:
            results[parts[0]] = parts[1:]
    if done.returncode != 0 or "boxes at load 0" not in done.stdout:
        problems.append("search run (status %d): %s %s" % (done.returncode, done.stdout[-2000:],
                                                           done.stderr[-2000:]))
    sql_dir = os.path.join(WORK, "sql")
    os.makedirs(sql_dir)
    literals = {}
    for name, inputs, expected in CASES:
        if name not in results:
            problems.append("%s: no result" % name)
            continue
        boxes, where, statement = results[name]
        where = base64.b64decode(where).decode() if where != "-" else None
        if boxes != "0" or where != expected:
            problems.append("%s: strWhere %r, expected %r (boxes %s)" % (name, where, expected, boxes))
        if statement == "-":
            problems.append("%s: no statement recorded" % name)
            continue
        with open(os.path.join(sql_dir, name + ".sql"), "w", encoding="utf-8") as f:
            f.write(base64.b64decode(statement).decode())
        if "txt_reader" in inputs and len(inputs) == 1:
            literals[name] = contains(inputs["txt_reader"].strip())

    done = run([SQLFLUFF, "parse", "--dialect", "tsql", "--nofail", "--format", "json", sql_dir])
    try:
        parsed = json.loads(done.stdout)
    except ValueError:
        parsed = []
        problems.append("sqlfluff: " + done.stdout[:500] + done.stderr[:500])
    if parsed and len(parsed) != len(os.listdir(sql_dir)):
        problems.append("sqlfluff parsed %d of %d files" % (len(parsed), len(os.listdir(sql_dir))))
    for entry in parsed:
        name = os.path.splitext(os.path.basename(entry.get("filepath", "?")))[0]
        tree = entry.get("segments", entry.get("parsed"))
        text = json.dumps(tree)
        if tree is None:
            problems.append("%s: no parse tree" % name)
        segments = leaves(tree, [])
        if "unparsable" in text:
            problems.append("%s: does not parse as T-SQL" % name)
        if text.count('"statement"') != 1 or any(t in ("comment", "inline_comment", "block_comment",
                                                         "statement_terminator") for t, _ in segments):
            problems.append("%s: not one statement without comments" % name)
        if name in literals:
            found = [raw for t, raw in segments if t == "quoted_literal"]
            # The parser reads a line break as LF.
            if found != [literals[name].replace("\r\n", "\n")]:
                problems.append("%s: the input is not one whole literal: %r" % (name, found))

    # Paging through served rows.
    done = on_display([MONO, harness, exe, "FrmQueryLoan", data, "show", "2"],
               cwd=bin_dir, timeout=120)
    if "rows 20" not in done.stdout or "pager 第 1 / 2 页，共 25 条" not in done.stdout \
            or "boxes at load 0" not in done.stdout:
        problems.append("paging: " + done.stdout + done.stderr[-1000:])

    # The stored setting: on, the query forms are complete without the
    # option; off again, they are the bare window.
    form = os.path.join(out, "LoginFrame", "FrmQueryShelf.cs")
    listed = []
    for value in ("on", "off"):
        steps = [["project", "set", "Lib", "full-query-forms", value], ["project", "list"],
                 ["generate", "Lib"]]
        for args in steps:
            done = run([CLI, "--dir", base] + args)
            if done.returncode != 0:
                problems.append("corvane-cli %s: %s" % (" ".join(args), done.stderr))
            if args[1] == "list":
                listed.append(done.stdout)
        with open(form, encoding="gbk") as f:
            complete = "BuildWhere" in f.read()
        if complete != (value == "on"):
            problems.append("project set full-query-forms %s: the query form %s complete" %
                            (value, "is not" if value == "on" else "is still"))
    if listed != ["1\tLib\t完整查询窗体\n", "1\tLib\n"]:
        problems.append("project list: %r" % listed)
    done = run([CLI, "--dir", base, "project", "set", "Lib", "full-query-forms", "yes"])
    if done.returncode == 0:
        problems.append("project set accepted the value yes")

    print("search cases: %d, statements parsed: %d" % (len(CASES), len(parsed)))
    for p in problems:
        print("FAIL " + p)
    return 1 if problems else 0


try:
    status = main()
finally:
    shutil.rmtree(WORK, ignore_errors=True)
sys.exit(status)
