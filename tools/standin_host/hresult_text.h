// HRESULTs as the host reports them: hex, with the symbolic name when it is a known one.
#pragma once

#include <windows.h>

#include <string>

namespace zorvane::standin {

// "0x80040154 (REGDB_E_CLASSNOTREG)", or just "0x8000FFFF" for a code without a known name.
std::wstring HresultText(HRESULT hr);

}  // namespace zorvane::standin
