// What one run of registry writes created or changed, in order, so that a failure undoes
// exactly that and leaves everything else as it was. The add-in's registration and the
// check's repairs use it. Every failure is a status: it allocates through the nothrow owners only.
// Windows only.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>
#include <type_traits>
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
  ~RegistryUndoLog() {
    // Left to its scope, the log has no one to tell what could not be undone: best effort.
    Undo([](size_t, HKEY, const wchar_t*, const wchar_t*) noexcept {});
  }

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

  // How many writes are noted: the index that the next one gets.
  size_t size() const noexcept { return steps_.size(); }

  // Best effort, newest first: values restored or removed, then the keys this run created.
  // Unless committed, this happens when the log goes out of scope. `notUndone(index, root,
  // path, name)` hears of each write that stays: `index` as size() was before it, `name` null
  // for a key this run created. A write leaves the log only once heard of, so that the rest is
  // still undone when the log goes out of scope should `notUndone` throw.
  template <typename NotUndone>
  void Undo(NotUndone&& notUndone) noexcept(
      std::is_nothrow_invocable_v<NotUndone&, size_t, HKEY, const wchar_t*, const wchar_t*>) {
    while (!steps_.empty()) {
      const size_t index = steps_.size() - 1;
      const Step& step = steps_[index];
      if (!UndoStep(step)) notUndone(index, step.root, step.path.c_str(), step.value ? step.value->name.c_str() : nullptr);
      steps_.Truncate(index);
    }
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

  static bool Gone(LSTATUS status) noexcept { return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND; }

  // Whether the write is undone, or there was nothing left to undo.
  bool UndoStep(const Step& step) const noexcept {
    if (!step.value) return Gone(RegDeleteKeyExW(step.root, step.path.c_str(), view_, 0));
    const ValueState& before = *step.value;
    UniqueHkey key;
    const LSTATUS opened = RegOpenKeyExW(step.root, step.path.c_str(), 0, KEY_SET_VALUE | view_, key.put());
    // Without its key, a value that was not there before is gone as well.
    if (opened != ERROR_SUCCESS) return opened == ERROR_FILE_NOT_FOUND && !before.existed;
    // The value as it was, also when it was stored without its terminator.
    if (before.existed) {
      return SetExactValue(key.get(), before.name.c_str(), before.type, before.data.data(),
                           static_cast<DWORD>(before.data.size())) == ERROR_SUCCESS;
    }
    return Gone(RegDeleteValueW(key.get(), before.name.c_str()));
  }

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
