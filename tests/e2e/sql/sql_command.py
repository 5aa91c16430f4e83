#!/usr/bin/env python3
# Drives `corvane-cli sql` as a user would: the script on stdout and in a
# file, UTF-8 and GBK, an incomplete design, and a T-SQL parser's verdict on
# what it prints.
#
# usage: sql_command.py CORVANE_CLI SQLFLUFF GOLDEN_DIR
#
import json
import os
import sys

from corvane_e2e import WORK, check, cli, finish, ok, parse_tsql, read, tools_present, write

SQLFLUFF, GOLDEN = sys.argv[2], sys.argv[3]


def sql(*args):
    """corvane-cli sql on the design in d: (status, stdout as bytes, stderr)."""
    return cli("d", "sql", *args, raw=True)


def parses(script, name):
    path = os.path.join(WORK, name)
    write(path, script)
    parsed = parse_tsql(SQLFLUFF, path)
    return len(parsed) == 1 and "unparsable" not in json.dumps(parsed)


golden = read(os.path.join(GOLDEN, "demo.sql"))
gbk = golden.decode("utf-8").encode("gbk")
tools_present(SQLFLUFF)
ok("d", "demo")
check(sql("Demo") == (0, golden, ""), "stdout is the sample script exactly")
check(parses(golden, "demo.sql") and parses(read(os.path.join(GOLDEN, "staff.sql")), "staff.sql"),
      "the sample script, and the one with yes/no members, own references and constraints, parse as T-SQL")

# -o replaces whatever the file held; GBK on request.
target, gbk_file = os.path.join(WORK, "script.sql"), os.path.join(WORK, "script-gbk.sql")
write(target, b"old content that is longer than nothing\r\n" * 200)
check(sql("Demo", "--project-id", "1", "-o", target)[:2] == (0, b"") and read(target) == golden,
      "-o holds exactly the script")
check(sql("Demo", "--encoding", "gbk", "-o", gbk_file)[0] == 0 and read(gbk_file) == gbk, "-o file is GBK")
check(sql("Demo", "--encoding", "latin1")[0] == 2, "an unknown encoding is a usage error")

# An incomplete design still gives a script that parses; what is left out
# is also a warning on stderr.
ok("d", "class", "add", "Demo", "Extra", "额外")
ok("d", "member", "add", "Demo", "Book", "extra", "Extra", "--required")
status, out, err = sql("Demo")
check(status == 0 and err.count("警告: ") == 2 and parses(out, "incomplete.sql"), "omissions: %r" % err)

# A character GBK cannot hold: UTF-8 is fine, GBK is a clear error and the
# file named by -o is left as it was.
ok("d", "member", "add", "Demo", "Book", "mark\U0001F600", "字符串", "--length", "5")
check("[mark\U0001F600]".encode("utf-8") in sql("Demo")[1], "UTF-8 holds any character")
write(gbk_file, b"kept")
status, out, err = sql("Demo", "--encoding", "gbk", "-o", gbk_file)
check(status == 1 and "U+1F600" in err and gbk_file in err and read(gbk_file) == b"kept",
      "GBK failure names the character and the file, which is kept: %d %r" % (status, err))
check(sql("Demo", "--encoding", "gbk")[:2] == (1, b""), "GBK failure on stdout prints nothing")
finish()
