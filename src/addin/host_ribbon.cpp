#include "addin/host_ribbon.h"

#include <array>
#include <cstddef>


namespace zorvane::addin {
namespace {

// Held as raw counted pointers rather than global smart pointers: a global destructor would
// release the host's objects while the process is exiting, when the host may have torn them
// down already. The module releases them on an orderly unload (see dll.cpp).
std::array<IRibbonUI*, std::tuple_size_v<dialogs::HostRibbons>> g_hostRibbons{};
std::size_t g_nextPlace = 0;

// COM's identity rule: two pointers are the same object when their IUnknowns are.
bool SameObject(IUnknown* a, IUnknown* b) noexcept {
  if (a == b) return true;
  IUnknown* first = nullptr;
  IUnknown* second = nullptr;
  const bool asked = SUCCEEDED(a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&first))) &&
                     SUCCEEDED(b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&second)));
  const bool same = asked && first == second;
  if (first != nullptr) first->Release();
  if (second != nullptr) second->Release();
  return same;
}

}  // namespace

dialogs::HostRibbons HostRibbonsHeld() noexcept {
  dialogs::HostRibbons held;
  for (std::size_t i = 0; i < held.size(); ++i) held[i] = g_hostRibbons[i];
  return held;
}

void KeepHostRibbon(IRibbonUI* ribbon, std::size_t places) noexcept {
  if (ribbon == nullptr) return ReleaseHostRibbons();
  places = places == 0 || places > g_hostRibbons.size() ? g_hostRibbons.size() : places;
  for (std::size_t i = 0; i < places; ++i) {
    if (g_hostRibbons[i] != nullptr && SameObject(g_hostRibbons[i], ribbon)) return;
  }
  ribbon->AddRef();
  const std::size_t place = g_nextPlace % places;
  g_nextPlace = (place + 1) % places;
  IRibbonUI* previous = g_hostRibbons[place];
  g_hostRibbons[place] = ribbon;
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
