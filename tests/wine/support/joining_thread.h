// A thread that runs one function and is waited for by join() or, failing that, by its
// destructor. The Windows build uses the win32 thread model (no winpthreads in the add-in),
// whose runtime has no std::thread; the tests that need a second thread use this instead.
#pragma once

#include <windows.h>

#include <process.h>

#include <functional>
#include <utility>

namespace zorvane::test {

class JoiningThread {
 public:
  explicit JoiningThread(std::function<void()> body) : body_(std::move(body)) {
    // _beginthreadex rather than CreateThread: the body uses the C runtime.
    handle_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &JoiningThread::Run, this, 0, nullptr));
    if (handle_ == nullptr) body_();  // no thread to be had: run it here rather than not at all
  }
  JoiningThread(const JoiningThread&) = delete;
  JoiningThread& operator=(const JoiningThread&) = delete;
  ~JoiningThread() { join(); }

  void join() {
    if (handle_ == nullptr) return;
    WaitForSingleObject(handle_, INFINITE);
    CloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  static unsigned __stdcall Run(void* self) {
    static_cast<JoiningThread*>(self)->body_();
    return 0;
  }

  std::function<void()> body_;
  HANDLE handle_ = nullptr;
};

}  // namespace zorvane::test
