#!/usr/bin/env python3
"""Helpers of scripts/package.sh that are awkward in shell.

  package_tool.py guid TEXT...
      A GUID derived from the texts (SHA-256, name-based), upper case, no braces.
  package_tool.py stamp-pe FILE EPOCH
      Sets the PE header's link time to EPOCH and recomputes the image checksum.
  package_tool.py pe-version FILE
      The file version of the PE image's version record, a.b.c.d.
  package_tool.py wxs TEMPLATE ROWS OUT_WXS OUT_SQL NAME=VALUE...
      Fills the package template: @NAME@ from the arguments, @REGISTRY@ and
      @SHARED_REGISTRY@ from the captured Registry rows (Root TAB Key TAB Name TAB Value, the
      table's notation): the second gets the rows in keys both bitnesses share. Rows holding
      text beyond ASCII get a placeholder, and OUT_SQL the UPDATE that sets the real text
      once the package has its code page.
"""
import hashlib
import struct
import sys
import uuid
from xml.sax.saxutils import quoteattr

ROOTS = {"0": "HKCR", "-1": "HKMU", "1": "HKCU", "2": "HKLM"}


def guid(texts):
    digest = hashlib.sha256("\0".join(texts).encode("utf-8")).digest()
    return str(uuid.UUID(bytes=digest[:16], version=5)).upper()


def stamp_pe(path, epoch):
    data = bytearray(open(path, "rb").read())
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        sys.exit(f"{path}: not a PE image")
    struct.pack_into("<I", data, pe + 8, epoch)
    checksum_at = pe + 24 + 64
    struct.pack_into("<I", data, checksum_at, 0)
    total = 0
    padded = data + b"\0" * (len(data) % 2)
    for (word,) in struct.iter_unpack("<H", padded):
        total += word
        total = (total & 0xFFFF) + (total >> 16)
    total = (total & 0xFFFF) + (total >> 16)
    struct.pack_into("<I", data, checksum_at, (total & 0xFFFF) + len(data))
    open(path, "wb").write(data)


def pe_version(path):
    data = open(path, "rb").read()
    at = data.find(struct.pack("<I", 0xFEEF04BD))  # VS_FIXEDFILEINFO's signature
    if at < 0:
        sys.exit(f"{path}: no version record")
    ms, ls = struct.unpack_from("<II", data, at + 8)
    return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"


def sql_text(text):
    if "'" in text:
        sys.exit(f"package_tool: a quote in a text set after wixl: {text!r}")
    return f"'{text}'"


def shared_between_bitnesses(root, key):
    """Whether a captured row lies in a classes key that 32-bit and 64-bit Windows share
    (ProgIDs and type libraries, since Windows 7; CLSID and Interface have a view each). The
    type library's platform entry and help folder differ between the packages and stay theirs."""
    if root != "0":
        return False
    first, _, rest = key.partition("\\")
    if first.lower() in ("clsid", "interface", "wow6432node"):
        return False
    if first.lower() == "typelib":
        last = key.rsplit("\\", 1)[-1].lower()
        return last not in ("win32", "win64", "helpdir")
    return True


def registry_xml(rows_path, updates, shared):
    lines = []
    rows = [line.rstrip("\n").split("\t") for line in open(rows_path, encoding="utf-8") if line.strip()]
    rows = [fields for fields in rows if (len(fields) == 4 and shared_between_bitnesses(fields[0], fields[1])) == shared]
    for index, fields in enumerate(rows, 1):
        if len(fields) != 4 or fields[0] not in ROOTS:
            sys.exit(f"package_tool: not a registry row: {fields!r}")
        root, key, name, value = fields
        row_id = f"{'Shared' if shared else 'Reg'}{index:03d}"
        changes = [f"`{column}`={sql_text(text)}" for column, text in (("Key", key), ("Name", name), ("Value", value))
                   if not text.isascii()]
        if changes:
            updates.append(f"UPDATE `Registry` SET {', '.join(changes)} WHERE `Registry`='{row_id}'")
            key, name, value = (text if text.isascii() else f"TEXT_{row_id}" for text in (key, name, value))
        # The table's notation of the value back to wixl's terms (wixl writes it again).
        if value.startswith("#%"):
            kind, value = "expandable", value[2:]
        elif value.startswith("##"):
            kind, value = "string", value[1:]
        elif value.startswith("#"):
            if not value[1:].lstrip("-").isdigit():
                sys.exit(f"package_tool: a value wixl cannot write: {value!r}")
            kind, value = "integer", value[1:]
        else:
            kind = "string"
        attributes = [f"Id={quoteattr(row_id)}", f"Root={quoteattr(ROOTS[root])}", f"Key={quoteattr(key)}"]
        if name:
            attributes.append(f"Name={quoteattr(name)}")
        attributes += [f"Type={quoteattr(kind)}", f"Value={quoteattr(value)}"]
        if shared and index == 1:
            attributes.append('KeyPath="yes"')
        lines.append("            <RegistryValue " + " ".join(attributes) + "/>")
    return "\n".join(lines)


def wxs(template, rows, out_wxs, out_sql, assignments):
    text = open(template, encoding="utf-8").read()
    updates = []
    text = text.replace("@REGISTRY@", registry_xml(rows, updates, shared=False))
    text = text.replace("@SHARED_REGISTRY@", registry_xml(rows, updates, shared=True))
    for assignment in assignments:
        name, _, value = assignment.partition("=")
        if not value.isascii():
            sys.exit(f"package_tool: {name} must be ASCII in the template")
        text = text.replace(f"@{name}@", quoteattr(value)[1:-1])
    if "@" in text:
        missing = sorted({part.split("@")[0] for part in text.split("@")[1::2]})
        sys.exit(f"package_tool: template placeholders left: {missing}")
    open(out_wxs, "w", encoding="utf-8").write(text)
    open(out_sql, "w", encoding="utf-8").write("".join(update + "\n" for update in updates))


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "guid":
        print(guid(args))
    elif command == "pe-version":
        print(pe_version(args[0]))
    elif command == "stamp-pe":
        stamp_pe(args[0], int(args[1]))
    elif command == "wxs":
        wxs(args[0], args[1], args[2], args[3], args[4:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
