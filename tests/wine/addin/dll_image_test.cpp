// The DLL file itself: what it imports, how it is linked, what it exports, its version record.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/test_paths.h"

namespace {

using zorvane::test::ZorvaneDllPath;

class DllImage : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream file(std::filesystem::path(ZorvaneDllPath()), std::ios::binary);
    ASSERT_TRUE(file) << "cannot read the DLL";
    bytes_.assign(std::istreambuf_iterator<char>(file), {});
    ASSERT_GT(bytes_.size(), sizeof(IMAGE_DOS_HEADER));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes_.data());
    ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
    // The test is built with the DLL's bitness, so the native header type is the DLL's.
    nt_ = reinterpret_cast<const IMAGE_NT_HEADERS*>(bytes_.data() + dos->e_lfanew);
    ASSERT_EQ(nt_->Signature, IMAGE_NT_SIGNATURE);
  }

  // File offset of a relative virtual address.
  size_t Offset(DWORD rva) const {
    const auto* section = IMAGE_FIRST_SECTION(nt_);
    for (WORD i = 0; i < nt_->FileHeader.NumberOfSections; ++i, ++section) {
      if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->Misc.VirtualSize) {
        return rva - section->VirtualAddress + section->PointerToRawData;
      }
    }
    return 0;
  }

  // The functions the image imports, by name.
  std::vector<std::string> ImportedNames() const {
    std::vector<std::string> names;
    const auto& directory = nt_->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(bytes_.data() + Offset(directory.VirtualAddress));
    for (; directory.Size != 0 && import->Name != 0; ++import) {
      const auto* thunk = reinterpret_cast<const IMAGE_THUNK_DATA*>(bytes_.data() + Offset(import->OriginalFirstThunk));
      for (; thunk->u1.AddressOfData != 0; ++thunk) {
        if (IMAGE_SNAP_BY_ORDINAL(thunk->u1.Ordinal)) continue;
        names.emplace_back(bytes_.data() + Offset(static_cast<DWORD>(thunk->u1.AddressOfData)) + sizeof(WORD));
      }
    }
    return names;
  }

  // The names of the COFF symbol table the linker leaves in the built (unstripped) image:
  // every function and datum linked in, the runtime's included.
  std::vector<std::string> SymbolNames() const {
    std::vector<std::string> names;
    const DWORD table = nt_->FileHeader.PointerToSymbolTable;
    const DWORD count = nt_->FileHeader.NumberOfSymbols;
    if (table == 0 || table + static_cast<size_t>(count) * IMAGE_SIZEOF_SYMBOL > bytes_.size()) return names;
    const char* strings = bytes_.data() + table + static_cast<size_t>(count) * IMAGE_SIZEOF_SYMBOL;
    for (DWORD i = 0; i < count; ++i) {
      IMAGE_SYMBOL symbol;
      std::memcpy(&symbol, bytes_.data() + table + static_cast<size_t>(i) * IMAGE_SIZEOF_SYMBOL, sizeof(symbol));
      if (symbol.N.Name.Short != 0) {
        names.emplace_back(reinterpret_cast<const char*>(symbol.N.ShortName), strnlen(reinterpret_cast<const char*>(symbol.N.ShortName), 8));
      } else {
        names.emplace_back(strings + symbol.N.Name.Long);
      }
      i += symbol.NumberOfAuxSymbols;
    }
    return names;
  }

  std::vector<char> bytes_;
  const IMAGE_NT_HEADERS* nt_ = nullptr;
};

TEST_F(DllImage, IsADllOfItsBitnessWithAslrAndDep) {
  EXPECT_EQ(nt_->FileHeader.Machine, sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386);
  EXPECT_TRUE(nt_->FileHeader.Characteristics & IMAGE_FILE_DLL);
  EXPECT_TRUE(nt_->OptionalHeader.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
  EXPECT_TRUE(nt_->OptionalHeader.DllCharacteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
  // ASLR needs the relocations to be kept.
  EXPECT_NE(nt_->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC].Size, 0u);
}

TEST_F(DllImage, ImportsWindowsSystemDllsOnly) {
  const auto& directory = nt_->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  ASSERT_NE(directory.Size, 0u);
  const std::set<std::string> allowed = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll",
                                         "ole32.dll",    "oleaut32.dll", "shell32.dll", "comctl32.dll",
                                         "msvcrt.dll",   "shlwapi.dll", "uxtheme.dll"};
  const auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(bytes_.data() + Offset(directory.VirtualAddress));
  int count = 0;
  for (; import->Name != 0; ++import, ++count) {
    std::string name(bytes_.data() + Offset(import->Name));
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_TRUE(allowed.count(name)) << "imports " << name;
  }
  EXPECT_GT(count, 0);
}

// The module is built without exceptions. A throw, a catch or a library call that may throw
// links the runtime's exception machinery, and with it the per-thread state that leaked at
// every load: emulated thread-local storage (a TLS index) and the unwinder's lock (a semaphore).
TEST_F(DllImage, LinksNoExceptionMachineryOrPerThreadRuntime) {
  const std::vector<std::string> imports = ImportedNames();
  const std::vector<std::string> symbols = SymbolNames();
  ASSERT_GT(imports.size(), 10u);
  ASSERT_GT(symbols.size(), 100u) << "the built DLL keeps its symbol table";
  std::string found;
  for (const std::string_view forbidden :
       {"__cxa_throw", "__cxa_begin_catch", "__emutls_get_address", "TlsAlloc", "CreateSemaphoreW"}) {
    for (const std::string& name : imports) {
      if (name.find(forbidden) != std::string::npos) found += " import:" + name;
    }
    for (const std::string& name : symbols) {
      if (name.find(forbidden) != std::string::npos) found += " symbol:" + name;
    }
  }
  EXPECT_EQ(found, "");
}

TEST_F(DllImage, ExportsTheSelfRegistrationEntriesUndecorated) {
  HMODULE dll = LoadLibraryExW(ZorvaneDllPath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(dll, nullptr);
  for (const char* name :
       {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject", "DllCanUnloadNow", "DllInstall"}) {
    EXPECT_NE(GetProcAddress(dll, name), nullptr) << name;
  }
  FreeLibrary(dll);
}

TEST_F(DllImage, VersionRecordIsChineseUnicodeAndSelfRegistering) {
  const std::wstring path = ZorvaneDllPath();
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));
  WORD* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, 4u);
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 1200);
  auto text = [&](const wchar_t* name) -> std::wstring {
    wchar_t* value = nullptr;
    UINT chars = 0;
    const std::wstring query = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    if (!VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &chars)) return L"<none>";
    return chars == 0 ? std::wstring() : std::wstring(value);
  };
  EXPECT_EQ(text(L"ProductName"), L"Zorvane");
  EXPECT_EQ(text(L"InternalName"), L"Zorvane");
  EXPECT_EQ(text(L"OriginalFilename"), L"Zorvane.dll");
  EXPECT_EQ(text(L"FileVersion"), L"1.00");
  EXPECT_EQ(text(L"ProductVersion"), L"1.00");
  EXPECT_EQ(text(L"OLESelfRegister"), L"");
  VS_FIXEDFILEINFO* fixed = nullptr;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
}

}  // namespace
