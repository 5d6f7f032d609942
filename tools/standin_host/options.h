// The host's command line.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host_description.h"

namespace zorvane::standin {

// What the host does with a dialog that a clicked button opens.
enum class DialogAnswer {
  kWait,           // leave it to the user
  kDefaultButton,  // press its default button (OK)
  kClose,          // close it as with the title bar's close box
  kPressButton,    // press the button with a given caption
};

// What the stand-in application says of its user-interface language (--language).
struct LanguageAnswer {
  enum Kind { kNoMember, kLcid, kFailure } kind = kNoMember;
  long lcid = 0;  // for kLcid
};

struct Options {
  bool help = false;
  bool allMenus = false;                // --menus
  std::vector<std::wstring> menuNames;  // --menu, any number of times
  std::wstring click;                   // --click: id of the button to press
  DialogAnswer dialogAnswer = DialogAnswer::kWait;
  std::wstring dialogButton;            // the caption, for DialogAnswer::kPressButton
  unsigned dialogDelayMs = 500;
  std::wstring progId;                  // --progid: load only this add-in
  bool controlByReference = false;      // --byref
  bool dumpXml = false;
  bool trace = false;
  LanguageAnswer language;              // --language
  std::optional<OfficeRelease> officeVersion;  // --office-version; without it no Version member
  const HostDescription* host = &kDefaultHost;  // --host
  std::wstring ribbonName;                      // --ribbon; empty: the main window's
  const HostRibbon* ribbon = &kDefaultHost.mainRibbon();  // the window the run shows, from the two above
};

struct ParsedOptions {
  Options options;
  std::wstring error;  // empty when the command line is good
};

// `args` without the program name. Options take their value as the next argument or
// after '='.
ParsedOptions ParseOptions(std::span<const std::wstring> args);

std::wstring HelpText();

}  // namespace zorvane::standin
