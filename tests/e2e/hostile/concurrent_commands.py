#!/usr/bin/env python3
# Several corvane-cli processes at once on one base directory, as an
# unlucky user meets them: a new directory opened by eight processes, names
# raced in different letter cases, additions racing a deletion and a
# generation, a project's two settings set together. Every acknowledged row
# must be there once, no name that must be unique may be there twice, and the
# design database must stay sound.
#
# usage: concurrent_commands.py CORVANE_CLI
#
import os
import sqlite3
import threading
from concurrent.futures import ThreadPoolExecutor
from contextlib import closing

from corvane_e2e import WORK, check, cli, finish, ok

ROUNDS = 8


def at_once(base, commands):
    """cli() once for each argument list, all started together from threads
    released by a barrier; their (status, stdout, stderr) in order."""
    barrier = threading.Barrier(len(commands))

    def run(args):
        barrier.wait(timeout=60)
        return cli(base, *args, timeout=120)
    with ThreadPoolExecutor(len(commands)) as pool:
        return list(pool.map(run, commands))


def one_wins(results):
    """Exactly one of the runs succeeded; the others were told the name is taken."""
    return sorted((s, e.startswith("该") and e.endswith("已经存在!\n")) for s, _, e in results) == \
        [(0, False)] + [(1, True)] * (len(results) - 1)


def names(base, sql):
    """The names the query finds, lower case and sorted, after an integrity check."""
    with closing(sqlite3.connect(os.path.join(base, "projects.mdb"))) as db:
        check(db.execute("pragma integrity_check").fetchone()[0] == "ok", "integrity check of " + base)
        return sorted(n.lower() for (n,) in db.execute(sql))


# A new, empty base directory opened by eight processes at once: a project
# name raced in four letter cases, two other projects, and the sample
# project twice, which only one gets.
for r in range(ROUNDS):
    base = os.path.join(WORK, "new%d" % r)
    commands = [["project", "add", s] for s in ("Same", "SAME", "SaMe", "SAme", "P0", "P1")] + [["demo"], ["demo"]]
    results = at_once(base, commands)
    check(one_wins(results[:4]) and [s for s, _, _ in results[4:6]] == [0, 0] and one_wins(results[6:]),
          "round %d: %r" % (r, results))
    check(names(base, "select projectName from t_project") == ["demo", "p0", "p1", "same"],
          "round %d: each project stored once" % r)

# An existing design: members added, and a class name and a project name
# each raced in two letter cases, while a class is deleted and the sample
# project is generated; every acknowledged row is there, no member outlives
# its class, and the run completes.
base = os.path.join(WORK, "busy")
ok(base, "demo")
ok(base, "project", "add", "P")
for r in range(ROUNDS):
    doomed = "Doomed%d" % r
    ok(base, "class", "add", "P", doomed, "类")
    commands = [["generate", "Demo"], ["class", "delete", "P", doomed]]
    commands += [["member", "add", "P", doomed, "m%d" % i, "字符串", "--length", "10"] for i in range(2)]
    commands += [["class", "add", "P", name % r, "类"] for name in ("Kind%d", "KIND%d")]
    commands += [["project", "add", name % r] for name in ("Proj%d", "PROJ%d")]
    commands += [["member", "add", "Demo", "Book", "note%d_%d" % (r, i), "字符串"] for i in range(2)]
    results = at_once(base, commands)
    check(results[0][0] == 0 and "所有代码生成完毕!" in results[0][1] and results[1][0] == 0,
          "round %d: the run completes and the class is deleted: %r" % (r, results[:2]))
    check(all(s == 0 or (s, e) == (1, "类不存在: %s\n" % doomed) for s, _, e in results[2:4]),
          "round %d: a member for a class being deleted is added or refused: %r" % (r, results[2:4]))
    check(one_wins(results[4:6]) and one_wins(results[6:8]) and [s for s, _, _ in results[8:]] == [0, 0],
          "round %d: one class, one project and every member added: %r" % (r, results[4:]))
check(names(base, "select className from t_class") == ["book", "booktype"] + ["kind%d" % r for r in range(ROUNDS)],
      "every class added is there")
check(names(base, "select projectName from t_project") == ["demo", "p"] + ["proj%d" % r for r in range(ROUNDS)],
      "every project added is there")
check(names(base, "select memberName from t_member where memberName like 'note%'") ==
      ["note%d_%d" % (r, i) for r in range(ROUNDS) for i in range(2)], "every member added is there")
check(names(base, "select memberName from t_member where classId not in (select classId from t_class)") == [],
      "no member outlives its class")

# A project's two settings set at once: neither write loses the other, also
# where the option table is of an earlier version (without the database
# column, which one of them adds).
for r in range(ROUNDS):
    base = os.path.join(WORK, "settings%d" % r)
    ok(base, "demo")
    if r % 2:
        with sqlite3.connect(os.path.join(base, "projects.mdb")) as db:
            db.execute("create table t_projectoption (projectId integer primary key,"
                       " fullQueryForms integer not null default 0)")
    results = at_once(base, [["project", "set", "Demo", "full-query-forms", "on"],
                             ["project", "set", "Demo", "database", "sqlite"]])
    listed = cli(base, "project", "list")[1]
    check([s for s, _, _ in results] == [0, 0] and listed == "1\tDemo\t完整查询窗体\tSQLite 嵌入式数据库\n",
          "round %d: both set and kept: %r %r" % (r, results, listed))
finish()
