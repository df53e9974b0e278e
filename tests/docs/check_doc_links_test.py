#!/usr/bin/python3
"""scripts/check-doc-links on a made-up clone: each case puts one line into its README or a page
and says which broken link the check must name, or that it must pass."""
import pathlib
import subprocess
import sys
import tempfile

PAGE = """# A page

## A heading

## The `--scan` option

## Same

## Same

```sh
see [a link in a block](nowhere.md)
```
"""

# (where the line goes, the line, what the check must say: None when it must pass)
CASES = [
    ("README.md", "[a page](docs/page.md)", None),
    ("README.md", "[a heading](docs/page.md#a-heading)", None),
    ("README.md", "[code in a heading](docs/page.md#the---scan-option)", None),
    ("README.md", "[a repeated heading](docs/page.md#same-1)", None),
    ("README.md", "![a picture](docs/picture.png)", None),
    ("README.md", "[here](#start-it)", None),
    ("README.md", "[outside](https://example.net/gone.md) and `[code](gone.md)`", None),
    ("docs/page.md", "[back](../README.md#start-it), [itself](#a-heading)", None),
    ("README.md", "[a page gone](docs/gone.md)", "README.md:5: docs/gone.md: no such file"),
    ("README.md", "[no heading](docs/page.md#gone)", "docs/page.md#gone: page.md has no such heading"),
    ("README.md", "[third](docs/page.md#same-2)", "page.md has no such heading"),
    ("README.md", "![a picture gone](docs/gone.png)", "docs/gone.png: no such file"),
    ("README.md", "[here, gone](#gone)", "README.md:5: #gone: README.md has no such heading"),
    ("README.md", "[over a line\nbreak](docs/gone.md)", "README.md:5: docs/gone.md: no such file"),
    ("docs/page.md", "[a sibling gone](other.md)", "docs/page.md:15: other.md: no such file"),
]


def run(script, where, line):
    with tempfile.TemporaryDirectory() as scratch:
        root = pathlib.Path(scratch)
        (root / "docs").mkdir()
        (root / "docs/picture.png").write_bytes(b"")
        readme = "# Made up\n\n## Start it\n\n"
        page = PAGE + "\n"
        if where == "README.md":
            readme += line + "\n"
        else:
            page += line + "\n"
        (root / "README.md").write_text(readme)
        (root / "docs/page.md").write_text(page)
        return subprocess.run([script, str(root)], capture_output=True, text=True)


def main(source_dir):
    script = str(pathlib.Path(source_dir) / "scripts/check-doc-links")
    failures = []
    for where, line, expected in CASES:
        done = run(script, where, line)
        if expected is None and done.returncode != 0:
            failures.append(f"{line!r} in {where}: refused: {done.stderr.strip()}")
        elif expected is not None and (done.returncode != 1 or expected not in done.stderr):
            failures.append(f"{line!r} in {where}: status {done.returncode}, expected "
                            f"{expected!r} in: {done.stderr.strip()}")
    for failure in failures:
        print(failure)
    print(f"check-doc-links: {len(CASES) - len(failures)} of {len(CASES)} cases as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
