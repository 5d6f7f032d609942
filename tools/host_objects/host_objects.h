// The host's own COM objects, as the stand-in host hands them to an add-in and the tests and
// benchmarks hand them to Zorvane: the application, the add-in's instance object, the ribbon
// and its controls. Each counts the references held on it and records the calls it received;
// Id, Tag and Invalidate can be told to fail.
//
// An object made with Create() lives as long as references are held on it. One constructed
// directly (on a test's stack) is never deleted by Release, so a test can still read its
// counts after an add-in has released too often.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <wrl/client.h>

#include <array>
#include <atomic>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host_description.h"
#include "office.h"
#include "powerpoint.h"

namespace zorvane::standin {

struct DispatchMember {
  std::wstring_view name;
  DISPID id;
};

// Automation matches member names without regard to case.
bool SameMemberName(std::wstring_view a, const wchar_t* b) noexcept;

// The objects are called on one thread, their apartment's; tests may read the counts from
// another. One writer needs no locked instruction: a plain load and store keep each read whole.
template <typename T>
T Bump(std::atomic<T>& count, T by = 1) noexcept {
  const T value = count.load(std::memory_order_relaxed) + by;
  count.store(value, std::memory_order_relaxed);
  return value;
}

// Returns `text` as a new BSTR in `result` (when the caller wants one).
HRESULT ReturnString(std::wstring_view text, VARIANT* result) noexcept;

// Reference counting, QueryInterface and late binding by name for one dual interface.
template <typename Interface>
class DispatchObject : public Interface {
 public:
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;
  virtual ~DispatchObject() = default;

  // All references, the creator's included; outstanding() leaves the creator's out.
  ULONG references() const noexcept { return references_.load(); }
  long outstanding() const noexcept { return static_cast<long>(references_.load()) - 1; }
  // Late-bound calls received (GetIDsOfNames and Invoke).
  int calls() const noexcept { return calls_.load(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
    if (out == nullptr) return E_POINTER;
    // The add-in asks on every callback: the inline comparison, no call into the C runtime.
    if ((InlineIsEqualGUID(iid, interfaceId_) && answersInterface_) || InlineIsEqualGUID(iid, IID_IDispatch) ||
        InlineIsEqualGUID(iid, IID_IUnknown)) {
      *out = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return Bump(references_); }
  ULONG STDMETHODCALLTYPE Release() noexcept override {
    const ULONG left = Bump(references_, ~ULONG{0});
    if (left == 0 && ownedByReferences_) delete this;
    return left;
  }

  // No type information: callers bind by name through GetIDsOfNames.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) noexcept override {
    if (info != nullptr) *info = nullptr;
    return DISP_E_BADINDEX;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) noexcept override {
    Bump(calls_);
    if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    for (const DispatchMember& member : Members()) {
      if (SameMemberName(member.name, names[0])) ids[0] = member.id;
    }
    // Named arguments are not supported.
    for (UINT i = 0; i < count; ++i) {
      if (ids[i] == DISPID_UNKNOWN) return DISP_E_UNKNOWNNAME;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) noexcept override {
    Bump(calls_);
    if (params == nullptr) return E_INVALIDARG;
    if (params->cNamedArgs != 0 && !(flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))) {
      return DISP_E_NONAMEDARGS;
    }
    return InvokeMember(id, flags, *params, result);
  }

 protected:
  DispatchObject() noexcept = default;

  virtual std::span<const DispatchMember> Members() const noexcept = 0;
  virtual HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept = 0;

  template <typename T, typename... Arguments>
  static Microsoft::WRL::ComPtr<T> Make(Arguments&&... arguments) {
    T* object = new T(std::forward<Arguments>(arguments)...);
    static_cast<DispatchObject*>(object)->ownedByReferences_ = true;
    // Takes over the creator's reference (MinGW's ComPtr::Attach would add one of its own).
    Microsoft::WRL::ComPtr<T> owner;
    *owner.GetAddressOf() = object;
    return owner;
  }

  bool answersInterface_ = true;
  IID interfaceId_ = __uuidof(Interface);  // the interface the object answers to beside IDispatch

 private:
  std::atomic<ULONG> references_{1};  // the creator's
  std::atomic<int> calls_{0};
  bool ownedByReferences_ = false;
};

// The application's LanguageSettings: LanguageID(msoLanguageIDUI = 2) answers the LCID it was
// made with, or fails with `result`. Any other argument is refused.
class StandInLanguageSettings final : public DispatchObject<IDispatch> {
 public:
  StandInLanguageSettings(LONG lcid, HRESULT result) noexcept : lcid_(lcid), result_(result) {}
  static Microsoft::WRL::ComPtr<StandInLanguageSettings> Create(LONG lcid, HRESULT result) {
    return Make<StandInLanguageSettings>(lcid, result);
  }

  // Calls of LanguageID, refused ones included.
  int languageIdReads() const noexcept { return languageIdReads_.load(); }

 private:
  std::span<const DispatchMember> Members() const noexcept override;
  HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept override;

  LONG lcid_;
  HRESULT result_;
  std::atomic<int> languageIdReads_{0};
};

// A host's application object (PowerPoint's unless told): held by add-ins, which may ask it for
// its language and its version. It answers to its host's _Application, or only to IDispatch when
// it is told it is not PowerPoint. Without AnswerLanguage or FailLanguage it has no
// LanguageSettings member at all, as an application older than that property; without
// AnswerVersion no Version and no Build member.
class StandInApplication final : public DispatchObject<_Application> {
 public:
  explicit StandInApplication(bool isPowerPoint = true) noexcept {
    answersInterface_ = isPowerPoint;
    UpdateMembers();
  }
  explicit StandInApplication(const HostDescription& host) noexcept : host_(&host) {
    interfaceId_ = host.applicationIid;
    UpdateMembers();
  }
  static Microsoft::WRL::ComPtr<StandInApplication> Create(const HostDescription& host = kDefaultHost) {
    return Make<StandInApplication>(host);
  }

  // LanguageSettings.LanguageID(2) answers `lcid` from now on.
  void AnswerLanguage(LONG lcid) {
    languageSettings_ = StandInLanguageSettings::Create(lcid, S_OK);
    UpdateMembers();
  }
  // LanguageSettings is there, but its LanguageID fails with `failure`.
  void FailLanguage(HRESULT failure) {
    languageSettings_ = StandInLanguageSettings::Create(0, failure);
    UpdateMembers();
  }
  // The object handed out as LanguageSettings; null without one.
  const StandInLanguageSettings* languageSettings() const noexcept { return languageSettings_.Get(); }

  // Version answers `version` (a text, "16.0") from now on and, given a build, Build answers it
  // in the host's own form (BuildForm); without a build, or in a host whose Version carries the
  // build, there is no Build member.
  void AnswerVersion(std::wstring version, std::optional<unsigned long> build) {
    version_ = std::move(version);
    build_ = build;
    UpdateMembers();
  }
  // The same for a release: its Version in the host's form, and its Build when it has one.
  void AnswerVersion(OfficeRelease release) {
    AnswerVersion(host_->versionText(release),
                  release.build != 0 ? std::optional(release.build) : std::nullopt);
  }
  // Reads of Version and of Build, refused ones included.
  int versionReads() const noexcept { return versionReads_.load(); }
  int buildReads() const noexcept { return buildReads_.load(); }

 private:
  std::span<const DispatchMember> Members() const noexcept override;
  HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept override;
  void UpdateMembers() noexcept;

  const HostDescription* host_ = &kDefaultHost;
  Microsoft::WRL::ComPtr<StandInLanguageSettings> languageSettings_;
  std::optional<std::wstring> version_;
  std::optional<unsigned long> build_;
  std::array<DispatchMember, 4> members_{};
  std::size_t memberCount_ = 0;
  std::atomic<int> versionReads_{0};
  std::atomic<int> buildReads_{0};
};

// The COMAddIn object of the add-in being connected: its ProgId and Description.
class StandInAddInInstance final : public DispatchObject<IDispatch> {
 public:
  StandInAddInInstance(std::wstring progId, std::wstring description)
      : progId_(std::move(progId)), description_(std::move(description)) {}
  static Microsoft::WRL::ComPtr<StandInAddInInstance> Create(std::wstring progId, std::wstring description) {
    return Make<StandInAddInInstance>(std::move(progId), std::move(description));
  }

 private:
  std::span<const DispatchMember> Members() const noexcept override;
  HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept override;

  std::wstring progId_;
  std::wstring description_;
};

// The ribbon handed to onLoad: records invalidations.
class StandInRibbon final : public DispatchObject<IRibbonUI> {
 public:
  explicit StandInRibbon(HRESULT invalidateResult = S_OK) noexcept : invalidateResult(invalidateResult) {}
  static Microsoft::WRL::ComPtr<StandInRibbon> Create() { return Make<StandInRibbon>(); }

  HRESULT STDMETHODCALLTYPE Invalidate() noexcept override;
  HRESULT STDMETHODCALLTYPE InvalidateControl(BSTR controlId) noexcept override;

  // Calls of Invalidate, failed ones included.
  int invalidations() const noexcept { return invalidations_.load(); }
  const std::vector<std::wstring>& invalidatedControls() const noexcept { return invalidatedControls_; }
  // Changes whenever either of the above does.
  unsigned generation() const noexcept {
    return static_cast<unsigned>(invalidations()) + static_cast<unsigned>(invalidatedControls_.size());
  }

  HRESULT invalidateResult;  // what Invalidate answers

 private:
  std::span<const DispatchMember> Members() const noexcept override;
  HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept override;

  std::atomic<int> invalidations_{0};
  std::vector<std::wstring> invalidatedControls_;
};

// The control passed to a callback: the element's id (or idMso) and tag. The stand-in has
// no document window to offer as the context.
class StandInControl final : public DispatchObject<IRibbonControl> {
 public:
  StandInControl(std::wstring id, std::wstring tag) : id_(std::move(id)), tag_(std::move(tag)) {}
  static Microsoft::WRL::ComPtr<StandInControl> Create(std::wstring id, std::wstring tag) {
    return Make<StandInControl>(std::move(id), std::move(tag));
  }

  HRESULT STDMETHODCALLTYPE get_Id(BSTR* id) noexcept override;
  HRESULT STDMETHODCALLTYPE get_Context(IDispatch** context) noexcept override;
  HRESULT STDMETHODCALLTYPE get_Tag(BSTR* tag) noexcept override;

  int idReads() const noexcept { return idReads_.load(); }
  int tagReads() const noexcept { return tagReads_.load(); }

  HRESULT idResult = S_OK;   // a failure here fails every read of Id, bound or late-bound
  HRESULT tagResult = S_OK;  // likewise for Tag

 private:
  std::span<const DispatchMember> Members() const noexcept override;
  HRESULT InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept override;

  std::wstring id_;
  std::wstring tag_;
  std::atomic<int> idReads_{0};
  std::atomic<int> tagReads_{0};
};

}  // namespace zorvane::standin
