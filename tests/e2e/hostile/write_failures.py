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

from corvane_e2e import WORK, check, expect, finish, ok, read, tree, write

BASE = os.path.join(WORK, "d")


def limit(size):
    """The file size limit for expect(..., preexec_fn=limit(size))."""
    def limited():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (size, size))
    return limited


ok(BASE, "demo")

# A script or an export too large for the disk: the old file stays, byte
# for byte, and the message says where and why.
script, exported = os.path.join(WORK, "create.sql"), os.path.join(WORK, "demo.json")
ok(BASE, "sql", "Demo", "-o", script)
write(exported, "an earlier export")
ok(BASE, "member", "add", "Demo", "Book", "isbn", "字符串", "--length", "13")
for target, command in ((script, "sql"), (exported, "export")):
    kept = read(target)
    expect(BASE, command, "Demo", "-o", target, status=1, err=target + ": File too large", preexec_fn=limit(1024))
    check(read(target) == kept, "the old file is intact after a failed write: " + target)
ok(BASE, "sql", "Demo", "-o", script)
check(b"[isbn]" in read(script), "the script is replaced once the write can complete")

# A generation that runs out of disk: every file holds either what the
# earlier run wrote or what this run writes, never a part of it.
output = os.path.join(BASE, "projects", "Demo")
ok(BASE, "generate", "Demo")
before = tree(output, record=False)
ok(BASE, "member", "add", "Demo", "Book", "summary", "字符串", "--length", "200")
shutil.copytree(BASE, os.path.join(WORK, "whole"))
ok(os.path.join(WORK, "whole"), "generate", "Demo")
after = tree(os.path.join(WORK, "whole", "projects", "Demo"), record=False)
expect(BASE, "generate", "Demo", status=1, err="File too large", preexec_fn=limit(2048))
now = tree(output, record=False)
check(set(now) <= set(after), "no file but the generated ones: %r" % (set(now) - set(after)))
check(not [p for p, b in now.items() if b != before.get(p) and b != after.get(p)], "no file is left half written")
check(any(now[p] != after[p] for p in now), "the limit did stop the run")
# The same into an empty folder, where every file is new: each is whole or
# not there at all.
fresh = os.path.join(WORK, "fresh")
shutil.copytree(BASE, fresh, ignore=shutil.ignore_patterns("projects"))
expect(fresh, "generate", "Demo", status=1, err="File too large", preexec_fn=limit(2048))
made = tree(os.path.join(fresh, "projects", "Demo"), record=False)
check(made and len(made) < len(after), "the limit stopped the run part way: %d files" % len(made))
check(not [p for p, b in made.items() if b != after.get(p)], "no new file is left half written")
leftovers = [n for _, _, names in os.walk(WORK) for n in names if n.startswith(".corvane-")]
check(not leftovers, "no temporary file is left: %r" % leftovers)

# Output that cannot be written is an error, not a success.
with open("/dev/full", "wb") as full:
    for command in (["project", "list"], ["class", "list", "Demo"],
                    ["member", "list", "Demo", "Book"], ["sql", "Demo"], ["export", "Demo"],
                    ["generate", "Demo"]):
        expect(BASE, *command, status=1, err="无法写入标准输出", stdout=full)

# The design database is never a place to write to, under any name.
database = os.path.join(BASE, "projects.mdb")
os.symlink(database, os.path.join(WORK, "link.sql"))
os.mkdir(os.path.join(BASE, "sub"))
kept = read(database)
os.chdir(BASE)  # names relative to the base directory, the journal's too
for target in (database, os.path.join(WORK, "link.sql"),
               os.path.join(BASE, "sub", "..", "projects.mdb"), "projects.mdb",
               "projects.mdb-journal", "projects.mdb-wal", "sub/../projects.mdb-shm"):
    for command in ("sql", "export"):
        expect(BASE, command, "Demo", "-o", target, status=1, err="设计数据库")
check(read(database) == kept, "the design database is unchanged")

# Devices and pipes are written where they are, never replaced by a file; a
# folder is refused.
os.symlink("/proc/self/fd/1", os.path.join(WORK, "stdout.sql"))
expect(BASE, "sql", "Demo", "-o", os.path.join(WORK, "stdout.sql"), out="CREATE TABLE")
check(os.path.islink(os.path.join(WORK, "stdout.sql")), "a link to standard output stays a link")
expect(BASE, "sql", "Demo", "-o", "/dev/null")
check(stat.S_ISCHR(os.stat("/dev/null").st_mode), "/dev/null stays a device")
expect(BASE, "sql", "Demo", "-o", WORK, status=1, err="不是普通文件")
finish()
