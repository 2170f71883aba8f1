#!/usr/bin/env python3
# tools/mutate: which sites it mutates, how it judges mutants, and that it always puts the files back.
# SPDX-License-Identifier: GPL-3.0-or-later
import importlib.machinery
import importlib.util
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

TOOL = pathlib.Path(__file__).resolve().parents[2] / "tools" / "mutate"
sys.dont_write_bytecode = True  # no tools/__pycache__ in the source tree
loader = importlib.machinery.SourceFileLoader("mutate", str(TOOL))
mutate = importlib.util.module_from_spec(importlib.util.spec_from_loader("mutate", loader))
loader.exec_module(mutate)

# One line of a C++ function returning bool (or of a JavaScript function) -> the mutations found in it.
CPP_LINES = [
    ("// a == b && !c < d", []),
    ("/* x < y */ g(a == b ? \"x\" : \"y\");", ["delete statement", "== → !="]),
    ("s = \"a == b\\\" && c\" + t;", ["delete statement"]),
    ("c = '<' + '\\'';", ["delete statement"]),
    ("r = R\"x(a == b)\" && c)x\";", ["delete statement"]),
    ("#if A == 1 && B < 2", []),
    ("std::vector<std::pair<int, int>> v{1};", []),
    ("auto&& r = f(a < b);", ["< → <="]),
    ("p->x = a >> 1 << c;", ["delete statement"]),
    ("if (a < b && !c) g(x > y);", ["< → <=", "&& → ||", "drop !", "> → >="]),
    ("n = static_cast<int>(m) - 1;", ["delete statement", "drop - 1"]),
    ("v[i + 1] = true;", ["delete statement", "drop + 1", "true → false"]),
    ("return a <= b || c != d;", ["return !(…)", "<= → <", "|| → &&", "!= → =="]),
    ("return false;", ["false → true"]),
    ("int n = 1'000 + 1;", ["drop + 1"]),
]
JS_LINES = [
    ("s = `a == ${b ? \"}\" : `${c && d}`} < e`;", ["delete statement"]),
    ("ok = /a==b\\/[/]/.test(s) && t;", ["delete statement", "&& → ||"]),
    ("x = y / 2 < z / 3;", ["delete statement", "< → <="]),
    ("if (!ok) return;", ["drop !"]),
    ("return a === b;", ["return undefined", "=== → !=="]),
    ("const n = m + 1;", ["drop + 1"]),
]

SOURCE = b"// Tells whether a number is ready (caf\xe9).\nbool Ready(int a) {\n  return a == 2 || a > 7;\n}\n"


class SitesTest(unittest.TestCase):
    def test_mutations_in_code_only(self):
        for js, table in ((False, CPP_LINES), (True, JS_LINES)):
            for line, expected in table:
                with self.subTest(line=line):
                    text = ("function f() {\n" if js else "bool f() {\n") + line + "\n}\n"
                    self.assertEqual([s.mutation for s in mutate.find_sites(text, js)], expected)


class RunTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        self.source = os.path.join(self.folder.name, "ready.cpp")
        self.build = os.path.join(self.folder.name, "build")
        pathlib.Path(self.source).write_bytes(SOURCE)

    def run_tool(self, test_cmd, *options):
        return subprocess.run([sys.executable, str(TOOL), "--build", self.build, "--count", "0", "--build-cmd",
                               f"! grep -q '>= 7' {self.source}", "--test-cmd", test_cmd, *options, self.source],
                              capture_output=True, text=True, timeout=60)

    def assert_restored(self):
        self.assertEqual(pathlib.Path(self.source).read_bytes(), SOURCE)
        self.assertFalse(os.path.exists(os.path.join(self.build, "mutate-backup")))

    def test_each_mutant_is_judged_and_the_file_restored(self):
        # The tests want "a == 2" and hang without "||"; the build fails on ">= 7".
        report = os.path.join(self.folder.name, "report.json")
        result = self.run_tool(f"grep -q 'a == 2' {self.source} && {{ grep -q '||' {self.source} || sleep 20; }}",
                               "--timeout", "2", "--report", report)
        self.assertEqual(result.returncode, 0, result.stderr)
        mutants = json.loads(pathlib.Path(report).read_text(encoding="utf-8"))["mutants"]
        judged = {m["mutation"]: (m["status"], m["line"]) for m in mutants}
        self.assertEqual(judged, {"return !(…)": ("survived", 3), "== → !=": ("killed", 3),
                                  "|| → &&": ("timed out", 3), "> → >=": ("did not build", 3)})
        self.assertIn("ready.cpp:3:3  return !(…)\n    - return a == 2 || a > 7;\n    + return !(a == 2 || a > 7);",
                      result.stdout)
        self.assertRegex(result.stdout, r"ready.cpp +1 +1 +1 +1 +50%")
        self.assert_restored()

    def test_interrupted_run_restores_or_leaves_a_backup_to_restore(self):
        for signal_name, status in (("TERM", 128 + 15), ("KILL", -9)):
            with self.subTest(signal=signal_name):
                result = self.run_tool(f"grep -q 'a == 2' {self.source} || {{ kill -{signal_name} $PPID; sleep 5; }}")
                self.assertEqual(result.returncode, status, result.stderr)
                if signal_name == "KILL":  # nothing could restore: a new run refuses until --restore
                    self.assertEqual(self.run_tool("true").returncode, 2)
                    self.assertEqual(self.run_tool("true", "--restore").returncode, 0)
                self.assert_restored()


if __name__ == "__main__":
    unittest.main()
