#!/usr/bin/python3
"""interrupted_runs_test.py KATALOG SHIM SAMPLES WORK

A rebuild after scenarios were changed, removed, renamed and added gives what a fresh run
gives, byte for byte; and so does a katalog run ended at every moment that it changes the file system (interrupt_shim.c, preloaded,
ends it as kill -9 would), or stopped there by SIGINT or SIGTERM, or robbed of its working folder
there: the old or the new catalogue is in place, whole, the next run gives what a fresh run gives,
byte for byte, and nothing outside the catalogue is touched."""
import json
import os
import pathlib
import re
import resource
import shutil
import signal
import subprocess
import sys
import unittest

KATALOG = SHIM = SAMPLES = WORK = None


def Tree(folder):
    """Every file and link below the folder: its bytes, or its target."""
    tree = {}
    for path in sorted(pathlib.Path(folder).rglob("*")):
        name = str(path.relative_to(folder))
        if path.is_symlink():
            tree[name] = "-> " + os.readlink(path)
        elif path.is_file():
            tree[name] = path.read_bytes()
    return tree


def Run(folder, out, stop_at=None, how=None, victim=None, limit=None):
    env = dict(os.environ, LD_PRELOAD=str(SHIM), KATALOG_OUT=str(out))
    if stop_at is not None:
        env.update(KATALOG_STOP_AT=str(stop_at), KATALOG_STOP_HOW=how)
    if victim is not None:
        env["KATALOG_VICTIM"] = str(victim)

    def Limit():
        if limit:
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))

    return subprocess.run([str(KATALOG), str(folder), "-o", str(out), "-j", "1"], env=env,
                          capture_output=True, preexec_fn=Limit)


def PicturesNamedIn(text):
    return set(re.findall(r'"path":"(karten/[0-9a-f]{32}(?:-klein)?\.png)"', text))


class InterruptedRunsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        shutil.rmtree(WORK, ignore_errors=True)
        cls.before, cls.after = WORK / "vorher", WORK / "nachher"
        shutil.copytree(SAMPLES, cls.before)
        # Afterwards one scenario is changed, one gone, one renamed and one new.
        shutil.copytree(SAMPLES, cls.after)
        shutil.copy(SAMPLES / "Legatus.scn", cls.after / "Tiberis.scn")
        for path in cls.after.glob("Campania Felix*"):
            path.unlink()
        for path in cls.after.glob("Legatus*"):
            path.rename(path.with_name(path.name.replace("Legatus", "Legat")))
        for suffix in (".scn", "_Color.dds", ".xml", ".cs"):
            shutil.copy(SAMPLES / ("Nova Roma" + suffix), cls.after / ("Neu" + suffix))
        cls.old, cls.fresh = WORK / "alt", WORK / "frisch"
        for folder, out in ((cls.before, cls.old), (cls.after, cls.fresh)):
            result = Run(folder, out)
            assert result.returncode == 0, result.stderr.decode()
        cls.old_tree, cls.fresh_tree = Tree(cls.old), Tree(cls.fresh)

    def Copy(self):
        out = WORK / "katalog"
        shutil.rmtree(out, ignore_errors=True)
        shutil.copytree(self.old, out, symlinks=True)
        return out

    def AssertWhole(self, out, what):
        """The page and the data are there, and every picture either names is there."""
        for name in ("index.html", "szenarien.json"):
            text = (out / name).read_text(encoding="utf-8")
            missing = [p for p in PicturesNamedIn(text) if not (out / p).is_file()]
            self.assertEqual(missing, [], f"{what}: {name} names missing pictures")
        json.loads((out / "katalog-inhalt.json").read_text(encoding="utf-8"))

    def test_a_run_killed_at_any_moment(self):
        moment = 0
        while True:
            moment += 1
            out = self.Copy()
            result = Run(self.after, out, moment, "kill")
            if result.returncode == 0:
                self.assertEqual(Tree(out), self.fresh_tree, "a rebuild gives what a fresh run gives")
                break
            self.assertEqual(result.returncode, -signal.SIGKILL, result.stderr.decode())
            self.AssertWhole(out, f"killed at change {moment}")
            result = Run(self.after, out)
            self.assertEqual(result.returncode, 0, result.stderr.decode())
            self.assertEqual(Tree(out), self.fresh_tree, f"the run after a kill at change {moment}")
        self.assertGreater(moment, 10, "the run changed the folder at every step it takes")

    def test_ctrl_c_and_sigterm_leave_the_old_catalogue(self):
        for how, number in (("int", signal.SIGINT), ("term", signal.SIGTERM)):
            out = self.Copy()
            result = Run(self.after, out, 3, how)
            self.assertEqual(result.returncode, -number, how)
            self.assertIn("Abgebrochen", result.stderr.decode())
            self.assertEqual(Tree(out), self.old_tree, f"{how}: the old catalogue as it was")

    def test_a_working_folder_swapped_for_a_link(self):
        """Pictures go where the run made its folder, and nothing of the link's target goes,
        whether the run ends well or fails."""
        victim = WORK / "Briefe"
        for limit in (None, 40 * 1024):  # the page itself is larger
            shutil.rmtree(victim, ignore_errors=True)
            victim.mkdir()
            (victim / "an Mutter.txt").write_text("Liebe Mutter")
            out = self.Copy()
            result = Run(self.after, out, 5, "swap", victim, limit)
            self.assertEqual(result.returncode, 1 if limit else 0, result.stderr.decode())
            self.assertEqual(Tree(victim), {"an Mutter.txt": b"Liebe Mutter"})
            kept = {name: data for name, data in Tree(out).items() if ".in-arbeit-" not in name}
            self.assertEqual(kept, self.old_tree if limit else self.fresh_tree)


def main():
    global KATALOG, SHIM, SAMPLES, WORK
    KATALOG, SHIM, SAMPLES, WORK = (pathlib.Path(a).resolve() for a in sys.argv[1:5])
    unittest.main(argv=sys.argv[:1], verbosity=2)


if __name__ == "__main__":
    main()
