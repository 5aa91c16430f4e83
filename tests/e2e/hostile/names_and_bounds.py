#!/usr/bin/env python3
# Names made to break things, through corvane-cli: a table script that, read
# as SQL Server reads it, asks for exactly what the same design with plain
# names asks for, whatever the names hold; a class name too long for a file
# name; a mistyped directory.
#
# usage: names_and_bounds.py CORVANE_CLI
#
import os
import re
import sqlite3

from corvane_e2e import WORK, check, cli, expect, finish, ok

# A comment to the line's end, a string, a bracketed name, a word, any other
# character: the script's tokens as SQL Server reads them.
TOKEN = re.compile(r"--[^\r\n]*|'(?:[^']|'')*'?|\[(?:[^\]]|\]\])*\]?|\w+|\S")


def tokens(script, plain):
    """The script's tokens, comments without their text, bracketed names read
    back and renamed through plain, strings as tokens of their own (they name
    tables too)."""
    found = []
    for token in TOKEN.findall(script):
        if token.startswith("["):
            token = token[1:-1].replace("]]", "]")
            for hostile in plain:
                token = token.replace(hostile, plain[hostile])
        elif token.startswith("'"):
            token = "'%s'" % " ".join(tokens(token[1:-1].replace("''", "'"), plain))
        found.append("--" if token.startswith("--") else token)
    return found


def design(base, c):
    """The table script of a design under the names in c: two tables, a key of
    each kind, a reference, and two things left out (a keyless class and a
    reference to a class that is gone). Line breaks, which entry refuses, are
    put into the file afterwards, as other tools may."""
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
    fix = "replace(replace(%s,'~CR~',char(13)),'~LF~',char(10))"
    db.executescript("update t_class set className=%s; update t_member set memberName=%s, memberType=%s;"
                     % (fix % "className", fix % "memberName", fix % "memberType"))
    db.close()
    out, err = expect(base, "sql", "P")
    check(err.count("警告: ") == 2, "a script with two omissions: %r" % err)
    return out


# Names that would end a bracket, a quoted string or a comment line.
hostile = {"first": "X] ([a] int);DROP TABLE U_UserInfo;CREATE TABLE [Y",
           "second": "Q'); DROP TABLE U_UserInfo; --",
           "keyless": "K\nDROP TABLE U_UserInfo\nGO",
           "gone": "G\r\nDROP TABLE U_UserInfo",
           "text": "m] varchar(1)); DROP TABLE U_UserInfo; --",
           "broken": "d\nDROP TABLE U_UserInfo",
           "quoted": "n'x",
           "ref": "r]]'"}
plain = {key: key.capitalize() if key in ("first", "second", "keyless", "gone") else key for key in hostile}
expected = tokens(design("plain", plain), {})
check("FK_Second_ref" in expected, "the plain design's script: %r" % expected)
got = tokens(design("hostile", hostile), {hostile[k]: plain[k] for k in hostile})
at = next((i for i, pair in enumerate(zip(got, expected)) if pair[0] != pair[1]), len(expected))
check(got == expected, "the hostile names' script asks for the same, from token %d:\n%r\n%r"
      % (at, got[at:at + 30], expected[at:at + 30]))

# A class name within the rules but too long for a file name (three bytes a
# character) is refused before anything is written; so is a dry run on a
# mistyped directory, which is not made.
wide = "W" + "类" * 100
ok("wide", "project", "add", "Wide")
ok("wide", "class", "add", "Wide", wide, "宽")
ok("wide", "member", "add", "Wide", wide, "wId", "整型", "--key", "--required", "--display")
expect("wide", "generate", "Wide", status=1, err="超过255字节")
check(not os.path.exists(os.path.join(WORK, "wide", "projects", "Wide")), "nothing written")
expect("typo", "generate", "--dry-run", "Demo", status=1)
check(not os.path.exists(os.path.join(WORK, "typo")), "a mistyped directory is not made")
finish()
