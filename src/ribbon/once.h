// Runs a text's assembly exactly once, whichever thread asks first: the host calls on its UI
// thread, but nothing stops another thread of its from asking too, and the other waits until
// the text is whole. On Windows it is the system's one-time initialization, elsewhere the
// standard library's.
#pragma once

#include <atomic>

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

// A text put together once, in place: `work` writes every unit of `text` but the first, then
// publishes the first (never zero) with PublishFirstUnit. A caller that finds the first unit
// set reads a whole text without a call; any other goes through RunOnce.
inline void PutTogetherOnce(OnceFlag& flag, char16_t* text, void (*work)(void* context) noexcept,
                            void* context) noexcept {
  if (std::atomic_ref<char16_t>(*text).load(std::memory_order_acquire) != u'\0') return;
  RunOnce(flag, work, context);
}

inline void PublishFirstUnit(char16_t* text, char16_t first) noexcept {
  std::atomic_ref<char16_t>(*text).store(first, std::memory_order_release);
}

}  // namespace zorvane::ribbon
