// _Connect's dispatch: the host binds every ribbon callback by name through it. Written by
// hand rather than from the type library, so binding works whether or not an Office type
// library is registered on the machine.
#include <wrl/client.h>

#include <array>
#include <optional>
#include <string_view>

#include "addin/bstr.h"
#include "addin/com_util.h"
#include "addin/control_properties.h"
#include "addin/connect.h"
#include "addin/dispatch_arguments.h"
#include "addin/dispatch_ids.h"
#include "addin/module.h"
#include "ribbon/menu_contents.h"
#include "ribbon/ribbon_names.h"
#include "ribbon/ribbon_windows.h"
#include "ribbon/visibility.h"
#include "settings/display_settings.h"

namespace zorvane::addin {
namespace {

struct Member {
  const char16_t* name;
  DISPID id;
  UINT argumentCount;
  bool hasResult;
};

constexpr std::array<Member, 6> kMembers{{
    {ribbon::callback::kAboutMenu, DISPID_CONNECT_ABOUTMENU, 1, false},
    {ribbon::callback::kCustomMenu, DISPID_CONNECT_CUSTOMMENU, 1, false},
    {ribbon::callback::kGetRibbonXml, DISPID_CONNECT_GETRIBBONXML, 0, true},
    {ribbon::callback::kOnLoad, DISPID_CONNECT_ONLOAD, 1, false},
    {ribbon::callback::kGetVisible, DISPID_CONNECT_GETVISIBLE, 1, true},
    {ribbon::callback::kGetContent, DISPID_CONNECT_GETCONTENT, 1, true},
}};

constexpr bool ConsecutiveIds() {
  for (std::size_t i = 0; i < kMembers.size(); ++i) {
    if (kMembers[i].id != kMembers.front().id + static_cast<DISPID>(i)) return false;
  }
  return true;
}
static_assert(ConsecutiveIds(), "FindMember indexes the table by DISPID");

// The members' DISPIDs are consecutive, in table order: the lookup is an index.
const Member* FindMember(DISPID id) noexcept {
  // Unsigned arithmetic: any DISPID, however far below the first, maps past the end.
  const auto index = static_cast<std::size_t>(static_cast<unsigned long>(id) -
                                              static_cast<unsigned long>(kMembers.front().id));
  return index < kMembers.size() ? &kMembers[index] : nullptr;
}

// OLE Automation binds names without regard to case.
const Member* FindMember(const OLECHAR* name) noexcept {
  for (const Member& member : kMembers) {
    if (CompareStringOrdinal(name, -1, reinterpret_cast<const wchar_t*>(member.name), -1, TRUE) == CSTR_EQUAL) {
      return &member;
    }
  }
  return nullptr;
}

template <typename Interface>
HRESULT QueryArgument(IUnknown* object, Interface** typed, REFIID iid) noexcept {
  *typed = nullptr;
  if (object == nullptr) return S_OK;
  return object->QueryInterface(iid, reinterpret_cast<void**>(typed));
}

// IDispatch names the argument at fault in a type mismatch by its index in rgvarg. Every
// member takes one argument at most, so it is always rgvarg[0]: the control or the ribbon,
// or the object whose Id or Tag is not text.
HRESULT WithArgumentAtFault(HRESULT hr, UINT* argumentError) noexcept {
  if (hr == DISP_E_TYPEMISMATCH && argumentError != nullptr) *argumentError = 0;
  return hr;
}

}  // namespace

// The callbacks' bodies stand here, beside the dispatch that calls them on every request,
// so that they are built into it.
HRESULT Connect::VisibilityOf(IDispatch* control, VARIANT_BOOL* visible) noexcept {
  if (visible == nullptr) return E_POINTER;
  *visible = VARIANT_FALSE;
  UniqueBstr id;
  ZV_RETURN_IF_FAILED(ReadControlProperty(control, ControlProperty::Id, id));
  *visible = ribbon::ControlVisibility(host_.host, TextOf(id.get()), settings::DisplaySettingsOf(host_.host));
  return S_OK;
}

HRESULT Connect::ContentOf(IDispatch* control, BSTR* content) noexcept {
  if (content == nullptr) return E_POINTER;
  *content = nullptr;
  Microsoft::WRL::ComPtr<IDispatch> keep(control);  // held for the whole call
  // A host of several ribbons has one tag in each window: the menu's id tells the window.
  std::optional<settings::RibbonWindow> window = settings::RibbonWindow::kMain;
  if (ribbon::RibbonCount(host_.host) > 1) {
    UniqueBstr id;
    ZV_RETURN_IF_FAILED(ReadControlProperty(keep.Get(), ControlProperty::Id, id));
    window = ribbon::WindowOfMenu(host_.host, TextOf(id.get()));
    if (!window) return CopyToBstr({}, content);
  }
  UniqueBstr tag;
  ZV_RETURN_IF_FAILED(ReadControlProperty(keep.Get(), ControlProperty::Tag, tag));
  return CopyToBstr(ribbon::MenuContent(host_.host, TextOf(tag.get()), language_, *window), content);
}

HRESULT Connect::GetTypeInfoCount(UINT* count) noexcept {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT Connect::GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  HeapWideString path;
  ZV_RETURN_IF_FAILED(ModulePath(path));
  Microsoft::WRL::ComPtr<ITypeLib> library;
  ZV_RETURN_IF_FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library));
  return library->GetTypeInfoOfGuid(IID__Connect, info);
}

HRESULT Connect::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept {
  if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (count == 0) return S_OK;
  if (names == nullptr || ids == nullptr) return E_POINTER;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  if (names[0] == nullptr) return E_POINTER;
  const Member* member = FindMember(names[0]);
  if (member == nullptr) return DISP_E_UNKNOWNNAME;
  ids[0] = member->id;
  // Arguments are passed by position only; named ones are not offered.
  return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

// Built into Invoke, its only caller: one call less on every callback.
[[gnu::always_inline]] inline HRESULT Connect::InvokeMember(DISPID id, WORD flags, const DISPPARAMS& params, VARIANT* result,
                              UINT* argumentError) noexcept {
  const Member* member = FindMember(id);
  if (member == nullptr) return DISP_E_MEMBERNOTFOUND;
  // Members are methods; a caller may also read one with a result as a property, as
  // Automation clients do for [retval] methods.
  const bool asMethod = (flags & DISPATCH_METHOD) != 0;
  const bool asGet = (flags & DISPATCH_PROPERTYGET) != 0 && member->hasResult;
  if (!asMethod && !asGet) return DISP_E_MEMBERNOTFOUND;
  if (params.cNamedArgs != 0) return DISP_E_NONAMEDARGS;
  if (params.cArgs != member->argumentCount) return DISP_E_BADPARAMCOUNT;
  if (params.cArgs != 0 && params.rgvarg == nullptr) return E_POINTER;
  if (result != nullptr) V_VT(result) = VT_EMPTY;  // what VariantInit does, without the call

  IUnknown* argument = nullptr;
  IDispatch* dispatchArgument = nullptr;
  if (member->argumentCount == 1) {
    ZV_RETURN_IF_FAILED(
        WithArgumentAtFault(ObjectArgument(params.rgvarg[0], &argument, &dispatchArgument), argumentError));
  }

  switch (id) {
    case DISPID_CONNECT_ABOUTMENU:
    case DISPID_CONNECT_CUSTOMMENU: {
      // The clicked control is not read, so any object (or none) will do.
      IRibbonControl* control = nullptr;
      return id == DISPID_CONNECT_ABOUTMENU ? AboutMenu(&control) : CustomMenu(&control);
    }
    case DISPID_CONNECT_GETRIBBONXML: {
      BSTR xml = nullptr;
      ZV_RETURN_IF_FAILED(GetRibbonXML(&xml));
      if (result == nullptr) {
        SysFreeString(xml);
      } else {
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = xml;
      }
      return S_OK;
    }
    case DISPID_CONNECT_ONLOAD: {
      Microsoft::WRL::ComPtr<IRibbonUI> ribbon;
      if (FAILED(QueryArgument(argument, ribbon.GetAddressOf(), IID_IRibbonUI))) {
        return WithArgumentAtFault(DISP_E_TYPEMISMATCH, argumentError);
      }
      IRibbonUI* raw = ribbon.Get();
      return rxcustomUI_onLoad(&raw);
    }
    case DISPID_CONNECT_GETVISIBLE:
    case DISPID_CONNECT_GETCONTENT: {
      // The host's own reference keeps the control alive for the call; only an object
      // passed as IUnknown needs a query (and a reference of ours).
      Microsoft::WRL::ComPtr<IDispatch> queried;
      IDispatch* control = dispatchArgument;
      if (control == nullptr && argument != nullptr) {
        if (FAILED(QueryArgument(argument, queried.GetAddressOf(), IID_IDispatch))) {
          return WithArgumentAtFault(DISP_E_TYPEMISMATCH, argumentError);
        }
        control = queried.Get();
      }
      if (id == DISPID_CONNECT_GETVISIBLE) {
        VARIANT_BOOL visible = VARIANT_FALSE;
        const HRESULT hr = VisibilityOf(control, &visible);
        if (result != nullptr) {
          V_VT(result) = VT_BOOL;
          V_BOOL(result) = visible;
        }
        return WithArgumentAtFault(hr, argumentError);
      }
      BSTR content = nullptr;
      ZV_RETURN_IF_FAILED(WithArgumentAtFault(ContentOf(control, &content), argumentError));
      if (result == nullptr) {
        SysFreeString(content);
      } else {
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = content;
      }
      return S_OK;
    }
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT Connect::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO*, UINT* argumentError) noexcept {
  if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (params == nullptr) return E_POINTER;
  return InvokeMember(id, flags, *params, result, argumentError);
}

}  // namespace zorvane::addin
