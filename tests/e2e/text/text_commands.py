#!/usr/bin/env python3
# Drives `corvane-cli export`, `import`, `import-sql` and `generate --dry-run`
# as a user would: a design exported and imported under a new name exports
# the same text; a refused file leaves the design file as it was; a table
# script comes back as a project and updates one, warnings on stderr; the
# dry run lists what a run would do to an output tree edited by hand, and
# writes nothing.
#
# usage: text_commands.py CORVANE_CLI
#
import os

from corvane_e2e import WORK, check, expect, finish, ok, read, tree, write

BASE = os.path.join(WORK, "base")

ok(BASE, "demo")
text = ok(BASE, "export", "Demo")
exported = os.path.join(WORK, "demo.json")
check(ok(BASE, "export", "Demo", "-o", exported) == "" and read(exported) == text.encode("utf-8"), "export -o")
expect(BASE, "import", exported, "--name", "Copy", out="已导入为工程 Copy(编号 2)\n")
check(ok(BASE, "export", "Copy") == text.replace('"projectName": "Demo"', '"projectName": "Copy"'),
      "the copy exports the same text")

# A refused file changes nothing; only a regular file of at most 16 MB is
# read as a design.
database = os.path.join(BASE, "projects.mdb")
before = read(database)
write(os.path.join(WORK, "bad.json"), text[: text.index('"className": "Book"')])
expect(BASE, "import", os.path.join(WORK, "bad.json"), status=1, err="不是合法的 JSON")
sparse = os.path.join(WORK, "sparse.json")
write(sparse, b"")
os.truncate(sparse, 3 << 30)
for path, why in ((os.path.join(WORK, "missing.json"), ""), (WORK, "不是普通文件"), ("/dev/zero", "不是普通文件"),
                  (sparse, "超过 16 MB")):
    expect(BASE, "import", path, status=1, err="无法读取设计文件 %s: %s" % (path, why))
check(read(database) == before, "the design file is unchanged")

# The dry run over a tree edited by hand and a changed design lists what a
# run would do, and writes nothing.
project = os.path.join(BASE, "projects", "Demo")
out = os.path.join(project, "LoginFrame")
ok(BASE, "generate", "Demo")
write(os.path.join(out, "Model", "Book.cs"), read(os.path.join(out, "Model", "Book.cs")) + b"// mine\r\n")
os.remove(os.path.join(out, "BLL", "bllBook.cs"))
ok(BASE, "member", "update", "Demo", "BookType", "typeName", "--comment", "类别名称")
before = tree(project)
lines = ok(BASE, "generate", "--dry-run", "Demo").splitlines()
for line in ("手工修改\tprojects/Demo/LoginFrame/Model/Book.cs", "新增\tprojects/Demo/LoginFrame/BLL/bllBook.cs",
             "变更\tprojects/Demo/LoginFrame/Model/BookType.cs", "不变\tprojects/Demo/LoginFrame/DAL/dalBook.cs"):
    check(line in lines, "the dry run lists " + line)
check(lines[-1].startswith("共 %d 个文件: 新增 1，变更 " % (len(lines) - 1)) and
      lines[-1].endswith("，手工修改 1(试运行，未写入任何文件)"), "dry run summary: " + lines[-1])
check(tree(project) == before, "the dry run writes nothing")

# A table script comes back as a project, warnings on stderr, and updates
# one; its dry run, usage errors and a refused script write nothing.
script, gbk, changed, deep = (os.path.join(WORK, name) for name in ("demo.sql", "Back.sql", "changed.sql", "deep.sql"))
ok(BASE, "sql", "Demo", "-o", script)
expect(BASE, "import-sql", script, status=1, err="已经存在")
write(gbk, read(script).decode("utf-8").encode("gbk"))
_, err = expect(BASE, "import-sql", gbk, "--encoding", "gbk", out="已导入为工程 Back(编号 3)\n")
check(len(err.splitlines()) == 3 and all(line.startswith("警告: ") for line in err.splitlines()),
      "warnings on stderr: " + err)
write(changed, read(script).replace(b"\t[cover] [image] NULL ,\r\n", b"").replace(b"[stock] [int]", b"[stock] [money]"))
write(deep, b"CREATE TABLE T (a int DEFAULT (" + b"(" * 10000 + b"1" + b")" * 10000 + b"))")
before = read(database)
out, _ = expect(BASE, "import-sql", changed, "--into", "Back", "--dry-run", out="变更成员 Book.stock")
check(out.endswith("\n共 1 处改动(试运行，未写入任何改动)\n"), "the dry run's summary: " + out)
for args in (["--prune"], ["--into", "Back", "--name", "X"]):
    expect(BASE, "import-sql", changed, *args, status=2)
expect(BASE, "import-sql", deep, status=1, err="括号嵌套")
check(read(database) == before, "a dry run, usage errors and a refused script write nothing")
expect(BASE, "import-sql", changed, "--into", "Back", "--prune", out="删除成员 Book.cover")
check(ok(BASE, "import-sql", changed, "--into", "Back") == "没有改动\n", "nothing left to change")
finish()
