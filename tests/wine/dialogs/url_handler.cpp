#include "url_handler.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace zorvane::dialogs::test {
namespace {

std::optional<std::wstring> ReadDefault(const std::wstring& key) {
  DWORD size = 0;
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text.data(), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(text.data());
}

bool WriteDefault(const std::wstring& key, const std::wstring& text) {
  return RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, text.c_str(),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

ScopedUrlHandler::ScopedUrlHandler(std::wstring scheme, const std::wstring& command)
    : key_(scheme + L"\\shell\\open\\command") {
  previous_ = ReadDefault(key_);
  registered_ = WriteDefault(key_, command) && ReadDefault(key_) == command;
  EXPECT_TRUE(registered_) << "cannot register the test's URL handler";
}

ScopedUrlHandler::~ScopedUrlHandler() {
  if (previous_) {
    WriteDefault(key_, *previous_);
  } else {
    RegDeleteKeyValueW(HKEY_CLASSES_ROOT, key_.c_str(), nullptr);
  }
}

std::wstring SchemeOf(const std::wstring& address) { return address.substr(0, address.find(L':')); }

std::vector<std::string> ReadLines(const std::wstring& path) {
  std::vector<std::string> lines;
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return lines;
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) content.append(buffer, read);
  CloseHandle(file);
  std::istringstream stream(content);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::wstring TempFilePath(const wchar_t* name) {
  wchar_t directory[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, directory);
  return std::wstring(directory) + name;
}

}  // namespace zorvane::dialogs::test
