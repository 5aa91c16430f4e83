#!/usr/bin/env python3
# Writes that fail half way, files named to hit the design database, and
# an output that cannot be written, through corvane-cli.
#
# A full disk is made by a file size limit (RLIMIT_FSIZE, with SIGXFSZ
# ignored): every write past the limit fails with EFBIG, as a write to a full
# disk fails with ENOSPC, without the root rights a small file system would
# need.
#
# usage: write_failures.py CORVANE_CLI
#
import os
import resource
import shutil
import signal
import stat
import subprocess

from corvane_e2e import WORK, check, cli as run_cli, finish, read, tree, write

BASE = os.path.join(WORK, "d")


def cli(*args, base=BASE, limit=None, stdout=subprocess.PIPE):
    """corvane-cli with the file size limit set, stdout as bytes."""
    def limited():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
    return run_cli(base, *args, raw=True, stdout=stdout, preexec_fn=limited if limit else None)


def leftovers(root):
    return [n for _, _, names in os.walk(root) for n in names if n.startswith(".corvane-")]


check(cli("demo")[0] == 0, "sample project added")

# A script too large for the disk: the old script stays, byte for byte,
# and the message says why.
script = os.path.join(WORK, "create.sql")
check(cli("sql", "Demo", "-o", script)[0] == 0, "script written")
old = read(script)
check(cli("member", "add", "Demo", "Book", "isbn", "字符串", "--length", "13")[0] == 0,
      "design changed")
status, _, err = cli("sql", "Demo", "-o", script, limit=1024)
check(status == 1 and script in err and "File too large" in err,
      "a failed script write says where and why: %d %r" % (status, err))
check(read(script) == old, "the old script is intact after a failed write")
status, _, err = cli("sql", "Demo", "-o", script)
check(status == 0 and read(script) != old and b"[isbn]" in read(script),
      "the script is replaced once the write can complete: %r" % err)

exported = os.path.join(WORK, "demo.json")
write(exported, b"an earlier export")
status, _, err = cli("export", "Demo", "-o", exported, limit=512)
check(status == 1 and "File too large" in err, "a failed export says why: %r" % err)
check(read(exported) == b"an earlier export", "the earlier export is intact")

# A generation that runs out of disk: every file holds either what the
# earlier run wrote or what this run writes, never a part of it.
output = os.path.join(BASE, "projects", "Demo")
check(cli("generate", "Demo")[0] == 0, "first run")
before = tree(output, record=False)
check(cli("member", "add", "Demo", "Book", "summary", "字符串", "--length", "200")[0] == 0,
      "design changed again")
shutil.copytree(BASE, os.path.join(WORK, "whole"))
check(cli("generate", "Demo", base=os.path.join(WORK, "whole"))[0] == 0, "an unhindered run")
after = tree(os.path.join(WORK, "whole", "projects", "Demo"), record=False)
status, _, err = cli("generate", "Demo", limit=2048)
check(status == 1 and err.startswith("错误: ") and "File too large" in err,
      "the hindered run fails with the reason: %d %r" % (status, err))
now = tree(output, record=False)
check(set(now) <= set(after), "no file but the generated ones: %r" % (set(now) - set(after)))
torn = [p for p, b in now.items() if b != before.get(p) and b != after.get(p)]
check(not torn, "no file is left half written: %r" % torn)
check(any(now[p] != after[p] for p in now), "the limit did stop the run")
check(not leftovers(WORK), "no temporary file is left: %r" % leftovers(WORK))

# Output that cannot be written is an error, not a success.
with open("/dev/full", "wb") as full:
    for command in (["project", "list"], ["class", "list", "Demo"],
                    ["member", "list", "Demo", "Book"], ["sql", "Demo"], ["export", "Demo"],
                    ["generate", "Demo"]):
        status, _, err = cli(*command, stdout=full)
        check(status == 1 and "无法写入标准输出" in err,
              "%s > /dev/full: %d %r" % (" ".join(command), status, err))

# The design database is never a place to write to, under any name.
database = os.path.join(BASE, "projects.mdb")
os.symlink(database, os.path.join(WORK, "link.sql"))
os.mkdir(os.path.join(BASE, "sub"))
kept = read(database)
os.chdir(BASE)  # names relative to the base directory, the journal's too
for target in (database, os.path.join(WORK, "link.sql"),
               os.path.join(BASE, "sub", "..", "projects.mdb"), "projects.mdb",
               "projects.mdb-journal", "projects.mdb-wal", "sub/../projects.mdb-shm"):
    for command in (["sql", "Demo", "-o", target], ["export", "Demo", "-o", target]):
        status, _, err = cli(*command)
        check(status == 1 and "设计数据库" in err,
              "%s refused: %d %r" % (" ".join(command), status, err))
check(read(database) == kept, "the design database is unchanged")

# Devices and pipes are written where they are, never replaced by a file.
os.symlink("/proc/self/fd/1", os.path.join(WORK, "stdout.sql"))
status, out, err = cli("sql", "Demo", "-o", os.path.join(WORK, "stdout.sql"))
check(status == 0 and b"CREATE TABLE" in out and os.path.islink(os.path.join(WORK, "stdout.sql")),
      "a link to standard output: %d %r" % (status, err))
for command in (["sql", "Demo", "-o", "/dev/null"], ["export", "Demo", "-o", "/dev/null"]):
    status, _, err = cli(*command)
    check(status == 0 and stat.S_ISCHR(os.stat("/dev/null").st_mode), "%s: %r" % (command, err))
status, _, err = cli("sql", "Demo", "-o", WORK)
check(status == 1 and "不是普通文件" in err, "a folder is refused: %r" % err)
check(cli("project", "list")[1] == b"1\tDemo\n", "and still opens")
finish()
