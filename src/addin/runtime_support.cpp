// The one part of the statically linked C++ runtime that the module replaces: the allocation
// function of `new (std::nothrow)`, as the standard lets a program do. The runtime's own calls
// the plain operator new and handles its bad_alloc, which would link the exception machinery
// into a module built without it. The module installs no new-handler, so a refusal of malloc
// is the final answer: the caller gets null and passes E_OUTOFMEMORY up.
//
// The runtime's std::__throw_* hooks are not replaced: the module uses no library facility
// that can call them (no allocating container, no checked access), and the DLL image test
// fails should one be linked, as it would bring __cxa_throw along.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }
