#!/usr/bin/env python3
"""Writes the linker flags that leave each name of Pd's API to Pd.

pd_imports.py CLANG SYSROOT M_PD_H OUTPUT

A Pd external on macOS finds Pd's functions and variables in Pd when it
loads, as a Max external finds Max's: one -U flag a name, every name that
m_pd.h, and m_imp.h and g_canvas.h beside it, declare EXTERN (as Darwin
preprocesses them), and no other.
"""
import os
import re
import subprocess
import sys


def names_of(declaration):
    """The names one declaration declares: a function, a function pointer
    or a list of variables."""
    pointer = re.search(r"\(\s*\*\s*(\w+)\s*\)", declaration)
    if pointer:
        return [pointer.group(1)]
    if "(" in declaration:
        return [re.search(r"(\w+)\s*\(", declaration).group(1)]
    return [re.search(r"(\w+)\s*(\[[^]]*\])?\s*$", part).group(1)
            for part in declaration.split(",")]


def main():
    clang, sysroot, header, output = sys.argv[1:]
    text = subprocess.run(
        [clang, "-E", "-P", "-x", "c", "-target", "x86_64-apple-macos10.13",
         "-isysroot", sysroot, "-DEXTERN=__pd_api__", "-include", header,
         "-include", os.path.join(os.path.dirname(header), "m_imp.h"),
         os.path.join(os.path.dirname(header), "g_canvas.h")],
        check=True, capture_output=True, text=True).stdout
    names = {name for declaration in re.findall(r"\b__pd_api__\b([^;]*);", text)
             for name in names_of(declaration)}
    with open(output, "w") as out:
        out.write("".join(f"-Wl,-U,_{name}\n" for name in sorted(names)))


if __name__ == "__main__":
    main()
