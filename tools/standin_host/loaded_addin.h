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
  // Loaded into `host`, whose application it gets and whose ribbon it is asked for.
  LoadedAddin(AddinEntry entry, const HostDescription& host, Report& report, ArgumentPassing passing,
              const LanguageAnswer& language = {}, std::optional<OfficeRelease> release = {});
  LoadedAddin(const LoadedAddin&) = delete;
  LoadedAddin& operator=(const LoadedAddin&) = delete;
  ~LoadedAddin() override;

  // Creates the object and connects it (OnConnection, OnStartupComplete). False when it
  // is not connected; the reason is reported.
  bool Connect();
  // Asks for the ribbon document, checks it, binds its callbacks and calls onLoad.
  void LoadRibbon();
  void BeginShutdown();
  // OnDisconnection, then releases the add-in and checks that it let go of the
  // application object.
  void Disconnect();

  bool connected() const noexcept { return connected_; }
  const std::wstring& documentXml() const noexcept { return documentXml_; }
  // Invalidate and InvalidateControl calls so far.
  unsigned ribbonGeneration() const noexcept { return ribbon_ ? ribbon_->generation() : 0; }

  // Presses `button` (an element with onAction) as the host does on a click: the control
  // goes by reference. Returns the callback's status.
  HRESULT Click(const XmlElement& button);

  const std::wstring& progId() const override { return entry_.progId; }
  const XmlElement* document() const override { return document_ ? &*document_ : nullptr; }
  bool IsVisible(const XmlElement& element) override;
  const MenuContent& OpenMenu(const XmlElement& element) override;

 private:
  struct OpenedMenu {
    MenuContent content;
    std::optional<XmlElement> tree;
  };

  bool CreateObject();
  void ResolveCallbacks(const XmlElement& root);
  // After Invalidate the host asks again: cached answers are dropped (menus are kept
  // alive, as the views may still hold them).
  void ForgetAnswersIfInvalidated();
  bool ReadContent(const XmlElement& element, const std::wstring& callback, OpenedMenu& menu);

  AddinEntry entry_;
  const HostDescription& host_;
  Report& report_;
  ArgumentPassing passing_;
  Microsoft::WRL::ComPtr<StandInApplication> application_;
  bool answersVersion_ = false;
  Microsoft::WRL::ComPtr<IUnknown> object_;
  Microsoft::WRL::ComPtr<_IDTExtensibility2> extensibility_;
  std::optional<CallbackCaller> callbacks_;
  Microsoft::WRL::ComPtr<StandInRibbon> ribbon_;
  std::wstring documentXml_;
  std::optional<XmlElement> document_;
  std::map<const XmlElement*, bool> visibility_;
  std::map<const XmlElement*, std::unique_ptr<OpenedMenu>> menus_;
  std::vector<std::unique_ptr<OpenedMenu>> staleMenus_;
  unsigned seenGeneration_ = 0;
  bool connected_ = false;
};

}  // namespace zorvane::standin
