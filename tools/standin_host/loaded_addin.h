// One add-in as the host loads it at start-up: created from its ProgID, connected through
// _IDTExtensibility2, its ribbon document asked for and its callbacks bound by name.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "addin_designer.h"
#include "addin_list.h"
#include "addin_ui.h"
#include "callback_caller.h"
#include "report.h"
#include "host_objects.h"
#include "options.h"
#include "xml_element.h"

namespace zorvane::standin {

class LoadedAddin final : public AddinUi {
 public:
  // Loaded into `host`, whose application it gets and whose ribbons it is asked for.
  LoadedAddin(AddinEntry entry, const HostDescription& host, Report& report, ArgumentPassing passing,
              const LanguageAnswer& language = {}, std::optional<OfficeRelease> release = {});
  LoadedAddin(const LoadedAddin&) = delete;
  LoadedAddin& operator=(const LoadedAddin&) = delete;
  ~LoadedAddin() override;

  // Creates the object and connects it (OnConnection, OnStartupComplete). False when it
  // is not connected; the reason is reported.
  bool Connect();
  // Asks for the document of `ribbon` (a window of the host), checks it, binds its callbacks
  // and calls onLoad with a ribbon object of the window's own; the add-in's view is of this
  // ribbon from now on.
  void LoadRibbon(const HostRibbon& ribbon);
  // The add-in's view (document, visibility, menus) is of `ribbon`, loaded before; of nothing
  // when it was not.
  void Show(const HostRibbon& ribbon) noexcept;
  void BeginShutdown();
  // OnDisconnection, then releases the add-in and checks that it let go of the
  // application object.
  void Disconnect();

  bool connected() const noexcept { return connected_; }
  // The document of the ribbon shown, as returned; and whether the add-in answered the empty
  // text for it (no customization of that ribbon).
  const std::wstring& documentXml() const noexcept;
  bool answeredNoDocument() const noexcept { return shown_ != nullptr && shown_->answeredEmpty; }
  // Invalidate and InvalidateControl calls so far on the ribbon object of `ribbon`.
  unsigned ribbonGeneration(const HostRibbon& ribbon) const noexcept;

  // Presses `button` (an element with onAction) as the host does on a click: the control
  // goes by reference. Returns the callback's status.
  HRESULT Click(const XmlElement& button);

  const std::wstring& progId() const override { return entry_.progId; }
  const XmlElement* document() const override {
    return shown_ != nullptr && shown_->document ? &*shown_->document : nullptr;
  }
  bool IsVisible(const XmlElement& element) override;
  const MenuContent& OpenMenu(const XmlElement& element) override;

 private:
  struct OpenedMenu {
    MenuContent content;
    std::optional<XmlElement> tree;
  };
  // One ribbon loaded: its document, the ribbon object onLoad got, the answers given for it.
  struct LoadedRibbon {
    const HostRibbon* ribbon = nullptr;
    std::wstring documentXml;
    bool answeredEmpty = false;
    std::optional<XmlElement> document;
    Microsoft::WRL::ComPtr<StandInRibbon> ui;
    std::map<const XmlElement*, bool> visibility;
    std::map<const XmlElement*, std::unique_ptr<OpenedMenu>> menus;
    std::vector<std::unique_ptr<OpenedMenu>> staleMenus;
    unsigned seenGeneration = 0;
  };

  bool CreateObject();
  void ResolveCallbacks(const XmlElement& root);
  // After Invalidate the host asks again: cached answers are dropped (menus are kept
  // alive, as the views may still hold them).
  void ForgetAnswersIfInvalidated(LoadedRibbon& ribbon);
  bool ReadContent(const XmlElement& element, const std::wstring& callback, OpenedMenu& menu);
  const LoadedRibbon* Find(const HostRibbon& ribbon) const noexcept;

  AddinEntry entry_;
  const HostDescription& host_;
  Report& report_;
  ArgumentPassing passing_;
  Microsoft::WRL::ComPtr<StandInApplication> application_;
  bool answersVersion_ = false;
  Microsoft::WRL::ComPtr<IUnknown> object_;
  Microsoft::WRL::ComPtr<_IDTExtensibility2> extensibility_;
  std::optional<CallbackCaller> callbacks_;
  std::vector<std::unique_ptr<LoadedRibbon>> ribbons_;
  LoadedRibbon* shown_ = nullptr;
  bool connected_ = false;
};

}  // namespace zorvane::standin
