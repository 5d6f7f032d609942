#include "xml_parser.h"

#include <windows.h>
#include <msxml2.h>
#include <wrl/client.h>

#include <new>

#include "bstr_text.h"
#include "hresult_text.h"
#include "common/unique_variant.h"

using Microsoft::WRL::ComPtr;

namespace zorvane::standin {
namespace {

// MSXML 6.0 first; 3.0 is the one every Windows (and Wine) has. Published class ids,
// which MinGW's import libraries lack.
constexpr CLSID kDomDocument60 = {0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
constexpr CLSID kDomDocument30 = {0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};

// Ribbon markup is a few levels deep; anything far deeper is no ribbon and could exhaust the stack.
constexpr int kMaxDepth = 200;

std::wstring Trimmed(std::wstring_view text) {
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
    text.remove_suffix(1);
  }
  return std::wstring(text);
}

std::wstring ParseErrorText(IXMLDOMDocument* document, HRESULT loadResult) {
  ComPtr<IXMLDOMParseError> error;
  if (FAILED(document->get_parseError(&error)) || !error) {
    return L"the XML parser rejected the text: " + HresultText(loadResult);
  }
  UniqueBstr reason;
  long line = 0;
  long column = 0;
  long code = 0;
  error->get_reason(reason.put());
  error->get_line(&line);
  error->get_linepos(&column);
  error->get_errorCode(&code);
  // Some parsers (Wine's among them) give no position: then none is claimed.
  std::wstring text = L"malformed XML";
  if (line > 0) text += L" at line " + std::to_wstring(line) + L", column " + std::to_wstring(column);
  const std::wstring_view why = TextOf(reason.get());
  text += L": " + (why.empty() ? std::wstring(L"rejected by the parser") : Trimmed(why));
  if (code != 0) text += L", code " + HresultText(static_cast<HRESULT>(code));
  return text;
}

bool IsNamespaceDeclaration(std::wstring_view name) {
  return name == L"xmlns" || name.starts_with(L"xmlns:");
}

// Copies one element and its element children; false with `error` set on failure.
bool Convert(IXMLDOMNode* node, XmlElement& out, int depth, std::wstring& error) {
  if (depth > kMaxDepth) {
    error = L"elements nested more than " + std::to_wstring(kMaxDepth) + L" deep";
    return false;
  }
  UniqueBstr namespaceUri;
  UniqueBstr baseName;
  node->get_namespaceURI(namespaceUri.put());
  node->get_baseName(baseName.put());
  out.namespaceUri = TextOf(namespaceUri.get());
  out.name = TextOf(baseName.get());

  ComPtr<IXMLDOMNamedNodeMap> attributes;
  long count = 0;
  if (SUCCEEDED(node->get_attributes(&attributes)) && attributes &&
      SUCCEEDED(attributes->get_length(&count))) {
    for (long i = 0; i < count; ++i) {
      ComPtr<IXMLDOMNode> attribute;
      if (FAILED(attributes->get_item(i, &attribute)) || !attribute) continue;
      UniqueBstr name;
      attribute->get_nodeName(name.put());
      if (IsNamespaceDeclaration(TextOf(name.get()))) continue;
      // nodeValue, not text: text would fold the blanks of labels such as "   ".
      UniqueVariant value;
      attribute->get_nodeValue(value.get());
      XmlAttribute copy{std::wstring(TextOf(name.get())), {}};
      if (value.type() == VT_BSTR) copy.value = TextOf(V_BSTR(&value.value()));
      out.attributes.push_back(std::move(copy));
    }
  }

  ComPtr<IXMLDOMNode> child;
  node->get_firstChild(&child);
  while (child) {
    DOMNodeType type = NODE_INVALID;
    child->get_nodeType(&type);
    if (type == NODE_ELEMENT) {
      out.children.emplace_back();
      if (!Convert(child.Get(), out.children.back(), depth + 1, error)) return false;
    }
    ComPtr<IXMLDOMNode> next;
    child->get_nextSibling(&next);
    child = std::move(next);
  }
  return true;
}

}  // namespace

XmlParseResult ParseXml(std::wstring_view text) {
  XmlParseResult result;
  try {
    ComPtr<IXMLDOMDocument> document;
    HRESULT hr = CoCreateInstance(kDomDocument60, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                  reinterpret_cast<void**>(document.GetAddressOf()));
    if (FAILED(hr)) {
      hr = CoCreateInstance(kDomDocument30, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                            reinterpret_cast<void**>(document.GetAddressOf()));
    }
    if (FAILED(hr) || !document) {
      result.parserMissing = true;
      result.error = L"no XML parser: MSXML could not be created: " + HresultText(hr);
      return result;
    }
    document->put_async(VARIANT_FALSE);
    document->put_validateOnParse(VARIANT_FALSE);
    document->put_resolveExternals(VARIANT_FALSE);

    const UniqueBstr source = NewBstr(text);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    hr = document->loadXML(source.get(), &loaded);
    if (FAILED(hr) || loaded != VARIANT_TRUE) {
      result.error = ParseErrorText(document.Get(), hr);
      return result;
    }
    ComPtr<IXMLDOMElement> rootElement;
    if (FAILED(document->get_documentElement(&rootElement)) || !rootElement) {
      result.error = L"the XML has no root element";
      return result;
    }
    XmlElement root;
    if (!Convert(rootElement.Get(), root, 0, result.error)) return result;
    result.root = std::move(root);
  } catch (const std::bad_alloc&) {
    result.root.reset();
    result.error = L"out of memory while reading the XML";
  }
  return result;
}

}  // namespace zorvane::standin
