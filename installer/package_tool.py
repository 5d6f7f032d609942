#!/usr/bin/env python3
"""Helpers of scripts/package.sh that are awkward in shell.

  package_tool.py guid TEXT...
      A GUID derived from the texts (SHA-256, name-based), upper case, no braces.
  package_tool.py stamp-pe FILE EPOCH
      Sets the PE header's link time to EPOCH and recomputes the image checksum.
  package_tool.py pe-version FILE
      The file version of the PE image's version record, a.b.c.d.
  package_tool.py wxs TEMPLATE OUT_WXS OUT_SQL --capture=VIEW:FILE_ID:FOLDER:ROWS... NAME=VALUE...
      Fills the package template: @NAME@ from the arguments, the components and the features
      (one a host) from the captured Registry rows of each DLL (registry_capture --by-class:
      Root TAB Key TAB Name TAB Value in the table's notation, TAB the row's class; see
      components()). Texts beyond ASCII get a placeholder, and OUT_SQL the UPDATE that sets the
      real text once the package has its code page, and the rows of the hosts' dialog of a
      maintenance run (maintenance_dialog()).
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
    """Captured rows (registry_capture --by-class): Root, Key, Name, Value and the ProgID of
    the class the row belongs to, empty for the rows that all classes share."""
    rows = [line.rstrip("\n").split("\t") for line in open(rows_path, encoding="utf-8") if line.strip()]
    for fields in rows:
        if len(fields) != 5 or fields[0] not in ROOTS:
            sys.exit(f"package_tool: not a registry row of registry_capture --by-class: {fields!r}")
    return rows


def host_of_class(rows):
    """The host that each class's add-in entry names (Software\\Microsoft\\Office\\HOST\\Addins\\PROGID)."""
    hosts = {}
    for root, key, _, _, prog_id in rows:
        match = re.fullmatch(r"Software\\Microsoft\\Office\\([^\\]+)\\Addins\\" + re.escape(prog_id), key) if prog_id else None
        if root == "-1" and match:
            hosts[prog_id] = match.group(1)
    missing = {fields[4] for fields in rows if fields[4]} - hosts.keys()
    if missing:
        sys.exit(f"package_tool: classes without an add-in entry: {sorted(missing)}")
    return hosts


def registry_xml(rows, prefix, updates, keypath):
    """RegistryValue elements of one component; keypath picks the row the component is keyed on."""
    lines = []
    for index, fields in enumerate(rows, 1):
        root, key, name, value = fields[:4]
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
# this names the current layout: each host's class and add-in entry in components of their
# own, the x64 package with both DLLs.
LAYOUT = "3"

# The features, one a host, in the order the selection tree lists them (Display 2, 4, 6, 8:
# even, collapsed, as a feature without children is): the host's name as the title, a
# description in the package's language (and English, as its other texts).
FEATURES = (
    ("PowerPoint", "为 PowerPoint 增加“Quelby”选项卡：经典菜单和工具栏。Adds the Quelby tab, with the classic menus and toolbars, to PowerPoint."),
    ("Word", "为 Word 增加“Quelby”选项卡：经典菜单和工具栏。Adds the Quelby tab, with the classic menus and toolbars, to Word."),
    ("Excel", "为 Excel 增加“Quelby”选项卡：经典菜单和工具栏。Adds the Quelby tab, with the classic menus and toolbars, to Excel."),
    ("Outlook", "为 Outlook 的主窗口和邮件窗口增加“Quelby”选项卡：经典菜单和工具栏。Adds the Quelby tab, with the classic menus and toolbars, to the main window and the message windows of Outlook."),
)
FEATURE_DISALLOW_ADVERTISE = 8  # a COM add-in cannot be installed on first use


def component_xml(arch, component, win64, body):
    code = guid(["component", arch, component, LAYOUT])
    return ([f'<Component Id="{component}" Guid="{code}" Win64="{"yes" if win64 else "no"}">']
            + ["  " + line for line in body] + ["</Component>"])


def is_server_path(fields):
    return fields[1].lower().endswith("\\inprocserver32") and not fields[2]


def is_friendly_name(fields):
    return fields[2] == "FriendlyName"


def holds_the_rest(rows):
    """Key path of a component of shared rows: the default value of its shortest key."""
    defaults = [fields for fields in rows if not fields[2]]
    top = min(defaults, key=lambda fields: len(fields[1]), default=None)
    return lambda fields: fields is top


def components(arch, captures, updates):
    """The package's components, from its captures (VIEW:FILE_ID:FOLDER:ROWS, the package's
    own bitness first), and the names of the shared ones and of each host's.

    The rows that all classes share (type library, interface) stay with their DLL; each host's
    class (CLSID and ProgID) is a component of its own, keyed on its server path, and so is its
    add-in entry (HKMU), keyed on FriendlyName, which Office never rewrites (it rewrites
    LoadBehavior). A host's rows name the DLL by its folder, not by a reference to another
    component's file. ProgID and type library, which both views share, are written once, by
    the package's own bitness (its help folder too). A second view (the 32-bit DLL of the x64
    package) lies in a sub-folder: its file is in a component of the folder's bitness and its
    registry in 32-bit components at the root."""
    folder_xml, root_xml, shared, by_host = [], [], [], {}
    for index, capture in enumerate(captures):
        view, file_id, folder, rows_path = capture.split(":", 3)
        rows = parse_rows(rows_path)
        hosts = host_of_class(rows)
        suffix = "" if index == 0 else view
        win64 = view == "64"
        if index:
            rows = [fields for fields in rows
                    if not shared_between_bitnesses(*fields[:2]) and not fields[1].lower().endswith("\\helpdir")]
        # Rows outside the file's component (a host's, or any of a second view) name the DLL by its folder.
        rows = [fields if not fields[4] and not index else
                fields[:3] + [fields[3].replace(f"[#{file_id}]", f"[{folder}]Zorvane.dll"), fields[4]] for fields in rows]
        common = [f for f in rows if not f[4]]
        if any(f[0] == "-1" for f in common):
            sys.exit("package_tool: a per-user-or-machine row that belongs to no class")
        own = []  # (component, rows, key path, file element)
        dll = f'<File Id="{file_id}" Name="Zorvane.dll" Source="{"x86/" if index else ""}Zorvane.dll" KeyPath="yes"/>'
        if index == 0:
            mixed = [f for f in common if shared_between_bitnesses(*f[:2])]
            own.append(("Addin", [f for f in common if f not in mixed], None, dll))
            own.append(("SharedClasses", mixed, holds_the_rest(mixed), None))
        else:
            folder_xml += [f'<Directory Id="{folder}" Name="x86">']
            folder_xml += ["  " + line for line in component_xml(arch, f"Addin{suffix}Dll", not win64, [dll])]
            folder_xml += ["</Directory>"]
            shared.append(f"Addin{suffix}Dll")
            own.append((f"Addin{suffix}", common, holds_the_rest(common), None))
        shared += [name for name, *_ in own]
        for prog_id, host in sorted(hosts.items()):
            of_class = [f for f in rows if f[4] == prog_id]
            for kind, kind_rows, keypath in (("Classes", [f for f in of_class if f[0] != "-1"], is_server_path),
                                             ("Entry", [f for f in of_class if f[0] == "-1"], is_friendly_name)):
                own.append((f"{host}{kind}{suffix}", kind_rows, keypath, None))
                by_host.setdefault(host, []).append(f"{host}{kind}{suffix}")
        xml = folder_xml if index == 0 else root_xml
        for name, component_rows, keypath, file_xml in own:
            body = ([file_xml] if file_xml else []) + registry_xml(component_rows, name, updates, keypath)
            xml += component_xml(arch, name, win64, body)
    return folder_xml, root_xml, shared, by_host


def features_xml(shared, by_host, updates):
    """One feature a host, each with its own components and all the shared ones; the hosts
    captured must be exactly those of FEATURES."""
    if set(by_host) != {host for host, _ in FEATURES}:
        sys.exit(f"package_tool: the DLL's hosts {sorted(by_host)} are not the features {[h for h, _ in FEATURES]}")
    lines = []
    for position, (host, description) in enumerate(FEATURES, 1):
        lines.append(f'<Feature Id="{host}" Level="1" Title="{host}" Description="TEXT_FEATURE_{host}">')
        lines += [f'  <ComponentRef Id="{name}"/>' for name in by_host[host] + shared]
        lines.append("</Feature>")
        updates.append(f"UPDATE `Feature` SET `Description`={sql_text(description)}, "
                       f"`Attributes`={FEATURE_DISALLOW_ADVERTISE}, `Display`={2 * position} WHERE `Feature`='{host}'")
    return lines


# The dialog of a maintenance run in full UI (Add/Remove Programs' "Change", or msiexec /i on
# the installed product): a check box a feature, ticked when the feature is installed; "更改"
# adds the ticked features and removes the others, "取消" leaves everything as it was. A first
# install and every quiet or basic-UI run show no dialog. The choice reaches the install
# through the AddLocal and Remove events, which Windows Installer hands on to the server side
# as it hands on a choice made in its own feature dialogs.
DIALOG_TABLES = (
    "CREATE TABLE `Dialog` (`Dialog` CHAR(72) NOT NULL, `HCentering` SHORT NOT NULL, `VCentering` SHORT NOT NULL, "
    "`Width` SHORT NOT NULL, `Height` SHORT NOT NULL, `Attributes` LONG, `Title` CHAR(128) LOCALIZABLE, "
    "`Control_First` CHAR(50) NOT NULL, `Control_Default` CHAR(50), `Control_Cancel` CHAR(50) PRIMARY KEY `Dialog`)",
    "CREATE TABLE `Control` (`Dialog_` CHAR(72) NOT NULL, `Control` CHAR(50) NOT NULL, `Type` CHAR(20) NOT NULL, "
    "`X` SHORT NOT NULL, `Y` SHORT NOT NULL, `Width` SHORT NOT NULL, `Height` SHORT NOT NULL, `Attributes` LONG, "
    "`Property` CHAR(72), `Text` LONGCHAR LOCALIZABLE, `Control_Next` CHAR(50), `Help` CHAR(50) LOCALIZABLE "
    "PRIMARY KEY `Dialog_`, `Control`)",
    "CREATE TABLE `ControlEvent` (`Dialog_` CHAR(72) NOT NULL, `Control_` CHAR(50) NOT NULL, `Event` CHAR(50) NOT NULL, "
    "`Argument` CHAR(255) NOT NULL, `Condition` CHAR(255), `Ordering` SHORT "
    "PRIMARY KEY `Dialog_`, `Control_`, `Event`, `Argument`, `Condition`)",
    "CREATE TABLE `ControlCondition` (`Dialog_` CHAR(72) NOT NULL, `Control_` CHAR(50) NOT NULL, "
    "`Action` CHAR(50) NOT NULL, `Condition` CHAR(255) NOT NULL PRIMARY KEY `Dialog_`, `Control_`, `Action`, `Condition`)",
    "CREATE TABLE `CheckBox` (`Property` CHAR(72) NOT NULL, `Value` CHAR(64) PRIMARY KEY `Property`)",
    "CREATE TABLE `TextStyle` (`TextStyle` CHAR(72) NOT NULL, `FaceName` CHAR(32) NOT NULL, `Size` SHORT NOT NULL, "
    "`Color` LONG, `StyleBits` SHORT PRIMARY KEY `TextStyle`)",
)
DIALOG = "FeaturesDialog"
DIALOG_TEXTS = {
    "heading": "选择要在哪些程序中使用 Zorvane 的经典菜单。Choose the programs in which Zorvane adds its classic menus.",
    "remove": "要完全卸载 Zorvane，请在“程序和功能”中将其卸载。To remove Zorvane entirely, uninstall it in Programs and Features.",
    "apply": "更改 Change",
    "cancel": "取消 Cancel",
}
VISIBLE_ENABLED, MODAL_DIALOG = 3, 7
SET_PROPERTY_ACTION = 51


def insert(table, **columns):
    values = ", ".join(str(value) if isinstance(value, int) else sql_text(value) for value in columns.values())
    return f"INSERT INTO `{table}` ({', '.join(f'`{name}`' for name in columns)}) VALUES ({values})"


def maintenance_dialog(updates):
    """The maintenance dialog's rows, from FEATURES (a check box and its property a feature)."""
    width, row_height = 320, 18
    boxes = [f"Use{host}" for host, _ in FEATURES]
    tab_order = boxes + ["Apply", "Cancel"]
    following = dict(zip(tab_order, tab_order[1:] + tab_order[:1]))
    def control(name, kind, y, x=15, w=width - 30, h=row_height, **columns):
        return insert("Control", Dialog_=DIALOG, Control=name, Type=kind, X=x, Y=y, Width=w, Height=h,
                      Attributes=VISIBLE_ENABLED, **columns)
    rows = list(DIALOG_TABLES)
    rows.append(insert("TextStyle", TextStyle="ZorvaneText", FaceName="MS Shell Dlg", Size=9, StyleBits=0))
    rows.append(insert("Property", Property="DefaultUIFont", Value="ZorvaneText"))
    first_box_y = 45
    height = first_box_y + row_height * len(boxes) + 75
    rows.append(insert("Dialog", Dialog=DIALOG, HCentering=50, VCentering=50, Width=width, Height=height,
                       Attributes=MODAL_DIALOG, Title="Zorvane", Control_First=boxes[0],
                       Control_Default="Apply", Control_Cancel="Cancel"))
    rows.append(control("Heading", "Text", 12, h=28, Text=DIALOG_TEXTS["heading"]))
    for index, ((host, _), box) in enumerate(zip(FEATURES, boxes)):
        rows.append(control(box, "CheckBox", first_box_y + index * row_height, x=25, w=150, Property=box,
                            Text=f"&{host}", Control_Next=following[box]))
        rows.append(insert("CheckBox", Property=box, Value="1"))
        # Ticked when the feature is installed, as CostFinalize found it. Windows reports
        # installed-locally (3); Wine reports run-from-source (4) for a feature whose components
        # are keyed on registry values. Either means installed: these features have no source option.
        rows.append(insert("CustomAction", Action=f"Tick{host}", Type=SET_PROPERTY_ACTION, Source=box, Target="1"))
        rows.append(insert("InstallUISequence", Action=f"Tick{host}",
                           Condition=f"Installed AND (!{host}=3 OR !{host}=4)", Sequence=1210 + index))
        rows.append(insert("ControlEvent", Dialog_=DIALOG, Control_="Apply", Event="AddLocal", Argument=host,
                           Condition=box, Ordering=2 * index + 1))
        rows.append(insert("ControlEvent", Dialog_=DIALOG, Control_="Apply", Event="Remove", Argument=host,
                           Condition=f"NOT {box}", Ordering=2 * index + 2))
    buttons_y = height - 30
    rows.append(control("Removal", "Text", first_box_y + row_height * len(boxes) + 8, h=28, Text=DIALOG_TEXTS["remove"]))
    rows.append(control("Apply", "PushButton", buttons_y, x=width - 155, w=66, Text=DIALOG_TEXTS["apply"],
                        Control_Next=following["Apply"]))
    rows.append(control("Cancel", "PushButton", buttons_y, x=width - 81, w=66, Text=DIALOG_TEXTS["cancel"],
                        Control_Next=following["Cancel"]))
    # With nothing ticked the install would be an uninstall in disguise: "更改" waits for a tick.
    rows.append(insert("ControlCondition", Dialog_=DIALOG, Control_="Apply", Action="Disable",
                       Condition=" AND ".join(f"NOT {box}" for box in boxes)))
    rows.append(insert("ControlCondition", Dialog_=DIALOG, Control_="Apply", Action="Enable",
                       Condition=" OR ".join(boxes)))
    rows.append(insert("ControlEvent", Dialog_=DIALOG, Control_="Apply", Event="EndDialog", Argument="Return",
                       Condition="1", Ordering=2 * len(boxes) + 1))
    rows.append(insert("ControlEvent", Dialog_=DIALOG, Control_="Cancel", Event="EndDialog", Argument="Exit",
                       Condition="1", Ordering=1))
    # Only in maintenance, and not when features were chosen on the command line.
    rows.append(insert("InstallUISequence", Action=DIALOG, Condition="Installed AND NOT RESUME AND NOT Preselected",
                       Sequence=1280))
    updates += rows


def wxs(template, out_wxs, out_sql, captures, assignments):
    text = open(template, encoding="utf-8").read()
    updates = []
    arch = dict(a.split("=", 1) for a in assignments)["ARCH"]
    folder_xml, root_xml, shared, by_host = components(arch, captures, updates)
    # The template's own components (the check program and its shortcut) serve every host.
    shared += re.findall(r'<Component Id="(\w+)"', text)
    feature_xml = features_xml(shared, by_host, updates)
    maintenance_dialog(updates)
    for placeholder, lines, depth in (("FOLDER_COMPONENTS", folder_xml, 10), ("ROOT_COMPONENTS", root_xml, 6),
                                      ("FEATURES", feature_xml, 4)):
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
