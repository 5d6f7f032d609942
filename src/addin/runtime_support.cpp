// The statically linked C++ runtime, trimmed to what a COM add-in needs. The functions
// defined in namespaces std and __gnu_cxx below take the place of the runtime's own (the
// linker takes ours and leaves the runtime's object out); each keeps the contract the
// runtime's headers declare.
#include "addin/runtime_support.h"

#include <windows.h>

#include <bits/functexcept.h>
#include <cxxabi.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>

namespace __gnu_cxx {
void __freeres() noexcept;  // the runtime's: frees the exception emergency reserve
}  // namespace __gnu_cxx

namespace {

// An error of the program (an index out of range, a null where text was due), thrown with
// the runtime's fixed message. The add-in's entry points turn any exception into an error
// status; none looks for the standard's exception type, whose std::string would bring the
// whole string library into the module twice over (both ABIs).
class ProgramError final : public std::exception {
 public:
  explicit ProgramError(const char* message) noexcept : message_(message) {}
  const char* what() const noexcept override { return message_; }

 private:
  const char* message_;  // the runtime passes string literals
};

}  // namespace

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
// A size beyond what a container can hold: an allocation that cannot succeed.
void __throw_length_error(const char*) { throw bad_alloc(); }
void __throw_logic_error(const char* message) { throw ProgramError(message); }
void __throw_out_of_range_fmt(const char* format, ...) { throw ProgramError(format); }

}  // namespace std

namespace __gnu_cxx {

// std::terminate's default. Reached only through a bug: an exception escaping a noexcept
// function (every entry point and callback is one). The host cannot be saved then; leave a
// trace for a debugger and end it as the runtime would, but without the runtime's verbose
// handler, which brings the demangler and printf along to write to a console no host has.
void __verbose_terminate_handler() {
  OutputDebugStringW(L"Zorvane: unhandled C++ exception; terminating\n");
  std::abort();
}

}  // namespace __gnu_cxx

// Memory for the new-expressions that must not throw (the class factory and the add-in object).
// The runtime's version calls the throwing one and catches its exception: an out-of-memory
// there would raise an exception for nothing. The module installs no new-handler, so a refusal
// of malloc is the final answer.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }

// Each thread's record of the exceptions it has thrown and caught. The runtime keeps it in
// emulated thread-local storage, which the first exception of a thread starts: a TLS index and
// a semaphore per load of the module, never given back, and heap memory, whose lack aborts
// the process at the very moment an out-of-memory exception is thrown. These two functions
// replace the runtime's (the C++ ABI's own entry points, so the emulated storage is not linked
// at all): the records live in this module's image, one per thread that throws, found by
// thread id and given back when the thread ends (DllMain). They take no memory, handle or
// index, so nothing outlives an unload and nothing can fail. The host calls the add-in from
// its user-interface thread; the table holds far more threads than any host lets in.
namespace __cxxabiv1 {

struct __cxa_eh_globals {  // as the runtime lays it out
  void* caughtExceptions;
  unsigned int uncaughtExceptions;
};

namespace {

struct ThreadExceptions {
  std::atomic<DWORD> thread;  // 0 for a free entry: no thread has id 0
  __cxa_eh_globals globals;
};
constinit ThreadExceptions threadExceptions[64] = {};

}  // namespace

extern "C" __cxa_eh_globals* __cxa_get_globals() noexcept {
  const DWORD thread = GetCurrentThreadId();
  // Only this thread ever stores its own id: finding it needs no ordering.
  for (ThreadExceptions& entry : threadExceptions) {
    if (entry.thread.load(std::memory_order_relaxed) == thread) return &entry.globals;
  }
  for (ThreadExceptions& entry : threadExceptions) {
    DWORD free = 0;
    if (entry.thread.compare_exchange_strong(free, thread, std::memory_order_acquire)) {
      entry.globals = {};
      return &entry.globals;
    }
  }
  std::abort();  // 64 threads at once, each having thrown: not a host this add-in serves
}

extern "C" __cxa_eh_globals* __cxa_get_globals_fast() noexcept { return __cxa_get_globals(); }

}  // namespace __cxxabiv1

#if !defined(__SEH__) && !defined(__USING_SJLJ_EXCEPTIONS__)
// The 32-bit runtime unwinds through DWARF tables that the start-up code registers with the
// runtime's unwinder at load (__register_frame_info) and takes back at unload, as the last
// of the module's exit functions (__deregister_frame_info). The unwinder's lock for its
// table list is created on first use, inside that registration, with a semaphore that
// nothing closes: one handle per load. The linker sends the start-up code's two calls and
// the module's semaphore creations through the functions below (see the -Wl,--wrap options
// of the DLL), which keep the semaphore made during the registration and close it once the
// tables are taken back. Nothing of this module takes the lock after that, and an
// uncontended take would not touch the handle anyway. Both calls run under the loader lock,
// so the two variables below need no lock of their own.
extern "C" {
struct UnwinderObject;  // the runtime's record of one module's tables; only passed through
void __real___register_frame_info(const void* tables, UnwinderObject* object);
void* __real___deregister_frame_info(const void* tables);
// The import table's entry for CreateSemaphoreW, under the name the linker gives the real one.
extern decltype(&CreateSemaphoreW) realCreateSemaphoreW asm("___real__imp__CreateSemaphoreW@16");
}

namespace {

bool registeringTables = false;
HANDLE unwinderLock = nullptr;

HANDLE WINAPI CreateSemaphoreNotingUnwinderLock(SECURITY_ATTRIBUTES* security, LONG initialCount,
                                                LONG maximumCount, const wchar_t* name) {
  HANDLE semaphore = realCreateSemaphoreW(security, initialCount, maximumCount, name);
  if (registeringTables) unwinderLock = semaphore;
  return semaphore;
}

}  // namespace

// The linker points every call of CreateSemaphoreW in the module here instead of at the
// import table entry. Constant, so that it lies in read-only memory.
extern "C" decltype(&CreateSemaphoreW) const wrappedCreateSemaphoreW asm("___wrap__imp__CreateSemaphoreW@16") =
    &CreateSemaphoreNotingUnwinderLock;

extern "C" {

void __wrap___register_frame_info(const void* tables, UnwinderObject* object) {
  registeringTables = true;
  __real___register_frame_info(tables, object);
  registeringTables = false;
}

void* __wrap___deregister_frame_info(const void* tables) {
  void* object = __real___deregister_frame_info(tables);
  if (unwinderLock != nullptr) CloseHandle(unwinderLock);
  unwinderLock = nullptr;
  return object;
}

}  // extern "C"

// The start-up code asks GetModuleHandleA whether the compiler's shared runtime DLL is loaded,
// and if so registers the tables with that DLL's unwinder instead of the module's own. Another
// module built with the same compiler brings that DLL into the host; this module's exceptions
// are raised by its own static runtime, whose unwinder would then know none of its tables, and
// the first throw would end the host. The start-up code's call is the module's only one of
// GetModuleHandleA; through the -Wl,--wrap option it comes here and is told that DLL is absent,
// so the tables always go to the module's own unwinder (through the functions above).
namespace {

extern "C" decltype(&GetModuleHandleA) realGetModuleHandleA asm("___real__imp__GetModuleHandleA@4");

HMODULE WINAPI GetModuleHandleOwnUnwinder(const char* name) {
  if (name != nullptr && std::strcmp(name, "libgcc_s_dw2-1.dll") == 0) return nullptr;
  return realGetModuleHandleA(name);
}

}  // namespace

extern "C" decltype(&GetModuleHandleA) const wrappedGetModuleHandleA asm("___wrap__imp__GetModuleHandleA@4") =
    &GetModuleHandleOwnUnwinder;
#endif

namespace zorvane::addin {

void ReleaseRuntimeReserve() noexcept { __gnu_cxx::__freeres(); }

void ReleaseThreadExceptions() noexcept {
  const DWORD thread = GetCurrentThreadId();
  for (__cxxabiv1::ThreadExceptions& entry : __cxxabiv1::threadExceptions) {
    if (entry.thread.load(std::memory_order_relaxed) == thread) entry.thread.store(0, std::memory_order_release);
  }
}

}  // namespace zorvane::addin
