#!/usr/bin/env python3
"""Drives `corvane-cli export`, `import`, `import-sql` and `generate
[--dry-run]` as a user would: a design exported, imported under a new name
and generated gives the same text and the same files; hostile files are
refused with their place and leave the design file as it was; a table
script comes back as a project and updates one, warnings on stderr; a hand
edit survives the next run in the backup folder.

usage: text_commands.py CORVANE_CLI
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
WORK = tempfile.mkdtemp(prefix="corvane-text-e2e-")
BASE = os.path.join(WORK, "base")
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL " + what)


def cli(*args):
    done = subprocess.run([CLI, "--dir", BASE] + list(args), capture_output=True)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def tree(root):
    found = {}
    for dirpath, _, names in os.walk(root):
        for name in names:
            path = os.path.join(dirpath, name)
            found[os.path.relpath(path, root)] = read(path)
    return found


def round_trip():
    cli("demo")
    status, text, err = cli("export", "Demo")
    check(status == 0 and err == "", "export: %d %s" % (status, err))
    check(text.endswith("}\n") and text.startswith('{\n  "formatVersion": 1,\n'), "export layout")
    check(json.loads(text)["classes"][1]["members"][6]["memberType"] == "BookType", "export content")
    exported = os.path.join(WORK, "demo.json")
    status, out, _ = cli("export", "Demo", "-o", exported)
    check(status == 0 and out == "" and read(exported) == text.encode("utf-8"), "export -o")

    status, out, err = cli("import", exported, "--name", "Copy")
    check(status == 0 and out == "已导入为工程 Copy(编号 2)\n", "import: %d %s %s" % (status, out, err))
    status, again, _ = cli("export", "Copy")
    check(again == text.replace('"projectName": "Demo"', '"projectName": "Copy"'), "round trip:\n" + again)

    for project in ("Demo", "Copy"):
        status, _, err = cli("generate", project)
        check(status == 0, "generate %s: %s" % (project, err))
    demo = tree(os.path.join(BASE, "projects", "Demo", "LoginFrame"))
    check(len(demo) > 20 and demo == tree(os.path.join(BASE, "projects", "Copy", "LoginFrame")),
          "both projects generate the same files")
    return text


def hostile(text):
    taken = text
    text = text.replace('"projectName": "Demo"', '"projectName": "Fresh"')
    deep = '{"formatVersion": 1, "projectName": "X", "classes": [' + "[" * 5000000 + "]" * 5000000 + "]}"
    cases = [
        ("not JSON", "<design/>", "第 1 行第 1 列: 不是合法的 JSON"),
        ("truncated", text[: text.index('"className": "Book"')], "第 39 行第 7 列: 不是合法的 JSON"),
        ("wrong type", text.replace('"memberLength": 100', '"memberLength": "100"'),
         "classes[1].members[1].memberLength: 应为整数"),
        ("type names no class", text.replace('"memberType": "BookType"', '"memberType": "Kind"'),
         'classes[1].members[6].memberType: 成员类型 "Kind" 不可用'),
        ("class name refused", text.replace('"className": "Book"', '"className": "book"'),
         "classes[1].className: 类名首个字母必须大写"),
        ("member name refused", text.replace('"memberName": "stock"', '"memberName": "Stock"'),
         "classes[1].members[3].memberName: 成员属性首个字母必须小写"),
        ("unknown version", text.replace('"formatVersion": 1', '"formatVersion": 3'),
         "formatVersion: 不支持的格式版本 3"),
        ("version as a fraction", text.replace('"formatVersion": 1', '"formatVersion": 1.0'),
         "formatVersion: 应为整数"),
        ("project name taken", taken, "projectName: 该工程名称已经存在!"),
        ("10 MB of nesting", deep, "[0][0][0]: 嵌套超过 32 层"),
    ]
    database = os.path.join(BASE, "projects.mdb")
    before = read(database)
    path = os.path.join(WORK, "hostile.json")
    for name, body, expected in cases:
        write(path, body.encode("utf-8"))
        status, out, err = cli("import", path)
        check(status == 1 and out == "" and expected in err, "%s: %d %r" % (name, status, err))
        check(read(database) == before, name + " leaves the design file unchanged")
    sparse = os.path.join(WORK, "sparse.json")
    with open(sparse, "wb") as f:
        f.truncate(3 << 30)
    for name, path, why in (("missing file", os.path.join(WORK, "missing.json"), ""),
                            ("folder", WORK, "不是普通文件"), ("device", "/dev/zero", "不是普通文件"),
                            ("3 GB file", sparse, "超过 16 MB")):
        status, _, err = cli("import", path)
        check(status == 1 and ("无法读取设计文件 " + path) in err and why in err, name + ": " + err)
    status, out, _ = cli("project", "list")
    check(out == "1\tDemo\n2\tCopy\n", "no project added: " + out)


def hand_edits():
    project = os.path.join(BASE, "projects", "Demo")
    out = os.path.join(project, "LoginFrame")
    book = os.path.join(out, "Model", "Book.cs")
    edited = read(book) + "// 手工修改\r\n".encode("gbk")
    write(book, edited)
    os.remove(os.path.join(out, "BLL", "bllBook.cs"))
    write(os.path.join(out, "Model", "Mine.cs"), b"mine")
    cli("member", "update", "Demo", "BookType", "typeName", "--comment", "类别名称")

    before = tree(project)
    status, listing, err = cli("generate", "--dry-run", "Demo")
    lines = listing.splitlines()
    check(status == 0 and err == "", "dry run: %d %s" % (status, err))
    for line in ("手工修改\tprojects/Demo/LoginFrame/Model/Book.cs",
                 "新增\tprojects/Demo/LoginFrame/BLL/bllBook.cs",
                 "变更\tprojects/Demo/LoginFrame/Model/BookType.cs",
                 "不变\tprojects/Demo/LoginFrame/DAL/dalBook.cs"):
        check(line in lines, "dry run lists " + line + ":\n" + listing)
    check(lines[-1].startswith("共 %d 个文件: 新增 1，变更 " % (len(lines) - 1)) and
          lines[-1].endswith("，手工修改 1(试运行，未写入任何文件)"), "dry run summary: " + lines[-1])
    check(tree(project) == before, "the dry run writes nothing")

    status, progress, err = cli("generate", "Demo")
    lines = progress.splitlines()
    check(status == 0, "generate over edits: " + err)
    check("已备份手工修改的文件: projects/Demo/LoginFrame/Model/Book.cs" in lines, "backup reported")
    counted = [l for l in lines if l.startswith("已备份 1 个手工修改的文件到 projects/Demo/backup/")]
    check(len(counted) == 1 and lines[-3] == counted[0], "backup counted:\n" + progress)
    stamp = counted[0].rsplit("/", 1)[-1] if counted else "?"
    check(tree(os.path.join(project, "backup")) == {os.path.join(stamp, "LoginFrame", "Model", "Book.cs"): edited},
          "the edited file is in the backup folder")
    check(os.path.isfile(os.path.join(out, "BLL", "bllBook.cs")), "the deleted file is written again")
    check(read(os.path.join(out, "Model", "Mine.cs")) == b"mine", "the added file stays")

    cli("member", "update", "Demo", "Book", "title", "--key")
    status, out, err = cli("generate", "--dry-run", "Demo")
    check(status == 1 and out == "" and err == "Book表主键设置错误，每个类只能设置一个主键!\n",
          "a dry run is refused like a run: %d %r" % (status, err))


def table_scripts():
    base = os.path.join(WORK, "scripts")

    def run(*args):
        done = subprocess.run([CLI, "--dir", base] + list(args), capture_output=True)
        return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")

    run("demo")
    script = os.path.join(WORK, "demo.sql")
    run("sql", "Demo", "-o", script)
    database = os.path.join(base, "projects.mdb")
    before = read(database)
    status, out, err = run("import-sql", script)
    check((status, out, err) == (1, "", "该工程名称已经存在!\n"), "import-sql under the file's name: %r" % err)
    gbk = os.path.join(WORK, "Back.sql")
    write(gbk, read(script).decode("utf-8").encode("gbk"))
    status, out, err = run("import-sql", gbk, "--encoding", "gbk")
    check(status == 0 and out == "已导入为工程 Back(编号 2)\n", "import-sql: %d %r %r" % (status, out, err))
    check(err.splitlines() == ["警告: 未处理的语句 EXEC 已跳过(第 51 行)",
                               "警告: 数据语句 DELETE、INSERT 已跳过(共 10 条，第 8 行至第 43 行)",
                               "警告: 表 P_PasswordType、U_UserInfo 属于生成的程序自带的登录模块，未作为类导入"],
          "warnings on stderr: " + err)

    changed = os.path.join(WORK, "changed.sql")
    write(changed, read(script).replace(b"\t[cover] [image] NULL ,\r\n", b"").replace(
        b"[stock] [int]", b"[stock] [money]"))
    before = read(database)
    status, out, err = run("import-sql", changed, "--into", "Back", "--dry-run")
    check(status == 0 and out == "变更成员 Book.stock: 类型 整型 → 浮点型\n保留成员 Book.cover(脚本中没有)\n"
          "共 1 处改动(试运行，未写入任何改动)\n", "dry run: %d %r %r" % (status, out, err))
    check(read(database) == before, "the dry run writes nothing")
    status, out, _ = run("import-sql", changed, "--into", "Back", "--prune")
    check(status == 0 and out.endswith("删除成员 Book.cover(脚本中没有)\n共 2 处改动\n"), "prune: " + out)
    status, out, _ = run("import-sql", changed, "--into", "Back")
    check(status == 0 and out == "没有改动\n", "again: " + out)

    before = read(database)
    for args in (["--prune"], ["--into", "Back", "--name", "X"]):
        status, _, _ = run("import-sql", changed, *args)
        check(status == 2, "usage error: %s" % args)
    write(changed, b"CREATE TABLE T (a int DEFAULT (" + b"(" * 10000 + b"1" + b")" * 10000 + b"))")
    status, out, err = run("import-sql", changed)
    check((status, out, err) == (1, "", "第 1 行第 95 列: 括号嵌套超过 64 层\n"), "refused: %r" % err)
    write(changed, b"-- " + b"x" * (20 << 20))
    status, out, err = run("import-sql", changed)
    check(status == 1 and ("无法读取建表脚本 " + changed + ": 超过 16 MB") in err, "20 MB: " + err)
    check(read(database) == before, "refused scripts leave the design file unchanged")


try:
    hostile(round_trip())
    hand_edits()
    table_scripts()
finally:
    shutil.rmtree(WORK, ignore_errors=True)

if failures:
    print("%d check(s) failed" % len(failures))
    sys.exit(1)
print("all design text checks passed")
