// The stand-in host's run: load the add-ins as the host (PowerPoint, Word or Excel) does at
// start-up, show their ribbon, optionally press a button, then shut them down.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "exit_code.h"
#include "loaded_addin.h"
#include "options.h"
#include "report.h"

namespace zorvane::standin {

class Host {
 public:
  Host(const Options& options, Report& report, HWND mainWindow) noexcept
      : options_(options), report_(report), mainWindow_(mainWindow) {}
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;
  // Shuts down the add-ins that are still connected.
  ~Host();

  void Run();

 private:
  void LoadAddins();
  void ShowRibbon();
  void PrintTabs();
  void Click();
  void Shutdown();
  std::vector<AddinUi*> Uis() const;
  // The main tabs of the release the host plays (2007's unless told).
  std::vector<BuiltInTab> BuiltInTabs() const;

  const Options& options_;
  Report& report_;
  HWND mainWindow_;
  std::vector<std::unique_ptr<LoadedAddin>> addins_;
};

// Everything the program does after its command line: COM, main window, the host.
ExitCode RunHost(const Options& options, Report& report);

}  // namespace zorvane::standin
