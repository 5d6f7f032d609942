// Build tool, run under Wine: rewrites a type library so that every type also found in one of
// the given imported libraries is referenced from there instead of being copied into it.
//
// widl copies an interface that a coclass names into the library even when the interface
// comes from an importlib()ed library. Our coclass names Office's IRibbonExtensibility; a
// copy would carry Office's interface identifier in our library, and whoever registered or
// unregistered our library with the system's type library functions would then rewrite or
// delete Office's own Interface key. The rebuilt library holds only the types it defines.
//
//   typelib_import.exe <in.tlb> <out.tlb> <imported.tlb>...
#include <windows.h>
#include <ole2.h>
#include <wrl/client.h>

#include <cstdio>
#include <deque>
#include <map>
#include <vector>

namespace {

using Microsoft::WRL::ComPtr;

#define RETURN_IF_FAILED(expr)                                                    \
  do {                                                                            \
    const HRESULT hr_ = (expr);                                                   \
    if (FAILED(hr_)) {                                                            \
      std::fprintf(stderr, "typelib_import: %s failed: 0x%08lx\n", #expr, hr_);  \
      return hr_;                                                                 \
    }                                                                             \
  } while (0)

struct Bstr {
  BSTR text = nullptr;
  ~Bstr() { SysFreeString(text); }
};

GUID GuidOf(ITypeInfo* info) {
  TYPEATTR* attributes = nullptr;
  GUID guid = GUID_NULL;
  if (SUCCEEDED(info->GetTypeAttr(&attributes))) {
    guid = attributes->guid;
    info->ReleaseTypeAttr(attributes);
  }
  return guid;
}

struct GuidLess {
  bool operator()(const GUID& a, const GUID& b) const { return memcmp(&a, &b, sizeof(GUID)) < 0; }
};

class Rewriter {
 public:
  HRESULT Run(const wchar_t* input, const wchar_t* output, const std::vector<const wchar_t*>& imports) {
    RETURN_IF_FAILED(LoadTypeLibEx(input, REGKIND_NONE, &source_));
    for (const wchar_t* path : imports) {
      ComPtr<ITypeLib> library;
      RETURN_IF_FAILED(LoadTypeLibEx(path, REGKIND_NONE, &library));
      for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
        ComPtr<ITypeInfo> info;
        RETURN_IF_FAILED(library->GetTypeInfo(i, &info));
        imported_[GuidOf(info.Get())] = info;
      }
    }
    TLIBATTR* attributes = nullptr;
    RETURN_IF_FAILED(source_->GetLibAttr(&attributes));
    const SYSKIND platform = attributes->syskind;  // win32 or win64, as widl was told
    source_->ReleaseTLibAttr(attributes);
    RETURN_IF_FAILED(CreateTypeLib2(platform, output, &target_));
    RETURN_IF_FAILED(CopyLibraryAttributes());
    // First every own type, so that references between them can be made; then their contents.
    for (UINT i = 0; i < source_->GetTypeInfoCount(); ++i) {
      ComPtr<ITypeInfo> info;
      RETURN_IF_FAILED(source_->GetTypeInfo(i, &info));
      if (imported_.count(GuidOf(info.Get())) != 0) continue;  // a copy: dropped
      RETURN_IF_FAILED(CreateType(info.Get()));
    }
    for (auto& [source, target] : created_) RETURN_IF_FAILED(CopyContents(source.Get(), target.Get()));
    return target_->SaveAllChanges();
  }

 private:
  HRESULT CopyLibraryAttributes() {
    TLIBATTR* attributes = nullptr;
    RETURN_IF_FAILED(source_->GetLibAttr(&attributes));
    const TLIBATTR copy = *attributes;
    source_->ReleaseTLibAttr(attributes);
    Bstr name, help;
    RETURN_IF_FAILED(source_->GetDocumentation(-1, &name.text, &help.text, nullptr, nullptr));
    RETURN_IF_FAILED(target_->SetGuid(copy.guid));
    RETURN_IF_FAILED(target_->SetVersion(copy.wMajorVerNum, copy.wMinorVerNum));
    RETURN_IF_FAILED(target_->SetLcid(copy.lcid));
    RETURN_IF_FAILED(target_->SetLibFlags(copy.wLibFlags));
    RETURN_IF_FAILED(target_->SetName(name.text));
    if (help.text != nullptr) RETURN_IF_FAILED(target_->SetDocString(help.text));
    return S_OK;
  }

  // A dual interface is read through its interface half, which holds the functions.
  static ComPtr<ITypeInfo> InterfaceHalf(ITypeInfo* info) {
    ComPtr<ITypeInfo> half(info);
    HREFTYPE ref = 0;
    if (SUCCEEDED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref))) {
      ComPtr<ITypeInfo> vtable;
      if (SUCCEEDED(info->GetRefTypeInfo(ref, &vtable))) half = vtable;
    }
    return half;
  }

  HRESULT CreateType(ITypeInfo* listed) {
    ComPtr<ITypeInfo> info = InterfaceHalf(listed);
    TYPEATTR* attributes = nullptr;
    RETURN_IF_FAILED(info->GetTypeAttr(&attributes));
    const TYPEATTR copy = *attributes;
    info->ReleaseTypeAttr(attributes);
    Bstr name, help;
    RETURN_IF_FAILED(info->GetDocumentation(MEMBERID_NIL, &name.text, &help.text, nullptr, nullptr));
    ComPtr<ICreateTypeInfo> created;
    RETURN_IF_FAILED(target_->CreateTypeInfo(name.text, copy.typekind, &created));
    RETURN_IF_FAILED(created->SetGuid(copy.guid));
    RETURN_IF_FAILED(created->SetTypeFlags(copy.wTypeFlags));
    RETURN_IF_FAILED(created->SetVersion(copy.wMajorVerNum, copy.wMinorVerNum));
    if (help.text != nullptr) RETURN_IF_FAILED(created->SetDocString(help.text));
    created_.emplace_back(info, created);
    return S_OK;
  }

  // The type that a reference of `source` should point at in the new library.
  HRESULT Referenced(ITypeInfo* source, HREFTYPE sourceRef, ComPtr<ITypeInfo>& result) {
    ComPtr<ITypeInfo> referenced;
    RETURN_IF_FAILED(source->GetRefTypeInfo(sourceRef, &referenced));
    const GUID guid = GuidOf(referenced.Get());
    if (auto found = imported_.find(guid); found != imported_.end()) {
      result = found->second;
      return S_OK;
    }
    for (auto& [own, created] : created_) {
      if (IsEqualGUID(GuidOf(own.Get()), guid)) return created.As(&result);
    }
    result = referenced;  // from a library imported by the input (stdole2)
    return S_OK;
  }

  HRESULT MapReference(ITypeInfo* source, ICreateTypeInfo* target, HREFTYPE sourceRef, HREFTYPE* targetRef) {
    ComPtr<ITypeInfo> referenced;
    RETURN_IF_FAILED(Referenced(source, sourceRef, referenced));
    return target->AddRefTypeInfo(referenced.Get(), targetRef);
  }

  // Copies a type description, remapping user-defined references; storage lives in `keep`.
  HRESULT CopyTypeDesc(ITypeInfo* source, ICreateTypeInfo* target, const TYPEDESC& from, TYPEDESC& to,
                       std::deque<TYPEDESC>& keep) {
    to = from;
    if (from.vt == VT_PTR || from.vt == VT_SAFEARRAY) {
      keep.emplace_back();
      TYPEDESC& inner = keep.back();
      to.lptdesc = &inner;
      return CopyTypeDesc(source, target, *from.lptdesc, inner, keep);
    }
    if (from.vt == VT_USERDEFINED) return MapReference(source, target, from.hreftype, &to.hreftype);
    return S_OK;
  }

  HRESULT CopyContents(ITypeInfo* source, ICreateTypeInfo* target) {
    TYPEATTR* attributes = nullptr;
    RETURN_IF_FAILED(source->GetTypeAttr(&attributes));
    const TYPEATTR copy = *attributes;
    source->ReleaseTypeAttr(attributes);
    for (UINT i = 0; i < copy.cImplTypes; ++i) {
      HREFTYPE sourceRef = 0;
      HREFTYPE targetRef = 0;
      RETURN_IF_FAILED(source->GetRefTypeOfImplType(i, &sourceRef));
      RETURN_IF_FAILED(MapReference(source, target, sourceRef, &targetRef));
      RETURN_IF_FAILED(target->AddImplType(i, targetRef));
      INT flags = 0;
      if (copy.typekind == TKIND_COCLASS && SUCCEEDED(source->GetImplTypeFlags(i, &flags))) {
        RETURN_IF_FAILED(target->SetImplTypeFlags(i, flags));
      }
    }
    for (UINT i = 0; i < copy.cFuncs; ++i) {
      FUNCDESC* function = nullptr;
      RETURN_IF_FAILED(source->GetFuncDesc(i, &function));
      HRESULT hr = CopyFunction(source, target, i, *function);
      source->ReleaseFuncDesc(function);
      RETURN_IF_FAILED(hr);
    }
    return target->LayOut();
  }

  HRESULT CopyFunction(ITypeInfo* source, ICreateTypeInfo* target, UINT index, const FUNCDESC& function) {
    std::deque<TYPEDESC> keep;
    FUNCDESC copy = function;
    std::vector<ELEMDESC> parameters(function.lprgelemdescParam, function.lprgelemdescParam + function.cParams);
    for (SHORT p = 0; p < function.cParams; ++p) {
      RETURN_IF_FAILED(CopyTypeDesc(source, target, function.lprgelemdescParam[p].tdesc, parameters[p].tdesc, keep));
    }
    RETURN_IF_FAILED(CopyTypeDesc(source, target, function.elemdescFunc.tdesc, copy.elemdescFunc.tdesc, keep));
    copy.lprgelemdescParam = parameters.data();
    RETURN_IF_FAILED(target->AddFuncDesc(index, &copy));
    BSTR names[64] = {};
    UINT count = 0;
    RETURN_IF_FAILED(source->GetNames(function.memid, names, 64, &count));
    const HRESULT hr = target->SetFuncAndParamNames(index, names, count);
    for (UINT n = 0; n < count; ++n) SysFreeString(names[n]);
    return hr;
  }

  ComPtr<ITypeLib> source_;
  ComPtr<ICreateTypeLib2> target_;
  std::map<GUID, ComPtr<ITypeInfo>, GuidLess> imported_;
  std::vector<std::pair<ComPtr<ITypeInfo>, ComPtr<ICreateTypeInfo>>> created_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: typelib_import <in.tlb> <out.tlb> <imported.tlb>...\n");
    return 2;
  }
  if (FAILED(CoInitialize(nullptr))) return 1;
  HRESULT hr = S_OK;
  {
    Rewriter rewriter;
    hr = rewriter.Run(argv[1], argv[2], std::vector<const wchar_t*>(argv + 3, argv + argc));
  }
  CoUninitialize();
  return SUCCEEDED(hr) ? 0 : 1;
}
