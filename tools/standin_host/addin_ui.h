// What the ribbon views need from one loaded add-in: its document and its answers.
#pragma once

#include <string>

#include "xml_element.h"

namespace zorvane::standin {

// The content of a dynamic menu, as the add-in answered when the menu was opened.
struct MenuContent {
  bool answered = false;  // false when the callback failed or its answer was unusable
  std::wstring xml;       // the answer as returned
  const XmlElement* root = nullptr;  // its `menu` element; null when empty or unusable
};

class AddinUi {
 public:
  virtual ~AddinUi() = default;

  virtual const std::wstring& progId() const = 0;
  // The add-in's ribbon document; null when it has none.
  virtual const XmlElement* document() const = 0;
  // Whether `element` of this add-in's markup is shown: its visible attribute or its
  // getVisible callback. A failing callback is reported and leaves the element shown.
  virtual bool IsVisible(const XmlElement& element) = 0;
  // Opens the dynamic menu `element` as the host does: its getContent callback. The
  // answer stays valid until the ribbon is invalidated and the menu opened again.
  virtual const MenuContent& OpenMenu(const XmlElement& element) = 0;
};

}  // namespace zorvane::standin
