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

from corvane_e2e import WORK, check, cli as run_cli, finish, parse_tsql, read, tools_present, write

SQLFLUFF, GOLDEN = sys.argv[2], sys.argv[3]


def cli(*args):
    return run_cli("d", *args, raw=True)


def parses(script, name):
    path = os.path.join(WORK, name)
    write(path, script)
    parsed = parse_tsql(SQLFLUFF, path)
    return len(parsed) == 1 and "unparsable" not in json.dumps(parsed)


golden = read(os.path.join(GOLDEN, "demo.sql"))
check(tools_present(SQLFLUFF) and cli("demo")[0] == 0, "demo design added")
status, out, err = cli("sql", "Demo")
check(status == 0 and err == "" and out == golden, "stdout is the sample script exactly: %d %r" % (status, err))
check(parses(out, "demo.sql"), "the sample script parses as T-SQL")
check(parses(read(os.path.join(GOLDEN, "staff.sql")), "staff.sql"),
      "the script with yes/no members, own references and constraints parses as T-SQL")

# -o replaces whatever the file held; GBK on request.
target = os.path.join(WORK, "script.sql")
write(target, b"old content that is longer than nothing\r\n" * 200)
status, out, err = cli("sql", "Demo", "--project-id", "1", "-o", target)
check(status == 0 and out == b"" and read(target) == golden, "-o holds exactly the script: %r" % err)
gbk_file = os.path.join(WORK, "script-gbk.sql")
status, _, err = cli("sql", "Demo", "--encoding", "gbk", "-o", gbk_file)
check(status == 0 and read(gbk_file) == golden.decode("utf-8").encode("gbk"), "-o file is GBK: " + err)
check(cli("sql", "Demo", "--encoding", "gbk")[1] == golden.decode("utf-8").encode("gbk"), "stdout is GBK")
check(cli("sql", "Demo", "--encoding", "latin1")[0] == 2, "an unknown encoding is a usage error")
status, _, err = cli("sql", "Demo", "--project-id", "7")
check(status == 1 and "没有编号为 7 的工程" in err, "wrong project id: %d %r" % (status, err))

# An incomplete design still gives a script that parses; what is left out
# is also a warning on stderr.
check(cli("class", "add", "Demo", "Extra", "额外")[0] == 0, "keyless class added")
check(cli("member", "add", "Demo", "Book", "extra", "Extra", "--required")[0] == 0, "reference added")
status, out, err = cli("sql", "Demo")
check(status == 0 and err == "警告: 类 Book 的成员 extra 引用的类 Extra 没有主键成员，未生成该列\n"
      "警告: 类 Extra 没有主键成员，未生成它的表\n", "each omission is a warning: %r" % err)
check(parses(out, "incomplete.sql"), "the script with omissions parses as T-SQL")

# A character GBK cannot hold: UTF-8 is fine, GBK is a clear error and the
# file named by -o is left as it was.
check(cli("member", "add", "Demo", "Book", "mark\U0001F600", "字符串", "--length", "5")[0] == 0, "emoji")
check("[mark\U0001F600]".encode("utf-8") in cli("sql", "Demo")[1], "UTF-8 holds any character")
write(gbk_file, b"kept")
status, out, err = cli("sql", "Demo", "--encoding", "gbk", "-o", gbk_file)
check(status == 1 and "GBK" in err and "U+1F600" in err and gbk_file in err and read(gbk_file) == b"kept",
      "GBK failure names the character and the file, which is kept: %d %r" % (status, err))
status, out, err = cli("sql", "Demo", "--encoding", "gbk")
check(status == 1 and out == b"" and "U+1F600" in err, "GBK failure on stdout prints nothing")
finish()
