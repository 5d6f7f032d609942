// Runs a text's assembly exactly once, whichever thread asks first: the host calls on its UI
// thread, but nothing stops another thread of its from asking too, and the other waits until
// the text is whole. On Windows it is the system's one-time initialization, elsewhere the
// standard library's.
#pragma once

#ifndef _WIN32
#include <mutex>
#endif

namespace zorvane::ribbon {

// Zero-initialized, so that an array of them costs no file size.
struct OnceFlag {
#ifdef _WIN32
  void* state = nullptr;  // an INIT_ONCE, whose static initial value is all zeros
#else
  std::once_flag flag;
#endif
};

// Calls `work(context)` unless a call with the same `flag` has returned; concurrent callers
// wait for that one to finish.
void RunOnce(OnceFlag& flag, void (*work)(void* context) noexcept, void* context) noexcept;

}  // namespace zorvane::ribbon
