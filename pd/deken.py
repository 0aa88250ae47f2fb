#!/usr/bin/env python3
"""Pd's package format, deken, for the zun externals.

  deken.py make OUT_DIR VERSION BUILD_DIR SOURCE_DIR
      the package of every Pd external under BUILD_DIR/*/pd/zun (the
      sub-builds), named after the platforms read from the binaries
      themselves, with its .sha256 and .txt beside it; prints its path
  deken.py check DEK
      fails unless the name's platforms are those of the binaries inside,
      each binary's extension is one its platform's Pd loads, and the
      package holds what a user needs
  deken.py externals PD_DEF FILE...
      fails unless each ELF external exports its setup function alone and
      imports only names of m_pd.h (from pd.def) and of the C and C++
      runtimes
"""

import hashlib
import io
import re
import sys
import tempfile
import zipfile
from pathlib import Path

from elftools.elf.elffile import ELFFile
import macholib.MachO
import macholib.mach_o
import macholib.SymbolTable
import pefile

LIBRARY = "zun"
OBJECTS = {
    "burst.zun~": "pulsar synthesis: trains of windowed wave-table grains",
    "cloud.zun~": "granulation of a sample held in an array",
}
META = {
    "AUTHOR": "the zun developers",
    "LICENSE": "MIT",
    "DESCRIPTION": "granular synthesis: pulsar trains and sample clouds",
}
# The extensions single-precision Pd 0.53 and later load, by platform.
EXTENSIONS = {
    "Linux-amd64": {".l_amd64", ".pd_linux"},
    "Linux-arm64": {".l_arm64", ".pd_linux"},
    "Windows-amd64": {".m_amd64", ".dll"},
    "Darwin-amd64": {".d_fat", ".d_amd64", ".pd_darwin"},
    "Darwin-arm64": {".d_fat", ".d_arm64", ".pd_darwin"},
}
ALL_EXTENSIONS = set().union(*EXTENSIONS.values())
ELF_CPUS = {"EM_X86_64": "amd64", "EM_AARCH64": "arm64"}
PE_CPUS = {0x8664: "amd64", 0xAA64: "arm64"}
MACHO_CPUS = {0x01000007: "amd64", 0x0100000C: "arm64"}
# Double-precision Pd's m_pd.h renames class_new.
FLOAT_SIZES = {"class_new": "32", "class_new64": "64"}


def float_size(imported):
    sizes = {FLOAT_SIZES[n] for n in imported if n in FLOAT_SIZES}
    if len(sizes) != 1:
        raise ValueError("imports no single one of class_new and class_new64")
    return sizes.pop()


def elf_platforms(data):
    elf = ELFFile(io.BytesIO(data))
    symbols = elf.get_section_by_name(".dynsym")
    imported = {s.name for s in symbols.iter_symbols() if s["st_shndx"] == "SHN_UNDEF"}
    return {f"Linux-{ELF_CPUS[elf['e_machine']]}-{float_size(imported)}"}


def pe_platforms(data):
    pe = pefile.PE(data=data)
    imported = {i.name.decode() for d in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])
                for i in d.imports if i.name}
    return {f"Windows-{PE_CPUS[pe.FILE_HEADER.Machine]}-{float_size(imported)}"}


def macho_platforms(path):
    macho = macholib.MachO.MachO(str(path))
    platforms = set()
    for header in macho.headers:  # one a slice
        symbols = macholib.SymbolTable.SymbolTable(macho, header)
        imported = {name.decode().lstrip("_") for _, name in symbols.undefsyms}
        platforms.add(f"Darwin-{MACHO_CPUS[header.header.cputype]}-{float_size(imported)}")
    return platforms


def platforms_of(path):
    """The deken platforms of one binary, as OS-CPU-FLOATSIZE."""
    data = Path(path).read_bytes()
    if data[:4] == b"\x7fELF":
        return elf_platforms(data)
    if data[:2] == b"MZ":
        return pe_platforms(data)
    if data[:4] in (b"\xca\xfe\xba\xbe", b"\xcf\xfa\xed\xfe"):
        return macho_platforms(path)
    raise ValueError(f"{path}: neither ELF, PE nor Mach-O")


def package_name(version, platforms):
    return f"{LIBRARY}[v{version}]" + "".join(f"({p})" for p in sorted(platforms)) + ".dek"


def meta_patch(version):
    fields = {"NAME": LIBRARY, "VERSION": version, **META}
    lines = ["#N canvas 0 0 400 200 10;", "#N canvas 0 0 400 200 META 0;"]
    lines += [f"#X text 10 {10 + 20 * i} {k} {v};" for i, (k, v) in enumerate(fields.items())]
    return "\n".join(lines + ["#X restore 10 10 pd META;", ""])


def externals_under(build):
    found = {}
    for path in sorted(build.glob("*/pd/zun/*")):
        # macos-ARCH/ holds one processor's slice; macos/ the .d_fat of both
        if path.parts[-4].startswith("macos-"):
            continue
        if path.suffix in ALL_EXTENSIONS:
            # .pd_linux names no processor: inside a package for several,
            # it takes the name that only Pd on its processor loads.
            name = path.name
            if path.suffix == ".pd_linux":
                platform = platforms_of(path).pop()
                name = path.stem + ".l_" + platform.split("-")[1]
            if name in found:
                raise SystemExit(f"{found[name]} and {path}: two externals for one platform")
            found[name] = path
    return found


def write_zip(dek, files):
    with zipfile.ZipFile(dek, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in sorted(files.items()):
            info = zipfile.ZipInfo(f"{LIBRARY}/{name}", date_time=(2000, 1, 1, 0, 0, 0))
            info.external_attr = 0o644 << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, data)


def make(out, version, build, source):
    out, build, source = Path(out), Path(build), Path(source)
    externals = externals_under(build)
    if not externals:
        raise SystemExit(f"no Pd externals under {build}")
    platforms = set().union(*(platforms_of(p) for p in externals.values()))
    files = {name: path.read_bytes() for name, path in externals.items()}
    for help_patch in sorted((source / "pd").glob("*-help.pd")):
        files[help_patch.name] = help_patch.read_bytes()
    files[f"{LIBRARY}-meta.pd"] = meta_patch(version).encode()
    files["README.md"] = (source / "pd" / "README.md").read_bytes()
    files["LICENSE"] = (source / "LICENSE").read_bytes()
    out.mkdir(parents=True, exist_ok=True)
    for old in out.glob(f"{LIBRARY}*.dek*"):
        old.unlink()
    dek = out / package_name(version, platforms)
    write_zip(dek, files)
    digest = hashlib.sha256(dek.read_bytes()).hexdigest()
    Path(f"{dek}.sha256").write_text(digest + "\n")
    Path(f"{dek}.txt").write_text("".join(f"{k}\t{v}\n" for k, v in OBJECTS.items()))
    print(dek)


def check(dek):
    dek = Path(dek)
    if dek.is_dir():
        found = sorted(dek.glob("*.dek"))
        if len(found) != 1:
            raise SystemExit(f"{dek}: {len(found)} packages, not one")
        dek = found[0]
    match = re.fullmatch(re.escape(LIBRARY) + r"\[v([0-9.]+)\]((?:\([A-Za-z0-9-]+\))+)\.dek",
                         dek.name)
    if not match:
        raise SystemExit(f"{dek.name}: not named {LIBRARY}[vVERSION](PLATFORM)...dek")
    named = set(re.findall(r"\(([^)]+)\)", match.group(2)))
    problems = []
    found = set()
    with zipfile.ZipFile(dek) as z, tempfile.TemporaryDirectory() as work:
        names = z.namelist()
        for index, name in enumerate(names):
            if not name.startswith(LIBRARY + "/"):
                problems.append(f"{name} outside {LIBRARY}/")
            suffix = Path(name).suffix
            if suffix not in ALL_EXTENSIONS:
                continue
            binary = Path(work) / f"{index}{suffix}"
            binary.write_bytes(z.read(name))
            try:
                platforms = platforms_of(binary)
            except Exception as e:  # whatever a damaged file makes a reader raise
                problems.append(f"{name}: {e}")
                continue
            found |= platforms
            for p in platforms:
                if suffix not in EXTENSIONS.get(p.rsplit("-", 1)[0], ()):
                    problems.append(f"{name}: {p}, which Pd does not load as {suffix}")
    for p in sorted(named ^ found):
        problems.append(f"{p}: {'named, no binary' if p in named else 'a binary, not named'}")
    needed = [f"{LIBRARY}-meta.pd", "README.md", "LICENSE"] + [f"{o}-help.pd" for o in OBJECTS]
    problems += [f"no {n}" for n in needed if f"{LIBRARY}/{n}" not in names]
    if Path(f"{dek}.sha256").read_text().strip() != hashlib.sha256(dek.read_bytes()).hexdigest():
        problems.append("its .sha256 is not its digest")
    listed = [line.split("\t")[0] for line in Path(f"{dek}.txt").read_text().splitlines()]
    if listed != list(OBJECTS):
        problems.append(f"its .txt lists {listed}")
    if problems:
        raise SystemExit(f"{dek.name}:\n  " + "\n  ".join(problems))
    print(f"{dek.name}: {len(names)} files; binaries for {', '.join(sorted(found))}")


# What an ELF external may take from elsewhere than Pd: the versioned
# names of the C library, libm, libgcc and libstdc++, and the weak hooks
# of the toolchain.
RUNTIMES = {"libc.so.6", "libm.so.6", "libgcc_s.so.1", "libstdc++.so.6"}
TOOLCHAIN_WEAK = {"__gmon_start__", "_ITM_deregisterTMCloneTable", "_ITM_registerTMCloneTable",
                  "__cxa_finalize"}


def setup_name(path):
    stem = Path(path).stem
    return "setup_" + stem.replace(".", "0x2e").replace("~", "_tilde")


def check_elf_external(path, pd_names):
    problems = []
    with open(path, "rb") as f:
        elf = ELFFile(f)
        dynamic = elf.get_section_by_name(".dynamic")
        needed = {t.needed for t in dynamic.iter_tags() if t.entry.d_tag == "DT_NEEDED"}
        problems += [f"needs {n}" for n in sorted(needed - RUNTIMES)]
        symbols = list(elf.get_section_by_name(".dynsym").iter_symbols())
        gnu_versions = elf.get_section_by_name(".gnu.version")

        def versioned(i):
            return gnu_versions is not None and gnu_versions.get_symbol(i)["ndx"] not in (
                "VER_NDX_LOCAL", "VER_NDX_GLOBAL")

        exported = {s.name for s in symbols if s["st_shndx"] != "SHN_UNDEF"
                    and s["st_info"]["bind"] in ("STB_GLOBAL", "STB_WEAK") and s.name}
        if exported != {setup_name(path)}:
            problems.append(f"exports {sorted(exported)}, not {setup_name(path)} alone")
        for i, s in enumerate(symbols):
            if s["st_shndx"] != "SHN_UNDEF" or not s.name:
                continue
            if s.name not in pd_names and s.name not in TOOLCHAIN_WEAK and not versioned(i):
                problems.append(f"imports {s.name}, neither Pd's nor versioned by a runtime")
    return problems


def check_externals(pd_def, files):
    pd_names = {line.split()[0] for line in Path(pd_def).read_text().splitlines()[2:]}
    failed = False
    for path in files:
        problems = check_elf_external(path, pd_names)
        verdict = "; ".join(problems) or "exports its setup alone, imports Pd and the runtimes"
        print(f"{path}: {verdict}")
        failed |= bool(problems)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    command, *args = sys.argv[1:] or ["help"]
    if command == "make" and len(args) == 4:
        make(*args)
    elif command == "check" and len(args) == 1:
        check(*args)
    elif command == "externals" and len(args) >= 2:
        check_externals(args[0], args[1:])
    else:
        sys.exit(__doc__)
