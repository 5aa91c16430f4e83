#!/usr/bin/env python3
# Names made to break things, through corvane-cli: a table script whose
# statements are exactly those the design asks for whatever the names hold
# (checked by a T-SQL parser), and a class name too long for a file name.
#
# usage: names_and_bounds.py CORVANE_CLI SQLFLUFF
#
import os
import sqlite3
import sys

from corvane_e2e import WORK, check, cli, finish, leaves, ok, parse_tsql, write

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
        return node if isinstance(node, str) else "".join(raw for _, raw in leaves(node))

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
    reference to a class that is gone, each left out with a comment. Line
    breaks, which entry refuses, are put in afterwards, as a file made by
    other tools holds them."""
    c = {k: v.replace("\r", "~CR~").replace("\n", "~LF~") for k, v in c.items()}
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
    db = sqlite3.connect(os.path.join(WORK, base, "projects.mdb"))
    for table, column in (("t_class", "className"), ("t_member", "memberName"),
                          ("t_member", "memberType")):
        db.execute("update %s set %s=replace(replace(%s,'~CR~',char(13)),'~LF~',char(10))"
                   % (table, column, column))
    db.commit()
    db.close()
    status, out, err = cli(base, "sql", "P")
    check(status == 0 and err.count("警告: ") == 2, "script with two omissions: %r" % err)
    return out


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

# Commands that only read write nothing: not on a mistyped directory, and
# not even indexes into a design file made by the sqlite3 shell.
status, _, err = cli("typo", "generate", "--dry-run", "Demo")
check(status == 1 and not os.path.exists(os.path.join(WORK, "typo")), "dry run on a typo: %r" % err)
os.makedirs(os.path.join(WORK, "shell"))
shell_file = os.path.join(WORK, "shell", "projects.mdb")
with sqlite3.connect(shell_file) as db:
    db.executescript(
        "create table t_project(projectId integer primary key autoincrement, projectName);"
        "create table t_class(classId integer primary key autoincrement, projectId, className,"
        " friendName, frontShowFlag);"
        "create table t_member(memberId integer primary key autoincrement, projectId, classId,"
        " memberName, memberType, memberLength, memberIsPri, memberComment, memberIsMust,"
        " memberIsInteger, memberIsFloat, queryFlag, memberIsDisplay, memberQueryDisplay);"
        "insert into t_project(projectName) values ('P');"
        "insert into t_class(projectId,className,friendName,frontShowFlag) values (1,'A','甲',1);")
before = open(shell_file, "rb").read()
for command in (["project", "list"], ["class", "list", "P"], ["export", "P"], ["sql", "P"],
                ["generate", "--dry-run", "P"]):
    cli("shell", *command)
check(open(shell_file, "rb").read() == before, "reading commands leave a hand-made file as it was")
check(set(os.listdir(os.path.join(WORK, "shell"))) == {"projects.mdb"}, "and make nothing beside it")

finish()
