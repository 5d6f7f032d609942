// Built by ctest once per case: a language table that misses a string or leaves one empty
// or a supertip that does not name the host must fail to compile; the complete table (no case defined) must compile.
#include "ribbon/text/ribbon_text.h"

using namespace zorvane::ribbon::text;

#if defined(REJECT_MISSING_STRING)
struct Table : English {
  static constexpr int kAbout = 0;  // hides English's string: no text of that name
};
#elif defined(REJECT_EMPTY_STRING)
struct Table : English {
  static constexpr char16_t kSend[] = u"";
};
#elif defined(REJECT_SUPERTIP_WITHOUT_HOST)
struct Table : English {
  static constexpr char16_t kTableSupertip[] = u"Commands for tables.";  // names no host
};
#else
struct Table : English {};
#endif

static_assert(CompleteRibbonText<Table>, "the table is incomplete");

int main() { return 0; }
