// Registration through Wine's own regsvr32: what is written, where, and that removing it
// leaves everything else as it was, Office's keys above all.
#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>
#include <sddl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/registry_snapshot.h"
#include "support/test_paths.h"

namespace {

using namespace zorvane::test;

// Each host's class, its ProgID and its add-in entry; PowerPoint's first.
struct HostClass {
  std::wstring clsid, progId, addinKey;
};
const HostClass kClasses[] = {
    {L"{BAC75E0D-0684-4250-B64C-5E74A365F970}", L"Zorvane.Connect",
     L"Software\\Microsoft\\Office\\PowerPoint\\Addins\\Zorvane.Connect"},
    {L"{5E0B7C2A-3F4D-4E8B-9A61-2C7D18E4B3F5}", L"Zorvane.WordConnect",
     L"Software\\Microsoft\\Office\\Word\\Addins\\Zorvane.WordConnect"},
    {L"{8A9F4D16-B2C3-4A57-8E0D-6F1B2C3D4E59}", L"Zorvane.ExcelConnect",
     L"Software\\Microsoft\\Office\\Excel\\Addins\\Zorvane.ExcelConnect"},
    {L"{EEADC4F3-ED24-4FE7-B6F9-A07DAE7132A0}", L"Zorvane.OutlookConnect",
     L"Software\\Microsoft\\Office\\Outlook\\Addins\\Zorvane.OutlookConnect"},
};
const std::wstring kClsid = kClasses[0].clsid;
const std::wstring kLibid = L"{4C1639D9-252B-49D7-B854-7B773BE363E0}";
const std::wstring kIid = L"{19F6CF44-89FE-4C2C-80AB-21EECC07613E}";
const std::wstring kProgId = kClasses[0].progId;
const std::wstring kMachineClasses = L"Software\\Classes\\";
const std::wstring kUserClasses = L"Software\\Classes\\";
const std::wstring kAddinKey = kClasses[0].addinKey;

// Keys of Office's own interfaces and libraries, as an installed Office would have them.
const std::vector<std::wstring> kOfficeKeys = {
    L"Interface\\{000C0396-0000-0000-C000-000000000046}",  // IRibbonExtensibility
    L"Interface\\{000C0395-0000-0000-C000-000000000046}",  // IRibbonControl
    L"Interface\\{000C03A7-0000-0000-C000-000000000046}",  // IRibbonUI
    L"Interface\\{B65AD801-ABAF-11D0-BB8B-00A0C90F2744}",  // _IDTExtensibility2
    L"TypeLib\\{2DF8D04C-5BFA-101B-BDE5-00AA0044DE52}",    // Office 12 library
    L"TypeLib\\{AC0714F2-3D04-11D1-AE7D-00A0C90F26F4}",    // add-in designer library
    L"TypeLib\\{91493440-5A91-11CF-8700-00AA0060263B}",    // PowerPoint 12 library
};

GUID GuidFromString(const std::wstring& text) {
  GUID guid{};
  CLSIDFromString(text.c_str(), &guid);
  return guid;
}

// Wine's own regsvr32, silent; `options` as separate words ("/n", "/i:user", "/u").
ChildResult Regsvr32(const std::wstring& options) {
  std::vector<std::wstring> arguments = {L"/s"};
  for (size_t start = 0; start < options.size();) {
    const size_t end = std::min(options.find(L' ', start), options.size());
    if (end > start) arguments.push_back(options.substr(start, end - start));
    start = end + 1;
  }
  arguments.push_back(ZorvaneDllPath());
  return RunChild(L"regsvr32", arguments);
}

// The classes keys that registration owns.
std::vector<std::wstring> OwnClassesKeys() {
  std::vector<std::wstring> keys = {L"TypeLib\\" + kLibid, L"Interface\\" + kIid};
  for (const HostClass& host : kClasses) {
    keys.push_back(L"CLSID\\" + host.clsid);
    keys.push_back(host.progId);
  }
  return keys;
}

void RemoveEverything() {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    for (const std::wstring& key : OwnClassesKeys()) DeleteKeyTree(root, L"Software\\Classes\\" + key);
  }
  for (const HostClass& host : kClasses) DeleteKeyTree(HKEY_CURRENT_USER, host.addinKey);
}

// Whether any host's class or add-in entry is left in `root`'s classes, or for the user.
bool AnyClassLeft(HKEY root) {
  for (const HostClass& host : kClasses) {
    if (KeyExists(root, L"Software\\Classes\\CLSID\\" + host.clsid) || KeyExists(root, L"Software\\Classes\\" + host.progId) ||
        KeyExists(HKEY_CURRENT_USER, host.addinKey)) {
      return true;
    }
  }
  return false;
}

// Installs fake Office keys so that the tests can see whether anything touches them.
void InstallFakeOffice() {
  for (const std::wstring& key : kOfficeKeys) {
    SetRawValue(HKEY_LOCAL_MACHINE, kMachineClasses + key, L"", REG_SZ,
                {'O', 0, 'f', 0, 'f', 0, 'i', 0, 'c', 0, 'e', 0, 0, 0});
    SetRawValue(HKEY_LOCAL_MACHINE, kMachineClasses + key + L"\\TypeLib", L"Version", REG_SZ, {'2', 0, 0, 0});
  }
}

std::wstring OfficeSnapshot() {
  std::wstring all;
  for (const std::wstring& key : kOfficeKeys) {
    all += SnapshotKey(HKEY_LOCAL_MACHINE, kMachineClasses + key);
    all += SnapshotKey(HKEY_CURRENT_USER, kUserClasses + key);
  }
  return all;
}

class Registration : public ::testing::Test {
 protected:
  void SetUp() override { RemoveEverything(); }
  void TearDown() override { RemoveEverything(); }
};

void ExpectClassesLayout(HKEY root) {
  const std::wstring classes = L"Software\\Classes\\";
  for (const auto& [clsid, progId, addinKey] : kClasses) {
    EXPECT_EQ(StringValue(root, classes + L"CLSID\\" + clsid + L"\\InprocServer32", L""), ZorvaneDllPath());
    EXPECT_EQ(StringValue(root, classes + L"CLSID\\" + clsid + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(StringValue(root, classes + L"CLSID\\" + clsid + L"\\ProgID", L""), progId);
    EXPECT_EQ(StringValue(root, classes + L"CLSID\\" + clsid + L"\\TypeLib", L""), kLibid);
    EXPECT_EQ(StringValue(root, classes + progId + L"\\CLSID", L""), clsid);
  }
  EXPECT_EQ(StringValue(root, classes + L"TypeLib\\" + kLibid + L"\\1.0", L""), L"Sample AddIn Project");
  const std::wstring platform = sizeof(void*) == 8 ? L"win64" : L"win32";
  EXPECT_EQ(StringValue(root, classes + L"TypeLib\\" + kLibid + L"\\1.0\\0\\" + platform, L""), ZorvaneDllPath());
  EXPECT_EQ(StringValue(root, classes + L"Interface\\" + kIid, L""), L"_Connect");
  EXPECT_EQ(StringValue(root, classes + L"Interface\\" + kIid + L"\\ProxyStubClsid32", L""),
            L"{00020424-0000-0000-C000-000000000046}");
  EXPECT_EQ(StringValue(root, classes + L"Interface\\" + kIid + L"\\TypeLib", L""), kLibid);
}

// Every host's entry holds the same values.
void ExpectAddinEntry() {
  for (const HostClass& host : kClasses) {
    SCOPED_TRACE(host.addinKey);
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, host.addinKey, L"FriendlyName"), L"Zorvane");
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, host.addinKey, L"Description"),
              StringValue(HKEY_CURRENT_USER, kAddinKey, L"Description"));
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, host.addinKey, L"Description").rfind(L"Zorvane Code By ", 0), 0u);
    for (const auto& [name, expected] : {std::pair{L"LoadBehavior", 3u}, std::pair{L"CommandLineSafe", 0u}}) {
      DWORD type = 0;
      std::vector<BYTE> data;
      ASSERT_TRUE(GetRawValue(HKEY_CURRENT_USER, host.addinKey, name, type, data));
      EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
      ASSERT_EQ(data.size(), sizeof(DWORD));
      EXPECT_EQ(*reinterpret_cast<const DWORD*>(data.data()), expected) << name;
    }
  }
}

// Machine-wide registration writes the classes under HKLM, per user under HKCU only; each
// writes the user's add-in entries.
TEST_F(Registration, WritesTheClassesWhereAskedAndTheUsersAddinEntry) {
  for (const auto& [options, written, other] : {std::tuple{L"", HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER},
                                                std::tuple{L"/n /i:user", HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}}) {
    SCOPED_TRACE(options);
    RemoveEverything();
    const auto result = Regsvr32(options);
    ASSERT_EQ(result.exitCode, 0u) << result.errors;
    ExpectClassesLayout(written);
    ExpectAddinEntry();
    for (const HostClass& host : kClasses) EXPECT_FALSE(KeyExists(other, L"Software\\Classes\\CLSID\\" + host.clsid));
    EXPECT_FALSE(KeyExists(other, L"Software\\Classes\\TypeLib\\" + kLibid));
  }
}

TEST_F(Registration, UnregisteringRestoresTheRegistryExactly) {
  InstallFakeOffice();
  // The parents that registration writes into, with a neighbour add-in in the host's list.
  SetRawValue(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\PowerPoint\\Addins\\Other.Addin", L"LoadBehavior",
              REG_DWORD, {3, 0, 0, 0});
  // The per-user classes as a user profile has them: registration adds below these parents
  // and leaves the parents themselves alone.
  for (const wchar_t* parent : {L"CLSID", L"TypeLib", L"Interface"}) {
    SetRawValue(HKEY_CURRENT_USER, kUserClasses + parent, L"", REG_NONE, {});
  }
  const std::wstring officeBefore = OfficeSnapshot();
  const std::wstring hostBefore = SnapshotKey(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office");
  const std::wstring machineBefore = SnapshotKey(HKEY_LOCAL_MACHINE, L"Software\\Classes\\TypeLib");
  const std::wstring userBefore = SnapshotKey(HKEY_CURRENT_USER, L"Software\\Classes");

  for (const std::wstring& mode : {std::wstring(L""), std::wstring(L"/n /i:user")}) {
    SCOPED_TRACE(mode);
    ASSERT_EQ(Regsvr32(mode).exitCode, 0u);
    EXPECT_EQ(OfficeSnapshot(), officeBefore) << "registration touched Office's keys";
    ASSERT_EQ(Regsvr32(L"/u " + mode).exitCode, 0u);
    EXPECT_EQ(OfficeSnapshot(), officeBefore) << "unregistration touched Office's keys";
    EXPECT_EQ(SnapshotKey(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office"), hostBefore);
    EXPECT_EQ(SnapshotKey(HKEY_LOCAL_MACHINE, L"Software\\Classes\\TypeLib"), machineBefore);
    EXPECT_EQ(SnapshotKey(HKEY_CURRENT_USER, L"Software\\Classes"), userBefore);
    EXPECT_FALSE(AnyClassLeft(HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(AnyClassLeft(HKEY_CURRENT_USER));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMachineClasses + L"Interface\\" + kIid));
  }
  for (const std::wstring& key : kOfficeKeys) DeleteKeyTree(HKEY_LOCAL_MACHINE, kMachineClasses + key);
  DeleteKeyTree(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\PowerPoint\\Addins\\Other.Addin");
}

TEST_F(Registration, PlainUnregisterAlsoRemovesAPerUserRegistration) {
  ASSERT_EQ(Regsvr32(L"/n /i:user").exitCode, 0u);
  ASSERT_EQ(Regsvr32(L"/u").exitCode, 0u);
  EXPECT_FALSE(AnyClassLeft(HKEY_CURRENT_USER));
}

TEST_F(Registration, UnknownInstallCommandLineIsRefused) {
  EXPECT_NE(Regsvr32(L"/n /i:everyone").exitCode, 0u);
  EXPECT_FALSE(AnyClassLeft(HKEY_CURRENT_USER));
}

// Takes write access to the machine-wide classes away from everyone, as for a user without
// administrator rights, and gives it back when it goes out of scope.
class MachineClassesReadOnly {
 public:
  MachineClassesReadOnly() {
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes", 0, READ_CONTROL | WRITE_DAC, &key_);
    DWORD size = 0;
    RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, nullptr, &size);
    original_.resize(size);
    RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, original_.data(), &size);
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;KRRCWD;;;WD)", SDDL_REVISION_1, &readOnly, nullptr);
    applied_ = RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, readOnly) == ERROR_SUCCESS;
    LocalFree(readOnly);
  }
  ~MachineClassesReadOnly() {
    RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, original_.data());
    RegCloseKey(key_);
  }
  bool applied() const { return applied_; }

 private:
  HKEY key_ = nullptr;
  std::vector<BYTE> original_;
  bool applied_ = false;
};

TEST_F(Registration, FallsBackToPerUserWhenMachineWideIsRefused) {
  {
    MachineClassesReadOnly noRights;
    ASSERT_TRUE(noRights.applied());
    const auto result = Regsvr32(L"");
    ASSERT_EQ(result.exitCode, 0u) << result.errors;
  }
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMachineClasses + L"CLSID\\" + kClsid));
  ExpectClassesLayout(HKEY_CURRENT_USER);
  ExpectAddinEntry();
  // Removing it as the same user finds it where it was written.
  {
    MachineClassesReadOnly noRights;
    ASSERT_EQ(Regsvr32(L"/u").exitCode, 0u);
  }
  EXPECT_FALSE(AnyClassLeft(HKEY_CURRENT_USER));
}

// Everything a registration could touch: its keys among the machine-wide classes, the
// per-user classes and the host's keys.
std::wstring RegistrySnapshot() {
  std::wstring all = SnapshotKey(HKEY_CURRENT_USER, L"Software\\Classes") +
                     SnapshotKey(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office");
  for (const std::wstring& key : OwnClassesKeys()) all += SnapshotKey(HKEY_LOCAL_MACHINE, kMachineClasses + key);
  return all;
}

// Replaces Excel's add-in list (the last entry written) by a registry link to a key that does
// not exist, so that creating the add-in entry below it fails after everything else was
// written; removes the link when it goes out of scope.
class BrokenAddinList {
 public:
  BrokenAddinList() {
    DeleteKeyTree(HKEY_CURRENT_USER, kAddins);
    applied_ = CreateRegistryLink(HKEY_CURRENT_USER, kAddins, L"\\Registry\\Machine\\Software\\ZorvaneMissing\\Target");
  }
  ~BrokenAddinList() { DeleteRegistryLink(HKEY_CURRENT_USER, kAddins); }
  bool applied() const { return applied_; }

 private:
  static constexpr const wchar_t* kAddins = L"Software\\Microsoft\\Office\\Excel\\Addins";
  bool applied_ = false;
};

TEST_F(Registration, FailedRegistrationKeepsTheEarlierOneIntact) {
  ASSERT_EQ(Regsvr32(L"").exitCode, 0u);
  // The earlier registration differs a little, as one from another folder or version would:
  // a value that this run changes, and one that it adds.
  const std::wstring server = kMachineClasses + L"CLSID\\" + kClsid + L"\\InprocServer32";
  SetRawValue(HKEY_LOCAL_MACHINE, server, L"", REG_SZ, {'C', 0, ':', 0, '\\', 0, 'z', 0, 0, 0});
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, server.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  RegDeleteValueW(key, L"ThreadingModel");
  RegCloseKey(key);
  {
    BrokenAddinList broken;
    ASSERT_TRUE(broken.applied());
    const std::wstring before = RegistrySnapshot();
    EXPECT_NE(Regsvr32(L"").exitCode, 0u);
    EXPECT_EQ(RegistrySnapshot(), before);
  }
  EXPECT_EQ(StringValue(HKEY_LOCAL_MACHINE, server, L""), L"C:\\z");
  EXPECT_EQ(StringValue(HKEY_LOCAL_MACHINE, kMachineClasses + kProgId + L"\\CLSID", L""), kClsid);
}

TEST_F(Registration, FailedFirstRegistrationLeavesTheRegistryAsBefore) {
  BrokenAddinList broken;
  ASSERT_TRUE(broken.applied());
  const std::wstring before = RegistrySnapshot();
  for (const std::wstring& mode : {std::wstring(L""), std::wstring(L"/n /i:user")}) {
    SCOPED_TRACE(mode);
    EXPECT_NE(Regsvr32(mode).exitCode, 0u);
    EXPECT_EQ(RegistrySnapshot(), before);
  }
}

std::vector<std::wstring> SubkeyNames(HKEY root, const std::wstring& path) {
  std::vector<std::wstring> names;
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
  wchar_t name[256];
  for (DWORD i = 0, length = 256; RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == 0;
       ++i, length = 256) {
    names.emplace_back(name);
  }
  RegCloseKey(key);
  return names;
}

// The other bitness's registration, as far as this one can see it: its platform entry in the
// shared type library (its class and interface keys live in its own view of the registry).
TEST_F(Registration, UnregisteringOneBitnessKeepsWhatTheOtherStillUses) {
  for (const HostClass& host : kClasses) {  // the hosts' lists, which registration adds to and never removes
    const std::wstring list = host.addinKey.substr(0, host.addinKey.rfind(L'\\'));
    HKEY addins = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, list.c_str(), 0, nullptr, 0, KEY_READ, nullptr, &addins, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(addins);
  }
  const std::wstring before = RegistrySnapshot();
  const std::wstring typeLib = kMachineClasses + L"TypeLib\\" + kLibid + L"\\1.0";
  const std::wstring otherPlatform = sizeof(void*) == 8 ? L"win32" : L"win64";
  ASSERT_EQ(Regsvr32(L"").exitCode, 0u);
  SetRawValue(HKEY_LOCAL_MACHINE, typeLib + L"\\0\\" + otherPlatform, L"", REG_SZ, {'x', 0, 0, 0});

  ASSERT_EQ(Regsvr32(L"/u").exitCode, 0u);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMachineClasses + L"CLSID\\" + kClsid));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMachineClasses + L"Interface\\" + kIid));
  EXPECT_EQ(SubkeyNames(HKEY_LOCAL_MACHINE, typeLib + L"\\0"), std::vector<std::wstring>{otherPlatform});
  EXPECT_EQ(StringValue(HKEY_LOCAL_MACHINE, typeLib, L""), L"Sample AddIn Project");
  for (const HostClass& host : kClasses) {
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMachineClasses + L"CLSID\\" + host.clsid));
    EXPECT_EQ(StringValue(HKEY_LOCAL_MACHINE, kMachineClasses + host.progId + L"\\CLSID", L""), host.clsid);
  }
  ExpectAddinEntry();

  DeleteKeyTree(HKEY_LOCAL_MACHINE, typeLib + L"\\0\\" + otherPlatform);
  ASSERT_EQ(Regsvr32(L"/u").exitCode, 0u);
  EXPECT_EQ(RegistrySnapshot(), before);
}

TEST_F(Registration, MachineWideRegistrationCreatesTheObjectByProgId) {
  ASSERT_EQ(Regsvr32(L"").exitCode, 0u);
  ASSERT_EQ(CoInitialize(nullptr), S_OK);
  for (const HostClass& host : kClasses) {
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(host.progId.c_str(), &clsid), S_OK);
    EXPECT_EQ(clsid, GuidFromString(host.clsid));
    IDispatch* object = nullptr;
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&object)),
              S_OK);
    // The registered type library describes _Connect.
    ITypeInfo* info = nullptr;
    ASSERT_EQ(object->GetTypeInfo(0, 0, &info), S_OK);
    BSTR name = nullptr;
    ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr), S_OK);
    EXPECT_STREQ(name, L"_Connect");
    SysFreeString(name);
    info->Release();
    object->Release();
  }
  {
    ITypeLib* library = nullptr;
    ASSERT_EQ(LoadRegTypeLib(GuidFromString(kLibid), 1, 0, 0, &library), S_OK);
    // Only our own types, _Connect and one class per host: Office's interfaces are referenced,
    // never defined here.
    EXPECT_EQ(library->GetTypeInfoCount(), std::size(kClasses) + 1);
    for (const HostClass& host : kClasses) {
      ITypeInfo* connectInfo = nullptr;
      EXPECT_EQ(library->GetTypeInfoOfGuid(GuidFromString(host.clsid), &connectInfo), S_OK);
      if (connectInfo != nullptr) connectInfo->Release();
    }
    library->Release();
  }
  CoUninitialize();
}

// With an Office library registered, our library's references lead into it: the coclass's
// second interface and the callbacks' control parameters are Office's own types.
TEST_F(Registration, TypeLibraryReferencesOfficesInterfacesInOfficesLibrary) {
  ASSERT_EQ(CoInitialize(nullptr), S_OK);
  ITypeLib* office = nullptr;
  ASSERT_EQ(LoadTypeLibEx(BuildPath(L"idl/office.tlb").c_str(), REGKIND_REGISTER, &office), S_OK);
  ASSERT_EQ(Regsvr32(L"").exitCode, 0u);
  ITypeLib* library = nullptr;
  ASSERT_EQ(LoadRegTypeLib(GuidFromString(kLibid), 1, 0, 0, &library), S_OK);
  auto libraryOf = [](ITypeInfo* info) {
    ITypeLib* containing = nullptr;
    UINT index = 0;
    BSTR name = nullptr;
    info->GetContainingTypeLib(&containing, &index);
    containing->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    std::wstring text = name;
    SysFreeString(name);
    containing->Release();
    return text;
  };
  ITypeInfo* coclass = nullptr;
  ASSERT_EQ(library->GetTypeInfoOfGuid(GuidFromString(kClsid), &coclass), S_OK);
  HREFTYPE ref = 0;
  ITypeInfo* second = nullptr;
  ASSERT_EQ(coclass->GetRefTypeOfImplType(1, &ref), S_OK);
  ASSERT_EQ(coclass->GetRefTypeInfo(ref, &second), S_OK);
  BSTR name = nullptr;
  second->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
  EXPECT_STREQ(name, L"IRibbonExtensibility");
  SysFreeString(name);
  EXPECT_EQ(libraryOf(second), L"Office");
  second->Release();
  coclass->Release();
  library->Release();
  UnRegisterTypeLib(GuidFromString(L"{2DF8D04C-5BFA-101B-BDE5-00AA0044DE52}"), 2, 4, 0, SYS_WIN32);
  office->Release();
  CoUninitialize();
}

}  // namespace
