#!/usr/bin/env python3
"""Checks that 32-bit PE files start on Windows XP SP3.

  check_xp_imports.py EXPORT_LISTS_FOLDER PE_FILE...

Every imported function must be in the export list of its DLL
(EXPORT_LISTS_FOLDER/<dll>.txt, one name a line, '#' lines skipped); a DLL
with no list, an import by ordinal and a delay-load import cannot be checked
and fail too. The OS and subsystem versions in the PE header must be 5.1 or
lower. Prints one line per problem (file, DLL, function) or per good file;
exits 1 when any file fails.
"""
import os
import struct
import sys

IMPORT_DIRECTORY = 1
DELAY_IMPORT_DIRECTORY = 13
XP_VERSION = (5, 1)


class PeFile:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        if self.data[:2] != b"MZ":
            raise ValueError("not a PE file (no MZ header)")
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file (no PE signature)")
        sections, optional_size = struct.unpack_from("<2xH12xH", self.data, pe + 4)
        optional = pe + 24
        if struct.unpack_from("<H", self.data, optional)[0] != 0x10B:
            raise ValueError("not a 32-bit PE file")
        self.os_version = struct.unpack_from("<HH", self.data, optional + 40)
        self.subsystem_version = struct.unpack_from("<HH", self.data, optional + 48)
        self.directories = optional + 96
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8xIIII", self.data, table + 40 * i)
                         for i in range(sections)]

    def directory(self, index):
        return struct.unpack_from("<II", self.data, self.directories + 8 * index)

    def offset(self, rva):
        for virtual_size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw + rva - address
        raise ValueError("address 0x%x is in no section" % rva)

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        """(dll, function name or None, ordinal or None) for every import."""
        rva, size = self.directory(IMPORT_DIRECTORY)
        entry = self.offset(rva) if size else None
        while entry is not None:
            lookup, _, _, name, bound = struct.unpack_from("<5I", self.data, entry)
            if name == 0:
                break
            dll = self.text(name)
            thunk = self.offset(lookup or bound)
            while True:
                value = struct.unpack_from("<I", self.data, thunk)[0]
                if value == 0:
                    break
                if value & 0x80000000:
                    yield dll, None, value & 0xFFFF
                else:
                    yield dll, self.text(value + 2), None
                thunk += 4
            entry += 20


def read_lists(folder):
    lists = {}
    for file in os.listdir(folder):
        if file.endswith(".txt"):
            with open(os.path.join(folder, file)) as f:
                lists[file[:-4].lower()] = {line.strip() for line in f
                                            if line.strip() and not line.startswith("#")}
    return lists


def problems(path, lists):
    pe = PeFile(path)
    for what, version in (("OS", pe.os_version), ("subsystem", pe.subsystem_version)):
        if version > XP_VERSION:
            yield "%s version %d.%d in the PE header is above 5.1" % ((what,) + version)
    if pe.directory(DELAY_IMPORT_DIRECTORY)[1]:
        yield "has delay-load imports, which this check does not read"
    for dll, function, ordinal in pe.imports():
        exports = lists.get(dll.lower().removesuffix(".dll"))
        if exports is None:
            yield "%s: no list of what Windows XP SP3 exports from it" % dll
        elif function is None:
            yield "%s: import by ordinal %d cannot be checked" % (dll, ordinal)
        elif function not in exports:
            yield "%s: %s is not exported by Windows XP SP3" % (dll, function)


def main(arguments):
    if len(arguments) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    lists = read_lists(arguments[0])
    failed = False
    for path in arguments[1:]:
        name = os.path.basename(path)
        try:
            found = sorted(set(problems(path, lists)))
        except (OSError, ValueError, struct.error) as error:
            found = ["cannot be read: %s" % error]
        for problem in found:
            print("%s: %s" % (name, problem))
        if found:
            failed = True
        else:
            dlls = sorted({dll for dll, _, _ in PeFile(path).imports()}, key=str.lower)
            print("%s: runs on Windows XP SP3 (imports from %s)" % (name, ", ".join(dlls)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
