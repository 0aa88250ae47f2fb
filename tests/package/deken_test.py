"""The checks of pd/deken.py refuse a package or an external that is wrong.

  deken_test.py DEKEN_DIR MAX_PLUGIN
"""

import hashlib
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "pd"))
import deken  # noqa: E402

DEKEN_DIR, MAX_PLUGIN = (Path(a) for a in sys.argv[1:3])
del sys.argv[1:3]


def rename_binary(name, data):
    return (name.replace(".l_arm64", ".pd_darwin"), data)


def drop(file):
    return lambda name, data: None if name.endswith(file) else (name, data)


def truncate_binary(name, data):
    return (name, data[:64] if name.endswith(".l_amd64") else data)


class BrokenPackages(unittest.TestCase):
    def check(self, dek):
        return subprocess.run([sys.executable, deken.__file__, "check", str(dek)],
                              capture_output=True, text=True)

    def broken(self, directory, rename=None, change=None, sha=True):
        """A copy of the built package, renamed and its files changed."""
        good = next(DEKEN_DIR.glob("*.dek"))
        dek = Path(directory) / (rename(good.name) if rename else good.name)
        with zipfile.ZipFile(good) as z:
            files = [(n, z.read(n)) for n in z.namelist()]
        with zipfile.ZipFile(dek, "w") as z:
            for name, data in files:
                changed = change(name, data) if change else (name, data)
                if changed:
                    z.writestr(*changed)
        digest = hashlib.sha256(dek.read_bytes()).hexdigest()
        Path(f"{dek}.sha256").write_text(digest if sha else "0" * 64)
        shutil.copy(f"{good}.txt", f"{dek}.txt")
        return dek

    def test_each_fault_is_named(self):
        cases = [
            ("a platform without its binary",
             dict(rename=lambda n: n.replace(".dek", "(Linux-armv7-32).dek")), "named, no binary"),
            ("a binary whose platform is not named",
             dict(rename=lambda n: n.replace("(Linux-amd64-32)", "")), "a binary, not named"),
            ("an extension its platform's Pd does not load",
             dict(change=rename_binary), "which Pd does not load as .pd_darwin"),
            ("a binary that cannot be read", dict(change=truncate_binary), ".l_amd64:"),
            ("no licence", dict(change=drop("/LICENSE")), "no LICENSE"),
            ("no help patch", dict(change=drop("cloud.zun~-help.pd")), "no cloud.zun~-help.pd"),
            ("a wrong digest", dict(sha=False), "not its digest"),
        ]
        with tempfile.TemporaryDirectory() as d:
            self.assertEqual(self.check(self.broken(d)).returncode, 0)
        for what, how, complaint in cases:
            with self.subTest(what), tempfile.TemporaryDirectory() as d:
                result = self.check(self.broken(d, **how))
                self.assertNotEqual(result.returncode, 0)
                self.assertIn(complaint, result.stderr)

    def test_an_external_exporting_more_or_importing_a_host_is_refused(self):
        # A plug-in for our Max host: it exports `main`, imports the host's API.
        with tempfile.TemporaryDirectory() as d:
            plugin = Path(d) / "burst.zun~.l_amd64"
            shutil.copy(MAX_PLUGIN, plugin)
            problems = deken.check_elf_external(plugin, set())
        self.assertTrue(any("exports ['main']" in p for p in problems), problems)
        self.assertTrue(any("imports class_new," in p for p in problems), problems)
        self.assertTrue(any(p.startswith("needs ") for p in problems), problems)


if __name__ == "__main__":
    unittest.main()
