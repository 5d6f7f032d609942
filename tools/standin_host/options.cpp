#include "options.h"

#include <cwchar>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zorvane::standin {
namespace {

constexpr unsigned kMaxDelayMs = 600000;

std::optional<unsigned> ParseDelay(const std::wstring& text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  unsigned value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - L'0');
  }
  if (value > kMaxDelayMs) return std::nullopt;
  return value;
}

// An LCID in decimal or in hexadecimal after 0x, at most 32 bits.
std::optional<long> ParseLcid(const std::wstring& text) {
  const bool hex = text.starts_with(L"0x") || text.starts_with(L"0X");
  const std::wstring digits = hex ? text.substr(2) : text;
  if (digits.empty() || digits.size() > (hex ? 8u : 10u)) return std::nullopt;
  unsigned long long value = 0;
  for (wchar_t c : digits) {
    unsigned digit;
    if (c >= L'0' && c <= L'9') {
      digit = static_cast<unsigned>(c - L'0');
    } else if (hex && c >= L'a' && c <= L'f') {
      digit = static_cast<unsigned>(c - L'a' + 10);
    } else if (hex && c >= L'A' && c <= L'F') {
      digit = static_cast<unsigned>(c - L'A' + 10);
    } else {
      return std::nullopt;
    }
    value = value * (hex ? 16 : 10) + digit;
  }
  if (value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<long>(static_cast<unsigned long>(value));
}

// 12, 14, 15 or 16, after 16 optionally a build: "16", "16.4266", "16.17928". The build goes
// into a VT_I4 as Excel's Build, and 0 is none.
std::optional<OfficeRelease> ParseOfficeVersion(const std::wstring& text) {
  const std::size_t dot = text.find(L'.');
  const std::wstring major = text.substr(0, dot);
  if (major != L"12" && major != L"14" && major != L"15" && major != L"16") return std::nullopt;
  OfficeRelease release{static_cast<unsigned>(std::stoul(major))};
  if (dot == std::wstring::npos) return release;
  const std::wstring build = text.substr(dot + 1);
  if (release.majorVersion != 16 || build.empty() || build.size() > 9) return std::nullopt;
  for (wchar_t c : build) {
    if (c < L'0' || c > L'9') return std::nullopt;
    release.build = release.build * 10 + static_cast<unsigned long>(c - L'0');
  }
  if (release.build == 0) return std::nullopt;
  return release;
}

// "a, b or c", the names of `items` as `name` gives them.
template <typename Item, typename Name>
std::wstring NameList(std::span<const Item> items, Name name) {
  std::wstring list;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) list += i + 1 == items.size() ? L" or " : L", ";
    list += name(items[i]);
  }
  return list;
}

// The window --ribbon names, in the host and release the run plays; the reason when there is none.
std::wstring ChooseRibbon(Options& options) {
  const HostDescription& host = *options.host;
  const auto ribbonName = [](const HostRibbon& ribbon) { return std::wstring(ribbon.name); };
  if (options.ribbonName.empty()) {
    options.ribbon = &host.mainRibbon();
  } else if (host.ribbons.size() < 2) {
    std::vector<HostDescription> several;
    for (const HostDescription& other : kHosts) {
      if (other.ribbons.size() > 1) several.push_back(other);
    }
    return L"--ribbon is for a host whose item windows have ribbons of their own (" +
           NameList(std::span<const HostDescription>(several),
                    [](const HostDescription& other) { return std::wstring(other.name); }) +
           L"); " + std::wstring(host.name) + L" has only its main window's";
  } else if (!(options.ribbon = host.findRibbon(options.ribbonName))) {
    return L"--ribbon takes " + NameList(host.ribbons, ribbonName) + L", not \"" + options.ribbonName + L"\"";
  }
  const OfficeRelease release = options.officeVersion.value_or(kOffice2007);
  if (options.ribbon->in(release)) return {};
  const std::wstring since = std::to_wstring(options.ribbon->since.majorVersion);
  std::vector<HostRibbon> others;
  for (const HostRibbon& ribbon : host.ribbons) {
    if (ribbon.in(release)) others.push_back(ribbon);
  }
  return std::wstring(host.displayName()) + L" " + VersionText(release) +
         (options.officeVersion ? L"" : L" (played without --office-version)") + L" has no ribbon in its " +
         (options.ribbon->inMainWindow() ? L"main" : L"\"" + std::wstring(options.ribbon->name) + L"\"") +
         L" window: " + std::wstring(options.ribbon->ribbonId) + L" came with version " + since +
         L".0; give --office-version " + since + L" or later" +
         (others.empty() ? L"" : L", or --ribbon " + NameList(std::span<const HostRibbon>(others), ribbonName));
}

}  // namespace

ParsedOptions ParseOptions(std::span<const std::wstring> args) {
  ParsedOptions parsed;
  Options& options = parsed.options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::wstring name = args[i];
    std::optional<std::wstring> inlineValue;
    if (const std::size_t eq = name.find(L'='); name.starts_with(L"--") && eq != std::wstring::npos) {
      inlineValue = name.substr(eq + 1);
      name.resize(eq);
    }
    bool valueMissing = false;
    auto value = [&]() -> std::wstring {
      if (inlineValue) return *inlineValue;
      if (i + 1 < args.size()) return args[++i];
      valueMissing = true;
      return {};
    };
    auto flag = [&](bool& target) {
      if (inlineValue) {
        parsed.error = L"option " + name + L" takes no value";
        return;
      }
      target = true;
    };

    if (name == L"--help" || name == L"-h" || name == L"/?") {
      flag(options.help);
    } else if (name == L"--menus") {
      flag(options.allMenus);
    } else if (name == L"--byref") {
      flag(options.controlByReference);
    } else if (name == L"--dump-xml") {
      flag(options.dumpXml);
    } else if (name == L"--trace") {
      flag(options.trace);
    } else if (name == L"--menu") {
      std::wstring menu = value();
      if (!valueMissing) options.menuNames.push_back(std::move(menu));
    } else if (name == L"--click") {
      options.click = value();
      if (!valueMissing && options.click.empty()) parsed.error = L"--click needs a button id";
    } else if (name == L"--progid") {
      options.progId = value();
      if (!valueMissing && options.progId.empty()) parsed.error = L"--progid needs a ProgID";
    } else if (name == L"--host") {
      const std::wstring text = value();
      if (const HostDescription* host = FindHost(text)) {
        options.host = host;
      } else if (!valueMissing) {
        parsed.error = L"--host takes " +
                       NameList(std::span<const HostDescription>(kHosts),
                                [](const HostDescription& host) { return std::wstring(host.name); }) +
                       L", not \"" + text + L"\"";
      }
    } else if (name == L"--ribbon") {
      options.ribbonName = value();
      if (!valueMissing && options.ribbonName.empty()) parsed.error = L"--ribbon needs the name of a window";
    } else if (name == L"--language") {
      const std::wstring text = value();
      if (text == L"fail") {
        options.language = {LanguageAnswer::kFailure, 0};
      } else if (const std::optional<long> lcid = ParseLcid(text)) {
        options.language = {LanguageAnswer::kLcid, *lcid};
      } else if (!valueMissing) {
        parsed.error = L"--language takes an LCID (e.g. 1033 or 0x0404) or fail, not \"" + text + L"\"";
      }
    } else if (name == L"--office-version") {
      const std::wstring text = value();
      if (const std::optional<OfficeRelease> release = ParseOfficeVersion(text)) {
        options.officeVersion = release;
      } else if (!valueMissing) {
        parsed.error = L"--office-version takes 12, 14, 15 or 16, after 16 optionally a build (e.g. 16.17928), not \"" +
                       text + L"\"";
      }
    } else if (name == L"--dismiss") {
      const std::wstring answer = value();
      if (answer == L"ok") {
        options.dialogAnswer = DialogAnswer::kDefaultButton;
      } else if (answer == L"close") {
        options.dialogAnswer = DialogAnswer::kClose;
      } else if (!answer.empty()) {
        options.dialogAnswer = DialogAnswer::kPressButton;
        options.dialogButton = answer;
      } else if (!valueMissing) {
        parsed.error = L"--dismiss needs ok, close or the caption of a button";
      }
    } else if (name == L"--dismiss-delay") {
      const std::wstring text = value();
      if (const std::optional<unsigned> delay = ParseDelay(text)) {
        options.dialogDelayMs = *delay;
      } else if (!valueMissing) {
        parsed.error = L"--dismiss-delay takes milliseconds from 0 to 600000, not \"" + text + L"\"";
      }
    } else {
      parsed.error = L"unknown option \"" + args[i] + L"\" (see --help)";
    }
    if (valueMissing) parsed.error = L"option " + name + L" needs a value";
    if (!parsed.error.empty()) return parsed;
  }
  if (options.dialogAnswer != DialogAnswer::kWait && options.click.empty()) {
    parsed.error = L"--dismiss only applies to --click";
    return parsed;
  }
  parsed.error = ChooseRibbon(options);
  return parsed;
}

std::wstring HelpText() {
  return LR"(Usage: standin_host [options]

A stand-in for PowerPoint 2007 (or Word, Excel or Outlook, see --host; or a later version,
see --office-version) that loads the COM add-ins registered for the current user or for all
users (HKCU or HKLM\Software\Microsoft\Office\PowerPoint\Addins, LoadBehavior 3; the
user's entry first) the way the host does at start-up, and prints the ribbon a user would
see: the tabs in order, each add-in tab with its groups, menu bar and toolbars, and the
items of every dynamic menu, opened through the add-in's callbacks. Run it under Wine
after `regsvr32 Zorvane.dll`.

Options:
  --host HOST         play HOST: powerpoint (the default), word, excel or outlook; each has
                      its own add-in key (Office\Word\Addins, ...), ribbon id, tabs and
                      application
  --ribbon WINDOW     (outlook) show the ribbon of WINDOW: explorer, the main window (the
                      default; it has a ribbon from Outlook 2010 on, so it needs
                      --office-version 14 or later), or the item window compose (a new
                      message), read (a received message) or appointment. An item window is
                      opened after the main window's ribbon has loaded, as the user opens one,
                      and its ribbon id (Microsoft.Outlook.Mail.Compose, ...) is asked for
                      then; the dialogs of its commands belong to it
  --menus             print the items of every dynamic menu (by default one line each)
  --menu NAME         print the items of the dynamic menus whose label, id or tag is NAME;
                      may be given more than once
  --click ID          after loading, press the add-in's button ID (e.g. Dingzhi, AboutMe)
                      as the host does on a click; if the add-in invalidates the ribbon
                      meanwhile, the tabs are printed again
  --dismiss ANSWER    answer the dialog that the click opens: ok presses its default
                      button, close closes it, any other text presses the button with
                      that caption (e.g. 确定); without this the dialog waits for the user
  --dismiss-delay MS  wait MS milliseconds before answering the dialog (default 500)
  --progid PROGID     load only the add-in PROGID of the list
  --language LCID     the application has LanguageSettings, whose LanguageID(2) (the
                      user-interface language) answers LCID, in decimal or 0x hexadecimal
                      (e.g. 2052, 1028, 1033); --language fail makes that call fail.
                      Without it the application has no LanguageSettings at all
  --office-version V  the application has Version "V.0" (12, 14, 15 or 16: Office 2007, 2010,
                      2013, 2016 and later) and, after 16, optionally Build (16.BUILD, e.g.
                      16.4266 for Office 2016, 16.17928 for Microsoft 365: 10000 and above is
                      2019 or later), in the host's own form: PowerPoint's a text "BUILD",
                      Word's a text "16.0.BUILD.1000", Excel's a number. Outlook has no Build:
                      its Version carries the build, "V.0.0.BUILD" (without a build, the one
                      the version first shipped with). The tab strip shows that version's
                      built-in tabs. Without it the application has no Version (nor Build),
                      and the tabs are 2007's
  --byref             pass the ribbon and the controls to onLoad, getVisible and getContent
                      by reference (VT_BYREF|VT_DISPATCH) instead of by value (VT_DISPATCH);
                      onAction always gets them by reference
  --dump-xml          print each add-in's ribbon document as it was returned, instead of
                      the ribbon
  --trace             also print every call between the host and the add-ins
  --help              print this text

Exit codes:
  0   success
  1   bad command line
  2   no add-in to load: no add-in key, no add-ins in it, none with LoadBehavior 3, or
      --progid is not among them
  3   an add-in is not registered with COM (unknown ProgID or class)
  4   an add-in could not be created (its DLL failed to load) or is no add-in
  5   an add-in's OnConnection failed (the host would set its LoadBehavior to 2;
      the stand-in leaves the registry alone)
  6   an add-in's ribbon document failed: GetCustomUI failed, or the XML is malformed
      or no customUI document
  7   a callback named in the ribbon or a menu is unknown to the add-in
  8   a callback failed, or answered with the wrong type or malformed menu XML
  9   --click names no button with an action
  10  the stand-in itself could not start (COM, window or XML parser)
  11  an add-in crashed inside a call (as it would crash PowerPoint)
When several problems occur, the exit code is that of the first one.
)";
}

}  // namespace zorvane::standin
