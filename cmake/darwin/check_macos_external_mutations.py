#!/usr/bin/env python3
"""The check of a macOS external must catch each fault: broken copies of a
good bundle, each of which check_macos_external must refuse with the fault
named.

check_macos_external_mutations.py BUNDLE MAX_LINKER_FLAGS WORK_DIR
"""
import shutil
import struct
import subprocess
import sys
from pathlib import Path

import check_macos_external as check

LC_VERSION_MIN_MACOSX = 0x24


def remove_arm64(binary, flags):
    subprocess.run(["llvm-lipo-14", str(binary), "-extract", "x86_64", "-output", str(binary)],
                   check=True)


def change_code_page(binary, flags):
    offset, _ = check.slices(binary)["arm64"]
    data = bytearray(binary.read_bytes())
    data[offset + 0x4000 + 16] ^= 0xFF
    binary.write_bytes(data)


def lower_minimum_os(binary, flags):
    offset, _ = check.slices(binary)["x86_64"]
    data = bytearray(binary.read_bytes())
    count = struct.unpack_from("<I", data, offset + 16)[0]
    at = offset + 32
    for _ in range(count):
        command, size = struct.unpack_from("<II", data, at)
        if command == LC_VERSION_MIN_MACOSX:
            struct.pack_into("<I", data, at + 8, 0x000A0C00)
        at += size
    binary.write_bytes(data)


def append_build_path(binary, flags):
    with binary.open("ab") as out:
        out.write(b"/home/builder/zun/build")


def unlist_class_new(binary, flags):
    flags.write_text(flags.read_text().replace("'-Wl,-U,_class_new'", ""))


MUTATIONS = [
    (remove_arm64, "architectures ['x86_64']"),
    (change_code_page, "arm64: page 4 does not match its signed hash"),
    (lower_minimum_os, "x86_64: minimum macOS ['10.12']"),
    (append_build_path, "holds the build path /home/builder/zun/build"),
    (unlist_class_new, "imports _class_new, from neither"),
]


def main():
    bundle, max_flags, work = map(Path, sys.argv[1:])
    failures = []
    if check.external_faults(bundle, max_flags, []):
        failures.append("the good bundle fails")
    for mutate, fault in MUTATIONS:
        copy = work / mutate.__name__ / bundle.name
        shutil.rmtree(copy.parent, ignore_errors=True)
        shutil.copytree(bundle, copy)
        flags = copy.parent / max_flags.name
        shutil.copy(max_flags, flags)
        mutate(copy / "Contents" / "MacOS" / bundle.name[:-len(".mxo")], flags)
        faults = check.external_faults(copy, flags, ["/home/builder/zun/build"])
        if not any(fault in found for found in faults):
            failures.append(f"{mutate.__name__}: no '{fault}' among {faults}")
    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
