#include "addin/host_ribbon.h"

#include <array>
#include <cstddef>

#include <wrl/client.h>

namespace zorvane::addin {
namespace {

// Held as raw counted pointers rather than global smart pointers: a global destructor would
// release the host's objects while the process is exiting, when the host may have torn them
// down already. The module releases them on an orderly unload (see dll.cpp).
std::array<IRibbonUI*, std::tuple_size_v<dialogs::HostRibbons>> g_hostRibbons{};
std::size_t g_nextPlace = 0;

// COM's identity rule: two pointers are the same object when their IUnknowns are.
bool SameObject(IUnknown* a, IUnknown* b) noexcept {
  Microsoft::WRL::ComPtr<IUnknown> first;
  Microsoft::WRL::ComPtr<IUnknown> second;
  if (FAILED(a->QueryInterface(IID_PPV_ARGS(&first))) || FAILED(b->QueryInterface(IID_PPV_ARGS(&second)))) {
    return a == b;
  }
  // The raw pointers: MinGW's ComPtr has no ==, and two smart pointers compare through their
  // truth value, equal whenever both are set.
  return first.Get() == second.Get();
}

}  // namespace

dialogs::HostRibbons HostRibbonsHeld() noexcept {
  dialogs::HostRibbons held;
  for (std::size_t i = 0; i < held.size(); ++i) held[i] = g_hostRibbons[i];
  return held;
}

void KeepHostRibbon(IRibbonUI* ribbon, std::size_t places) noexcept {
  if (ribbon == nullptr) return ReleaseHostRibbons();
  for (IRibbonUI* kept : g_hostRibbons) {
    if (kept != nullptr && SameObject(kept, ribbon)) return;
  }
  places = places == 0 || places > g_hostRibbons.size() ? g_hostRibbons.size() : places;
  ribbon->AddRef();
  IRibbonUI*& place = g_hostRibbons[g_nextPlace % places];
  g_nextPlace = (g_nextPlace + 1) % places;
  IRibbonUI* previous = place;
  place = ribbon;
  if (previous != nullptr) previous->Release();
}

void ReleaseHostRibbons() noexcept {
  for (IRibbonUI*& kept : g_hostRibbons) {
    IRibbonUI* previous = kept;
    kept = nullptr;
    if (previous != nullptr) previous->Release();
  }
  g_nextPlace = 0;
}

}  // namespace zorvane::addin
