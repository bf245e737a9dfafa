"""Runs one suite of GUI tests of Q7Lister under Wine (inside scripts/with-wine)."""

import argparse
import sys
import traceback

from harness import Checks, Config, Failure

import suite_katalog
import suite_startup
import suite_loading
import suite_pages

SUITES = {"startup": suite_startup, "loading": suite_loading, "pages": suite_pages,
          "katalog": suite_katalog}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("suite", choices=SUITES)
    for option in ("driver", "lister", "analyzer", "standin", "source", "work", "artifacts"):
        parser.add_argument(f"--{option}", required=True)
    for option in ("recorder", "katalog", "standin-katalog"):
        parser.add_argument(f"--{option}")
    parser.add_argument("--only", help="run only the test of this name")
    args = parser.parse_args()
    config = Config(args)

    failed = 0
    for test in SUITES[args.suite].TESTS:
        if args.only and test.__name__ != args.only:
            continue
        checks = Checks()
        try:
            test(config, checks)
        except Failure as error:
            checks.failures.append(str(error))
        except Exception:
            checks.failures.append(traceback.format_exc())
        status = "FAILED" if checks.failures else "passed"
        print(f"{test.__name__}: {status}")
        for failure in checks.failures:
            print(f"  {failure}")
        failed += bool(checks.failures)
    sys.stdout.flush()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
