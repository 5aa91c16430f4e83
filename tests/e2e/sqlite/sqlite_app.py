#!/usr/bin/env python3
# The application of the sample design as a SQLite project with the
# complete query forms, a unique type name, a stock range, a yes/no member, a
# fixed list and a class Shelf with a string key, built with
# xbuild and run on a virtual display with no database file (AppHarness.cs
# drives its forms): the first login check creates LoginFrame.db, a wrong
# password is refused and the seeded admin logs in with the password admin;
# through the forms two book types and three books are added, the query form
# searches with the hostile texts of the query-form test (each matched
# literally), a date range and nothing, the edit form shows a record and
# saves a change, a book is deleted, and deleting a type that books name
# gives the database's refusal in a message box. Shelves "A,B", "A" and "B"
# are added; adding "A" again gives the add form's message and the form stays
# open with the entries; deleting "A,B" leaves "A" and "B". The password is
# changed through 系统 → 修改密码 (a wrong old password refused). The file is read with
# the sqlite3 shell after each step; at the end the table script is run on it
# twice: the users and their passwords stay, the design's tables are emptied.
# With 44 books under a window manager, the book types' form shows the books
# of the selected type and refreshes them after an add from its tab; the book
# form exports every book to a CSV file, read back here, and previews them
# for print (on a printer of the test's own). The login form, the filled
# query form, the edit form, the master-detail form and the print preview are
# photographed (into SHOTS, when given: docs/ keeps them).
#
# usage: sqlite_app.py CORVANE_CLI XBUILD MCS MONO SQLITE3 XVFB_RUN [SHOTS]
import base64
import csv
import hashlib
import os
import re
import shutil
import sys

from corvane_e2e import WORK, check, finish, ok, on_display, private_printer, read, run, tools_present, write, xbuild

XBUILD, MCS, MONO, SQLITE3, XVFB_RUN = sys.argv[2:7]
HERE = os.path.dirname(os.path.abspath(__file__))
SHOTS = os.path.abspath(sys.argv[7]) if len(sys.argv) > 7 else os.path.join(WORK, "shots")

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
KEPT = TYPES + [EDITED, BOOKS[1]]
SHELVES = ["DB shelf|A|甲", "DB shelf|A,B|甲乙", "DB shelf|B|乙"]
# What the file holds after each step (the users apart).
AFTER = {
    "login refused": [], "type added: 科幻小说": TYPES, "type name taken": TYPES,
    "stock refused": TYPES + BOOKS[:2], "book added: Neuromancer": TYPES + BOOKS,
    "searched": TYPES + BOOKS, "book edited": TYPES + [EDITED] + BOOKS[1:],
    "book deleted": KEPT, "type delete refused": KEPT, "shelf added: B": KEPT + SHELVES,
    "shelf refused": KEPT + SHELVES, "shelf deleted": KEPT + [SHELVES[0], SHELVES[2]],
}
PASSWORD = "新密码9"
# The sample design as a SQLite project, with a class Shelf and constraints.
DESIGN = """\
demo
class add Demo Shelf 书架
member add Demo Shelf shelfCode 字符串 --length 20 --comment 书架编号 --key
member add Demo Shelf shelfName 字符串 --length 20 --comment 书架名称 --display --required
project set Demo database sqlite
project set Demo full-query-forms on
member update Demo BookType typeName --unique
member update Demo Book stock --min 0 --max 1000
member add Demo Book onSale 布尔型 --required --comment 在售 --query
member add Demo Book binding 字符串 --length 4 --required --choices 平装,精装 --default 平装 --comment 装帧 --query
generate Demo
"""


def digest(password):
    return hashlib.md5(password.encode("utf-8")).hexdigest().upper()


def sqlite(db, *args, **kw):
    done = run([SQLITE3, db] + list(args), **kw)
    check(done.returncode == 0, "sqlite3 %s: %s" % (args, done.stderr))
    return done.stdout.splitlines()


def main():
    if not tools_present(XBUILD, MCS, MONO, SQLITE3, XVFB_RUN, "xdotool", "xwd", "convert", "import",
                         "openbox", "cupsd", "lpadmin"):
        return
    for command in DESIGN.splitlines():
        said = ok("d", *command.split())
        if command.endswith("database sqlite"):
            check(said == "数据库已设为 SQLite 嵌入式数据库\n", "the database's setting: %r" % said)
    out = os.path.join(WORK, "d", "projects", "Demo", "LoginFrame")
    errors = xbuild(XBUILD, out)
    if not check(not errors, "xbuild: %s" % errors):
        return
    bin_dir = os.path.join(out, "LoginFrame", "bin", "Debug")
    exe = os.path.join(bin_dir, "LoginFrame.exe")
    harness = os.path.join(bin_dir, "AppHarness.exe")
    done = run([MCS, "-nologo", "-out:" + harness, "-r:System.Windows.Forms", "-r:System.Drawing",
                "-r:System.Data", os.path.join(HERE, "AppHarness.cs"), os.path.join(HERE, "..", "FormDriver.cs")])
    if not check(done.returncode == 0, "harness: " + done.stdout):
        return
    shutil.copy(exe + ".config", harness + ".config")
    searches = os.path.join(WORK, "searches.txt")
    write(searches, "".join(base64.b64encode(s.encode()).decode() + "\n" for s in SEARCHES))
    os.makedirs(SHOTS, exist_ok=True)
    db = os.path.join(bin_dir, "LoginFrame.db")
    check(not os.path.exists(db), "a database before the start")

    printer = private_printer()

    done = on_display(XVFB_RUN, ["-s", "-screen 0 1280x1024x24", MONO, harness, exe, SQLITE3, SHOTS, searches,
                                 PASSWORD], cwd=bin_dir, timeout=300, env=printer)
    lines = done.stdout.splitlines()
    check(done.returncode == 0 and lines[-1:] == ["DONE"],
          "the run (status %d): %s %s" % (done.returncode, done.stdout[-3000:], done.stderr[-2000:]))

    # The file after each step, as the sqlite3 shell reads it.
    dumps, users, step = {}, {}, None
    for line in lines:
        if line.startswith("STEP "):
            step = line[5:]
            dumps[step], users[step] = [], []
        elif line.startswith("DB ") and step is not None:
            (users if line.startswith("DB user|") else dumps)[step].append(line)
    for name, rows in AFTER.items():
        check(dumps.get(name) == rows, "after %s the file holds %s" % (name, dumps.get(name)))
    # The seeded user logs in with "admin" until the password is changed.
    changed = list(users).index("password changed") if "password changed" in users else len(users)
    for i, (name, rows) in enumerate(users.items()):
        want = digest("admin" if i < changed else PASSWORD)
        check(rows == ["DB user|admin|" + want], "after %s the users are %s" % (name, rows))

    boxes = [l[4:] for l in lines if l.startswith("BOX ")]
    check(boxes[:1] == ["用户名或密码错误!"], "a wrong password: %s" % boxes[:1])
    for text in ("图书类型添加成功!", "图书添加成功!", "图书更新成功!", "确定删除选中的 1 条记录吗?", "原密码错误!",
                 "密码已修改，下次登录请使用新密码!", "类型名称已存在!", "库存应在 0 到 1000 之间!"):
        check(text in boxes, "no box " + text)
    # Deleting a type that books name, adding a shelf whose key is taken.
    for start, refusal in (("删除失败: ", "FOREIGN KEY constraint failed"), ("书架添加失败: ", "UNIQUE constraint failed")):
        check(any(b.startswith(start) and refusal in b for b in boxes), "no box %s%s: %s" % (start, refusal, boxes))
    check("KEPT A 重复" in lines, "the add form stays open with its entries")
    check("EDIT 红楼梦 50%_off 'a' 59.8 1982-03-01 古典小说 True 平装" in lines, "the edit form shows the record")
    check([l for l in lines if l.startswith("GRID ")] ==
          ["GRID 红楼梦 50%_off 'a' 是 平装", "GRID 三体 否 精装", "GRID Neuromancer 是 平装"],
          "the query grid shows yes/no and the fixed list")
    # The database itself refuses a name taken and a number out of range.
    for sql, refusal in (("insert into BookType(typeName) values('古典小说')",
                          "UNIQUE constraint failed"),
                         ("update Book set stock=-1", "CHECK constraint failed"),
                         ("update Book set binding='线装'", "CHECK constraint failed")):
        done = run([SQLITE3, db, sql])
        check(refusal in done.stderr, "%s: %s" % (sql, done.stderr))

    found = dict(re.match(r"SEARCH (\S+) (\d+ .*)$", l).groups() for l in lines if l.startswith("SEARCH "))
    want = {(base64.b64encode(text.encode()).decode(), text): sum(text.strip().lower() in t.lower() for t in TITLES)
            for text in SEARCHES}
    want.update({("dates", "by dates"): 2, ("onSale", "by 在售 否"): 1, ("binding", "by 装帧 精装"): 1})
    for (label, text), rows in want.items():
        check(found.get(label) == "%d 第 1 / 1 页，共 %d 条" % (rows, rows),
              "search %r: %s, expected %d rows" % (text, found.get(label), rows))
    check_master_detail_export_and_print(lines, boxes, os.path.join(bin_dir, "books.csv"))

    # The script run again, twice, as after a change of the design: the
    # users keep their passwords, the question list stays, the design's
    # tables are made anew and empty.
    for _ in range(2):
        with open(os.path.join(bin_dir, "Database.sqlite.sql"), "rb") as script:
            sqlite(db, stdin=script)
    check(sqlite(db, "select U_Name, U_PassWord from U_UserInfo; select count(*) from P_PasswordType; "
                     "select (select count(*) from Book) + (select count(*) from BookType) + "
                     "(select count(*) from Shelf);") == ["admin|" + digest(PASSWORD), "7", "0"],
          "the script run again keeps the users and empties the design's tables")


def check_master_detail_export_and_print(lines, boxes, csv_path):
    # Each type's books, the refreshed ones after the tab's add.
    odd = '甲,乙 "丙" 丁'
    many = ["三体"] + ["批量 %d" % i for i in range(1, 42)]
    details = [l for l in lines if l.startswith("DETAIL ")]
    check(details == ["DETAIL 科幻小说 42 " + "|".join(many),
                      "DETAIL 古典小说 2 红楼梦(校注本)|" + odd,
                      "DETAIL refreshed 3 红楼梦(校注本)|%s|西游记" % odd], "the details: %s" % details)
    # Every page of the search, not only the 20 rows shown.
    check("PAGE 20 第 1 / 3 页，共 45 条" in lines, "the book form's first page")
    exported = [b for b in boxes if b.startswith("已导出")]
    check(exported == ["已导出 45 条记录到 " + csv_path], "the export's message: %s" % exported)
    raw = read(csv_path)
    check(raw.startswith(b"\xef\xbb\xbf"), "the CSV file has no byte-order mark")
    rows = list(csv.reader(raw.decode("utf-8-sig").splitlines()))
    check(rows[:1] == [["图书编号", "书名", "价格", "库存", "出版日期", "图书类型", "在售", "装帧"]], "the CSV headings: %s" % rows[:1])
    titles = [r[1] for r in rows[1:]]
    check(sorted(titles) == sorted(["红楼梦(校注本)", odd, "西游记"] + many), "the CSV rows: %s" % titles)
    # A value with a comma and quotes is quoted as RFC 4180 has it.
    row = [r[1:] for r in rows if r[1] == odd]
    check(row == [[odd, "1.5", "1", "2001-01-01", "古典小说", "否", "平装"]], "the row with a comma, quotes and Chinese: %s" % row)
    # 45 rows of 9 points with the title, the headings and the page number
    # fill an A4 page's margins once and go over.
    check("PAGES 2" in lines, "the print preview's pages: %s" % [l for l in lines if l.startswith("PAGES")])


main()
finish()
