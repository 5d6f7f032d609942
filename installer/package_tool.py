#!/usr/bin/env python3
"""Helpers of scripts/package.sh that are awkward in shell.

  package_tool.py guid TEXT...
      A GUID derived from the texts (SHA-256, name-based), upper case, no braces.
  package_tool.py stamp-pe FILE EPOCH
      Sets the PE header's link time to EPOCH and recomputes the image checksum.
  package_tool.py pe-version FILE
      The file version of the PE image's version record, a.b.c.d.
  package_tool.py wxs TEMPLATE OUT_WXS OUT_SQL --capture=VIEW:FILE_ID:FOLDER:ROWS... NAME=VALUE...
      Fills the package template: @NAME@ from the arguments, the components from the captured
      Registry rows of each DLL (Root TAB Key TAB Name TAB Value, the table's notation; see
      components()). Rows holding text beyond ASCII get a placeholder, and OUT_SQL the UPDATE
      that sets the real text once the package has its code page.
"""
import hashlib
import re
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


def parse_rows(rows_path):
    rows = [line.rstrip("\n").split("\t") for line in open(rows_path, encoding="utf-8") if line.strip()]
    for fields in rows:
        if len(fields) != 4 or fields[0] not in ROOTS:
            sys.exit(f"package_tool: not a registry row: {fields!r}")
    return rows


def registry_xml(rows, prefix, updates, keypath):
    """RegistryValue elements of one component; keypath picks the row the component is keyed on."""
    lines = []
    for index, fields in enumerate(rows, 1):
        root, key, name, value = fields
        row_id = f"{prefix}{index:03d}"
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
        if keypath is not None and keypath(fields):
            attributes.append('KeyPath="yes"')
            keypath = None
        lines.append("  <RegistryValue " + " ".join(attributes) + "/>")
    if keypath is not None and rows:
        sys.exit(f"package_tool: no key path row for {prefix}")
    return lines


# Components change code when what they hold changes (Windows Installer's component rules);
# this names the current layout: each component its own add-in entry, the x64 package with
# both DLLs.
LAYOUT = "2"


def component_xml(arch, component, win64, body):
    code = guid(["component", arch, component, LAYOUT])
    return ([f'<Component Id="{component}" Guid="{code}" Win64="{"yes" if win64 else "no"}">']
            + ["  " + line for line in body] + ["</Component>"])


def components(arch, captures, updates):
    """The package's components, from its captures (VIEW:FILE_ID:FOLDER:ROWS, the package's
    own bitness first). Classes of one view stay with their DLL; the add-in entry (HKMU) is a
    component of its own, keyed on FriendlyName, which Office never rewrites (it rewrites
    LoadBehavior); ProgID and type library, which both views share, are written once, by the
    package's own bitness (its help folder too). A second view (the 32-bit DLL of the x64
    package) lies in a sub-folder: its file is in a component of the folder's bitness and its
    registry in a 32-bit component at the root, the DLL named by its folder rather than by a
    reference to another component's file."""
    folder_xml, root_xml, refs = [], [], []
    for index, capture in enumerate(captures):
        view, file_id, folder, rows_path = capture.split(":", 3)
        rows = parse_rows(rows_path)
        suffix = "" if index == 0 else view
        win64 = view == "64"
        if index:
            rows = [[r, k, n, v.replace(f"[#{file_id}]", f"[{folder}]Zorvane.dll")] for r, k, n, v in rows
                    if not shared_between_bitnesses(r, k) and not k.lower().endswith("\\helpdir")]
        classes = [f for f in rows if f[0] != "-1" and not (index == 0 and shared_between_bitnesses(f[0], f[1]))]
        entry = [f for f in rows if f[0] == "-1"]
        dll = f'<File Id="{file_id}" Name="Zorvane.dll" Source="{"x86/" if index else ""}Zorvane.dll" KeyPath="yes"/>'
        own = [(f"Addin{suffix}", classes, None, dll if index == 0 else None),
               (f"AddinEntry{suffix}", entry, lambda f: f[2] == "FriendlyName", None)]
        if index == 0:
            shared = [f for f in rows if f[0] != "-1" and shared_between_bitnesses(f[0], f[1])]
            own.append(("SharedClasses", shared, lambda f: "\\" not in f[1] and not f[2], None))
            for name, component_rows, keypath, file_xml in own:
                body = ([file_xml] if file_xml else []) + registry_xml(component_rows, name, updates, keypath)
                folder_xml += component_xml(arch, name, win64, body)
        else:
            folder_xml += [f'<Directory Id="{folder}" Name="x86">']
            folder_xml += ["  " + line for line in component_xml(arch, f"{own[0][0]}Dll", not win64, [dll])]
            folder_xml += ["</Directory>"]
            refs.append(f"{own[0][0]}Dll")
            own[0] = (own[0][0], classes, lambda f: f[1].lower().endswith("\\inprocserver32") and not f[2], None)
            for name, component_rows, keypath, _ in own:
                root_xml += component_xml(arch, name, win64, registry_xml(component_rows, name, updates, keypath))
        refs += [name for name, *_ in own]
    return folder_xml, root_xml, [f'<ComponentRef Id="{name}"/>' for name in refs]


def wxs(template, out_wxs, out_sql, captures, assignments):
    text = open(template, encoding="utf-8").read()
    updates = []
    arch = dict(a.split("=", 1) for a in assignments)["ARCH"]
    folder_xml, root_xml, refs = components(arch, captures, updates)
    for placeholder, lines, depth in (("FOLDER_COMPONENTS", folder_xml, 10), ("ROOT_COMPONENTS", root_xml, 6),
                                      ("COMPONENT_REFS", refs, 6)):
        text = text.replace(f"@{placeholder}@", "\n".join(" " * depth + line for line in lines))
    text = re.sub(r"@COMPONENT_GUID:(\w+)@", lambda m: guid(["component", arch, m.group(1), LAYOUT]), text)
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
        captures = [arg[len("--capture="):] for arg in args[3:] if arg.startswith("--capture=")]
        wxs(args[0], args[1], args[2], captures, [arg for arg in args[3:] if not arg.startswith("--capture=")])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
