#include "host_objects.h"

#include <cwctype>
#include <new>

#include "common/unique_variant.h"

namespace zorvane::standin {
namespace {

constexpr DISPID kName = 1;
constexpr DISPID kProgId = 2;
constexpr DISPID kDescription = 3;
constexpr DISPID kConnect = 4;
constexpr DISPID kInvalidate = 5;
constexpr DISPID kInvalidateControl = 6;
constexpr DISPID kId = 7;
constexpr DISPID kContext = 8;
constexpr DISPID kTag = 9;
constexpr DISPID kLanguageSettings = 10;
constexpr DISPID kLanguageId = 11;
constexpr DISPID kVersion = 12;
constexpr DISPID kBuild = 13;
constexpr LONG kMsoLanguageIdUi = 2;

constexpr DispatchMember kLanguageSettingsMembers[] = {{L"LanguageID", kLanguageId}};
constexpr DispatchMember kInstanceMembers[] = {
    {L"ProgId", kProgId}, {L"Description", kDescription}, {L"Connect", kConnect}};
constexpr DispatchMember kRibbonMembers[] = {{L"Invalidate", kInvalidate},
                                             {L"InvalidateControl", kInvalidateControl}};
constexpr DispatchMember kControlMembers[] = {{L"Id", kId}, {L"Context", kContext}, {L"Tag", kTag}};

HRESULT CopyString(const std::wstring& text, BSTR* out) noexcept {
  if (out == nullptr) return E_POINTER;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReturnValue(VARTYPE type, VARIANT* result) noexcept {
  if (result != nullptr) {
    VariantInit(result);
    V_VT(result) = type;
    if (type == VT_BOOL) V_BOOL(result) = VARIANT_TRUE;
    if (type == VT_DISPATCH) V_DISPATCH(result) = nullptr;
  }
  return S_OK;
}

}  // namespace

bool SameMemberName(std::wstring_view a, const wchar_t* b) noexcept {
  if (b == nullptr) return false;
  std::size_t i = 0;
  for (; i < a.size(); ++i) {
    if (b[i] == L'\0' || std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return b[i] == L'\0';
}

HRESULT ReturnString(std::wstring_view text, VARIANT* result) noexcept {
  if (result == nullptr) return S_OK;
  VariantInit(result);
  BSTR copy = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  if (copy == nullptr) return E_OUTOFMEMORY;
  V_VT(result) = VT_BSTR;
  V_BSTR(result) = copy;
  return S_OK;
}

std::span<const DispatchMember> StandInApplication::Members() const noexcept {
  return std::span(members_).first(memberCount_);
}

// Only the members the application was told to have: an add-in that asks for another learns
// that this application has none, as an older one would answer.
void StandInApplication::UpdateMembers() noexcept {
  memberCount_ = 0;
  members_[memberCount_++] = {L"Name", kName};
  if (languageSettings_) members_[memberCount_++] = {L"LanguageSettings", kLanguageSettings};
  if (version_) members_[memberCount_++] = {L"Version", kVersion};
  if (version_ && build_ && host_->answersBuild()) members_[memberCount_++] = {L"Build", kBuild};
}

HRESULT StandInApplication::InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept {
  if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  if (id == kName) return ReturnString(host_->applicationName, result);
  if (id == kVersion && version_) {
    Bump(versionReads_);
    if (params.cArgs != 0) return DISP_E_BADPARAMCOUNT;
    return ReturnString(*version_, result);
  }
  if (id == kBuild && version_ && build_ && host_->answersBuild()) {
    Bump(buildReads_);
    if (params.cArgs != 0) return DISP_E_BADPARAMCOUNT;
    if (host_->buildForm == BuildForm::kNumber) {
      if (result != nullptr) {
        VariantInit(result);
        V_VT(result) = VT_I4;
        V_I4(result) = static_cast<LONG>(*build_);
      }
      return S_OK;
    }
    try {
      const std::wstring digits = std::to_wstring(*build_);
      // Word's text ends with a revision, which tells nothing of the tabs.
      return ReturnString(host_->buildForm == BuildForm::kVersionText ? *version_ + L"." + digits + L".1000" : digits,
                          result);
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
  }
  if (id == kLanguageSettings && languageSettings_) {
    if (result != nullptr) {
      VariantInit(result);
      V_VT(result) = VT_DISPATCH;
      V_DISPATCH(result) = languageSettings_.Get();
      languageSettings_->AddRef();  // the caller's, released when it clears the result
    }
    return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}

std::span<const DispatchMember> StandInLanguageSettings::Members() const noexcept { return kLanguageSettingsMembers; }

HRESULT StandInLanguageSettings::InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params,
                                              VARIANT* result) noexcept {
  if (id != kLanguageId || !(flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD))) return DISP_E_MEMBERNOTFOUND;
  Bump(languageIdReads_);
  if (params.cArgs != 1) return DISP_E_BADPARAMCOUNT;
  UniqueVariant which;
  if (FAILED(VariantChangeType(which.get(), &params.rgvarg[0], 0, VT_I4))) return DISP_E_TYPEMISMATCH;
  if (V_I4(which.get()) != kMsoLanguageIdUi) return E_INVALIDARG;  // only the one the add-in asks
  if (FAILED(result_)) return result_;
  if (result != nullptr) {
    VariantInit(result);
    V_VT(result) = VT_I4;
    V_I4(result) = lcid_;
  }
  return S_OK;
}

std::span<const DispatchMember> StandInAddInInstance::Members() const noexcept { return kInstanceMembers; }

HRESULT StandInAddInInstance::InvokeMember(DISPID id, WORD flags, const DISPPARAMS&, VARIANT* result) noexcept {
  if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  switch (id) {
    case kProgId:
      return ReturnString(progId_, result);
    case kDescription:
      return ReturnString(description_, result);
    case kConnect:
      return ReturnValue(VT_BOOL, result);
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT StandInRibbon::Invalidate() noexcept {
  Bump(invalidations_);
  return invalidateResult;
}

HRESULT StandInRibbon::InvalidateControl(BSTR controlId) noexcept {
  try {
    invalidatedControls_.emplace_back(controlId ? controlId : L"", SysStringLen(controlId));
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

std::span<const DispatchMember> StandInRibbon::Members() const noexcept { return kRibbonMembers; }

HRESULT StandInRibbon::InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT*) noexcept {
  if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  if (id == kInvalidate) {
    if (params.cArgs != 0) return DISP_E_BADPARAMCOUNT;
    return Invalidate();
  }
  if (id == kInvalidateControl) {
    if (params.cArgs != 1) return DISP_E_BADPARAMCOUNT;
    UniqueVariant text;
    if (FAILED(VariantChangeType(text.get(), &params.rgvarg[0], 0, VT_BSTR))) return DISP_E_TYPEMISMATCH;
    return InvalidateControl(V_BSTR(text.get()));
  }
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT StandInControl::get_Id(BSTR* id) noexcept {
  Bump(idReads_);
  if (FAILED(idResult)) return idResult;
  return CopyString(id_, id);
}

HRESULT StandInControl::get_Context(IDispatch** context) noexcept {
  if (context == nullptr) return E_POINTER;
  *context = nullptr;
  return S_OK;
}

HRESULT StandInControl::get_Tag(BSTR* tag) noexcept {
  Bump(tagReads_);
  if (FAILED(tagResult)) return tagResult;
  return CopyString(tag_, tag);
}

std::span<const DispatchMember> StandInControl::Members() const noexcept { return kControlMembers; }

HRESULT StandInControl::InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result) noexcept {
  if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  if (params.cArgs != 0) return DISP_E_BADPARAMCOUNT;
  switch (id) {
    case kId:
      Bump(idReads_);
      return FAILED(idResult) ? idResult : ReturnString(id_, result);
    case kTag:
      Bump(tagReads_);
      return FAILED(tagResult) ? tagResult : ReturnString(tag_, result);
    case kContext:
      return ReturnValue(VT_DISPATCH, result);
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace zorvane::standin
