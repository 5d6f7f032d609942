// Parses markup with MSXML (through COM; Wine ships it too), as the host does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "xml_element.h"

namespace zorvane::standin {

struct XmlParseResult {
  std::optional<XmlElement> root;
  std::wstring error;  // when there is no root: the parser's reason, with line and column
  bool parserMissing = false;  // MSXML itself could not be created: no fault of the text
};

// Needs COM initialized on the calling thread. Whitespace between elements, comments and
// processing instructions are dropped; attribute values are kept exactly.
XmlParseResult ParseXml(std::wstring_view text);

}  // namespace zorvane::standin
