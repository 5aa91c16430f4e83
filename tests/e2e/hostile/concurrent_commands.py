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
import multiprocessing as mp
import os
import sqlite3

from corvane_e2e import CLI, WORK, check, cli, finish

ROUNDS = 8
PROJECT_ADDED = "工程名称添加成功！"
CLASS_ADDED = "类名称添加成功！"
MEMBER_ADDED = "类成员属性添加成功!"


def _exec_when_released(barrier, argv, out, err):
    os.dup2(os.open(out, os.O_WRONLY | os.O_CREAT | os.O_TRUNC), 1)
    os.dup2(os.open(err, os.O_WRONLY | os.O_CREAT | os.O_TRUNC), 2)
    barrier.wait(timeout=60)
    os.execv(argv[0], argv)


def at_once(base, commands):
    """Starts one corvane-cli per argument list, all released together by a
    barrier; answers (status, stdout, stderr) of each, in order."""
    barrier = mp.Barrier(len(commands))
    runs = []
    for i, args in enumerate(commands):
        out, err = ("%s/.run%d.%s" % (WORK, i, s) for s in ("out", "err"))
        p = mp.Process(target=_exec_when_released, args=(barrier, [CLI, "--dir", base] + args, out, err))
        p.start()
        runs.append((p, out, err))
    results = []
    for p, out, err in runs:
        p.join(120)
        if not check(not p.is_alive(), "a process did not end: %r" % (commands,)):
            p.kill()
            p.join()
        with open(out, encoding="utf-8") as o, open(err, encoding="utf-8") as e:
            results.append((p.exitcode, o.read(), e.read()))
    return results


def database(base):
    """The base directory's design database, checked sound."""
    db = sqlite3.connect(os.path.join(base, "projects.mdb"))
    check(db.execute("pragma integrity_check").fetchone()[0] == "ok", "integrity check of " + base)
    return db


def acknowledged(results, message):
    return [r[0] == 0 and r[1].strip() == message for r in results]


def names_once(db, sql, expected, what):
    """Each expected name is stored exactly once, ignoring letter case."""
    stored = [n.lower() for (n,) in db.execute(sql)]
    for name in expected:
        check(stored.count(name.lower()) == 1, "%s %s stored %d times" % (what, name, stored.count(name.lower())))
    check(len(set(stored)) == len(stored), "%s: no name stored twice: %r" % (what, stored))


# A new, empty base directory opened by eight processes at once: each makes
# a project, two of them the sample project, which only one gets.
for r in range(ROUNDS):
    base = os.path.join(WORK, "new%d" % r)
    results = at_once(base, [["project", "add", "P%d" % i] for i in range(6)] + [["demo"], ["demo"]])
    check(all(acknowledged(results[:6], PROJECT_ADDED)), "round %d: every project added: %r" % (r, results[:6]))
    demos = [s == 0 for s, _, _ in results[6:]]
    refused = [s == 1 and e.strip() == "该工程名称已经存在!" for s, _, e in results[6:]]
    check(demos.count(True) == 1 and refused.count(True) == 1,
          "round %d: the sample project added once, refused once: %r" % (r, results[6:]))
    db = database(base)
    names_once(db, "select projectName from t_project", ["P%d" % i for i in range(6)] + ["Demo"], "project")
    db.close()

# Names raced in different letter cases: one of each race wins.
base = os.path.join(WORK, "races")
check(cli(base, "project", "add", "P")[0] == 0, "project P added")
winners = []
for r in range(ROUNDS):
    spellings = ["Same%d" % r, "SAME%d" % r, "SaMe%d" % r, "SAme%d" % r]
    results = at_once(base, [["class", "add", "P", s, "类"] for s in spellings] +
                      [["project", "add", s.replace("S", "Q", 1)] for s in spellings])
    won = acknowledged(results[:4], CLASS_ADDED) + acknowledged(results[4:], PROJECT_ADDED)
    check(won[:4].count(True) == 1 and won[4:].count(True) == 1, "round %d: one of each name: %r" % (r, results))
    check(all(s == 1 and e.strip().startswith("该") and "已经存在!" in e
              for (s, _, e), w in zip(results, won) if not w), "round %d: the others are told" % r)
    winners += [spellings[i] for i in range(4) if won[i]]
db = database(base)
names_once(db, "select className from t_class", winners, "class")
names_once(db, "select projectName from t_project", [], "project")
db.close()

# An existing design: classes and members added while a class is deleted
# and the sample project is generated; every acknowledged row is there, no
# member outlives its class, and the run completes.
base = os.path.join(WORK, "busy")
check(cli(base, "demo")[0] == 0 and cli(base, "project", "add", "P")[0] == 0, "projects added")
members, classes = [], []
for r in range(ROUNDS):
    doomed = "Doomed%d" % r
    check(cli(base, "class", "add", "P", doomed, "类")[0] == 0, "class %s added" % doomed)
    commands = [["generate", "Demo"], ["class", "delete", "P", doomed]]
    commands += [["member", "add", "P", doomed, "m%d" % i, "字符串", "--length", "10"] for i in range(2)]
    commands += [["class", "add", "P", "K%d_%d" % (r, i), "类"] for i in range(2)]
    commands += [["member", "add", "Demo", "Book", "note%d_%d" % (r, i), "字符串"] for i in range(2)]
    results = at_once(base, commands)
    status, out, err = results[0]
    check(status == 0 and "所有代码生成完毕!" in out, "round %d: the run completes: %d %r" % (r, status, err))
    check(results[1][0] == 0, "round %d: the class is deleted: %r" % (r, results[1]))
    for (s, o, e) in results[2:4]:
        check((s == 0 and o.strip() == MEMBER_ADDED) or (s == 1 and e.strip() == "类不存在: " + doomed),
              "round %d: a member for a class being deleted is added or refused: %r" % (r, (s, o, e)))
    check(all(acknowledged(results[4:6], CLASS_ADDED) + acknowledged(results[6:], MEMBER_ADDED)),
          "round %d: classes and members added" % r)
    classes += [c[3] for c in commands[4:6]]
    members += [c[4] for c in commands[6:]]
db = database(base)
names_once(db, "select className from t_class", classes + ["Book", "BookType"], "class")
names_once(db, "select memberName from t_member where memberName like 'note%'", members, "member")
check(db.execute("select count(*) from t_member where classId not in (select classId from t_class)")
      .fetchone()[0] == 0, "no member outlives its class")
db.close()
# A project's two settings set at once: neither write loses the other, also
# where the option table is of an earlier version (without the database
# column, which one of them adds).
for r in range(ROUNDS):
    base = os.path.join(WORK, "settings%d" % r)
    check(cli(base, "demo")[0] == 0, "sample project added")
    if r % 2:
        with sqlite3.connect(os.path.join(base, "projects.mdb")) as db:
            db.execute("create table t_projectoption (projectId integer primary key,"
                       " fullQueryForms integer not null default 0)")
    results = at_once(base, [["project", "set", "Demo", "full-query-forms", "on"],
                             ["project", "set", "Demo", "database", "sqlite"]])
    check([s for s, _, _ in results] == [0, 0], "round %d: both set: %r" % (r, results))
    listed = cli(base, "project", "list")[1]
    check(listed == "1\tDemo\t完整查询窗体\tSQLite 嵌入式数据库\n", "round %d: both settings kept: %r" % (r, listed))
finish()
