// What every host's toolbar rows share.
#pragma once

namespace zorvane::ribbon::document {

// The spacing labels of the toolbars are one blank wide.
inline constexpr char16_t kToolbarGap[] = u" ";

}  // namespace zorvane::ribbon::document
