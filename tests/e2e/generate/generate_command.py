#!/usr/bin/env python3
# Drives `corvane-cli generate` as a user would: the progress lines, the
# written tree and its encodings, a reader that goes away, and the runs
# that must stop (a failed check, an unwritable output directory).
#
# usage: generate_command.py CORVANE_CLI GOLDEN_DIR
#
import os
import sys

from corvane_e2e import CLI, WORK, check, cli, expect, finish, ok, read, run, tree, write

GOLDEN = sys.argv[2]
base = os.path.join(WORK, "demo")
out = os.path.join(base, "projects", "Demo", "LoginFrame")
ok(base, "demo")
stdout, err = expect(base, "generate", "Demo")
at = "projects/Demo/LoginFrame/"
expected = []
for tier, prefix in (("Model", ""), ("BLL", "bll"), ("DAL", "dal")):
    expected += ["%s%s/%s.csproj生成完成!" % (at, tier, tier)]
    expected += ["%s%s/%s%s.cs生成完毕!" % (at, tier, prefix, cls) for cls in ("BookType", "Book")]
expected += [at + "LoginFrame/LoginFrame.csproj生成完成!"]
expected += [at + "LoginFrame/%s%s%s生成完毕!" % (form, cls, suffix)
             for form in ("FrmAdd", "FrmEdit", "FrmQuery") for suffix in (".cs", ".Designer.cs")
             for cls in ("BookType", "Book")]
expected += [at + "LoginFrame/Frm主面.cs生成完成!", at + "LoginFrame/Frm主面.designer.cs生成完成!",
             "正在移动资源文件。。。", "移动资源文件完毕!", "所有代码生成完毕!", os.path.join(base, "projects", "Demo")]
check(stdout.splitlines() == expected and err == "", "progress lines:\n%s%s" % (stdout, err))

# Per-class files are their expected text in GBK without a byte-order mark,
# project files UTF-8 with one; the skeleton and the form resources copied.
for rel in (line[len(at):-len("生成完毕!")] for line in expected if line.startswith(at) and line.endswith("完毕!")):
    check(read(os.path.join(out, rel)) == read(os.path.join(GOLDEN, rel)).decode("utf-8").encode("gbk"), rel)
data = read(os.path.join(out, "DAL/DAL.csproj"))
check(data.startswith(b"\xef\xbb\xbf") and b"<CodePage>936</CodePage>" in data, "DAL.csproj is UTF-8, code page 936")
check(b"$this.Icon" in read(os.path.join(out, "LoginFrame/FrmEditBookType.resx"))
      and os.path.isfile(os.path.join(out, "DAL", "DBHelp.cs")), "form resources and the skeleton copied")

# A reader that stops after the first line (| head -1) does not stop the
# run: every file is written.
piped = os.path.join(WORK, "piped")
ok(piped, "demo")
done = run(["sh", "-c", '"$0" --dir "$1" generate Demo | head -1', CLI, piped])
check(tree(os.path.join(piped, "projects", "Demo", "LoginFrame")).keys() == tree(out).keys(),
      "a closed output does not stop the run: %r" % done.stderr)

expect(base, "generate", "Demo", "--project-id", "99", status=1, err="没有编号为 99 的工程")

# A refused run, and its dry run, write nothing and say why on stderr only.
base = os.path.join(WORK, "broken")
ok(base, "project", "add", "Broken")
ok(base, "class", "add", "Broken", "Item", "物品")
ok(base, "member", "add", "Broken", "Item", "itemName", "字符串", "--display")
refusals = [cli(base, "generate", *dry, "Broken") for dry in ([], ["--dry-run"])]
check(refusals[0] == refusals[1] and refusals[0][:2] == (1, "") and "主键" in refusals[0][2],
      "the key check refuses a run and its dry run alike: %r" % refusals)
check(not os.path.exists(os.path.join(base, "projects")), "a failed check writes nothing")

base = os.path.join(WORK, "blocked")
ok(base, "demo")
os.makedirs(os.path.join(base, "projects"))
write(os.path.join(base, "projects", "Demo"), "a file where the project directory belongs")
for dry in ([], ["--dry-run"]):
    stdout, err = expect(base, "generate", *dry, "Demo", status=1, err="错误: ")
    check(os.path.join(base, "projects", "Demo") in err and "所有代码生成完毕!" not in stdout, "unwritable output: %r" % err)
finish()
