#!/usr/bin/env python3
"""Names made to break things, and values out of range, through
corvane-cli: a table script whose statements are exactly those the design
asks for whatever the names hold (checked by a T-SQL parser), a class name
too long for a file name, and values in design files made by other tools
that no rule would let in.

usage: names_and_bounds.py CORVANE_CLI SQLFLUFF
"""
import os
import sqlite3
import sys

from corvane_e2e import WORK, check, cli, finish, ok, parse_tsql, write

SQLFLUFF = sys.argv[2]


# ---- The script's statements --------------------------------------------------

def hide_odd_identifiers(script, names):
    """The script with each bracketed identifier that holds ']', '[', a quote
    or a line break replaced by a plain one, since the parser does not read
    ']]' inside brackets; names maps the plain ones back. Reads comments,
    strings and brackets as SQL Server reads them."""
    out, i = [], 0
    while i < len(script):
        if script.startswith("--", i):
            end = script.find("\n", i)
            end = len(script) if end < 0 else end
            out.append(script[i:end])
            i = end
        elif script[i] == "'":
            j = i + 1
            while j < len(script) and not (script[j] == "'" and script[j + 1:j + 2] != "'"):
                j += 2 if script[j] == "'" else 1
            out.append(script[i:j + 1])
            i = j + 1
        elif script[i] == "[":
            j, name = i + 1, ""
            while j < len(script) and not (script[j] == "]" and script[j + 1:j + 2] != "]"):
                name += script[j]
                j += 2 if script[j] == "]" else 1
            if any(c in name for c in "[]'\r\n"):
                names["odd%d" % len(names)] = name
                out.append("[odd%d]" % (len(names) - 1))
            else:
                out.append(script[i:j + 1])
            i = j + 1
        else:
            out.append(script[i])
            i += 1
    return "".join(out)


def statements(script, rename):
    """Every statement the parser finds, as (kind, table it names), with
    table names unbracketed and renamed through rename."""
    names = {}
    path = os.path.join(WORK, "script.sql")
    write(path, hide_odd_identifiers(script, names))
    tree = parse_tsql(SQLFLUFF, path)[0]["segments"]
    found = []

    def text(node):
        if isinstance(node, dict):
            return "".join(text(v) for v in node.values())
        if isinstance(node, list):
            return "".join(text(v) for v in node)
        return node

    def table(node):
        parts = [node] if isinstance(node, dict) else node if isinstance(node, list) else []
        for part in parts:
            if isinstance(part, dict) and "table_reference" in part:
                name = text(part["table_reference"])
                name = name[len("[dbo]."):] if name.startswith("[dbo].") else name
                name = name.strip("[]")
                return rename.get(names.get(name, name), names.get(name, name))
        return None

    def walk(node):
        if isinstance(node, dict):
            for key, value in node.items():
                if key == "unparsable" or (key.endswith("_statement") and key != "go_statement"):
                    found.append((key, text(value) if key == "unparsable" else table(value)))
                walk(value)
        elif isinstance(node, list):
            for value in node:
                walk(value)

    walk(tree)
    return found


def design(base, c):
    """One design under the class and member names in c: two tables, a key
    of each kind, a reference between them, a class without key and a
    reference to a class that is gone, each left out with a comment."""
    ok(base, "project", "add", "P")
    ok(base, "class", "add", "P", c["first"], "甲")
    ok(base, "member", "add", "P", c["first"], "xId", "整型", "--key", "--required")
    ok(base, "member", "add", "P", c["first"], c["text"], "字符串", "--length", "10", "--display")
    ok(base, "member", "add", "P", c["first"], c["broken"], "日期型", "--required")
    ok(base, "class", "add", "P", c["second"], "乙")
    ok(base, "member", "add", "P", c["second"], "qId", "字符串", "--length", "20", "--key")
    ok(base, "member", "add", "P", c["second"], c["quoted"], "整型", "--required")
    ok(base, "member", "add", "P", c["second"], c["ref"], c["first"], "--required")
    ok(base, "class", "add", "P", c["keyless"], "丙")
    ok(base, "class", "add", "P", c["gone"], "丁")
    ok(base, "member", "add", "P", c["first"], "later", c["gone"], "--required")
    ok(base, "class", "delete", "P", c["gone"])
    status, out, err = cli(base, "sql", "P")
    check(status == 0 and err.count("警告: ") == 2, "script with two omissions: %r" % err)
    return out


# ---- Design files made by other tools -------------------------------------------

def hand_made(base, members, classes=(("A", "甲"),)):
    """A design database made by hand, columns without declared types, as
    a file made by other tools may have them."""
    os.makedirs(os.path.join(WORK, base))
    db = sqlite3.connect(os.path.join(WORK, base, "projects.mdb"))
    db.executescript(
        "create table t_project(projectId integer primary key autoincrement, projectName);"
        "create table t_class(classId integer primary key autoincrement, projectId, className,"
        " friendName, frontShowFlag);"
        "create table t_member(memberId integer primary key autoincrement, projectId, classId,"
        " memberName, memberType, memberLength, memberIsPri, memberComment, memberIsMust,"
        " memberIsInteger, memberIsFloat, queryFlag, memberIsDisplay, memberQueryDisplay);"
        "insert into t_project(projectName) values ('P');")
    for name, friend in classes:
        db.execute("insert into t_class(projectId,className,friendName,frontShowFlag)"
                   " values (1,?,?,1)", (name, friend))
    for m in members:
        db.execute("insert into t_member(projectId,classId,memberName,memberType,memberLength,"
                   "memberIsPri,memberComment,memberIsMust,memberIsInteger,memberIsFloat,"
                   "queryFlag,memberIsDisplay,memberQueryDisplay) values"
                   " (1,?,?,?,?,?,'注释',1,?,0,0,?,1)", m)
    db.commit()
    db.close()


# Names that would end a bracket, a quoted string or a comment line: the
# script asks for exactly what the same design with plain names asks for.
hostile = {"first": "X] ([a] int);DROP TABLE U_UserInfo;CREATE TABLE [Y",
           "second": "Q'); DROP TABLE U_UserInfo; --",
           "keyless": "K\nDROP TABLE U_UserInfo\nGO",
           "gone": "G\r\nDROP TABLE U_UserInfo",
           "text": "m] varchar(1)); DROP TABLE U_UserInfo; --",
           "broken": "d\nDROP TABLE U_UserInfo",
           "quoted": "n'x",
           "ref": "r]]'"}
plain = {key: key.capitalize() if key in ("first", "second", "keyless", "gone") else key for key in hostile}
expected = statements(design("plain", plain), {})
check(("drop_table_statement", "First") in expected and ("alter_table_statement", "Second") in expected
      and not [s for s in expected if s[0] == "unparsable"], "the plain design's script: %r" % expected)
got = statements(design("hostile", hostile), {hostile[k]: plain[k] for k in ("first", "second")})
check(got == expected, "the hostile names' script has the same statements:\n%r\n%r" % (got, expected))

# A class name within the rules but too long for a file name (three bytes a
# character) is refused before anything is written.
ok("wide", "project", "add", "Wide")
ok("wide", "class", "add", "Wide", "W" + "类" * 100, "宽")
ok("wide", "member", "add", "Wide", "W" + "类" * 100, "wId", "整型", "--key", "--required", "--display")
status, _, err = cli("wide", "generate", "Wide")
check(status == 1 and "生成的文件名" in err and "超过255字节" in err, "a file name too long: %r" % err)
check(not os.path.exists(os.path.join(WORK, "wide", "projects", "Wide")), "nothing written")

# Values no rule lets in, in a file made by other tools: shown as stored,
# never wrapped, and refused by the design check; a flag is set only when
# it holds the number 1.
hand_made("other", [(1, "aId", "整型", 0, 1, 1, 0), (1, "big", "字符串", 9223372036854775807, 0, 0, 1),
                    (1, "huge", "字符串", 1e300, "1", 0, 0), (1, "wrap", "整型", 0, 4294967297, 1, 0)])
rows = [line.split("\t") for line in cli("other", "member", "list", "P", "A")[1].splitlines()[1:]]
check([r[3] for r in rows] == ["0", "9223372036854775807", "1e+300", "0"], "lengths as stored: %r" % rows)
check([r[4] for r in rows] == ["是", "否", "否", "否"], "no flag but 1 is a key: %r" % rows)
status, _, err = cli("other", "generate", "P")
check(status == 1 and "类 \"A\" 的成员 \"big\": 长度 9223372036854775807 超出范围" in err and
      "类 \"A\" 的成员 \"huge\": 长度 1e+300 超出范围" in err, "values out of range named: %r" % err)

# Class names that differ only in case, in a file made by other tools.
hand_made("cases", [(c, "k", "整型", 0, 1, 1, 1) for c in (1, 2, 3)], [("Same", "甲"), ("Same", "乙"), ("SAME", "丙")])
status, _, err = cli("cases", "generate", "P")
check(status == 1 and '类 "Same": 类名与类 "Same" 重复' in err and '类 "SAME": 类名与类 "Same" 重复' in err,
      "duplicates refused, named: %r" % err)
check(not os.path.exists(os.path.join(WORK, "cases", "projects")), "nothing generated")
status, out, err = cli("cases", "sql", "P")
check(status == 0 and out.count("CREATE TABLE [dbo].[Same]") == 1 and "CREATE TABLE [dbo].[SAME]" not in out
      and err.count("重名(不区分大小写)") == 2, "one table of the name: %r" % err)
finish()
