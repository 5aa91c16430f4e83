#!/usr/bin/env python3
"""Drives `corvane-cli sql` as a user would: the script on stdout and in a
file, UTF-8 and GBK, an incomplete design, and a T-SQL parser's verdict on
what it prints.

usage: sql_command.py CORVANE_CLI SQLFLUFF GOLDEN_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile

CLI, SQLFLUFF, GOLDEN = sys.argv[1], sys.argv[2], sys.argv[3]
WORK = tempfile.mkdtemp(prefix="corvane-sql-e2e-")
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL " + what)


def cli(*args):
    cmd = [CLI, "--dir", os.path.join(WORK, "d")] + list(args)
    done = subprocess.run([a.encode("utf-8") for a in cmd], capture_output=True)
    return done.returncode, done.stdout, done.stderr.decode("utf-8", "replace")


def parses_as_tsql(script, name):
    path = os.path.join(WORK, name)
    with open(path, "wb") as f:
        f.write(script)
    done = subprocess.run([SQLFLUFF, "parse", "--dialect", "tsql", path],
                          capture_output=True, text=True)
    report = done.stdout + done.stderr
    ok = done.returncode == 0 and "unparsable" not in report.lower()
    if not ok:
        print("\n".join(l for l in report.splitlines() if "unparsable" in l.lower()
                        or "PRS" in l or "Error" in l)[:3000])
    return ok


def read(path):
    with open(path, "rb") as f:
        return f.read()


try:
    if shutil.which(SQLFLUFF) is None and not os.access(SQLFLUFF, os.X_OK):
        check(False, "sqlfluff is needed to check the script: " + SQLFLUFF)
        raise SystemExit(1)
    with open(os.path.join(GOLDEN, "demo.sql"), "rb") as f:
        golden = f.read()

    check(cli("demo")[0] == 0, "demo design added")

    status, out, err = cli("sql", "Demo")
    check(status == 0 and err == "", "sql Demo succeeds quietly: %d %r" % (status, err))
    check(out == golden, "stdout is the sample script exactly, CR LF kept, nothing added")
    check(parses_as_tsql(out, "demo.sql"), "sample script parses as T-SQL")

    # -o replaces whatever the file held, UTF-8 without byte-order mark.
    target = os.path.join(WORK, "script.sql")
    with open(target, "wb") as f:
        f.write(b"old content that is longer than nothing\r\n" * 200)
    status, out, err = cli("sql", "Demo", "--project-id", "1", "-o", target)
    check(status == 0 and out == b"", "-o writes nothing to stdout: %d %r" % (status, out[:80]))
    check(read(target) == golden, "-o file holds exactly the script")

    gbk_file = os.path.join(WORK, "script-gbk.sql")
    status, _, err = cli("sql", "Demo", "--encoding", "gbk", "-o", gbk_file)
    check(status == 0, "--encoding gbk succeeds: " + err)
    check(read(gbk_file) == golden.decode("utf-8").encode("gbk"), "-o file is GBK")
    status, out, _ = cli("sql", "Demo", "--encoding", "gbk")
    check(status == 0 and out == golden.decode("utf-8").encode("gbk"), "stdout is GBK")

    status, _, err = cli("sql", "Demo", "--encoding", "latin1")
    check(status == 2, "an unknown encoding is a usage error: %d" % status)
    status, _, err = cli("sql", "Demo", "--project-id", "7")
    check(status == 1 and "没有编号为 7 的工程" in err, "wrong project id: %d %r" % (status, err))

    # An incomplete design still gives a script that parses; what is left
    # out is also a warning on stderr.
    check(cli("class", "add", "Demo", "Extra", "额外")[0] == 0, "keyless class added")
    check(cli("member", "add", "Demo", "Book", "extra", "Extra", "--required")[0] == 0,
          "reference to the keyless class added")
    status, out, err = cli("sql", "Demo")
    no_table = "类 Extra 没有主键成员，未生成它的表"
    no_column = "类 Book 的成员 extra 引用的类 Extra 没有主键成员，未生成该列"
    check(status == 0, "incomplete design still exits 0")
    check(err == "警告: " + no_column + "\n警告: " + no_table + "\n",
          "each omission is a warning on stderr: %r" % err)
    check(parses_as_tsql(out, "incomplete.sql"), "script with omissions parses as T-SQL")

    # A character GBK cannot hold: UTF-8 is fine, GBK is a clear error and
    # the file named by -o is left as it was.
    check(cli("member", "add", "Demo", "Book", "mark\U0001F600", "字符串", "--length", "5")[0] == 0,
          "member with an emoji added")
    status, out, _ = cli("sql", "Demo")
    check(status == 0 and "[mark\U0001F600]".encode("utf-8") in out, "UTF-8 holds any character")
    with open(gbk_file, "wb") as f:
        f.write(b"kept")
    status, out, err = cli("sql", "Demo", "--encoding", "gbk", "-o", gbk_file)
    check(status == 1 and "GBK" in err and "U+1F600" in err and gbk_file in err,
          "GBK failure names the character and the file: %d %r" % (status, err))
    check(read(gbk_file) == b"kept", "a failed GBK write leaves the file untouched")
    status, out, err = cli("sql", "Demo", "--encoding", "gbk")
    check(status == 1 and out == b"" and "U+1F600" in err, "GBK failure on stdout prints nothing")
finally:
    shutil.rmtree(WORK, ignore_errors=True)

print("%d failure(s)" % len(failures))
sys.exit(1 if failures else 0)
