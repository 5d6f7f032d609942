#include "fake_markup.h"

#include "fake_identity.h"

namespace standin_fake {
namespace {

constexpr std::wstring_view kNamespace = L"http://schemas.microsoft.com/office/2006/01/customui";

std::wstring Escaped(std::wstring_view text) {
  std::wstring out;
  for (wchar_t c : text) {
    switch (c) {
      case L'&': out += L"&amp;"; break;
      case L'<': out += L"&lt;"; break;
      case L'>': out += L"&gt;"; break;
      case L'"': out += L"&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

std::wstring RibbonDocument(std::wstring_view mode) {
  if (mode == mode::kBadXml) return L"<customUI xmlns=\"" + std::wstring(kNamespace) + L"\"><ribbon><tabs>";
  const std::wstring ns = mode == mode::kWrongNamespace ? L"http://schemas.microsoft.com/office/2009/07/customui"
                                                        : std::wstring(kNamespace);
  const std::wstring visible = mode == mode::kUnknownCallback ? L"NoSuchCallback" : L"FakeVisible";
  return L"<customUI xmlns=\"" + ns + L"\" onLoad=\"FakeLoad\"><ribbon><tabs>"
         L"<tab idMso=\"TabReview\" getVisible=\"" + visible + L"\"/>"
         L"<tab id=\"fakeTab\" label=\"Fake\" insertAfterMso=\"TabHome\">"
         L"<group id=\"fakeGroup\" label=\"Probe\"><box id=\"fakeBox\">"
         L"<dynamicMenu id=\"fakeMenu\" label=\"Probe\" tag=\"probe\" getContent=\"FakeContent\"/>"
         L"<labelControl id=\"fakeGap\" label=\"  \"/>"
         L"<buttonGroup id=\"fakeButtons\"><control idMso=\"Copy\" showLabel=\"false\"/>"
         L"<control idMso=\"Paste\" showLabel=\"false\"/></buttonGroup>"
         L"<menu id=\"fakeStatic\" label=\"Static\"><control idMso=\"Cut\"/></menu>"
         L"</box></group></tab></tabs></ribbon></customUI>";
}

std::wstring ProbeMenu(std::wstring_view argumentKind, std::wstring_view id, std::wstring_view tag,
                       std::wstring_view hostWindow) {
  return L"<menu xmlns=\"" + std::wstring(kNamespace) + L"\">"
         L"<button id=\"fakeArgument\" label=\"" + Escaped(argumentKind) + L" Id=" + Escaped(id) + L" Tag=" +
         Escaped(tag) + L"\"/>"
         L"<button id=\"fakeHost\" label=\"host window: " + Escaped(hostWindow) + L"\"/>"
         L"<menuSeparator id=\"fakeSeparator\"/>"
         L"<menu id=\"fakeSub\" label=\"Sub\"><button idMso=\"FileSave\"/></menu>"
         L"<button id=\"fakeClick\" label=\"Press\" onAction=\"FakeAction\"/>"
         L"</menu>";
}

}  // namespace standin_fake
