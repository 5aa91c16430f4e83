#!/usr/bin/env python3
"""Drives `corvane-cli generate` as a user would: progress on stdout, the
written tree and its encodings, a second run over the first, and the runs
that must stop (a failed check, an unwritable output directory).

usage: generate_command.py CORVANE_CLI
"""
import os
import shutil
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
WORK = tempfile.mkdtemp(prefix="corvane-generate-e2e-")
BOM = b"\xef\xbb\xbf"
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL " + what)


def cli(base, *args):
    cmd = [CLI, "--dir", base] + list(args)
    done = subprocess.run([a.encode("utf-8") for a in cmd], capture_output=True)
    return done.returncode, done.stdout.decode("utf-8", "replace"), done.stderr.decode("utf-8", "replace")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def generated_files(root):
    found = {}
    for dirpath, _, names in os.walk(root):
        for name in names:
            path = os.path.join(dirpath, name)
            found[os.path.relpath(path, root)] = read(path)
    return found


def demo_run():
    base = os.path.join(WORK, "demo")
    out = os.path.join(base, "projects", "Demo", "LoginFrame")
    status, _, err = cli(base, "demo")
    check(status == 0, "demo design: " + err)

    status, stdout, err = cli(base, "generate", "Demo")
    check(status == 0 and err == "", "generate exits 0 without stderr: %d %s" % (status, err))
    expected = [
        "projects/Demo/LoginFrame/Model/Model.csproj生成完成!",
        "projects/Demo/LoginFrame/Model/BookType.cs生成完毕!",
        "projects/Demo/LoginFrame/Model/Book.cs生成完毕!",
        "projects/Demo/LoginFrame/BLL/BLL.csproj生成完成!",
        "projects/Demo/LoginFrame/BLL/bllBookType.cs生成完毕!",
        "projects/Demo/LoginFrame/BLL/bllBook.cs生成完毕!",
        "projects/Demo/LoginFrame/DAL/DAL.csproj生成完成!",
        "projects/Demo/LoginFrame/DAL/dalBookType.cs生成完毕!",
        "projects/Demo/LoginFrame/DAL/dalBook.cs生成完毕!",
        "projects/Demo/LoginFrame/LoginFrame/LoginFrame.csproj生成完成!",
    ] + ["projects/Demo/LoginFrame/LoginFrame/%s%s%s生成完毕!" % (form, cls, suffix)
         for form in ("FrmAdd", "FrmEdit", "FrmQuery") for suffix in (".cs", ".Designer.cs")
         for cls in ("BookType", "Book")] + [
        "projects/Demo/LoginFrame/LoginFrame/Frm主面.cs生成完成!",
        "projects/Demo/LoginFrame/LoginFrame/Frm主面.designer.cs生成完成!",
        "正在移动资源文件。。。",
        "移动资源文件完毕!",
        "所有代码生成完毕!",
        os.path.join(base, "projects", "Demo"),
    ]
    check(stdout.splitlines() == expected, "progress lines:\n" + stdout)

    per_class = ["Model/BookType.cs", "Model/Book.cs", "BLL/bllBookType.cs", "BLL/bllBook.cs",
                 "DAL/dalBookType.cs", "DAL/dalBook.cs", "LoginFrame/FrmAddBook.cs",
                 "LoginFrame/FrmEditBook.Designer.cs", "LoginFrame/FrmQueryBook.Designer.cs"]
    for rel in per_class:
        data = read(os.path.join(out, rel))
        check(not data.startswith(BOM), rel + " has no byte-order mark")
        check("图书".encode("gbk") in data, rel + " holds the friendly name in GBK")
        check("图书".encode("utf-8") not in data, rel + " holds no UTF-8 Chinese")
        try:
            data.decode("gbk")
        except UnicodeDecodeError as e:
            check(False, rel + " is GBK: " + str(e))

    for rel in ("LoginFrame/FrmAddBook.resx", "LoginFrame/FrmEditBookType.resx",
                "LoginFrame/FrmQueryBook.resx"):
        check(b"$this.Icon" in read(os.path.join(out, rel)), rel + " carries the form icon")
    for rel, entries in (("Model/Model.csproj", ["BookType.cs", "Book.cs"]),
                         ("BLL/BLL.csproj", ["bllBookType.cs", "bllBook.cs"]),
                         ("DAL/DAL.csproj", ["DBHelp.cs", "dalBookType.cs", "dalBook.cs"])):
        data = read(os.path.join(out, rel))
        check(data.startswith(BOM), rel + " begins with the byte-order mark")
        text = data[3:].decode("utf-8")
        check("$CompileString" not in text, rel + " has its placeholder filled")
        check("<CodePage>936</CodePage>" in text, rel + " declares code page 936")
        positions = [text.find('<Compile Include="%s" />' % e) for e in entries]
        check(-1 not in positions and positions == sorted(positions), rel + " lists " + str(entries))
        check(text.count("<Compile Include=") == len(entries), rel + " lists nothing else")

    check(os.path.isfile(os.path.join(out, "DAL", "DBHelp.cs")), "the DAL helper is copied")
    check(os.path.isfile(os.path.join(out, "LoginFrame.sln")), "the solution file is copied")

    # A second run rewrites every file; a top-level resource file already in
    # the output tree is the user's and stays.
    first = generated_files(out)
    for rel in first:
        with open(os.path.join(out, rel), "wb") as f:
            f.write(b"changed by hand")
    status, _, err = cli(base, "generate", "Demo")
    check(status == 0, "second run: " + err)
    second = generated_files(out)
    for rel in first:
        if rel == "LoginFrame.sln":
            check(second[rel] == b"changed by hand", "top-level solution file kept")
        else:
            check(second[rel] == first[rel], rel + " rewritten with the same bytes")

    status, stdout, err = cli(base, "generate", "Demo", "--project-id", "1")
    check(status == 0 and stdout.startswith("projects/Demo/"), "--project-id 1 selects Demo: " + err)
    status, stdout, err = cli(base, "generate", "Demo", "--project-id", "99")
    check(status == 1 and "没有编号为 99 的工程" in err and stdout == "", "--project-id 99: " + err)
    status, _, err = cli(base, "generate", "Nothing")
    check(status == 1 and "工程不存在: Nothing" in err, "unknown project: " + err)


def refused_runs():
    base = os.path.join(WORK, "broken")
    cli(base, "project", "add", "Broken")
    cli(base, "class", "add", "Broken", "Item", "物品")
    cli(base, "member", "add", "Broken", "Item", "itemName", "字符串", "--display", "--comment", "名称")

    status, stdout, err = cli(base, "generate", "Broken")
    check(status == 1 and err == "Item表主键设置错误，每个类只能设置一个主键!\n",
          "key check on stderr: %d %r" % (status, err))
    check(stdout == "", "nothing on stdout after a failed check: " + stdout)
    check(not os.path.exists(os.path.join(base, "projects")), "a failed check writes nothing")

    cli(base, "member", "add", "Broken", "Item", "itemId", "整型", "--key", "--required", "--comment", "编\"号")
    status, stdout, err = cli(base, "generate", "Broken")
    check(status == 1 and err == "设计检查未通过，未生成任何文件:\n"
          "类 \"Item\" 的成员 \"itemId\": 注释含有换行或控制字符、\"*/\"、双引号或反斜杠\n",
          "design check on stderr: %d %r" % (status, err))
    check(not os.path.exists(os.path.join(base, "projects")), "a failed design check writes nothing")

    base = os.path.join(WORK, "blocked")
    cli(base, "demo")
    os.makedirs(os.path.join(base, "projects"))
    with open(os.path.join(base, "projects", "Demo"), "w") as f:
        f.write("a file where the project directory belongs")
    status, stdout, err = cli(base, "generate", "Demo")
    check(status == 1 and err.startswith("错误: ") and os.path.join(base, "projects", "Demo") in err,
          "unwritable output directory: %d %r" % (status, err))
    check("所有代码生成完毕!" not in stdout, "no completion after an error")


try:
    demo_run()
    refused_runs()
finally:
    shutil.rmtree(WORK, ignore_errors=True)

if failures:
    print("%d check(s) failed" % len(failures))
    sys.exit(1)
print("all generate checks passed")
