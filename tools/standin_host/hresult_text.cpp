#include "hresult_text.h"

#include <winerror.h>

#include <cstdio>
#include <iterator>

namespace zorvane::standin {
namespace {

struct KnownHresult {
  HRESULT code;
  const wchar_t* name;
};

// The codes that loading an add-in and calling it by name can produce.
constexpr KnownHresult kKnown[] = {
    {S_OK, L"S_OK"},
    {S_FALSE, L"S_FALSE"},
    {E_FAIL, L"E_FAIL"},
    {E_NOTIMPL, L"E_NOTIMPL"},
    {E_NOINTERFACE, L"E_NOINTERFACE"},
    {E_POINTER, L"E_POINTER"},
    {E_INVALIDARG, L"E_INVALIDARG"},
    {E_OUTOFMEMORY, L"E_OUTOFMEMORY"},
    {E_UNEXPECTED, L"E_UNEXPECTED"},
    {E_ACCESSDENIED, L"E_ACCESSDENIED"},
    {REGDB_E_CLASSNOTREG, L"REGDB_E_CLASSNOTREG"},
    {CO_E_CLASSSTRING, L"CO_E_CLASSSTRING"},
    {CO_E_DLLNOTFOUND, L"CO_E_DLLNOTFOUND"},
    {CO_E_ERRORINDLL, L"CO_E_ERRORINDLL"},
    {CO_E_NOTINITIALIZED, L"CO_E_NOTINITIALIZED"},
    {CLASS_E_CLASSNOTAVAILABLE, L"CLASS_E_CLASSNOTAVAILABLE"},
    {CLASS_E_NOAGGREGATION, L"CLASS_E_NOAGGREGATION"},
    {HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND), L"ERROR_MOD_NOT_FOUND"},
    {HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), L"ERROR_FILE_NOT_FOUND"},
    {HRESULT_FROM_WIN32(ERROR_BAD_EXE_FORMAT), L"ERROR_BAD_EXE_FORMAT"},
    {HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND), L"ERROR_PROC_NOT_FOUND"},
    {DISP_E_UNKNOWNNAME, L"DISP_E_UNKNOWNNAME"},
    {DISP_E_MEMBERNOTFOUND, L"DISP_E_MEMBERNOTFOUND"},
    {DISP_E_TYPEMISMATCH, L"DISP_E_TYPEMISMATCH"},
    {DISP_E_BADPARAMCOUNT, L"DISP_E_BADPARAMCOUNT"},
    {DISP_E_PARAMNOTFOUND, L"DISP_E_PARAMNOTFOUND"},
    {DISP_E_PARAMNOTOPTIONAL, L"DISP_E_PARAMNOTOPTIONAL"},
    {DISP_E_EXCEPTION, L"DISP_E_EXCEPTION"},
    {DISP_E_BADVARTYPE, L"DISP_E_BADVARTYPE"},
    {DISP_E_OVERFLOW, L"DISP_E_OVERFLOW"},
    {DISP_E_UNKNOWNINTERFACE, L"DISP_E_UNKNOWNINTERFACE"},
    {TYPE_E_ELEMENTNOTFOUND, L"TYPE_E_ELEMENTNOTFOUND"},
    {TYPE_E_LIBNOTREGISTERED, L"TYPE_E_LIBNOTREGISTERED"},
    {TYPE_E_CANTLOADLIBRARY, L"TYPE_E_CANTLOADLIBRARY"},
    {RPC_E_CHANGED_MODE, L"RPC_E_CHANGED_MODE"},
};

}  // namespace

std::wstring HresultText(HRESULT hr) {
  wchar_t hex[16];
  std::swprintf(hex, std::size(hex), L"0x%08lX", static_cast<unsigned long>(hr));
  std::wstring text = hex;
  for (const KnownHresult& known : kKnown) {
    if (known.code == hr) {
      text += L" (";
      text += known.name;
      text += L')';
      break;
    }
  }
  return text;
}

}  // namespace zorvane::standin
