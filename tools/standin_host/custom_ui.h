// What the host knows of customUI markup: its namespace, which attributes name
// callbacks, and the checks it makes on a ribbon document and on a menu's content.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xml_element.h"

namespace zorvane::standin {

// The Office 2007 customUI schema; the host accepts markup in no other namespace.
inline constexpr std::wstring_view kCustomUiNamespace = L"http://schemas.microsoft.com/office/2006/01/customui";

bool IsCallbackAttribute(std::wstring_view attribute) noexcept;

struct CallbackUse {
  std::wstring attribute;  // "getVisible", ...
  std::wstring name;       // the callback's name, as the add-in must expose it
  std::wstring control;    // id of the first element that names it
};

// Every callback named in `root`'s tree, in document order, each name once.
std::vector<CallbackUse> CallbackUses(const XmlElement& root);

// Empty when `root` is a customUI document in the customUI namespace; else what is wrong.
std::wstring CheckRibbonDocument(const XmlElement& root);
// Empty when `root` is a `menu` in the customUI namespace, as getContent must return.
std::wstring CheckMenuContent(const XmlElement& root);

// xsd:boolean as the schema writes it: "true", "false", "1", "0".
std::optional<bool> ParseXmlBoolean(std::wstring_view text) noexcept;

// Shown or not by its `visible` attribute; empty when a getVisible callback decides.
std::optional<bool> StaticVisibility(const XmlElement& element) noexcept;

// The Id that the host's control object reports: id, else idMso, else idQ.
std::wstring ControlId(const XmlElement& element);

const XmlElement* FindChild(const XmlElement& parent, std::wstring_view name) noexcept;

// The first element in `root`'s tree whose id is `id`.
const XmlElement* FindById(const XmlElement& root, std::wstring_view id) noexcept;

}  // namespace zorvane::standin
