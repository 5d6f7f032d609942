// What one run of registry writes created or changed, in order, so that a failure undoes
// exactly that and leaves everything else as it was. The add-in's registration and the
// check's repairs use it. Windows only.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/windows_handles.h"

namespace zorvane {

class RegistryUndoLog {
 public:
  // `view` (KEY_WOW64_32KEY, KEY_WOW64_64KEY or 0) is added to every open of a key.
  explicit RegistryUndoLog(REGSAM view = 0) noexcept : view_(view) {}
  RegistryUndoLog(const RegistryUndoLog&) = delete;
  RegistryUndoLog& operator=(const RegistryUndoLog&) = delete;
  ~RegistryUndoLog() { Undo(); }

  // Opens root\path for writing, creating it and any missing key above it; each key that
  // did not exist before is noted.
  LSTATUS CreateKey(HKEY root, const std::wstring& path, UniqueHkey& key) {
    for (size_t end = path.find(L'\\');; end = path.find(L'\\', end + 1)) {
      const std::wstring prefix = path.substr(0, end);
      UniqueHkey opened;
      DWORD disposition = 0;
      const LSTATUS status = RegCreateKeyExW(root, prefix.c_str(), 0, nullptr, 0, kKeyRights | view_, nullptr,
                                             opened.put(), &disposition);
      if (status != ERROR_SUCCESS) return status;
      if (disposition == REG_CREATED_NEW_KEY) steps_.push_back({root, prefix, std::nullopt});
      if (end == std::wstring::npos) {
        key = std::move(opened);
        return ERROR_SUCCESS;
      }
    }
  }

  // Notes the value's present type and data (or its absence), then writes it.
  LSTATUS SetValue(HKEY root, const std::wstring& path, HKEY key, const std::wstring& name, DWORD type,
                   const BYTE* data, DWORD size) {
    if (const LSTATUS noted = Note(root, path, key, name); noted != ERROR_SUCCESS) return noted;
    return RegSetValueExW(key, name.c_str(), 0, type, data, size);
  }

  // Notes the value's type and data, then deletes it.
  LSTATUS DeleteValue(HKEY root, const std::wstring& path, HKEY key, const std::wstring& name) {
    if (const LSTATUS noted = Note(root, path, key, name); noted != ERROR_SUCCESS) return noted;
    return RegDeleteValueW(key, name.c_str());
  }

  // Keeps everything written so far.
  void Commit() noexcept { steps_.clear(); }

  // Best effort, newest first: values restored or removed, then the keys this run created.
  // Unless committed, this happens when the log goes out of scope, also on an exception.
  void Undo() noexcept {
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step) {
      if (!step->value) {
        RegDeleteKeyExW(step->root, step->path.c_str(), view_, 0);
        continue;
      }
      UniqueHkey key;
      if (RegOpenKeyExW(step->root, step->path.c_str(), 0, KEY_SET_VALUE | view_, key.put()) != ERROR_SUCCESS) {
        continue;
      }
      const ValueState& before = *step->value;
      if (before.existed) {
        RegSetValueExW(key.get(), before.name.c_str(), 0, before.type, before.data.data(),
                       static_cast<DWORD>(before.data.size()));
      } else {
        RegDeleteValueW(key.get(), before.name.c_str());
      }
    }
    steps_.clear();
  }

 private:
  static constexpr REGSAM kKeyRights = KEY_CREATE_SUB_KEY | KEY_QUERY_VALUE | KEY_SET_VALUE;

  struct ValueState {
    std::wstring name;
    bool existed = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
  };
  struct Step {
    HKEY root;
    std::wstring path;
    std::optional<ValueState> value;  // none: the key was created
  };

  LSTATUS Note(HKEY root, const std::wstring& path, HKEY key, const std::wstring& name) {
    ValueState before;
    before.name = name;
    DWORD beforeSize = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &before.type, nullptr, &beforeSize) == ERROR_SUCCESS) {
      before.data.resize(beforeSize);
      const LSTATUS status =
          RegQueryValueExW(key, name.c_str(), nullptr, &before.type, before.data.data(), &beforeSize);
      if (status != ERROR_SUCCESS) return status;
      before.data.resize(beforeSize);
      before.existed = true;
    }
    steps_.push_back({root, path, std::move(before)});
    return ERROR_SUCCESS;
  }

  REGSAM view_;
  std::vector<Step> steps_;
};

}  // namespace zorvane
