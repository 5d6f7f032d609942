// The host's text layout helpers, its command line and its HRESULT texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hresult_text.h"
#include "options.h"
#include "report.h"
#include "text.h"
#include "text_sink.h"

using namespace zorvane::standin;

namespace {

ParsedOptions Parse(std::vector<std::wstring> args) { return ParseOptions(args); }

TEST(DisplayWidth, CountsWideCharactersTwice) {
  EXPECT_EQ(DisplayWidth(L"File"), 4u);
  EXPECT_EQ(DisplayWidth(L"全部"), 4u);
  EXPECT_EQ(DisplayWidth(L"幻灯片放映"), 10u);
  EXPECT_EQ(DisplayWidth(L"自定义..."), 9u);
  EXPECT_EQ(DisplayWidth(L"   "), 3u);
  EXPECT_EQ(DisplayWidth(L"e\u0301"), 1u);  // a combining accent takes no column
}

TEST(PadToWidth, PadsByColumnsAndKeepsAMinimumGap) {
  EXPECT_EQ(PadToWidth(L"ab", 6), L"ab    ");
  EXPECT_EQ(PadToWidth(L"全部", 6), L"全部  ");
  EXPECT_EQ(PadToWidth(L"全部全部", 6), L"全部全部  ");
  EXPECT_EQ(PadToWidth(L"abcd", 5, 1), L"abcd ");
}

TEST(Options, DefaultsWhenEmpty) {
  const ParsedOptions parsed = Parse({});
  EXPECT_TRUE(parsed.error.empty());
  EXPECT_FALSE(parsed.options.help);
  EXPECT_FALSE(parsed.options.allMenus);
  EXPECT_FALSE(parsed.options.controlByReference);
  EXPECT_EQ(parsed.options.dialogAnswer, DialogAnswer::kWait);
  EXPECT_EQ(parsed.options.dialogDelayMs, 500u);
}

TEST(Options, ReadsEveryOptionWithSeparateOrInlineValues) {
  const ParsedOptions parsed = Parse({L"--menus", L"--menu", L"文件", L"--menu=Help", L"--click", L"AboutMe",
                                      L"--dismiss=close", L"--dismiss-delay", L"250", L"--progid=Zorvane.Connect",
                                      L"--byref", L"--dump-xml", L"--trace"});
  ASSERT_TRUE(parsed.error.empty()) << std::string(parsed.error.begin(), parsed.error.end());
  const Options& options = parsed.options;
  EXPECT_TRUE(options.allMenus);
  EXPECT_EQ(options.menuNames, (std::vector<std::wstring>{L"文件", L"Help"}));
  EXPECT_EQ(options.click, L"AboutMe");
  EXPECT_EQ(options.dialogAnswer, DialogAnswer::kClose);
  EXPECT_EQ(options.dialogDelayMs, 250u);
  EXPECT_EQ(options.progId, L"Zorvane.Connect");
  EXPECT_TRUE(options.controlByReference);
  EXPECT_TRUE(options.dumpXml);
  EXPECT_TRUE(options.trace);
  EXPECT_EQ(Parse({L"--click", L"Dingzhi", L"--dismiss", L"ok"}).options.dialogAnswer, DialogAnswer::kDefaultButton);
  const ParsedOptions press = Parse({L"--click", L"Dingzhi", L"--dismiss", L"确定"});
  EXPECT_EQ(press.options.dialogAnswer, DialogAnswer::kPressButton);
  EXPECT_EQ(press.options.dialogButton, L"确定");
  EXPECT_TRUE(Parse({L"--help"}).options.help);
  EXPECT_EQ(Parse({}).options.language.kind, LanguageAnswer::kNoMember);
  EXPECT_EQ(Parse({L"--language", L"1028"}).options.language.lcid, 1028);
  EXPECT_EQ(Parse({L"--language=0x7C04"}).options.language.lcid, 0x7C04);
  EXPECT_EQ(Parse({L"--language", L"fail"}).options.language.kind, LanguageAnswer::kFailure);
  EXPECT_FALSE(Parse({}).options.officeVersion.has_value());
  EXPECT_EQ(Parse({L"--office-version", L"16.17928"}).options.officeVersion, (OfficeRelease{16, 17928}));
  EXPECT_EQ(Parse({L"--office-version=12"}).options.officeVersion, kOffice2007);
  EXPECT_EQ(Parse({L"--office-version", L"16"}).options.officeVersion, kOffice2016);
  EXPECT_EQ(Parse({}).options.host, &kDefaultHost);
  EXPECT_EQ(Parse({}).options.host->name, L"powerpoint");
  for (const HostDescription& host : kHosts) {
    EXPECT_EQ(Parse({L"--host", std::wstring(host.name)}).options.host, &host);
  }
  // The main window's ribbon unless told; Outlook's item windows have one from 2007 on.
  const HostDescription& outlook = *FindHost(L"outlook");
  EXPECT_EQ(Parse({}).options.ribbon, &kDefaultHost.mainRibbon());
  EXPECT_EQ(Parse({L"--host", L"outlook", L"--office-version", L"14"}).options.ribbon, &outlook.mainRibbon());
  EXPECT_EQ(Parse({L"--ribbon=read", L"--host", L"outlook"}).options.ribbon, outlook.findRibbon(L"read"));
}

TEST(Options, RejectsBadCommandLines) {
  EXPECT_FALSE(Parse({L"--nonsense"}).error.empty());
  EXPECT_FALSE(Parse({L"menus"}).error.empty());
  EXPECT_FALSE(Parse({L"--click"}).error.empty());            // value missing
  EXPECT_FALSE(Parse({L"--click="}).error.empty());           // empty id
  EXPECT_FALSE(Parse({L"--progid"}).error.empty());
  EXPECT_FALSE(Parse({L"--menus=yes"}).error.empty());        // a flag takes no value
  EXPECT_FALSE(Parse({L"--click", L"X", L"--dismiss="}).error.empty());
  EXPECT_FALSE(Parse({L"--dismiss", L"ok"}).error.empty());   // only with --click
  EXPECT_FALSE(Parse({L"--dismiss-delay", L"-1"}).error.empty());
  EXPECT_FALSE(Parse({L"--dismiss-delay", L"600001"}).error.empty());
  EXPECT_TRUE(Parse({L"--dismiss-delay", L"600000"}).error.empty());
  // A ribbon of a host that has several, that the release has: Outlook's main window has none
  // before 2010, and without --office-version the release is 2007.
  for (const std::vector<std::wstring>& ribbon : std::vector<std::vector<std::wstring>>{
           {L"--host", L"outlook"}, {L"--host", L"outlook", L"--office-version", L"12", L"--ribbon", L"explorer"},
           {L"--host", L"outlook", L"--ribbon", L"nope"}, {L"--host", L"word", L"--ribbon", L"compose"},
           {L"--ribbon", L"main"}, {L"--host", L"outlook", L"--ribbon="}}) {
    EXPECT_FALSE(Parse(ribbon).error.empty()) << ribbon.size() << " arguments";
  }
  EXPECT_NE(Parse({L"--host", L"outlook"}).error.find(L"has no ribbon in its main window"), std::wstring::npos);
  EXPECT_FALSE(Parse({L"--host", L"Word"}).error.empty());  // the names are lower case, as documented
  for (const wchar_t* lcid : {L"", L"en-US", L"0x", L"0x100000000", L"4294967296", L"-1"}) {
    EXPECT_FALSE(Parse({L"--language", lcid}).error.empty()) << std::string(lcid, lcid + wcslen(lcid));
  }
  // Only the four versions, a build only after 16, never 0 nor more than a VT_I4 holds.
  for (const wchar_t* version : {L"", L"13", L"16.0", L"16.", L"15.4266", L"16.x", L"16.1234567890", L"16.0.17928"}) {
    EXPECT_FALSE(Parse({L"--office-version", version}).error.empty()) << std::string(version, version + wcslen(version));
  }
}

TEST(Options, HelpDocumentsEveryOptionAndExitCode) {
  const std::wstring help = HelpText();
  for (const wchar_t* option : {L"--menus", L"--menu NAME", L"--click ID", L"--dismiss ANSWER", L"--dismiss-delay",
                                L"--progid", L"--language LCID", L"--office-version V", L"--host HOST",
                                L"--ribbon WINDOW", L"--byref",
                                L"--dump-xml", L"--trace", L"--help"}) {
    EXPECT_NE(help.find(option), std::wstring::npos) << std::string(option, option + wcslen(option));
  }
  for (int code = 0; code <= static_cast<int>(ExitCode::kAddinCrashed); ++code) {
    EXPECT_NE(help.find(L"\n  " + std::to_wstring(code) + L" "), std::wstring::npos) << code;
  }
}

TEST(HresultText, NamesKnownCodesAndPrintsOthersInHex) {
  EXPECT_EQ(HresultText(REGDB_E_CLASSNOTREG), L"0x80040154 (REGDB_E_CLASSNOTREG)");
  EXPECT_EQ(HresultText(CO_E_CLASSSTRING), L"0x800401F3 (CO_E_CLASSSTRING)");
  EXPECT_EQ(HresultText(DISP_E_UNKNOWNNAME), L"0x80020006 (DISP_E_UNKNOWNNAME)");
  EXPECT_EQ(HresultText(S_OK), L"0x00000000 (S_OK)");
  EXPECT_EQ(HresultText(static_cast<HRESULT>(0x8ABC0001)), L"0x8ABC0001");
}

TEST(Report, KeepsTheFirstProblemsCodeAndSeparatesStreams) {
  StringSink out;
  StringSink errors;
  Report report(out, errors, false);
  EXPECT_EQ(report.code(), ExitCode::kSuccess);
  report.Line(L"view");
  report.Trace(L"hidden without --trace");
  report.Problem(ExitCode::kNotRegistered, L"first");
  report.Problem(ExitCode::kConnectFailed, L"second");
  report.Warning(L"careful");
  EXPECT_EQ(report.code(), ExitCode::kNotRegistered);
  EXPECT_EQ(out.text(), L"view\n");
  EXPECT_EQ(errors.text(),
            L"standin_host: error: first\nstandin_host: error: second\nstandin_host: warning: careful\n");

  StringSink tracedOut;
  Report traced(tracedOut, errors, true);
  traced.Trace(L"call");
  EXPECT_EQ(tracedOut.text(), L"trace: call\n");
}

}  // namespace
