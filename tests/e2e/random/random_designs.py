#!/usr/bin/env python3
# Seeded random designs with ordinary names, as users name things: class
# names such as Order, User, Event, Region or Image, member names such as key,
# end, default or event, comments with spaces, parentheses and full-width
# punctuation or none at all, several references to one class. Each design is
# imported, generated (every other one with --full-query-forms) and built
# with xbuild (no error allowed) unless the design check refuses it for a
# name the solution itself uses; its table script and every statement its
# data-access code sends (recorded by calling each method against a stand-in
# DBHelp) must parse as T-SQL, and the table script imported again
# (import-sql) must give the same classes and members. Every other pair of
# designs are SQLite projects instead: three programs meet the missing
# database file at once and each finds it made; every data-access method of
# every class runs against it (../sqlite/DalHarness.cs: paging, NULL columns
# read), which is left empty and whole.
#
# usage: random_designs.py CORVANE_CLI XBUILD MCS MONO SQLFLUFF [COUNT] [SEED]
#
import concurrent.futures
import json
import os
import random
import re
import shutil
import sqlite3
import subprocess
import sys

from corvane_e2e import WORK, check, cli, finish, parse_tsql, run, tools_present, write, xbuild

XBUILD, MCS, MONO, SQLFLUFF = sys.argv[2:6]
COUNT = int(sys.argv[6]) if len(sys.argv) > 6 else 12
SEED = int(sys.argv[7]) if len(sys.argv) > 7 else 2026
HERE = os.path.dirname(os.path.abspath(__file__))

CLASS_NAMES = ("Order User Event Region Image File Label Timer Message Color Size Book Code Item Customer Product "
               "Group Table Index Key Transaction Schema Account Note Type类 Point Action Task Form Control Stream "
               "Data Record Tag").split()
MEMBER_NAMES = ("key end name title code date price count default event checked fixed operator object base book "
                "order user value text status select from where group index size color image file type id level "
                "percent open close desc case string params region label note amount time").split()
COMMENTS = ["名称", "书 名", "价格（元）", "数量(件)", "备注：说明", "开始日期", "", "编号",
            "状态，类别", "标题 (Title)", "金额", "照片", "“引用”", "说明…", "等级"]
BASE_TYPES = ["字符串", "整型", "浮点型", "日期型", "图片型", "布尔型"]


def member(name, mtype, comment, key=False, display=False, must=None, query=False, shown=True,
           length=None):
    return {"memberName": name, "memberType": mtype,
            "memberLength": (length if length is not None else 20) if mtype == "字符串" else 0,
            "memberComment": comment, "memberIsPri": key,
            "memberIsMust": must if must is not None else (mtype not in ("字符串", "图片型") or key),
            "memberIsInteger": mtype == "整型", "memberIsFloat": mtype == "浮点型",
            "queryFlag": query and mtype not in ("整型", "浮点型", "图片型"),
            "memberIsDisplay": display, "memberQueryDisplay": shown}


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
            mtype = rng.choice(earlier) if earlier and rng.random() < 0.35 else rng.choice(BASE_TYPES)
            display = not display_done and mtype == "字符串"
            display_done = display_done or display
            members.append(member(name, mtype, rng.choice(COMMENTS), display=display,
                                  must=None if mtype != "字符串" else rng.random() < 0.5,
                                  query=rng.random() < 0.4, shown=rng.random() < 0.8,
                                  length=rng.choice([10, 20, 50, 100])))
            # Constraints in some designs, of values the harnesses' rows keep to.
            if rng.random() < 0.3:
                m = members[-1]
                if mtype == "整型":
                    m.update({"minValue": "-1000", "maxValue": "100000", "defaultValue": "5"})
                elif mtype == "浮点型":
                    m["minValue"] = "0"
                elif mtype == "布尔型":
                    m["defaultValue"] = "是"
                elif mtype == "字符串" and m["memberIsMust"] and m["memberLength"] >= 50:
                    m["unique"] = True
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


# What a table script states of a design: classes, members (the key first,
# as the script writes it), types, lengths, keys and required flags (an image
# column is always NULL in the script).
def script_facts(design):
    return [(c["className"], [(m["memberName"], m["memberType"], m["memberLength"], m["memberIsPri"],
                               m["memberIsMust"] and m["memberType"] != "图片型")
                              for m in sorted(c["members"], key=lambda m: not m["memberIsPri"])])
            for c in design["classes"]]


def script_round_trip(base, name, design):
    script = os.path.join(base, "script.sql")
    status, _, err = cli(base, "sql", name, "-o", script)
    if status == 0:
        status, _, err = cli(base, "import-sql", script, "--name", "Back")
    if status == 0:
        status, out, err = cli(base, "export", "Back")
    if status != 0:
        return ["%s script round trip: %s" % (name, err)]
    if script_facts(json.loads(out)) != script_facts(design):
        return ["%s script round trip differs:\n%s\n%s" % (name, out, json.dumps(design, ensure_ascii=False))]
    return []


# Refusals the design check may give for ordinary names: only names that
# the solution itself already uses.
ALLOWED_REFUSAL = re.compile("类名与解决方案|类名与类 .* 的窗体|成员名与生成的代码中的名称")


# Problems found, and "built" or "refused".
def check_design(index, rng_seed):
    design = random_design(random.Random(rng_seed), index)
    base, name = os.path.join(WORK, "d%d" % index), "R%d" % index
    os.makedirs(base)
    on_sqlite = index // 2 % 2 == 1
    if on_sqlite:
        design["database"] = "sqlite"
    text = json.dumps(design, ensure_ascii=False)
    write(os.path.join(base, "design.json"), text)
    status, _, err = cli(base, "import", os.path.join(base, "design.json"))
    if status != 0:
        return ["%s import: %s" % (name, err)], None
    # The script read back is SQL Server's.
    problems = [] if on_sqlite else script_round_trip(base, name, design)
    status, _, err = cli(base, "generate", name, *(["--full-query-forms"] if index % 2 else []))
    if status != 0:
        refused = [l for l in err.splitlines()[1:] if l]
        if err.startswith("设计检查未通过") and refused and all(ALLOWED_REFUSAL.search(l) for l in refused):
            return problems, "refused"
        return ["%s generate: %s\n%s" % (name, err, text)], None
    out = os.path.join(base, "projects", name, "LoginFrame")
    errors = xbuild(XBUILD, out)
    problems += ["%s xbuild:\n%s\n%s" % (name, "\n".join(errors[:20]), text)] if errors else []
    if on_sqlite:
        return problems + run_on_sqlite(name, design, out), "built"
    # Every statement of the data-access code, recorded.
    harness = os.path.join(base, "sql.exe")
    sources = [os.path.join(out, tier, f) for tier in ("Model", "DAL")
               for f in os.listdir(os.path.join(out, tier))
               if f.endswith(".cs") and (tier == "Model" or f.startswith("dal"))]
    done = run([MCS, "-nologo", "-codepage:936", "-out:" + harness, "-r:System.Data",
                os.path.join(HERE, "RecordingDBHelp.cs"), os.path.join(HERE, "SqlHarness.cs")] + sources)
    if done.returncode == 0:
        done = run([MONO, harness])
    if done.returncode != 0:
        return problems + ["%s harness: %s %s" % (name, done.stdout, done.stderr)], None
    # A count wraps the query its paged statement wraps: only the latter is parsed.
    batches = [b for b in done.stdout.split("\r\nGO\r\n") if not b.startswith("select count(*) from (")]
    sql = os.path.join(WORK, "sql%d" % (index % 2))
    write(os.path.join(sql, "dal%d.sql" % index), parsable("\r\nGO\r\n".join(batches)))
    # The scripts share their login module: every fifth is parsed.
    if index % 5 == 0:
        write(os.path.join(sql, "script%d.sql" % index), parsable(cli(base, "sql", name)[1]))
    return problems, "built"


# Every data-access method against the application's database file.
def run_on_sqlite(name, design, out):
    bin_dir = os.path.join(out, "LoginFrame", "bin", "Debug")
    if not os.path.isfile(os.path.join(bin_dir, "LoginFrame.exe")):
        return []
    harness = os.path.join(bin_dir, "DalHarness.exe")
    shutil.copy(os.path.join(WORK, "DalHarness.exe"), bin_dir)
    shutil.copy(os.path.join(bin_dir, "LoginFrame.exe.config"), harness + ".config")
    members = os.path.join(bin_dir, "design.txt")
    write(members, "".join("\t".join([c["className"], m["memberName"], m["memberType"],
                                      str(m["memberLength"]), str(int(m["memberIsPri"])),
                                      str(int(m["memberIsMust"]))]) + "\n"
                           for c in design["classes"] for m in c["members"]))
    problems = []
    # Three programs meet the missing file: each finds the database one of them made.
    first = [subprocess.Popen([MONO, harness, members, "count", design["classes"][0]["className"]], cwd=bin_dir,
                              text=True, stdout=subprocess.PIPE, stderr=subprocess.PIPE) for _ in range(3)]
    answers = [p.communicate(timeout=120) for p in first]
    if [a[0] for a in answers] != ["rows 0\n"] * 3 or [f for f in os.listdir(bin_dir) if f.endswith(".tmp")]:
        problems.append("%s: three programs at the missing file: %s %s" % (name, answers, os.listdir(bin_dir)))
    done = run([MONO, harness, members, "roundtrip"], cwd=bin_dir)
    if done.returncode != 0:
        problems.append("%s on SQLite: %s %s\n%s" % (name, done.stdout[-2000:], done.stderr[-1000:],
                                                      json.dumps(design, ensure_ascii=False)))
    with sqlite3.connect(os.path.join(bin_dir, "LoginFrame.db")) as db:
        for c in design["classes"]:
            if db.execute('select count(*) from "%s"' % c["className"]).fetchone()[0]:
                problems.append("%s on SQLite: rows left in %s" % (name, c["className"]))
        if db.execute("pragma integrity_check").fetchone()[0] != "ok":
            problems.append("%s on SQLite: the database file is damaged" % name)
    return problems


if tools_present(XBUILD, MCS, MONO, SQLFLUFF):
    sql_dirs = [os.path.join(WORK, "sql0"), os.path.join(WORK, "sql1")]
    for d in sql_dirs:
        os.makedirs(d)
    done = run([MCS, "-nologo", "-out:" + os.path.join(WORK, "DalHarness.exe"), "-r:System.Data",
                os.path.join(HERE, "..", "sqlite", "DalHarness.cs")])
    check(done.returncode == 0, "the SQLite harness builds: " + done.stdout)
    seeds = random.Random(SEED)
    jobs = [(i, seeds.random()) for i in range(COUNT)]
    outcomes = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for problems, outcome in pool.map(lambda job: check_design(*job), jobs):
            for p in problems:
                check(False, p)
            outcomes.append(outcome)
    # Every recorded statement and every script, in two parser runs side by side.
    files = [f for d in sql_dirs for f in os.listdir(d)]
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        parsed = [entry for tree in pool.map(lambda d: parse_tsql(SQLFLUFF, d), sql_dirs) for entry in tree]
    check(len(parsed) == len(files), "sqlfluff read %d of %d files" % (len(parsed), len(files)))
    for entry in parsed:
        check("unparsable" not in json.dumps(entry), "does not parse as T-SQL: " + entry.get("filepath", "?"))
    print("designs: %d built, %d refused, %d files parsed" %
          (outcomes.count("built"), outcomes.count("refused"), len(files)))
    check(outcomes.count("built") > 0, "some design is built")
finish()
