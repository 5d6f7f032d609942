// The customization dialog "自定义", which the add-in's "CustomMenu" command shows: the nine
// display switches, saved on OK and put into effect at once. A fresh object per opening.
#pragma once

#include "dialogs/custom_form.h"
#include "dialogs/host_dialog.h"

namespace zorvane::dialogs {

using CustomDialog = HostDialog<CustomForm>;

}  // namespace zorvane::dialogs
