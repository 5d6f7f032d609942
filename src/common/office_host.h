// The Office applications the add-in serves. Each is described by data (its switches, its
// ribbon, its keys); the value picks the description.
#pragma once

#include <cstddef>

namespace zorvane {

enum class OfficeHost : unsigned char { PowerPoint, Word, Excel };
inline constexpr std::size_t kOfficeHostCount = 3;

}  // namespace zorvane
