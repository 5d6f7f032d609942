// What one run of registry writes created or changed, in order, so that a failure undoes
// exactly that and leaves everything else as it was. The add-in's registration and the
// check's repairs use it. Every failure is a status: it allocates through the nothrow owners only.
// Windows only.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>
#include <utility>

#include "common/heap_array.h"
#include "common/heap_string.h"

#include "common/exact_registry_value.h"
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
  // did not exist before is noted. Nothing is created that could not be noted: the room for
  // the note is taken first, and ERROR_OUTOFMEMORY returned when there is none.
  LSTATUS CreateKey(HKEY root, std::wstring_view path, UniqueHkey& key) noexcept {
    for (size_t end = path.find(L'\\');; end = path.find(L'\\', end + 1)) {
      HeapWideString prefix;
      if (!prefix.Assign(Slice(path, 0, end)) || !steps_.Reserve(steps_.size() + 1)) return ERROR_OUTOFMEMORY;
      UniqueHkey opened;
      DWORD disposition = 0;
      const LSTATUS status = RegCreateKeyExW(root, prefix.c_str(), 0, nullptr, 0, kKeyRights | view_, nullptr,
                                             opened.put(), &disposition);
      if (status != ERROR_SUCCESS) return status;
      if (disposition == REG_CREATED_NEW_KEY) (void)steps_.EmplaceBack(root, std::move(prefix), std::nullopt);
      if (end == std::wstring_view::npos) {
        key = std::move(opened);
        return ERROR_SUCCESS;
      }
    }
  }

  // Notes the value's present type and data (or its absence), then writes it.
  LSTATUS SetValue(HKEY root, std::wstring_view path, HKEY key, std::wstring_view name, DWORD type,
                   const BYTE* data, DWORD size) noexcept {
    const Noted noted = Note(root, path, key, name);
    if (noted.status != ERROR_SUCCESS) return noted.status;
    return SetExactValue(key, noted.name, type, data, size);
  }

  // Notes the value's type and data, then deletes it.
  LSTATUS DeleteValue(HKEY root, std::wstring_view path, HKEY key, std::wstring_view name) noexcept {
    const Noted noted = Note(root, path, key, name);
    if (noted.status != ERROR_SUCCESS) return noted.status;
    return RegDeleteValueW(key, noted.name);
  }

  // Keeps everything written so far.
  void Commit() noexcept { steps_.Clear(); }

  // Best effort, newest first: values restored or removed, then the keys this run created.
  // Unless committed, this happens when the log goes out of scope.
  void Undo() noexcept {
    for (size_t i = steps_.size(); i-- > 0;) {
      const Step& step = steps_[i];
      if (!step.value) {
        RegDeleteKeyExW(step.root, step.path.c_str(), view_, 0);
        continue;
      }
      UniqueHkey key;
      if (RegOpenKeyExW(step.root, step.path.c_str(), 0, KEY_SET_VALUE | view_, key.put()) != ERROR_SUCCESS) {
        continue;
      }
      const ValueState& before = *step.value;
      if (before.existed) {
        // The value as it was, also when it was stored without its terminator.
        SetExactValue(key.get(), before.name.c_str(), before.type, before.data.data(),
                      static_cast<DWORD>(before.data.size()));
      } else {
        RegDeleteValueW(key.get(), before.name.c_str());
      }
    }
    steps_.Clear();
  }

 private:
  static constexpr REGSAM kKeyRights = KEY_CREATE_SUB_KEY | KEY_QUERY_VALUE | KEY_SET_VALUE;

  struct ValueState {
    HeapWideString name;
    bool existed = false;
    DWORD type = REG_NONE;
    HeapArray<BYTE> data;
  };
  struct Step {
    Step(HKEY r, HeapWideString p, std::optional<ValueState> v) noexcept
        : root(r), path(std::move(p)), value(std::move(v)) {}
    HKEY root;
    HeapWideString path;
    std::optional<ValueState> value;  // none: the key was created
  };
  struct Noted {
    LSTATUS status;
    const wchar_t* name;  // the value's name as noted, NUL-terminated
  };

  // Everything the undo needs is copied and the room for the note taken before the value is
  // touched, so that a value is never written without its note.
  Noted Note(HKEY root, std::wstring_view path, HKEY key, std::wstring_view name) noexcept {
    ValueState before;
    HeapWideString keyPath;
    if (!before.name.Assign(name) || !keyPath.Assign(path) || !steps_.Reserve(steps_.size() + 1)) {
      return {ERROR_OUTOFMEMORY, nullptr};
    }
    DWORD beforeSize = 0;
    if (RegQueryValueExW(key, before.name.c_str(), nullptr, &before.type, nullptr, &beforeSize) == ERROR_SUCCESS) {
      if (!before.data.Resize(beforeSize)) return {ERROR_OUTOFMEMORY, nullptr};
      const LSTATUS status =
          RegQueryValueExW(key, before.name.c_str(), nullptr, &before.type, before.data.data(), &beforeSize);
      if (status != ERROR_SUCCESS) return {status, nullptr};
      before.data.Truncate(beforeSize);
      before.existed = true;
    }
    (void)steps_.EmplaceBack(root, std::move(keyPath), std::move(before));
    return {ERROR_SUCCESS, steps_.back().value->name.c_str()};
  }

  REGSAM view_;
  HeapArray<Step> steps_;
};

}  // namespace zorvane
