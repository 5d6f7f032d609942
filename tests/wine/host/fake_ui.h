// An add-in's side of the views without COM: a parsed document, visibility answers by
// control id and menu contents by tag, with the questions counted.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "addin_ui.h"
#include "xml_element.h"

namespace standin_test {

class FakeUi final : public zorvane::standin::AddinUi {
 public:
  // Parses `documentXml` with the host's parser; document() is null if that fails.
  FakeUi(std::wstring progId, const std::wstring& documentXml);

  void SetVisible(const std::wstring& id, bool visible) { visible_[id] = visible; }
  void SetMenu(const std::wstring& tag, std::wstring xml) { menus_[tag] = std::move(xml); }

  int visibilityQuestions() const noexcept { return visibilityQuestions_; }
  int menusOpened() const noexcept { return menusOpened_; }

  const std::wstring& progId() const override { return progId_; }
  const zorvane::standin::XmlElement* document() const override { return document_ ? &*document_ : nullptr; }
  bool IsVisible(const zorvane::standin::XmlElement& element) override;
  const zorvane::standin::MenuContent& OpenMenu(const zorvane::standin::XmlElement& element) override;

 private:
  struct Opened {
    zorvane::standin::MenuContent content;
    std::optional<zorvane::standin::XmlElement> tree;
  };

  std::wstring progId_;
  std::optional<zorvane::standin::XmlElement> document_;
  std::map<std::wstring, bool> visible_;
  std::map<std::wstring, std::wstring> menus_;
  std::map<const zorvane::standin::XmlElement*, std::unique_ptr<Opened>> opened_;
  int visibilityQuestions_ = 0;
  int menusOpened_ = 0;
};

}  // namespace standin_test
