// The clipboard commands that every host's Edit menu holds, in this order.
#pragma once

#include "ribbon/controls.h"

namespace zorvane::ribbon::menus {
using namespace controls;

inline constexpr auto kClipboardItems = Concat(
    Control(u"Cut"),
    Control(u"Copy"),
    Control(u"ShowClipboard"),
    Control(u"Paste"),
    Control(u"PasteSpecialDialog"),
    Control(u"PasteAsHyperlink"));

}  // namespace zorvane::ribbon::menus
