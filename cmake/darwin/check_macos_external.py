#!/usr/bin/env python3
"""Checks a macOS external that cannot be loaded here: for Max (NAME.mxo)
or for Pd (NAME.d_fat).

check_macos_external.py EXTERNAL HOST_LINKER_FLAGS [FORBIDDEN_TEXT...]

Reads it with llvm-objdump-14 and llvm-nm-14 and fails, naming each fault,
unless: a Max bundle has its Info.plist and PkgInfo; the binary is
universal with exactly arm64 (macOS 11) and x86_64 (macOS 10.13) slices,
each a two-level MH_BUNDLE; it loads nothing but libSystem, libc++ and,
for Max, MaxAudioAPI, with no load command beyond those a plain bundle
has; every undefined symbol is bound to one of them or left to the host by
its -U flags; it exports its entry point alone; every code signature's
page hashes match the pages; and none of FORBIDDEN_TEXT (build paths) is
inside.
"""
import hashlib
import plistlib
import re
import struct
import subprocess
import sys
from pathlib import Path

OBJDUMP = "llvm-objdump-14"
NM = "llvm-nm-14"
MIN_OS = {"arm64": "11.0", "x86_64": "10.13"}
SYSTEM = {"/usr/lib/libSystem.B.dylib": "libSystem", "/usr/lib/libc++.1.dylib": "libc++"}
MAX_AUDIO = {
    "@executable_path/../Frameworks/MaxAudioAPI.framework/Versions/A/MaxAudioAPI": "MaxAudioAPI"}
LOAD_COMMANDS = {
    "LC_SEGMENT_64", "LC_DYLD_INFO_ONLY", "LC_SYMTAB", "LC_DYSYMTAB", "LC_UUID",
    "LC_BUILD_VERSION", "LC_VERSION_MIN_MACOSX", "LC_LOAD_DYLIB", "LC_FUNCTION_STARTS",
    "LC_DATA_IN_CODE", "LC_CODE_SIGNATURE", "LC_SOURCE_VERSION",
}
CS_SUPERBLOB, CS_CODEDIRECTORY, CS_SHA256 = 0xFADE0CC0, 0xFADE0C02, 2


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def fields(text, command):
    """The key/value lines of each load command named `command`."""
    blocks = re.split(r"\nLoad command \d+\n", text)
    found = []
    for block in blocks[1:]:
        pairs = dict(line.split(None, 1) for line in block.splitlines() if len(line.split()) > 1)
        if pairs.get("cmd") == command:
            found.append(pairs)
    return found


def slices(binary):
    """{architecture: (offset, size)} of a universal file."""
    data = binary.read_bytes()
    magic, count = struct.unpack(">II", data[:8])
    if magic != 0xCAFEBABE:
        return {}
    names = {0x01000007: "x86_64", 0x0100000C: "arm64"}
    found = {}
    for i in range(count):
        cpu, _, offset, size, _ = struct.unpack(">iiIII", data[8 + 20 * i:28 + 20 * i])
        found[names.get(cpu, hex(cpu))] = (offset, size)
    return found


def signature_faults(arch, code, headers):
    """Recomputes each page hash of the slice's code directory."""
    signatures = fields(headers, "LC_CODE_SIGNATURE")
    if not signatures:
        return [f"{arch}: not signed"] if arch == "arm64" else []
    offset, size = int(signatures[0]["dataoff"]), int(signatures[0]["datasize"])
    blob = code[offset:offset + size]
    magic, _, count = struct.unpack(">III", blob[:12])
    if magic != CS_SUPERBLOB:
        return [f"{arch}: the signature is no code signature"]
    faults = []
    for i in range(count):
        _, at = struct.unpack(">II", blob[12 + 8 * i:20 + 8 * i])
        if struct.unpack(">I", blob[at:at + 4])[0] != CS_CODEDIRECTORY:
            continue
        (hash_at, _, _, slots, limit, hash_size, hash_type, _, page_log) = struct.unpack(
            ">IIIIIBBBB", blob[at + 16:at + 40])
        page = 1 << page_log
        if hash_type != CS_SHA256 or limit != offset or slots != -(-limit // page):
            faults.append(f"{arch}: the code directory does not cover the code in SHA-256")
            continue
        for n in range(slots):
            stored = blob[at + hash_at + n * hash_size:at + hash_at + (n + 1) * hash_size]
            if hashlib.sha256(code[n * page:min(limit, (n + 1) * page)]).digest() != stored:
                faults.append(f"{arch}: page {n} does not match its signed hash")
    return faults


def slice_faults(arch, binary, code, host, libraries, entry_point):
    headers = run(OBJDUMP, "--macho", f"--arch={arch}", "--private-headers", str(binary))
    faults = []
    header = re.search(r"^MH_MAGIC_64 .*$", headers, re.M).group(0).split()
    if "BUNDLE" not in header or "TWOLEVEL" not in header:
        faults.append(f"{arch}: not a two-level bundle: {' '.join(header)}")
    versions = [f.get("minos") for f in fields(headers, "LC_BUILD_VERSION")]
    versions += [f.get("version") for f in fields(headers, "LC_VERSION_MIN_MACOSX")]
    if versions != [MIN_OS[arch]]:
        faults.append(f"{arch}: minimum macOS {versions}, not {MIN_OS[arch]}")
    for command in sorted(set(re.findall(r"^\s+cmd (\S+)", headers, re.M)) - LOAD_COMMANDS):
        faults.append(f"{arch}: load command {command}")
    for dylib in fields(headers, "LC_LOAD_DYLIB"):
        name = dylib["name"].split(" (offset")[0]
        if name not in libraries:
            faults.append(f"{arch}: loads {name}")
    symbols = run(NM, "-m", "--undefined-only", f"--arch={arch}", str(binary))
    for line in symbols.splitlines():
        symbol = re.search(r"external (\S+)", line).group(1)
        source = re.search(r"\(from (\S+)\)", line)
        if source and source.group(1) in libraries.values():
            continue
        if "dynamically looked up" in line and symbol in host:
            continue
        faults.append(f"{arch}: imports {symbol}, from neither its libraries nor its host")
    exports = run(OBJDUMP, "--macho", f"--arch={arch}", "--exports-trie", str(binary))
    exported = re.findall(r"^0x[0-9A-Fa-f]+\s+(\S+)", exports, re.M)
    if exported != [entry_point]:
        faults.append(f"{arch}: exports {exported}, not {entry_point} alone")
    return faults + signature_faults(arch, code, headers)


def max_bundle_faults(bundle):
    name = bundle.name[:-len(".mxo")]
    contents = bundle / "Contents"
    faults = []
    if (contents / "PkgInfo").read_bytes() != b"iLaX????":
        faults.append("PkgInfo is not iLaX????")
    info = plistlib.loads((contents / "Info.plist").read_bytes())
    if info.get("CFBundleExecutable") != name or info.get("CFBundlePackageType") != "iLaX":
        faults.append("Info.plist names another executable or package type")
    return faults


def external_faults(external, host_flags, forbidden):
    """Every fault of a .mxo bundle or a .d_fat file."""
    name, suffix = external.name.rsplit(".", 1)
    if suffix == "mxo":
        binary, entry_point = external / "Contents" / "MacOS" / name, "_main"
        libraries, faults = {**SYSTEM, **MAX_AUDIO}, max_bundle_faults(external)
    else:
        setup = name.replace(".", "0x2e").replace("~", "_tilde")
        binary, entry_point, libraries, faults = external, f"_setup_{setup}", SYSTEM, []
    found = slices(binary)
    if sorted(found) != sorted(MIN_OS):
        faults.append(f"architectures {sorted(found)}, not {sorted(MIN_OS)}")
    host = set(re.findall(r"-U,(\S+?)'?(?:\s|$)", host_flags.read_text()))
    data = binary.read_bytes()
    for arch in sorted(set(found) & set(MIN_OS)):
        offset, size = found[arch]
        faults += slice_faults(arch, binary, data[offset:offset + size], host, libraries,
                               entry_point)
    faults += [f"holds the build path {text}" for text in forbidden if text.encode() in data]
    return faults


def main():
    external, host_flags, *forbidden = sys.argv[1:]
    faults = external_faults(Path(external), Path(host_flags), forbidden)
    for fault in faults:
        print(f"{external}: {fault}")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
