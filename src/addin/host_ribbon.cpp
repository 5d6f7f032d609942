#include "addin/host_ribbon.h"

namespace zorvane::addin {
namespace {

// Held as a raw counted pointer rather than a global smart pointer: a global destructor
// would release the host's object while the process is exiting, when the host may have
// torn it down already. The module releases it on an orderly unload (see dll.cpp).
IRibbonUI* g_hostRibbon = nullptr;

}  // namespace

IRibbonUI* HostRibbon() noexcept { return g_hostRibbon; }

void SetHostRibbon(IRibbonUI* ribbon) noexcept {
  if (ribbon != nullptr) ribbon->AddRef();
  IRibbonUI* previous = g_hostRibbon;
  g_hostRibbon = ribbon;
  if (previous != nullptr) previous->Release();
}

}  // namespace zorvane::addin
