#!/usr/bin/env python3
"""Checks a Windows Installer package against the validation rules (ICEs) that apply to
Zorvane's packages, as administrators' validation (Orca, the SDK's tools) would report them,
from the tables msitools exports. Prints each finding as "ICEnn ERROR|WARNING text" and
exits 1 when there is an error.

  ice_rules.py PACKAGE.msi

The rules, each as Microsoft documents it (https://learn.microsoft.com/windows/win32/msi/iceNN):
  ICE03  names in Filename columns (File, Directory's target, Shortcut) are 8.3 names or
         short|long pairs; component codes are upper-case GUIDs in braces
         Dialog's first, default and cancel controls and every Control_Next are controls of
         that dialog
  ICE08  no two components share a component code
  ICE17  every PushButton control has a ControlEvent
  ICE21  every component belongs to a feature
  ICE38  a component installed under the user's profile is keyed on a per-user registry value
  ICE43  a component holding a non-advertised shortcut is keyed on a per-user registry value
         (HKCU, or HKMU: root 1 or -1) of its own
  ICE57  no component mixes per-user and per-machine data, or per-user-or-machine (HKMU)
         data with a per-machine key path
  ICE61  upgrade rows: a version bound, and a public action property in SecureCustomProperties
         that no other row uses
  ICE64  folders the package makes under the user's profile are removed (RemoveFile)
  ICE69  [#file] in formatted text names a file of the package, best of the same component
  ICE80  64-bit components only in a package marked x64 (schema 200 or more, with the
         product's language); 32-bit components not in 64-bit folders, nor the reverse
"""
import re
import subprocess
import sys

PROFILE = {"AppDataFolder", "DesktopFolder", "FavoritesFolder", "LocalAppDataFolder", "MyPicturesFolder",
           "NetHoodFolder", "PersonalFolder", "PrintHoodFolder", "ProgramMenuFolder", "RecentFolder",
           "SendToFolder", "StartMenuFolder", "StartupFolder", "TemplateFolder"}
# Profile folders that become the all-users folders in a per-machine install.
BY_ALLUSERS = {"DesktopFolder", "ProgramMenuFolder", "StartMenuFolder", "StartupFolder", "TemplateFolder"}
BITS64 = {"ProgramFiles64Folder", "CommonFiles64Folder", "System64Folder"}
BITS32 = {"ProgramFilesFolder", "CommonFilesFolder", "SystemFolder"}
COMPONENT_64BIT, COMPONENT_REGISTRY_KEYPATH = 256, 4


def table(msi, name):
    """The rows of a table as dictionaries by column name; an absent table has none."""
    result = subprocess.run(["msiinfo", "export", msi, name], capture_output=True, text=True, encoding="utf-8")
    if result.returncode != 0:
        return []
    lines = result.stdout.replace("\r", "").split("\n")
    columns = lines[0].split("\t")
    return [dict(zip(columns, line.split("\t"))) for line in lines[3:] if line]


def valid_short(name):
    base, dot, extension = name.partition(".")
    return (0 < len(base) <= 8 and len(extension) <= 3 and "." not in extension and not (dot and not extension)
            and not re.search(r'[\\?|><:/*"+,;=\[\] ]', name) and name.isascii())


def check(msi):
    findings = []

    def report(ice, level, text):
        findings.append((ice, level, text))

    components = {row["Component"]: row for row in table(msi, "Component")}
    directories = {row["Directory"]: row for row in table(msi, "Directory")}
    files = {row["File"]: row for row in table(msi, "File")}
    registry = {row["Registry"]: row for row in table(msi, "Registry")}
    shortcuts = table(msi, "Shortcut")
    features = {row["Feature"] for row in table(msi, "Feature")}
    feature_of = {}
    for row in table(msi, "FeatureComponents"):
        feature_of.setdefault(row["Component_"], set()).add(row["Feature_"])
    properties = {row["Property"]: row["Value"] for row in table(msi, "Property")}

    def ancestors(directory):
        seen = []
        while directory and directory not in seen:
            seen.append(directory)
            directory = directories.get(directory, {}).get("Directory_Parent", "")
        return seen

    def place(directory):  # "user", "either" (by ALLUSERS) or "machine"
        chain = ancestors(directory)
        if any(d in BY_ALLUSERS for d in chain) and not any(d in PROFILE - BY_ALLUSERS for d in chain):
            return "either"
        return "user" if any(d in PROFILE for d in chain) else "machine"

    # ICE03
    names = [("File", f, row["FileName"]) for f, row in files.items()]
    names += [("Directory", d, part) for d, row in directories.items()
              for part in row["DefaultDir"].split(":")[:1] if part not in (".", "SourceDir", "SOURCEDIR")]
    names += [("Shortcut", row["Shortcut"], row["Name"]) for row in shortcuts]
    for where, key, name in names:
        short, bar, long = name.partition("|")
        if not valid_short(short) or (bar and (not long or re.search(r'[\\?|><:/*"]', long))):
            report("ICE03", "ERROR", f"{where} '{key}': '{name}' is not an 8.3 name or a short|long pair")
    for name, row in components.items():
        if not re.fullmatch(r"\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\}", row["ComponentId"]):
            report("ICE03", "ERROR", f"Component '{name}': '{row['ComponentId']}' is not an upper-case GUID in braces")
    # ICE08
    codes = {}
    for name, row in components.items():
        codes.setdefault(row["ComponentId"], []).append(name)
    for code, names_of_code in codes.items():
        if len(names_of_code) > 1:
            report("ICE08", "ERROR", f"components {', '.join(names_of_code)} share the code {code}")
    # ICE21
    for name in components:
        if name not in feature_of:
            report("ICE21", "ERROR", f"Component '{name}' belongs to no feature")

    def keypath_root(name):
        row = components[name]
        if not int(row["Attributes"]) & COMPONENT_REGISTRY_KEYPATH:
            return None
        entry = registry.get(row["KeyPath"])
        return entry["Root"] if entry and entry["Component_"] == name else None

    # ICE38, ICE43
    with_shortcuts = {row["Component_"] for row in shortcuts if row["Target"] not in features}
    for name, row in components.items():
        for ice, applies in (("ICE38", place(row["Directory_"]) != "machine"), ("ICE43", name in with_shortcuts)):
            if applies and keypath_root(name) not in ("1", "-1"):
                report(ice, "ERROR", f"Component '{name}' must be keyed on a registry value of its own under HKCU or HKMU")
    # ICE57
    for name, row in components.items():
        kinds = {"user" if r["Root"] == "1" else "either" if r["Root"] == "-1" else "machine"
                 for r in registry.values() if r["Component_"] == name}
        kinds |= {place(row["Directory_"]) for f in files.values() if f["Component_"] == name}
        kinds |= {place(s["Directory_"]) for s in shortcuts if s["Component_"] == name and s["Target"] not in features}
        root = keypath_root(name)
        key = {"1": "user", "-1": "either"}.get(root, "machine") if root else (
            place(row["Directory_"]) if not row["KeyPath"] or row["KeyPath"] not in files else
            place(components[files[row["KeyPath"]]["Component_"]]["Directory_"]))
        if {"user", "machine"} <= kinds:
            report("ICE57", "WARNING" if key == "user" else "ERROR", f"Component '{name}' has per-user and per-machine data")
        elif "either" in kinds and key == "machine":
            report("ICE57", "ERROR", f"Component '{name}' has per-user-or-machine data and a per-machine key path")
        elif "user" in kinds and key == "either":
            report("ICE57", "ERROR", f"Component '{name}' has per-user data and a per-user-or-machine key path")
    # ICE61
    secure = set(properties.get("SecureCustomProperties", "").split(";"))
    upgrades = table(msi, "Upgrade")
    for row in upgrades:
        if not row["VersionMin"] and not row["VersionMax"]:
            report("ICE61", "ERROR", f"an upgrade row of {row['UpgradeCode']} has no version bound")
        if row["ActionProperty"] != row["ActionProperty"].upper() or row["ActionProperty"] not in secure:
            report("ICE61", "ERROR", f"{row['ActionProperty']} is not a public property in SecureCustomProperties")
    uses = {}
    for row in upgrades:
        uses[row["ActionProperty"]] = uses.get(row["ActionProperty"], 0) + 1
    for action_property, count in uses.items():
        if count > 1:
            report("ICE61", "ERROR", f"{action_property} is the action property of {count} upgrade rows, not of one")
    # ICE03 (the dialogs' references) and ICE17
    controls = table(msi, "Control")
    names = {(row["Dialog_"], row["Control"]) for row in controls}
    for dialog in table(msi, "Dialog"):
        for column in ("Control_First", "Control_Default", "Control_Cancel"):
            if dialog[column] and (dialog["Dialog"], dialog[column]) not in names:
                report("ICE03", "ERROR", f"dialog '{dialog['Dialog']}': {column} '{dialog[column]}' is not one of its controls")
    with_event = {(row["Dialog_"], row["Control_"]) for row in table(msi, "ControlEvent")}
    for row in controls:
        if row["Control_Next"] and (row["Dialog_"], row["Control_Next"]) not in names:
            report("ICE03", "ERROR", f"control '{row['Dialog_']}.{row['Control']}': its next control is not in the dialog")
        if row["Type"] == "PushButton" and (row["Dialog_"], row["Control"]) not in with_event:
            report("ICE17", "ERROR", f"the push button '{row['Dialog_']}.{row['Control']}' has no ControlEvent")
    # ICE64
    removed = {row["DirProperty"] for row in table(msi, "RemoveFile") if not row["FileName"]}
    for directory in directories:
        if directory not in PROFILE and place(directory) != "machine" and directory not in removed:
            report("ICE64", "ERROR", f"the folder '{directory}' is in the user profile but not in RemoveFile")
    # ICE69
    texts = [("Registry", r["Registry"], r["Component_"], r["Value"]) for r in registry.values()]
    texts += [("Shortcut", s["Shortcut"], s["Component_"], s["Target"] + " " + s.get("Arguments", "")) for s in shortcuts]
    for where, key, owner, text in texts:
        for file in re.findall(r"\[[#!]([^\]]+)\]", text):
            if file not in files:
                report("ICE69", "ERROR", f"{where} '{key}' names the file '{file}', which is not in the package")
            elif files[file]["Component_"] != owner:
                same = feature_of.get(owner, set()) & feature_of.get(files[file]["Component_"], set())
                report("ICE69", "WARNING" if same else "ERROR", f"{where} '{key}' names the file '{file}' of another component")
    # ICE80
    summary = subprocess.run(["msiinfo", "suminfo", msi], capture_output=True, text=True).stdout
    template = re.search(r"^Template: (.*)$", summary, re.M).group(1).strip()
    pages = int(re.search(r"^(?:Page Count|Version): (\d+)", summary, re.M).group(1))  # PID_PAGECOUNT
    platform, _, languages = template.partition(";")
    if properties.get("ProductLanguage") not in languages.split(","):
        report("ICE80", "ERROR", f"the product's language is not in the template summary '{template}'")
    if platform == "x64" and pages < 200:
        report("ICE80", "ERROR", "the package is marked x64 but its schema is below 200")
    for name, row in components.items():
        bits64 = bool(int(row["Attributes"]) & COMPONENT_64BIT)
        chain = set(ancestors(row["Directory_"]))
        if bits64 and platform not in ("x64", "Intel64", "Arm64"):
            report("ICE80", "ERROR", f"the 64-bit component '{name}' is in a package marked {platform}")
        if bits64 and chain & BITS32:
            report("ICE80", "ERROR", f"the 64-bit component '{name}' uses the 32-bit folder '{row['Directory_']}'")
        if not bits64 and chain & BITS64:
            report("ICE80", "ERROR", f"the 32-bit component '{name}' uses the 64-bit folder '{row['Directory_']}'")
    return findings


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__)
    findings = check(argv[1])
    for ice, level, text in sorted(findings):
        print(f"{ice} {level} {text}")
    errors = sum(level == "ERROR" for _, level, _ in findings)
    print(f"{argv[1]}: ICE03 ICE08 ICE17 ICE21 ICE38 ICE43 ICE57 ICE61 ICE64 ICE69 ICE80: "
          f"{errors} errors, {len(findings) - errors} warnings")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
