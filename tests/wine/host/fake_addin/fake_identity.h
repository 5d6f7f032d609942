// How the tests register the fake add-in and choose its behaviour.
#pragma once

#include <windows.h>

namespace standin_fake {

inline constexpr wchar_t kProgId[] = L"StandIn.FakeAddin";
inline constexpr wchar_t kClsidText[] = L"{6B0D5E2A-3C4F-4A8B-9E71-2F5A0C8D7B13}";
inline constexpr CLSID kClsid = {0x6b0d5e2a, 0x3c4f, 0x4a8b, {0x9e, 0x71, 0x2f, 0x5a, 0x0c, 0x8d, 0x7b, 0x13}};

// Environment variable read by the fake when it is created; the modes are below.
inline constexpr wchar_t kModeVariable[] = L"STANDIN_FAKE_MODE";

namespace mode {
inline constexpr wchar_t kNormal[] = L"normal";
inline constexpr wchar_t kFailConnect[] = L"fail-connect";      // OnConnection returns E_FAIL
inline constexpr wchar_t kFailCustomUi[] = L"fail-customui";    // GetCustomUI returns E_OUTOFMEMORY
inline constexpr wchar_t kBadXml[] = L"bad-xml";                // document is not well-formed
inline constexpr wchar_t kWrongNamespace[] = L"wrong-namespace";  // customUI of another schema
inline constexpr wchar_t kUnknownCallback[] = L"unknown-callback";  // markup names a missing callback
inline constexpr wchar_t kVisibleFails[] = L"visible-fails";    // getVisible returns E_FAIL
inline constexpr wchar_t kVisibleWrongType[] = L"visible-wrong-type";  // getVisible answers VT_I4
inline constexpr wchar_t kBadContent[] = L"bad-content";        // getContent answers malformed XML
inline constexpr wchar_t kLeak[] = L"leak";                     // keeps the application object
inline constexpr wchar_t kDialog[] = L"dialog";                 // onAction opens a message box
inline constexpr wchar_t kCrash[] = L"crash";                   // getVisible faults
}  // namespace mode

// Ids in the fake's markup that the tests look for.
inline constexpr wchar_t kTabId[] = L"fakeTab";
inline constexpr wchar_t kMenuId[] = L"fakeMenu";
inline constexpr wchar_t kClickId[] = L"fakeClick";
inline constexpr wchar_t kDialogTitle[] = L"Fake add-in dialog";

}  // namespace standin_fake
