#include "fake_ui.h"

#include "custom_ui.h"
#include "xml_parser.h"

using namespace zorvane::standin;

namespace standin_test {

FakeUi::FakeUi(std::wstring progId, const std::wstring& documentXml)
    : progId_(std::move(progId)), document_(ParseXml(documentXml).root) {}

bool FakeUi::IsVisible(const XmlElement& element) {
  if (const std::optional<bool> fixed = StaticVisibility(element)) return *fixed;
  ++visibilityQuestions_;
  const auto answer = visible_.find(ControlId(element));
  return answer == visible_.end() || answer->second;
}

const MenuContent& FakeUi::OpenMenu(const XmlElement& element) {
  if (const auto found = opened_.find(&element); found != opened_.end()) return found->second->content;
  ++menusOpened_;
  auto opened = std::make_unique<Opened>();
  opened->content.answered = true;
  if (const auto xml = menus_.find(element.AttributeOr(L"tag")); xml != menus_.end() && !xml->second.empty()) {
    opened->content.xml = xml->second;
    opened->tree = ParseXml(xml->second).root;
    if (opened->tree && CheckMenuContent(*opened->tree).empty()) {
      opened->content.root = &*opened->tree;
    } else {
      opened->content.answered = false;
    }
  }
  return opened_.emplace(&element, std::move(opened)).first->second->content;
}

}  // namespace standin_test
