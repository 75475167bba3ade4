#!/usr/bin/env python3
"""Reads the Windows executable as Windows does: a 64-bit GUI program whose
resources hold the icon MAINICON in 32 x 32 and 16 x 16 and a version record
with the texts and numbers given.

    executable_test.py EXE DESCRIPTION COMPANY FILE-VERSION PRODUCT-VERSION
"""
import struct
import sys

import pefile

exe, description, company, file_version, product_version = sys.argv[1:6]
pe = pefile.PE(exe)
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


check(pe.FILE_HEADER.Machine == pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"], "not x86-64")
check(pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
      f"subsystem {pe.OPTIONAL_HEADER.Subsystem}, not the GUI's")


def resources(kind):
    """The entries of one resource type, by name or id."""
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id == kind:
            return {str(e.name) if e.name else e.id: e for e in entry.directory.entries}
    return {}


def data(entry):
    leaf = entry.directory.entries[0].data.struct
    return pe.get_data(leaf.OffsetToData, leaf.Size)


groups = resources(pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
check("MAINICON" in groups, f"no icon named MAINICON among {list(groups)}")
if "MAINICON" in groups:
    group = data(groups["MAINICON"])
    count = struct.unpack_from("<H", group, 4)[0]
    sizes = sorted((group[6 + 14 * i] or 256, struct.unpack_from("<H", group, 6 + 14 * i + 6)[0])
                   for i in range(count))
    check(sizes == [(16, 8), (32, 8)], f"MAINICON has (size, bits) {sizes}")

texts = {}
translations = []
for info in getattr(pe, "FileInfo", []):
    for block in info:
        for table in getattr(block, "StringTable", []):
            check(table.LangID.lower() == b"080403a8", f"string table {table.LangID}")
            texts.update({k.decode(): v.decode() for k, v in table.entries.items()})
        for var in getattr(block, "Var", []):
            translations += [v.decode() if isinstance(v, bytes) else v for v in var.entry.values()]
check(translations == ["0x0804 0x03a8"], f"translation {translations}")
expected = {
    "FileDescription": description, "CompanyName": company,
    "FileVersion": file_version, "ProductVersion": product_version,
    "Comments": "", "InternalName": "", "LegalCopyright": "", "LegalTrademarks": "",
    "OriginalFilename": "", "ProductName": "",
}
check(texts == expected, f"version texts {texts}, not {expected}")
fixed = pe.VS_FIXEDFILEINFO[0]
numbers = lambda ms, ls: f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
check(numbers(fixed.FileVersionMS, fixed.FileVersionLS) == file_version, "file version number")
check(numbers(fixed.ProductVersionMS, fixed.ProductVersionLS) == product_version,
      "product version number")

for failure in failures:
    print("FAIL:", failure)
if failures:
    sys.exit(1)
print(f"executable: 64-bit GUI program, MAINICON 32 and 16 px, version {file_version}"
      f" / {product_version} by {company}")
