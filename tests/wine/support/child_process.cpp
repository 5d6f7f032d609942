#include "support/child_process.h"

#include "common/windows_handles.h"
#include "support/joining_thread.h"

namespace zorvane::test {
namespace {

std::wstring Quote(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  quoted += L'"';
  return quoted;
}

void Drain(HANDLE pipe, std::string& into) {
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(pipe, buffer, sizeof(buffer), &read, nullptr) && read != 0) into.append(buffer, read);
}

}  // namespace

std::wstring FromUtf8(const std::string& bytes) {
  if (bytes.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

ChildResult RunChild(const std::wstring& program, const std::vector<std::wstring>& arguments, DWORD timeoutMs) {
  ChildResult result;
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  UniqueKernelHandle outRead, outWrite, errRead, errWrite;
  if (!CreatePipe(outRead.put(), outWrite.put(), &inherit, 0) || !CreatePipe(errRead.put(), errWrite.put(), &inherit, 0)) {
    result.startError = GetLastError();
    return result;
  }
  SetHandleInformation(outRead.get(), HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(errRead.get(), HANDLE_FLAG_INHERIT, 0);

  std::wstring commandLine = Quote(program);
  for (const std::wstring& argument : arguments) commandLine += L" " + Quote(argument);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outWrite.get();
  startup.hStdError = errWrite.get();
  PROCESS_INFORMATION process{};
  // Starting a process is not what any test checks; on a loaded machine Wine has been seen
  // to refuse one start now and then, so a refusal is tried again a few times.
  for (int attempt = 0; !CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
       ++attempt) {
    result.startError = GetLastError();
    if (attempt == 2) return result;
    Sleep(200);
  }
  result.startError = 0;
  result.started = true;
  UniqueKernelHandle processHandle(process.hProcess);
  UniqueKernelHandle threadHandle(process.hThread);
  // Our copies of the write ends must go, or the reads never see the end.
  outWrite.reset();
  errWrite.reset();

  std::string outBytes, errBytes;
  JoiningThread outReader([&] { Drain(outRead.get(), outBytes); });
  JoiningThread errReader([&] { Drain(errRead.get(), errBytes); });
  if (WaitForSingleObject(processHandle.get(), timeoutMs) == WAIT_TIMEOUT) {
    result.timedOut = true;
    TerminateProcess(processHandle.get(), 255);
    WaitForSingleObject(processHandle.get(), INFINITE);
  }
  outReader.join();
  errReader.join();
  GetExitCodeProcess(processHandle.get(), &result.exitCode);
  result.out = FromUtf8(outBytes);
  result.errors = FromUtf8(errBytes);
  return result;
}

}  // namespace zorvane::test
