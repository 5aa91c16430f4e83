#!/usr/bin/env python3
"""Seeded random designs with ordinary names, as users name things: class
names such as Order, User, Event, Region or Image, member names such as key,
end, default or event, comments with spaces, parentheses and full-width
punctuation or none at all, several references to one class. Each design is
imported, generated (every other one with --full-query-forms) and built
with xbuild (no error allowed) unless the
design check refuses it for a name the solution itself uses. Half of them
are SQL Server projects: their table script and every statement their
data-access code sends (recorded by calling each method against a stand-in
DBHelp) must parse as T-SQL. The other half are SQLite projects: every
data-access method of every class runs against the application's real
database file (../sqlite/DalHarness.cs), which is left empty and whole.

usage: random_designs.py CORVANE_CLI XBUILD MCS MONO SQLFLUFF [COUNT] [SEED]
"""
import concurrent.futures
import json
import os
import random
import re
import shutil
import sqlite3
import subprocess
import sys
import tempfile

CLI, XBUILD, MCS, MONO, SQLFLUFF = sys.argv[1:6]
COUNT = int(sys.argv[6]) if len(sys.argv) > 6 else 40
SEED = int(sys.argv[7]) if len(sys.argv) > 7 else 2026
HERE = os.path.dirname(os.path.abspath(__file__))
WORK = tempfile.mkdtemp(prefix="corvane-random-e2e-")

CLASS_NAMES = ["Order", "User", "Event", "Region", "Image", "File", "Label", "Timer", "Message",
               "Color", "Size", "Book", "Code", "Item", "Customer", "Product", "Group", "Table",
               "Index", "Key", "Transaction", "Schema", "Account", "Note", "Type类", "Point",
               "Action", "Task", "Form", "Control", "Stream", "Data", "Record", "Tag"]
MEMBER_NAMES = ["key", "end", "name", "title", "code", "date", "price", "count", "default",
                "event", "checked", "fixed", "operator", "object", "base", "book", "order", "user",
                "value", "text", "status", "select", "from", "where", "group", "index", "size",
                "color", "image", "file", "type", "id", "level", "percent", "open", "close",
                "desc", "case", "string", "params", "region", "label", "note", "amount", "time"]
COMMENTS = ["名称", "书 名", "价格（元）", "数量(件)", "备注：说明", "开始日期", "", "编号",
            "状态，类别", "标题 (Title)", "金额", "照片", "“引用”", "说明…", "等级"]
BASE_TYPES = ["字符串", "整型", "浮点型", "日期型", "图片型"]


def member(name, mtype, comment, key=False, display=False, must=None, query=False, shown=True,
           length=None):
    return {
        "memberName": name, "memberType": mtype,
        "memberLength": (length if length is not None else 20) if mtype == "字符串" else 0,
        "memberComment": comment, "memberIsPri": key,
        "memberIsMust": must if must is not None else (mtype not in ("字符串", "图片型") or key),
        "memberIsInteger": mtype == "整型", "memberIsFloat": mtype == "浮点型",
        "queryFlag": query and mtype not in ("整型", "浮点型", "图片型"),
        "memberIsDisplay": display, "memberQueryDisplay": shown,
    }


def random_design(rng, index):
    names = rng.sample(CLASS_NAMES, rng.randint(2, 4))
    classes = []
    for ci, cname in enumerate(names):
        pool = rng.sample(MEMBER_NAMES, rng.randint(2, 7))
        # A key named like the class is an ordinary choice (Code.code).
        if rng.random() < 0.2:
            own = cname[0].lower() + cname[1:]
            pool = [own] + [n for n in pool if n != own]
        key_type = rng.choice(["整型", "字符串"])
        members = [member(pool[0], key_type, rng.choice(COMMENTS), key=True,
                          length=rng.choice([8, 20, 50]))]
        display_done = False
        for name in pool[1:]:
            earlier = names[:ci]
            if earlier and rng.random() < 0.35:
                mtype = rng.choice(earlier)
            else:
                mtype = rng.choice(BASE_TYPES)
            display = not display_done and mtype == "字符串"
            display_done = display_done or display
            members.append(member(name, mtype, rng.choice(COMMENTS), display=display,
                                  must=None if mtype != "字符串" else rng.random() < 0.5,
                                  query=rng.random() < 0.4, shown=rng.random() < 0.8,
                                  length=rng.choice([10, 20, 50, 100])))
        if not display_done:
            members[0]["memberIsDisplay"] = True
        # Two references to one earlier class.
        if ci > 0 and rng.random() < 0.3:
            target = names[rng.randrange(ci)]
            for suffix in ("from", "to"):
                nm = suffix + target.replace("类", "")
                if all(m["memberName"] != nm for m in members):
                    members.append(member(nm, target, rng.choice(COMMENTS)))
        rng.shuffle(members)
        classes.append({"className": cname, "friendName": rng.choice(["订单", "用户", "事件", "区域", "图片 (大)", "标签"]),
                        "frontShowFlag": True, "members": members})
    return {"formatVersion": 1, "projectName": "R%d" % index, "classes": classes}


# SQL Server reads Chinese characters as letters of a bare name (a heading
# such as `as 书名`); the T-SQL parser used here cannot lex them. Each run
# of them becomes an ASCII name of the same role before parsing; any other
# character outside ASCII is left for the parser to judge.
CJK = re.compile("[\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff]+")


def parsable(text):
    return CJK.sub(lambda m: "u" + "".join("%x" % ord(c) for c in m.group()), text)


def run(args, **kw):
    return subprocess.run(args, capture_output=True, text=True, **kw)


# Refusals the design check may give for ordinary names: only names that
# the solution itself already uses.
ALLOWED_REFUSAL = re.compile("类名与解决方案|类名与类 .* 的窗体|成员名与生成的代码中的名称")


def check_design(index, rng_seed):
    rng = random.Random(rng_seed)
    design = random_design(rng, index)
    base = os.path.join(WORK, "d%d" % index)
    os.makedirs(base)
    sqlite = index // 2 % 2 == 1
    if sqlite:
        design["database"] = "sqlite"
    path = os.path.join(base, "design.json")
    with open(path, "w", encoding="utf-8") as f:
        json.dump(design, f, ensure_ascii=False)
    problems = []
    done = run([CLI, "--dir", base, "import", path])
    if done.returncode != 0:
        return ["R%d import: %s" % (index, done.stderr)], None, None
    full = ["--full-query-forms"] if index % 2 else []
    done = run([CLI, "--dir", base, "generate", "R%d" % index] + full)
    if done.returncode != 0:
        refused = [l for l in done.stderr.splitlines()[1:] if l]
        if done.stderr.startswith("设计检查未通过") and refused and \
                all(ALLOWED_REFUSAL.search(l) for l in refused):
            return [], None, "refused"
        return ["R%d generate: %s\n%s" % (index, done.stderr, json.dumps(design, ensure_ascii=False))], None, None
    out = os.path.join(base, "projects", "R%d" % index, "LoginFrame")
    build = run([XBUILD, "/nologo", "/verbosity:minimal", "LoginFrame.sln"], cwd=out)
    errors = [l for l in build.stdout.splitlines() if re.search(r"error", l)
              and not re.search(r"\b0 Error\(s\)", l)]
    if build.returncode != 0 or errors:
        problems.append("R%d xbuild:\n%s\n%s" % (index, "\n".join(errors[:20]),
                                                  json.dumps(design, ensure_ascii=False)))
    if sqlite:
        return problems + run_on_sqlite(index, design, out), [], "built"
    # Every statement of the data-access code, recorded.
    harness = os.path.join(base, "sql.exe")
    sources = [os.path.join(out, "Model", f) for f in os.listdir(os.path.join(out, "Model")) if f.endswith(".cs")]
    sources += [os.path.join(out, "DAL", f) for f in os.listdir(os.path.join(out, "DAL"))
                if f.startswith("dal") and f.endswith(".cs")]
    done = run([MCS, "-nologo", "-codepage:936", "-out:" + harness, "-r:System.Data",
                os.path.join(HERE, "RecordingDBHelp.cs"), os.path.join(HERE, "SqlHarness.cs")] + sources)
    if done.returncode != 0:
        return problems + ["R%d harness: %s" % (index, done.stdout)], None, None
    done = run([MONO, harness])
    if done.returncode != 0:
        return problems + ["R%d harness run: %s %s" % (index, done.stdout, done.stderr)], None, None
    statements = os.path.join(WORK, "sql", "dal%d.sql" % index)
    with open(statements, "w", encoding="utf-8") as f:
        f.write(parsable(done.stdout))
    files = [statements]
    # The scripts share their login module: every fifth is parsed.
    if index % 5 == 0:
        script = os.path.join(WORK, "sql", "script%d.sql" % index)
        done = run([CLI, "--dir", base, "sql", "R%d" % index])
        with open(script, "w", encoding="utf-8") as f:
            f.write(parsable(done.stdout))
        files.append(script)
    return problems, files, "built"


def run_on_sqlite(index, design, out):
    """Every data-access method against the application's database file."""
    bin_dir = os.path.join(out, "LoginFrame", "bin", "Debug")
    if not os.path.isfile(os.path.join(bin_dir, "LoginFrame.exe")):
        return []
    shutil.copy(os.path.join(WORK, "DalHarness.exe"), bin_dir)
    shutil.copy(os.path.join(bin_dir, "LoginFrame.exe.config"),
                os.path.join(bin_dir, "DalHarness.exe.config"))
    members = os.path.join(bin_dir, "design.txt")
    with open(members, "w", encoding="utf-8") as f:
        for c in design["classes"]:
            for m in c["members"]:
                f.write("\t".join([c["className"], m["memberName"], m["memberType"],
                                   str(m["memberLength"]), str(int(m["memberIsPri"])),
                                   str(int(m["memberIsMust"]))]) + "\n")
    done = run([MONO, os.path.join(bin_dir, "DalHarness.exe"), members, "roundtrip"], cwd=bin_dir)
    problems = []
    if done.returncode != 0:
        problems.append("R%d on SQLite: %s %s\n%s" % (index, done.stdout[-2000:], done.stderr[-1000:],
                                                      json.dumps(design, ensure_ascii=False)))
    with sqlite3.connect(os.path.join(bin_dir, "LoginFrame.db")) as db:
        for c in design["classes"]:
            if db.execute('select count(*) from "%s"' % c["className"]).fetchone()[0]:
                problems.append("R%d on SQLite: rows left in %s" % (index, c["className"]))
        if db.execute("pragma integrity_check").fetchone()[0] != "ok":
            problems.append("R%d on SQLite: the database file is damaged" % index)
    return problems


def main():
    for tool in (XBUILD, MCS, MONO, SQLFLUFF):
        if shutil.which(tool) is None:
            print("FAIL %s not found" % tool)
            return 1
    os.makedirs(os.path.join(WORK, "sql"))
    done = run([MCS, "-nologo", "-out:" + os.path.join(WORK, "DalHarness.exe"), "-r:System.Data",
                os.path.join(HERE, "..", "sqlite", "DalHarness.cs")])
    if done.returncode != 0:
        print("FAIL harness: " + done.stdout)
        return 1
    seeds = random.Random(SEED)
    jobs = [(i, seeds.random()) for i in range(COUNT)]
    problems, sql_files, outcomes = [], [], []
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for p, files, outcome in pool.map(lambda j: check_design(*j), jobs):
            problems += p
            sql_files += files or []
            outcomes.append(outcome)
    # One parser run over every recorded statement and every script.
    done = run([SQLFLUFF, "parse", "--dialect", "tsql", "--nofail",
                "--format", "json", os.path.join(WORK, "sql")])
    try:
        parsed = json.loads(done.stdout)
        if len(parsed) != len(sql_files):
            problems.append("sqlfluff read %d of %d files" % (len(parsed), len(sql_files)))
        for entry in parsed:
            text = json.dumps(entry)
            if "unparsable" in text:
                problems.append("does not parse as T-SQL: " + entry.get("filepath", "?"))
    except ValueError:
        problems.append("sqlfluff: " + done.stdout[:500] + done.stderr[:500])
    print("designs: %d built, %d refused, %d files parsed" %
          (outcomes.count("built"), outcomes.count("refused"), len(sql_files)))
    for p in problems:
        print("FAIL " + p)
    return 1 if problems or outcomes.count("built") == 0 else 0


try:
    status = main()
finally:
    shutil.rmtree(WORK, ignore_errors=True)
sys.exit(status)
