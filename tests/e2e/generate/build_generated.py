#!/usr/bin/env python3
"""Generates whole solutions and builds them with Mono's xbuild, offline:
the sample design, a design with string keys, two references to one class
and key-only classes, and a class with every member type under a name with
a Chinese letter; the sample design again with the complete query forms;
the design imported from a table script in the management tool's style
(tests/fixtures/sql/library_ssms.sql: composite keys, self references, a
link table, nvarchar(max), bit, money, names with spaces).
Any compiler error fails the test, and so does a missing
xbuild: the generated code must be shown to build. Then, on a virtual X
display, the built application starts and shows its login form, and every
form of it is created (designer code and resources), the main form and an
add form being shown.

usage: build_generated.py CORVANE_CLI XBUILD MCS MONO XVFB_RUN
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

CLI, XBUILD, MCS, MONO, XVFB_RUN = sys.argv[1:6]


def on_display(args, **kw):
    """Runs args under xvfb-run; once more when the virtual display could not
    be opened (a busy machine can lose the race for a display number)."""
    for attempt in range(3):
        done = subprocess.run([XVFB_RUN, "-a"] + args, capture_output=True, text=True, **kw)
        if "XplatUI" not in done.stdout + done.stderr:
            return done
        time.sleep(2)
    return done
HERE = os.path.dirname(os.path.abspath(__file__))
HARNESS = os.path.join(HERE, "FormHarness.cs")
LIBRARY_SCRIPT = os.path.join(HERE, "..", "..", "fixtures", "sql", "library_ssms.sql")
WORK = tempfile.mkdtemp(prefix="corvane-build-e2e-")

# Each design as the command lines that make it.
SHOP = [
    ["project", "add", "Shop"],
    ["class", "add", "Shop", "Category", "商品分类"],
    ["member", "add", "Shop", "Category", "catName", "字符串", "--length", "30", "--comment", "分类名称", "--display", "--required"],
    ["member", "add", "Shop", "Category", "catCode", "字符串", "--length", "10", "--comment", "分类代码", "--key", "--required"],
    ["member", "add", "Shop", "Category", "remark", "字符串", "--length", "200"],
    ["class", "add", "Shop", "Tag", "标签"],
    ["member", "add", "Shop", "Tag", "tagId", "整型", "--comment", "标签编号", "--key", "--display", "--required"],
    ["class", "add", "Shop", "Transfer", "调拨单"],
    ["member", "add", "Shop", "Transfer", "transferId", "整型", "--comment", "调拨单号", "--key", "--required"],
    ["member", "add", "Shop", "Transfer", "fromCategory", "Category", "--comment", "调出分类", "--required"],
    ["member", "add", "Shop", "Transfer", "toCategory", "Category", "--comment", "调入分类(目标)", "--required"],
    ["member", "add", "Shop", "Transfer", "catName", "字符串", "--length", "20", "--comment", "备注名称", "--display"],
    ["member", "add", "Shop", "Transfer", "tag", "Tag", "--comment", "标签", "--required", "--no-shown"],
    ["member", "add", "Shop", "Transfer", "made", "日期型", "--required"],
]
ALL_TYPES = [
    ["project", "add", "Kinds"],
    ["class", "add", "Kinds", "Unit", "单位"],
    ["member", "add", "Kinds", "Unit", "unitCode", "字符串", "--length", "8", "--comment", "单位代码", "--key", "--display", "--required"],
    ["member", "add", "Kinds", "Unit", "logo", "图片型", "--comment", "标志"],
    ["class", "add", "Kinds", "Type类", "类别"],
    ["member", "add", "Kinds", "Type类", "typeId", "整型", "--comment", "编号", "--key", "--required"],
    ["member", "add", "Kinds", "Type类", "title", "字符串", "--length", "40", "--comment", "名称", "--display", "--required"],
    ["member", "add", "Kinds", "Type类", "note", "字符串", "--comment", "备注"],
    ["member", "add", "Kinds", "Type类", "amount", "整型", "--comment", "数量", "--required"],
    ["member", "add", "Kinds", "Type类", "price", "浮点型", "--comment", "价格", "--required"],
    ["member", "add", "Kinds", "Type类", "since", "日期型", "--comment", "日期", "--required"],
    ["member", "add", "Kinds", "Type类", "photo", "图片型", "--comment", "照片"],
    ["member", "add", "Kinds", "Type类", "unit", "Unit", "--comment", "单位", "--required"],
]


def cli(base, args):
    done = subprocess.run([CLI, "--dir", base] + args, capture_output=True, text=True)
    if done.returncode != 0:
        raise RuntimeError("corvane-cli %s: %s" % (" ".join(args), done.stderr))


def build(name, commands, project, options=()):
    base = os.path.join(WORK, name)
    for args in commands + [["generate", project] + list(options)]:
        cli(base, args)
    out = os.path.join(base, "projects", project, "LoginFrame")
    done = subprocess.run([XBUILD, "/nologo", "/verbosity:minimal", "LoginFrame.sln"],
                          capture_output=True, text=True, cwd=out)
    log = done.stdout + done.stderr
    errors = [line for line in log.splitlines()
              if re.search(r"\berror\b", line, re.I) and not re.search(r"\b0 Error\(s\)", line)]
    exe = os.path.join(out, "LoginFrame", "bin", "Debug", "LoginFrame.exe")
    if done.returncode != 0 or errors or not os.path.isfile(exe):
        print("FAIL xbuild %s (status %d):\n%s" % (name, done.returncode, log))
        return None
    print("built " + name)
    return exe


def run(exe, add_form):
    """The login form stays up without a database; every form opens."""
    ok = True
    started = subprocess.run(
        [XVFB_RUN, "-a", "sh", "-c",
         '"$0" "$1" & pid=$!; sleep 4; kill -0 $pid && echo alive; kill $pid', MONO, exe],
        capture_output=True, text=True, cwd=os.path.dirname(exe), timeout=120)
    if "alive" not in started.stdout:
        print("FAIL the application did not stay up:\n" + started.stdout + started.stderr)
        ok = False
    harness = os.path.join(WORK, "FormHarness.exe")
    done = subprocess.run([MCS, "-nologo", "-out:" + harness, "-r:" + exe,
                           "-r:System.Windows.Forms", "-r:System.Drawing", HARNESS],
                          capture_output=True, text=True)
    if done.returncode != 0:
        print("FAIL harness: " + done.stdout + done.stderr)
        return False
    done = on_display([MONO, harness, exe, add_form, "2"], timeout=120)
    print(done.stdout)
    if done.returncode != 0 or "all forms opened" not in done.stdout:
        print("FAIL opening forms (status %d): %s" % (done.returncode, done.stderr))
        ok = False
    return ok


def main():
    if shutil.which(XBUILD) is None:
        print("FAIL xbuild not found (Debian package mono-devel)")
        return 1
    results = [build("demo", [["demo"]], "Demo"), build("shop", SHOP, "Shop"),
               build("kinds", ALL_TYPES, "Kinds"),
               build("demo-full", [["demo"]], "Demo", ["--full-query-forms"]),
               build("library", [["import-sql", LIBRARY_SCRIPT, "--name", "Library"]], "Library")]
    if not all(results):
        return 1
    ok = run(results[2], "FrmAddUnit")
    # Every form of the application with the complete query forms is
    # created (without a database its query forms would only say so).
    return 0 if run(results[3], "-") and ok else 1


try:
    status = main()
finally:
    shutil.rmtree(WORK, ignore_errors=True)
sys.exit(status)
