// The stand-in host's run: load the add-ins as the host (PowerPoint, Word, Excel or Outlook) does
// at start-up, show the ribbon of the window asked for, optionally press a button, then shut them
// down.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "exit_code.h"
#include "loaded_addin.h"
#include "main_window.h"
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
  // The item window the run shows, opened as the user opens one, and its ribbon loaded. False
  // when it could not be opened.
  bool OpenItemWindow();
  void ShowRibbon();
  // The ribbon of `ribbon`'s window as the user sees it; the add-ins' views are of it after.
  void PrintTabs(const HostRibbon& ribbon);
  void Click();
  void Shutdown();
  void ShowAll(const HostRibbon& ribbon);
  std::vector<AddinUi*> Uis() const;
  // The release the host plays (2007 unless told).
  OfficeRelease Release() const { return options_.officeVersion.value_or(kOffice2007); }
  // The ribbons loaded in this run, in the host's order.
  std::vector<const HostRibbon*> LoadedRibbons() const;

  const Options& options_;
  Report& report_;
  HWND mainWindow_;
  MainWindow itemWindow_;
  std::vector<std::unique_ptr<LoadedAddin>> addins_;
};

// Everything the program does after its command line: COM, main window, the host.
ExitCode RunHost(const Options& options, Report& report);

}  // namespace zorvane::standin
