// Compile-time XML writing for the ribbon markup: elements and attributes built from
// constant fragments, in the one form the host receives (no declaration, no whitespace
// between elements, empty elements self-closed, attributes in the order written).
//
// Every helper is consteval: a value that would need escaping, or a malformed name, is
// a compile error naming the rule it breaks, so no such text can reach the host.
#pragma once

#include <cstddef>
#include <string_view>

#include "ribbon/fixed_text.h"

namespace zorvane::ribbon::markup {

namespace detail {

// Never defined and not constexpr: a call reached while compiling stops the build, and
// the compiler's message names the rule. They are only ever reached from consteval code.
void AttributeValueNeedsEscaping();       // holds '<', '&' or '"'
void AttributeValueHoldsControlCharacter();  // holds a character below U+0020
void XmlNameMustBeAsciiLetters();          // customUI names are plain letters

consteval void CheckName(std::u16string_view name) {
  if (name.empty()) XmlNameMustBeAsciiLetters();
  for (char16_t c : name) {
    const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (!letter) XmlNameMustBeAsciiLetters();
  }
}

// Values are written verbatim; rather than escaping, the few characters that would need
// it are refused, so that each value reads in the source exactly as the host receives it.
consteval void CheckValue(std::u16string_view value) {
  for (char16_t c : value) {
    if (c == u'<' || c == u'&' || c == u'"') AttributeValueNeedsEscaping();
    if (c < u' ') AttributeValueHoldsControlCharacter();
  }
}

}  // namespace detail

// One or more attributes, each written as ` name="value"`. A type of its own, so that
// attributes cannot be mistaken for an element's children.
template <std::size_t N>
struct AttributeList {
  FixedText<N> text;
};

template <TextPart Name, TextPart Value>
consteval auto Attr(const Name& name, const Value& value) {
  detail::CheckName(ribbon::detail::ViewOf(name));
  detail::CheckValue(ribbon::detail::ViewOf(value));
  return AttributeList<ribbon::detail::kTextLength<Name> + ribbon::detail::kTextLength<Value> + 4>{
      Concat(u" ", name, u"=\"", value, u"\"")};
}

// The attributes in the order given.
template <std::size_t... Ns>
consteval auto Attributes(const AttributeList<Ns>&... lists) {
  return AttributeList<(Ns + ... + 0)>{Concat(lists.text...)};
}

// `<name attributes>children</name>`, or `<name attributes/>` when there are no children.
template <TextPart Name, std::size_t A, TextPart... Children>
consteval auto Element(const Name& name, const AttributeList<A>& attributes,
                       const Children&... children) {
  detail::CheckName(ribbon::detail::ViewOf(name));
  if constexpr ((ribbon::detail::kTextLength<Children> + ... + 0) == 0) {
    return Concat(u"<", name, attributes.text, u"/>");
  } else {
    return Concat(u"<", name, attributes.text, u">", children..., u"</", name, u">");
  }
}

// An element with no attributes.
template <TextPart Name, TextPart... Children>
consteval auto Element(const Name& name, const Children&... children) {
  return Element(name, Attributes(), children...);
}

}  // namespace zorvane::ribbon::markup
