#!/usr/bin/env python3
# Drives `corvane-cli generate` as a user would: the progress lines, the
# written tree and its encodings, a second run over the first, and the runs
# that must stop (a failed check, an unwritable output directory).
#
# usage: generate_command.py CORVANE_CLI
#
import os
import subprocess

from corvane_e2e import CLI, WORK, check, cli, finish, read, tree, write

BOM = b"\xef\xbb\xbf"

base = os.path.join(WORK, "demo")
out = os.path.join(base, "projects", "Demo", "LoginFrame")
check(cli(base, "demo")[0] == 0, "demo design")
status, stdout, err = cli(base, "generate", "Demo")
check(status == 0 and err == "", "generate exits 0 without stderr: %d %s" % (status, err))
at = "projects/Demo/LoginFrame/"
expected = [at + "Model/Model.csproj生成完成!", at + "Model/BookType.cs生成完毕!",
            at + "Model/Book.cs生成完毕!", at + "BLL/BLL.csproj生成完成!",
            at + "BLL/bllBookType.cs生成完毕!", at + "BLL/bllBook.cs生成完毕!",
            at + "DAL/DAL.csproj生成完成!", at + "DAL/dalBookType.cs生成完毕!",
            at + "DAL/dalBook.cs生成完毕!", at + "LoginFrame/LoginFrame.csproj生成完成!"]
expected += [at + "LoginFrame/%s%s%s生成完毕!" % (form, cls, suffix)
             for form in ("FrmAdd", "FrmEdit", "FrmQuery") for suffix in (".cs", ".Designer.cs")
             for cls in ("BookType", "Book")]
expected += [at + "LoginFrame/Frm主面.cs生成完成!", at + "LoginFrame/Frm主面.designer.cs生成完成!",
             "正在移动资源文件。。。", "移动资源文件完毕!", "所有代码生成完毕!",
             os.path.join(base, "projects", "Demo")]
check(stdout.splitlines() == expected, "progress lines:\n" + stdout)

# Per-class files in GBK without a byte-order mark, project files in UTF-8
# with one; the skeleton and the form resources copied.
for rel in ("Model/Book.cs", "DAL/dalBook.cs", "LoginFrame/FrmQueryBook.Designer.cs"):
    data = read(os.path.join(out, rel))
    check(not data.startswith(BOM) and "图书".encode("gbk") in data, rel + " is GBK")
data = read(os.path.join(out, "DAL/DAL.csproj"))
check(data.startswith(BOM) and b"<CodePage>936</CodePage>" in data, "DAL.csproj is UTF-8, code page 936")
check(b"$this.Icon" in read(os.path.join(out, "LoginFrame/FrmEditBookType.resx")), "form resources")
check(os.path.isfile(os.path.join(out, "DAL", "DBHelp.cs")), "the DAL helper is copied")

# A reader that stops after the first line (| head -1) does not stop the
# run: every file is written, and the lost output is reported.
piped = os.path.join(WORK, "piped")
cli(piped, "demo")
run = subprocess.Popen([CLI, "--dir", piped, "generate", "Demo"], stdout=subprocess.PIPE,
                       stderr=subprocess.PIPE)
run.stdout.readline()
run.stdout.close()
err = run.stderr.read().decode("utf-8")
run.wait()
check(tree(os.path.join(piped, "projects", "Demo", "LoginFrame")).keys() == tree(out).keys(),
      "a closed output does not stop the run (status %d, %r)" % (run.returncode, err))

# A second run puts back every generated file (those with a progress line);
# a file copied from the skeleton is the user's once changed, and stays.
generated = {line[len(at):-len("生成完毕!")] for line in expected if line.startswith(at)}
first = tree(out)
for rel in first:
    write(os.path.join(out, rel), b"changed by hand")
status, stdout, _ = cli(base, "generate", "Demo")
check(status == 0 and "保留手工修改的文件: " + at + "LoginFrame/App.config" in stdout, "second run")
second = tree(out)
for rel in first:
    kept = first[rel] if rel in generated else b"changed by hand"
    check(second[rel] == kept, rel + " after the second run")

status, stdout, err = cli(base, "generate", "Demo", "--project-id", "99")
check(status == 1 and "没有编号为 99 的工程" in err and stdout == "", "--project-id 99: " + err)
status, _, err = cli(base, "generate", "Nothing")
check(status == 1 and "工程不存在: Nothing" in err, "unknown project: " + err)

# Refused runs write nothing and say why on stderr.
base = os.path.join(WORK, "broken")
cli(base, "project", "add", "Broken")
cli(base, "class", "add", "Broken", "Item", "物品")
cli(base, "member", "add", "Broken", "Item", "itemName", "字符串", "--display")
status, stdout, err = cli(base, "generate", "Broken")
check(status == 1 and stdout == "" and err == "Item表主键设置错误，每个类只能设置一个主键!\n",
      "key check: %d %r" % (status, err))
cli(base, "member", "add", "Broken", "Item", "itemId", "整型", "--key", "--required", "--comment", "编\"号")
status, _, err = cli(base, "generate", "Broken")
check(status == 1 and err == "设计检查未通过，未生成任何文件:\n"
      "类 \"Item\" 的成员 \"itemId\": 注释含有换行或控制字符、\"*/\"、双引号或反斜杠\n",
      "design check: %d %r" % (status, err))
check(not os.path.exists(os.path.join(base, "projects")), "a failed check writes nothing")

base = os.path.join(WORK, "blocked")
cli(base, "demo")
os.makedirs(os.path.join(base, "projects"))
write(os.path.join(base, "projects", "Demo"), "a file where the project directory belongs")
status, stdout, err = cli(base, "generate", "Demo")
check(status == 1 and err.startswith("错误: ") and os.path.join(base, "projects", "Demo") in err
      and "所有代码生成完毕!" not in stdout, "unwritable output directory: %d %r" % (status, err))
status, stdout, err = cli(base, "generate", "--dry-run", "Demo")
check(status == 1 and os.path.join(base, "projects", "Demo") in err,
      "the dry run fails where the run does: %d %r" % (status, err))
finish()
