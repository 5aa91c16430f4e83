#!/usr/bin/env python3
"""Generates the sample design and builds its Model, DAL and BLL projects
with Mono's xbuild, offline. Any compiler error fails the test, and so does
a missing xbuild: the generated code must be shown to build.

usage: build_generated.py CORVANE_CLI XBUILD
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

CLI, XBUILD = sys.argv[1], sys.argv[2]
WORK = tempfile.mkdtemp(prefix="corvane-build-e2e-")


def main():
    if shutil.which(XBUILD) is None:
        print("FAIL xbuild not found (Debian package mono-devel)")
        return 1
    base = os.path.join(WORK, "d")
    for args in (["demo"], ["generate", "Demo"]):
        done = subprocess.run([CLI, "--dir", base] + args, capture_output=True, text=True)
        if done.returncode != 0:
            print("FAIL corvane-cli %s: %s" % (" ".join(args), done.stderr))
            return 1
    out = os.path.join(base, "projects", "Demo", "LoginFrame")
    failed = 0
    for project in ("Model", "DAL", "BLL"):
        csproj = os.path.join(out, project, project + ".csproj")
        done = subprocess.run([XBUILD, "/nologo", "/verbosity:minimal", csproj],
                              capture_output=True, text=True, cwd=out)
        log = done.stdout + done.stderr
        errors = [line for line in log.splitlines() if re.search(r"\berror\b", line, re.I)
                  and not re.search(r"\b0 Error\(s\)", line)]
        dll = os.path.join(out, project, "bin", "Debug", project + ".dll")
        if done.returncode != 0 or errors or not os.path.isfile(dll):
            print("FAIL xbuild %s (status %d):\n%s" % (project, done.returncode, log))
            failed += 1
        else:
            print("built " + project)
    return 1 if failed else 0


try:
    status = main()
finally:
    shutil.rmtree(WORK, ignore_errors=True)
sys.exit(status)
