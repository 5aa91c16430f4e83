#!/usr/bin/env python3
"""The sample design as a SQLite project, against a real database file: the
solution is generated and built with xbuild (no provider assembly
referenced), and every data-access method of both classes is called through
Mono.Data.Sqlite (DalHarness.cs) with the application's own App.config.
Three programs calling at once find no file, and LoginFrame.db is made
once from the generated script; then a row naming a missing type is
refused by the foreign key, rows are added (0, 1,
20, 21 and 45 books, each time paged with and without a condition, the
condition comparing dates), read back column by column (images, dates, a
row with NULL columns), edited, listed and deleted, and a type still named
by a book cannot be deleted. After each step the whole file is read with
the sqlite3 shell and compared with what the steps must have left.

usage: sqlite_dal.py CORVANE_CLI XBUILD MCS MONO SQLITE3
"""
import datetime
import json
import os
import re
import shutil
import subprocess
import sys

from corvane_e2e import CLI, WORK, check, finish, ok, run, tools_present, xbuild

XBUILD, MCS, MONO, SQLITE3 = sys.argv[2:6]
HERE = os.path.dirname(os.path.abspath(__file__))


def cli(*args):
    return ok("", *args)


# The values the harness gives row i (DalHarness.cs says the same).
def title(i):
    return ("title%d'中" % i)[:100]


def cover(i):
    return "" if i % 3 == 2 else "".join("%02X" % ((j * 37 + i * 11) & 0xFF) for j in range(i + 2))


def published(i):
    day = datetime.datetime(2021, 3, 1) + datetime.timedelta(days=i, seconds=61 * i)
    return day.strftime("%Y-%m-%d %H:%M:%S.000")


def book(key, i, types):
    return "%d|%s|%s|%d|%s|%s|%d" % (key, title(i), repr(i + 0.5), 7 * i - 3, published(i),
                                     cover(i), types[i % len(types)])


class Database:
    """The file through the sqlite3 shell, and what it must hold."""

    def __init__(self, path):
        self.path = path
        self.types = []   # keys
        self.books = {}   # key -> row text

    def query(self, sql):
        done = run([SQLITE3, self.path, sql])
        check(done.returncode == 0, "sqlite3 %s: %s" % (sql, done.stderr))
        return done.stdout.splitlines()

    def expect(self, step):
        types = self.query("select typeId, typeName from BookType order by typeId")
        check(types == ["%d|%s" % (k, ("typeName%d'中" % (k - 1))[:50]) for k in self.types],
              "%s: BookType holds %s" % (step, types))
        books = self.query("select bookId,title,price,stock,publishDate,hex(cover),bookType "
                           "from Book order by bookId")
        want = [self.books[k] for k in sorted(self.books)]
        check(books == want, "%s: Book holds %s, expected %s" % (step, books[:3], want[:3]))
        check(self.query("pragma foreign_key_check") == [], step + ": a foreign key is broken")


def main():
    if not tools_present(XBUILD, MCS, MONO, SQLITE3):
        return
    cli("demo")
    check(cli("project", "set", "Demo", "database", "sqlite") == "数据库已设为 SQLite 嵌入式数据库\n",
          "project set ... database sqlite")
    check(cli("project", "list") == "1\tDemo\tSQLite 嵌入式数据库\n", "project list")
    refused = run([CLI, "--dir", WORK, "project", "set", "Demo", "database", "oracle"])
    check(refused.returncode == 2 and "oracle 不是数据库: sqlserver, sqlite" in refused.stderr,
          "project set ... database oracle: %d %s" % (refused.returncode, refused.stderr))
    cli("generate", "Demo")
    out = os.path.join(WORK, "projects", "Demo", "LoginFrame")
    with open(os.path.join(out, "LoginFrame", "Database.sqlite.sql"), encoding="utf-8-sig", newline="") as f:
        check(f.read() == cli("sql", "Demo"), "the solution's script is not `corvane-cli sql`")
    projects = "".join(open(os.path.join(out, d, d + ".csproj"), encoding="utf-8-sig").read()
                       for d in ("Model", "DAL", "BLL", "LoginFrame"))
    check(not re.search(r"<Reference Include=\"(Mono\.Data\.Sqlite|System\.Data\.SQLite)", projects),
          "a project references a provider assembly")
    bin_dir = os.path.join(out, "LoginFrame", "bin", "Debug")
    errors = xbuild(XBUILD, out)
    if not check(not errors, "xbuild:\n" + "\n".join(errors)):
        return
    harness = os.path.join(bin_dir, "DalHarness.exe")
    done = run([MCS, "-nologo", "-out:" + harness, "-r:System.Data", os.path.join(HERE, "DalHarness.cs")])
    if not check(done.returncode == 0, "harness: " + done.stdout):
        return
    shutil.copy(os.path.join(bin_dir, "LoginFrame.exe.config"), harness + ".config")
    design = os.path.join(WORK, "design.txt")
    with open(design, "w", encoding="utf-8") as f:
        for c in json.loads(cli("export", "Demo"))["classes"]:
            for m in c["members"]:
                f.write("\t".join([c["className"], m["memberName"], m["memberType"],
                                   str(m["memberLength"]), str(int(m["memberIsPri"])),
                                   str(int(m["memberIsMust"]))]) + "\n")

    def harness_run(*args, status=0):
        done = run([MONO, harness, design] + list(args), cwd=bin_dir, timeout=60)
        check(done.returncode == status, "%s: status %d, expected %d: %s %s" % (
            " ".join(args), done.returncode, status, done.stdout, done.stderr[-2000:]))
        return done.stdout

    db = Database(os.path.join(bin_dir, "LoginFrame.db"))
    check(not os.path.exists(db.path), "a database file before the first connection")
    # Three programs meet the missing file: each sees the database that one
    # of them made.
    first = [subprocess.Popen([MONO, harness, design, "count", "Book"], cwd=bin_dir, text=True,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE) for _ in range(3)]
    check([p.communicate(timeout=60)[0] for p in first] == ["rows 0\n"] * 3,
          "getAll of the new database, three programs at once")
    check(os.path.isfile(db.path), "the first connection made no LoginFrame.db")
    check(not [f for f in os.listdir(bin_dir) if f.endswith(".tmp")], "a temporary file stays")
    check(db.query("select U_Name, U_RoleType from U_UserInfo") == ["admin|2"], "the seeded user")
    check(db.query("select count(*) from P_PasswordType") == ["7"], "the seeded questions")
    check(db.query("select \"table\",\"from\",\"to\" from pragma_foreign_key_list('Book')")
          == ["BookType|bookType|typeId"], "the foreign key of Book")
    db.expect("created")

    out = harness_run("addbad", "Book", status=3)
    check("FOREIGN KEY constraint failed" in out, "a book of a missing type: " + out)
    db.expect("a book of a missing type refused")
    check(harness_run("page", "Book", "1", "20", "") == "records 0 pages 0 keys \n", "Get of none")

    harness_run("add", "BookType", "0", "3")
    db.types = [1, 2, 3]
    added = 0
    for total in (1, 20, 21, 45):
        harness_run("add", "Book", str(added), str(total))
        for i in range(added, total):
            db.books[i + 1] = book(i + 1, i, db.types)
        added = total
        db.expect("%d books" % total)
        pages = (total + 19) // 20
        for page in range(1, pages + 2):
            keys = ",".join(str(k) for k in range(20 * page - 19, min(20 * page, total) + 1))
            check(harness_run("page", "Book", str(page), "20", "") ==
                  "records %d pages %d keys %s\n" % (total, pages, keys),
                  "Get page %d of %d books" % (page, total))
        # Dates compare as dates: row i is published on day i (from 0).
        later = [k for k in range(1, total + 1) if k - 1 >= 10]
        check(harness_run("page", "Book", "2", "5", "Book.publishDate >= '2021-03-11'") ==
              "records %d pages %d keys %s\n" % (len(later), (len(later) + 4) // 5,
                                                 ",".join(map(str, later[5:10]))),
              "Get with a date condition, %d books" % total)
    harness_run("check", "BookType")
    harness_run("check", "Book")

    # Columns that allow NULL read as the property's default.
    db.query("insert into Book(title,price,stock,publishDate,cover,bookType) "
             "values ('空',1.5,2,NULL,NULL,3)")
    db.books[46] = "46|空|1.5|2|||3"
    check(harness_run("show", "Book", "46") == "bookId=46\ntitle=空\nprice=1.5\nstock=2\n"
          "publishDate=0001-01-01 00:00:00\ncover=null\nbookType=3\n", "a row with NULL columns")
    harness_run("edit", "Book", "5", "50")
    db.books[5] = book(5, 50, db.types)
    db.expect("book 5 edited")
    check(harness_run("count", "Book") == "rows 46\n", "getAll of 46 books")
    check(harness_run("del", "Book", "46,1,2,3") == "answer True\n", "Del of four books")
    for k in (46, 1, 2, 3):
        del db.books[k]
    db.expect("four books deleted")
    out = harness_run("del", "BookType", "1", status=3)
    check("FOREIGN KEY constraint failed" in out, "a type named by books deleted: " + out)
    db.expect("a type named by books kept")


main()
finish()
