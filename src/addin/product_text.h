// Product texts of the add-in's registration, from the one place a distributor sets them.
#pragma once

#include <string_view>

#include "product_info.h"

namespace zorvane::addin {

// The author credit that ends the add-in entry's description.
inline std::wstring_view AuthorCredit() noexcept { return zorvane::product::kAuthor; }

}  // namespace zorvane::addin
