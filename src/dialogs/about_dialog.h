// The About dialog "关于Quelby", which the add-in's "AboutMenu" command shows: the product's
// logo, description, author, contact lines and a link to its web page. A fresh object per
// opening.
#pragma once

#include "dialogs/about_form.h"
#include "dialogs/host_dialog.h"

namespace zorvane::dialogs {

using AboutDialog = HostDialog<AboutForm>;

}  // namespace zorvane::dialogs
