// The Office version of the host, asked of the application object by name.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "common/office_version.h"

namespace zorvane::addin {

// Application.Version and, where that is 16.0 or later, Application.Build, both bound by name
// and read as text (a number is taken as its decimal text). A host that does not tell, or
// tells something unreadable, is 2007; 16.0 without a readable build is 2016. Keeps no reference.
OfficeVersion HostOfficeVersion(IDispatch* application) noexcept;

}  // namespace zorvane::addin
