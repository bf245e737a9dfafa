#!/usr/bin/python3
"""seal_template.py [--check] [TEMPLATE]: writes the digests of the page's own script and
style into its Content-Security-Policy, so that the browser runs that script and applies
that style and nothing else inline. Run it after every change to either; --check only
reports whether the digests are current (exit status 1 when not).

The data, fonts and pictures that fill the template live outside the script and the style,
so filling it never changes the digests."""
import base64
import hashlib
import pathlib
import re
import sys

TEMPLATE = pathlib.Path(__file__).resolve().parent / "template.html"

# The page's one style element and its one script element without a type.
STYLE = re.compile(r"<style>(.*?)</style>", re.S)
SCRIPT = re.compile(r"<script>(.*?)</script>", re.S)
SOURCES = (("script-src", SCRIPT), ("style-src", STYLE))


def Digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def Sealed(template):
    """The template with current digests."""
    for directive, element in SOURCES:
        bodies = element.findall(template)
        if len(bodies) != 1:
            raise ValueError(f"the template needs exactly one {element.pattern[:8]} element")
        pattern = re.compile(re.escape(directive) + r" 'sha256-[A-Za-z0-9+/=]*'")
        if len(pattern.findall(template)) != 1:
            raise ValueError(f"the policy needs exactly one {directive} with a digest")
        template = pattern.sub(lambda _: directive + " " + Digest(bodies[0]), template)
    return template


def main():
    arguments = sys.argv[1:]
    check = "--check" in arguments
    paths = [a for a in arguments if a != "--check"]
    path = pathlib.Path(paths[0]) if paths else TEMPLATE
    template = path.read_bytes().decode()
    sealed = Sealed(template)
    if sealed == template:
        return 0
    if check:
        print(f"{path}: the digests of its script or style are out of date; "
              f"run {pathlib.Path(__file__).name}", file=sys.stderr)
        return 1
    path.write_bytes(sealed.encode())
    print(f"{path}: digests updated")
    return 0


if __name__ == "__main__":
    sys.exit(main())
