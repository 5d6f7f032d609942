#include "ribbon/once.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zorvane::ribbon {

#ifdef _WIN32

namespace {
struct Work {
  void (*function)(void*) noexcept;
  void* context;
};

BOOL CALLBACK RunWork(PINIT_ONCE, PVOID parameter, PVOID*) noexcept {
  const Work& work = *static_cast<const Work*>(parameter);
  work.function(work.context);
  return TRUE;
}
}  // namespace

static_assert(sizeof(INIT_ONCE) == sizeof(void*) && alignof(INIT_ONCE) == alignof(void*));

void RunOnce(OnceFlag& flag, void (*work)(void* context) noexcept, void* context) noexcept {
  Work call{work, context};
  // The work cannot fail, so neither can the call: its result says nothing more.
  static_cast<void>(InitOnceExecuteOnce(reinterpret_cast<PINIT_ONCE>(&flag.state), &RunWork, &call, nullptr));
}

#else

void RunOnce(OnceFlag& flag, void (*work)(void* context) noexcept, void* context) noexcept {
  std::call_once(flag.flag, work, context);
}

#endif

}  // namespace zorvane::ribbon
