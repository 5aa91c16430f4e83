#!/usr/bin/env python3
"""The application of the sample design as a SQLite project with the
complete query forms (and a unique type name, a stock range, a yes/no
member and a fixed list), built with xbuild and run on a virtual display with
no database file (AppHarness.cs drives its forms): the first login check
creates LoginFrame.db, a wrong password is refused and the seeded admin
logs in; through the forms two book types and three books are added, the
query form searches with the hostile texts of the query-form test (each
matched literally), a date range and nothing, the edit form shows a record
and saves a change, a book is deleted, and deleting a type that books name
gives the database's refusal in a message box, as does adding a type that
a trigger refuses (a failing statement where the form checks nothing). The
file is read with the
sqlite3 shell after each step. The login form, the filled query form and
the edit form are photographed (into SHOTS, when given: docs/ keeps them).

usage: sqlite_app.py CORVANE_CLI XBUILD MCS MONO SQLITE3 XVFB_RUN [SHOTS]
"""
import base64
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

CLI, XBUILD, MCS, MONO, SQLITE3, XVFB_RUN = sys.argv[1:7]
HERE = os.path.dirname(os.path.abspath(__file__))
WORK = tempfile.mkdtemp(prefix="corvane-sqlite-app-e2e-")
SHOTS = os.path.abspath(sys.argv[7]) if len(sys.argv) > 7 else os.path.join(WORK, "shots")
failures = []

TITLES = ["红楼梦 50%_off 'a'", "三体", "Neuromancer"]
# The query-form test's hostile texts, and texts that tell a pattern from a
# literal ("5_%" would match the first title as a pattern).
SEARCHES = ["'", "%", "_", "[", "]", "--", ";", "a\r\nb", "x' or 1=1 --",
            "'; drop table Book; --", "[a-z]%_'", "50%_off", "张三", "5_%", "OFF", "neuro", "红楼"]
TYPES = ["DB type|1|古典小说", "DB type|2|科幻小说"]
BOOKS = ["DB book|1|红楼梦 50%_off 'a'|59.8|12|1982-03-01|1|1|1|平装",
         "DB book|2|三体|23.0|40|2008-01-01|1|2|0|精装",
         "DB book|3|Neuromancer|9.5|3|1984-07-01|1|2|1|平装"]
EDITED = "DB book|1|红楼梦(校注本)|65.5|12|1982-03-01|1|1|0|精装"
# What the file holds after each step (the seeded user always).
AFTER = {
    "login refused": [], "type added: 科幻小说": TYPES, "type name taken": TYPES,
    "stock refused": TYPES + BOOKS[:2], "book added: Neuromancer": TYPES + BOOKS,
    "searched": TYPES + BOOKS, "book edited": TYPES + [EDITED] + BOOKS[1:],
    "book deleted": TYPES + [EDITED, BOOKS[1]], "type delete refused": TYPES + [EDITED, BOOKS[1]],
    "type refused": TYPES + [EDITED, BOOKS[1]],
}


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL " + what)
    return ok


def run(args, **kw):
    return subprocess.run(args, capture_output=True, text=True, **kw)


def main():
    for tool in (XBUILD, MCS, MONO, SQLITE3, XVFB_RUN, "xdotool", "xwd", "convert"):
        if shutil.which(tool) is None:
            print("FAIL %s not found" % tool)
            return 1
    # The sample design with a unique type name, a range, a yes/no member
    # and a fixed list with a default.
    for args in (["demo"], ["project", "set", "Demo", "database", "sqlite"],
                 ["project", "set", "Demo", "full-query-forms", "on"],
                 ["member", "update", "Demo", "BookType", "typeName", "--unique"],
                 ["member", "update", "Demo", "Book", "stock", "--min", "0", "--max", "1000"],
                 ["member", "add", "Demo", "Book", "onSale", "布尔型", "--required", "--comment", "在售",
                  "--query"],
                 ["member", "add", "Demo", "Book", "binding", "字符串", "--length", "4", "--required",
                  "--choices", "平装,精装", "--default", "平装", "--comment", "装帧", "--query"],
                 ["generate", "Demo"]):
        done = run([CLI, "--dir", WORK] + args)
        if not check(done.returncode == 0, "corvane-cli %s: %s" % (" ".join(args), done.stderr)):
            return 1
    out = os.path.join(WORK, "projects", "Demo", "LoginFrame")
    build = run([XBUILD, "/nologo", "/verbosity:minimal", "LoginFrame.sln"], cwd=out)
    bin_dir = os.path.join(out, "LoginFrame", "bin", "Debug")
    exe = os.path.join(bin_dir, "LoginFrame.exe")
    if not check(build.returncode == 0 and os.path.isfile(exe), "xbuild:\n" + build.stdout[-3000:]):
        return 1
    harness = os.path.join(bin_dir, "AppHarness.exe")
    done = run([MCS, "-nologo", "-out:" + harness, "-r:System.Windows.Forms", "-r:System.Drawing",
                "-r:System.Data", os.path.join(HERE, "AppHarness.cs")])
    if not check(done.returncode == 0, "harness: " + done.stdout):
        return 1
    shutil.copy(exe + ".config", harness + ".config")
    searches = os.path.join(WORK, "searches.txt")
    with open(searches, "w") as f:
        f.write("".join(base64.b64encode(s.encode()).decode() + "\n" for s in SEARCHES))
    os.makedirs(SHOTS, exist_ok=True)
    check(not os.path.exists(os.path.join(bin_dir, "LoginFrame.db")), "a database before the start")

    args = [XVFB_RUN, "-a", "-s", "-screen 0 1280x1024x24", MONO, harness, exe, SQLITE3, SHOTS, searches]
    for attempt in range(3):
        done = run(args, cwd=bin_dir, timeout=240)
        if "XplatUI" not in done.stdout + done.stderr:
            break
        time.sleep(2)
    lines = done.stdout.splitlines()
    check(done.returncode == 0 and lines[-1:] == ["DONE"],
          "the run (status %d): %s %s" % (done.returncode, done.stdout[-3000:], done.stderr[-2000:]))

    # The file after each step, as the sqlite3 shell reads it.
    dumps, step = {}, None
    for line in lines:
        if line.startswith("STEP "):
            step = line[5:]
            dumps[step] = []
        elif line.startswith("DB ") and step is not None and not line.startswith("DB user|"):
            dumps[step].append(line)
        elif line.startswith("DB user|"):
            check(line == "DB user|admin|32", "the seeded user: " + line)
    for name, rows in AFTER.items():
        check(dumps.get(name) == rows, "after %s the file holds %s" % (name, dumps.get(name)))

    boxes = [l[4:] for l in lines if l.startswith("BOX ")]
    check(boxes[:1] == ["用户名或密码错误!"], "a wrong password: %s" % boxes[:1])
    for text in ("图书类型添加成功!", "图书添加成功!", "图书更新成功!", "确定删除选中的 1 条记录吗?",
                 "类型名称已存在!", "库存应在 0 到 1000 之间!"):
        check(text in boxes, "no box " + text)
    check(any("FOREIGN KEY constraint failed" in b for b in boxes if b.startswith("删除失败")),
          "deleting a type that books name: %s" % boxes[-1:])
    refused = [b for b in boxes if b.startswith("操作失败")]
    check(len(refused) == 1 and "no more types" in refused[0],
          "a type the database refuses: %s" % boxes[-3:])
    check("EDIT 红楼梦 50%_off 'a' 59.8 1982-03-01 古典小说 True 平装" in lines, "the edit form shows the record")
    check([l for l in lines if l.startswith("GRID ")] ==
          ["GRID 红楼梦 50%_off 'a' 是 平装", "GRID 三体 否 精装", "GRID Neuromancer 是 平装"],
          "the query grid shows yes/no and the fixed list")
    # The database itself refuses a name taken and a number out of range.
    db = os.path.join(bin_dir, "LoginFrame.db")
    for sql, refusal in (("drop trigger refuse; insert into BookType(typeName) values('古典小说')",
                          "UNIQUE constraint failed"),
                         ("update Book set stock=-1", "CHECK constraint failed"),
                         ("update Book set binding='线装'", "CHECK constraint failed")):
        done = run([SQLITE3, db, sql])
        check(refusal in done.stderr, "%s: %s" % (sql, done.stderr))

    found = {}
    for line in lines:
        m = re.match(r"SEARCH (\S+) (\d+) (.*)$", line)
        if m:
            found[m.group(1)] = (int(m.group(2)), m.group(3))
    for text in SEARCHES:
        want = sum(text.strip().lower() in t.lower() for t in TITLES)
        got = found.get(base64.b64encode(text.encode()).decode())
        check(got == (want, "第 1 / 1 页，共 %d 条" % want), "search %r: %s, expected %d rows" % (text, got, want))
    check(found.get("dates") == (2, "第 1 / 1 页，共 2 条"), "search by dates: %s" % (found.get("dates"),))
    check(found.get("onSale") == (1, "第 1 / 1 页，共 1 条"), "search by 在售 否: %s" % (found.get("onSale"),))
    check(found.get("binding") == (1, "第 1 / 1 页，共 1 条"), "search by 装帧: %s" % (found.get("binding"),))
    for shot in ("generated-sqlite-login.png", "generated-sqlite-query-form.png",
                 "generated-sqlite-edit-form.png"):
        path = os.path.join(SHOTS, shot)
        check(os.path.isfile(path) and os.path.getsize(path) > 1000, "no picture " + shot)
    print("%d steps, %d checks failed" % (len(dumps), len(failures)))
    return 1 if failures else 0


try:
    status = main()
finally:
    shutil.rmtree(WORK, ignore_errors=True)
sys.exit(status)
