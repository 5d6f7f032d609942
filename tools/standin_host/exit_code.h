// The host's exit codes, one per kind of failure; --help lists them.
#pragma once

namespace zorvane::standin {

enum class ExitCode : int {
  kSuccess = 0,
  kUsage = 1,            // bad command line
  kNoAddins = 2,         // no add-in key, no add-ins, or none to load
  kNotRegistered = 3,    // ProgID or class unknown to COM
  kCreateFailed = 4,     // DLL failed to load or the object is no add-in
  kConnectFailed = 5,    // OnConnection failed
  kBadRibbon = 6,        // GetCustomUI failed or its document is malformed
  kUnknownCallback = 7,  // a callback named in the markup is unknown to the add-in
  kCallbackFailed = 8,   // a callback failed or answered with the wrong type or bad XML
  kNoSuchButton = 9,     // --click names no button with an action
  kHostFailed = 10,      // the stand-in itself could not start
  kAddinCrashed = 11,    // an add-in faulted inside a call
};

}  // namespace zorvane::standin
