// The customUI elements that the add-in writes, each in the one form it takes in our
// markup (which attributes, in which order). The ribbon document and the menus are
// written with these, so each reads like a list of the controls the user sees. Captions,
// which come from a language's table, are marked as such (see localized_text.h).
#pragma once

#include "ribbon/localized_text.h"
#include "ribbon/markup.h"
#include "ribbon/ribbon_names.h"

namespace zorvane::ribbon::controls {

using markup::Attr;
using markup::Attributes;
using markup::Element;

// --- Built-in host controls, referenced by idMso only ---------------------------------

// The builder of one element that names a built-in control by its idMso and nothing else.
template <FixedText Name>
struct BuiltIn {
  template <TextPart IdMso>
  consteval auto operator()(const IdMso& idMso) const {
    return Element(Name, Attr(u"idMso", idMso));
  }
};

inline constexpr BuiltIn<Text(u"control")> Control{};
inline constexpr BuiltIn<Text(u"button")> Button{};
inline constexpr BuiltIn<Text(u"toggleButton")> ToggleButton{};
inline constexpr BuiltIn<Text(u"checkBox")> CheckBox{};
// A whole built-in menu of the host; the host fills it.
inline constexpr BuiltIn<Text(u"menu")> BuiltInMenu{};

// A built-in button shown under a caption of our own.
template <TextPart IdMso, TextPart Label>
consteval auto LabelledButton(const IdMso& idMso, const Label& label) {
  return Element(u"button", Attributes(Attr(u"idMso", idMso), Attr(u"label", Caption(label))));
}

// --- Menu contents ----------------------------------------------------------------------

template <TextPart Id>
consteval auto Separator(const Id& id) {
  return Element(u"menuSeparator", Attr(u"id", id));
}

// A sub-menu of our own with large items (the usual kind).
template <TextPart Id, TextPart Label, TextPart... Items>
consteval auto LargeSubMenu(const Id& id, const Label& label, const Items&... items) {
  return Element(u"menu", Attributes(Attr(u"id", id), Attr(u"label", Caption(label)), Attr(u"itemSize", u"large")),
                 items...);
}

// A sub-menu of our own with the host's default item size.
template <TextPart Id, TextPart Label, TextPart... Items>
consteval auto SubMenu(const Id& id, const Label& label, const Items&... items) {
  return Element(u"menu", Attributes(Attr(u"id", id), Attr(u"label", Caption(label))), items...);
}

// One of the add-in's own commands, bound to its callback by name.
template <TextPart Id, TextPart Label, TextPart OnAction>
consteval auto CommandButton(const Id& id, const Label& label, const OnAction& onAction) {
  return Element(u"button", Attributes(Attr(u"id", id), Attr(u"label", Caption(label)), Attr(u"onAction", onAction)));
}

// The whole answer for one dynamic menu: a root `menu` whose only attribute declares
// the customUI namespace.
template <TextPart... Items>
consteval auto MenuAnswer(const Items&... items) {
  return Element(u"menu", Attr(u"xmlns", kCustomUiNamespace), items...);
}

// --- Ribbon document --------------------------------------------------------------------

// A built-in tab re-declared only so that the user can hide it.
template <TextPart IdMso>
consteval auto SwitchableTab(const IdMso& idMso) {
  return Element(u"tab", Attributes(Attr(u"idMso", idMso), Attr(u"getVisible", callback::kGetVisible)));
}

// What both copies of a dynamic menu carry besides their id.
template <TextPart Label, TextPart Screentip, TextPart Supertip, TextPart Tag>
consteval auto DynamicMenuCaption(const Label& label, const Screentip& screentip, const Supertip& supertip,
                                  const Tag& tag) {
  return Attributes(Attr(u"label", Caption(label)), Attr(u"screentip", Caption(screentip)),
                    Attr(u"supertip", Caption(supertip)),
                    Attr(u"tag", tag), Attr(u"getContent", callback::kGetContent));
}

template <TextPart Id, std::size_t N>
consteval auto DynamicMenu(const Id& id, const markup::AttributeList<N>& caption) {
  return Element(u"dynamicMenu", Attributes(Attr(u"id", id), caption));
}

template <TextPart Id, TextPart Label>
consteval auto LabelControl(const Id& id, const Label& label) {
  return Element(u"labelControl", Attributes(Attr(u"id", id), Attr(u"label", label)));
}

// The builder of one element of our own that holds others and has only its id.
template <FixedText Name>
struct Container {
  template <TextPart Id, TextPart... Children>
  consteval auto operator()(const Id& id, const Children&... children) const {
    return Element(Name, Attr(u"id", id), children...);
  }
};

inline constexpr Container<Text(u"box")> Box{};
inline constexpr Container<Text(u"buttonGroup")> ButtonGroup{};

// A built-in control on a toolbar: its icon alone.
template <TextPart IdMso>
consteval auto ToolbarControl(const IdMso& idMso) {
  return Element(u"control", Attributes(Attr(u"idMso", idMso), Attr(u"showLabel", u"false")));
}

// A drop-down of built-in controls on a toolbar, shown as an icon with a tip.
template <TextPart Id, TextPart ImageMso, TextPart Screentip, TextPart... Items>
consteval auto ToolbarMenu(const Id& id, const ImageMso& imageMso, const Screentip& screentip,
                           const Items&... items) {
  return Element(u"menu", Attributes(Attr(u"id", id), Attr(u"imageMso", imageMso), Attr(u"screentip", Caption(screentip))),
                 items...);
}

}  // namespace zorvane::ribbon::controls
