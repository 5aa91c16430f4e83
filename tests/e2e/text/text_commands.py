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

from corvane_e2e import WORK, check, cli, finish, read, tree, write

BASE = os.path.join(WORK, "base")

cli(BASE, "demo")
status, text, err = cli(BASE, "export", "Demo")
check(status == 0 and err == "" and text.startswith('{\n  "formatVersion": 1,\n'), "export: %d %s" % (status, err))
exported = os.path.join(WORK, "demo.json")
status, out, _ = cli(BASE, "export", "Demo", "-o", exported)
check(status == 0 and out == "" and read(exported) == text.encode("utf-8"), "export -o")
status, out, err = cli(BASE, "import", exported, "--name", "Copy")
check(status == 0 and out == "已导入为工程 Copy(编号 2)\n", "import: %d %s %s" % (status, out, err))
check(cli(BASE, "export", "Copy")[1] == text.replace('"projectName": "Demo"', '"projectName": "Copy"'),
      "the copy exports the same text")

# A refused file is named with its place and changes nothing.
database = os.path.join(BASE, "projects.mdb")
before = read(database)
write(os.path.join(WORK, "bad.json"), text[: text.index('"className": "Book"')])
status, out, err = cli(BASE, "import", os.path.join(WORK, "bad.json"))
check(status == 1 and out == "" and "第 39 行第 7 列: 不是合法的 JSON" in err, "truncated: %d %r" % (status, err))
# Only a regular file of at most 16 MB is read as a design.
sparse = os.path.join(WORK, "sparse.json")
with open(sparse, "wb") as f:
    f.truncate(3 << 30)
for name, path, why in (("missing file", os.path.join(WORK, "missing.json"), ""),
                        ("folder", WORK, "不是普通文件"), ("device", "/dev/zero", "不是普通文件"),
                        ("3 GB file", sparse, "超过 16 MB")):
    status, _, err = cli(BASE, "import", path)
    check(status == 1 and ("无法读取设计文件 " + path) in err and why in err, name + ": " + err)
check(read(database) == before, "the design file is unchanged")

# The dry run over a tree edited by hand and a changed design.
project = os.path.join(BASE, "projects", "Demo")
out = os.path.join(project, "LoginFrame")
check(cli(BASE, "generate", "Demo")[0] == 0, "first run")
write(os.path.join(out, "Model", "Book.cs"), read(os.path.join(out, "Model", "Book.cs")) + b"// mine\r\n")
os.remove(os.path.join(out, "BLL", "bllBook.cs"))
cli(BASE, "member", "update", "Demo", "BookType", "typeName", "--comment", "类别名称")
before = tree(project)
status, listing, err = cli(BASE, "generate", "--dry-run", "Demo")
lines = listing.splitlines()
check(status == 0 and err == "", "dry run: %d %s" % (status, err))
for line in ("手工修改\tprojects/Demo/LoginFrame/Model/Book.cs", "新增\tprojects/Demo/LoginFrame/BLL/bllBook.cs",
             "变更\tprojects/Demo/LoginFrame/Model/BookType.cs", "不变\tprojects/Demo/LoginFrame/DAL/dalBook.cs"):
    check(line in lines, "dry run lists " + line + ":\n" + listing)
check(lines[-1].startswith("共 %d 个文件: 新增 1，变更 " % (len(lines) - 1)) and
      lines[-1].endswith("，手工修改 1(试运行，未写入任何文件)"), "dry run summary: " + lines[-1])
check(tree(project) == before, "the dry run writes nothing")
cli(BASE, "member", "update", "Demo", "Book", "title", "--key")
status, out, err = cli(BASE, "generate", "--dry-run", "Demo")
check(status == 1 and out == "" and err == "Book表主键设置错误，每个类只能设置一个主键!\n",
      "a dry run is refused like a run: %d %r" % (status, err))

# A table script comes back as a project, and updates one.
SCRIPTS = os.path.join(WORK, "scripts")
cli(SCRIPTS, "demo")
script = os.path.join(WORK, "demo.sql")
cli(SCRIPTS, "sql", "Demo", "-o", script)
database = os.path.join(SCRIPTS, "projects.mdb")
status, out, err = cli(SCRIPTS, "import-sql", script)
check((status, out, err) == (1, "", "该工程名称已经存在!\n"), "import-sql under the file's name: %r" % err)
gbk = os.path.join(WORK, "Back.sql")
write(gbk, read(script).decode("utf-8").encode("gbk"))
status, out, err = cli(SCRIPTS, "import-sql", gbk, "--encoding", "gbk")
check(status == 0 and out == "已导入为工程 Back(编号 2)\n", "import-sql: %d %r %r" % (status, out, err))
check(err.splitlines() == ["警告: 未处理的语句 EXEC 已跳过(第 56 行)",
                           "警告: 数据语句 INSERT 已跳过(共 8 条，第 12 行至第 48 行)",
                           "警告: 表 P_PasswordType、U_UserInfo 属于生成的程序自带的登录模块，未作为类导入"],
      "warnings on stderr: " + err)
changed = os.path.join(WORK, "changed.sql")
write(changed, read(script).replace(b"\t[cover] [image] NULL ,\r\n", b"").replace(
    b"[stock] [int]", b"[stock] [money]"))
before = read(database)
status, out, err = cli(SCRIPTS, "import-sql", changed, "--into", "Back", "--dry-run")
check(status == 0 and out == "变更成员 Book.stock: 类型 整型 → 浮点型\n保留成员 Book.cover(脚本中没有)\n"
      "共 1 处改动(试运行，未写入任何改动)\n", "dry run: %d %r %r" % (status, out, err))
check(read(database) == before, "the dry run writes nothing")
status, out, _ = cli(SCRIPTS, "import-sql", changed, "--into", "Back", "--prune")
check(status == 0 and out.endswith("删除成员 Book.cover(脚本中没有)\n共 2 处改动\n"), "prune: " + out)
status, out, _ = cli(SCRIPTS, "import-sql", changed, "--into", "Back")
check(status == 0 and out == "没有改动\n", "again: " + out)
before = read(database)
for args in (["--prune"], ["--into", "Back", "--name", "X"]):
    check(cli(SCRIPTS, "import-sql", changed, *args)[0] == 2, "usage error: %s" % args)
write(changed, b"CREATE TABLE T (a int DEFAULT (" + b"(" * 10000 + b"1" + b")" * 10000 + b"))")
status, out, err = cli(SCRIPTS, "import-sql", changed)
check((status, out, err) == (1, "", "第 1 行第 95 列: 括号嵌套超过 64 层\n"), "refused: %r" % err)
write(changed, b"-- " + b"x" * (20 << 20))
status, out, err = cli(SCRIPTS, "import-sql", changed)
check(status == 1 and ("无法读取建表脚本 " + changed + ": 超过 16 MB") in err, "20 MB: " + err)
check(read(database) == before, "refused scripts leave the design file unchanged")
finish()
