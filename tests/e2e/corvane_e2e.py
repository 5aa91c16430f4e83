# Helpers shared by the end-to-end scripts. Every script takes corvane-cli
# as its first argument and works in a temporary directory of its own
# (WORK, removed at exit); checks are counted and a script ends through
# finish(). The outside tools (xbuild, mono, xvfb-run, sqlfluff) are run
# here the one way the scripts need them.
import atexit
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

CLI = sys.argv[1]
WORK = tempfile.mkdtemp(prefix="corvane-e2e-")
atexit.register(shutil.rmtree, WORK, True)
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL " + what)
    return ok


def finish():
    print("%d failure(s)" % len(failures))
    sys.exit(1 if failures else 0)


def run(args, **kw):
    return subprocess.run(args, capture_output=True, text=True, **kw)


def cli(base, *args, raw=False, **kw):
    """corvane-cli on the base directory (relative names lie in WORK):
    (status, stdout, stderr), stdout as bytes when raw."""
    cmd = [CLI, "--dir", os.path.join(WORK, base)] + list(args)
    kw.setdefault("stdout", subprocess.PIPE)
    done = subprocess.run([a.encode("utf-8") for a in cmd], stderr=subprocess.PIPE, **kw)
    out = (done.stdout or b"") if raw else (done.stdout or b"").decode("utf-8", "replace")
    return done.returncode, out, done.stderr.decode("utf-8", "replace")


def ok(base, *args):
    return expect(base, *args)[0]


def expect(base, *args, status=0, out="", err="", **kw):
    """Runs corvane-cli (kw go to cli) and checks its exit status and that its
    stdout and stderr hold out and err; answers (stdout, stderr)."""
    got, o, e = cli(base, *args, **kw)
    check(got == status and out in o and err in e, "%s: %d %r %r" % (" ".join(args), got, o[-300:], e))
    return o, e


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


def tree(root, record=True):
    """Every file below root by relative path; the run's record (.corvane)
    left out unless record."""
    found = {}
    for dirpath, _, names in os.walk(root):
        for name in names:
            rel = os.path.relpath(os.path.join(dirpath, name), root)
            if record or ".corvane" not in rel.split(os.sep):
                found[rel] = read(os.path.join(root, rel))
    return found


def xbuild(xbuild_tool, solution_dir):
    """Builds LoginFrame.sln; the error lines, none when it built."""
    done = run([xbuild_tool, "/nologo", "/verbosity:minimal", "LoginFrame.sln"], cwd=solution_dir)
    errors = [l for l in (done.stdout + done.stderr).splitlines()
              if re.search(r"\berror\b", l, re.I) and not re.search(r"\b0 Error\(s\)", l)]
    exe = os.path.join(solution_dir, "LoginFrame", "bin", "Debug", "LoginFrame.exe")
    if done.returncode != 0 or not os.path.isfile(exe):
        errors = errors or [done.stdout[-3000:]]
    return errors


def on_display(xvfb_run, args, **kw):
    """Runs args under xvfb-run; again when the virtual display could not be
    opened (a busy machine can lose the race for a display number)."""
    for attempt in range(4):
        done = run([xvfb_run, "-a"] + args, **kw)
        said = done.stdout + done.stderr
        # Windows Forms could not reach the display: its first form fails
        # in the toolkit's type initializer.
        if "XplatUI" not in said and "TypeInitializationException" not in said:
            break
        print("virtual display not reached (attempt %d), trying again" % (attempt + 1))
        time.sleep(3)
    return done


def parse_tsql(sqlfluff, path):
    """sqlfluff's parse trees of the file or of every file of the directory;
    a failed check when the parser gives none."""
    done = run([sqlfluff, "parse", "--dialect", "tsql", "--nofail", "--format", "json", path])
    try:
        return json.loads(done.stdout)
    except ValueError:
        check(False, "sqlfluff: " + done.stdout[:500] + done.stderr[:500])
        return []


def leaves(node):
    """(segment type, raw text) of every leaf of a sqlfluff parse tree."""
    items = node.items() if isinstance(node, dict) else enumerate(node) if isinstance(node, list) else []
    return [leaf for key, value in items
            for leaf in ([(key, value)] if isinstance(value, str) else leaves(value))]


def tools_present(*tools):
    missing = [t for t in tools if shutil.which(t) is None]
    return check(not missing, "not found: %s" % missing)


# A page description of an A4 PostScript printer, as small as CUPS takes.
_PPD = """*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "CORVANE.PPD"
*Manufacturer: "Corvane"
*Product: "(Test)"
*ModelName: "Corvane Test"
*ShortNickName: "Corvane Test"
*NickName: "Corvane Test"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 18 577 824"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
"""


def private_printer():
    """A print scheduler of the test's own (cupsd on a socket in WORK, its
    files there too) with one A4 printer that prints into /dev/null, so that
    print previews work on a machine without printers. Returns the
    environment that points programs at it; the scheduler ends with the
    script."""
    root = os.path.join(WORK, "cups")
    for sub in ("cache", "state", "spool", "log"):
        os.makedirs(os.path.join(root, sub))
    socket = os.path.join(root, "cups.sock")
    write(os.path.join(root, "cupsd.conf"),
          "Listen %s\nWebInterface No\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
          "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n" % socket)
    # The scheduler refuses to run its filters as root: lp owns its folders.
    write(os.path.join(root, "cups-files.conf"),
          "".join("%s %s\n" % kv for kv in (
              ("ServerRoot", root), ("CacheDir", root + "/cache"), ("StateDir", root + "/state"),
              ("RequestRoot", root + "/spool"), ("TempDir", root + "/spool"),
              ("ErrorLog", root + "/log/error_log"), ("AccessLog", root + "/log/access_log"),
              ("PageLog", root + "/log/page_log"), ("FileDevice", "Yes"))))
    write(os.path.join(root, "test.ppd"), _PPD)
    os.chmod(WORK, 0o755)
    os.chmod(root, 0o755)
    if os.geteuid() == 0:
        for sub in ("cache", "state", "spool"):
            shutil.chown(os.path.join(root, sub), "lp", "lp")
    daemon = subprocess.Popen(["cupsd", "-f", "-c", os.path.join(root, "cupsd.conf"),
                               "-s", os.path.join(root, "cups-files.conf")])
    atexit.register(daemon.terminate)
    env = dict(os.environ, CUPS_SERVER=socket)
    for attempt in range(20):
        added = run(["lpadmin", "-p", "Corvane", "-E", "-v", "file:///dev/null", "-P",
                     os.path.join(root, "test.ppd")], env=env)
        if added.returncode == 0:
            break
        time.sleep(0.5)
    check(added.returncode == 0, "no test printer: " + added.stderr)
    return env
