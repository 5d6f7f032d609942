// Built by ctest once per case: every REJECT_* case must fail to compile, naming the rule
// it breaks; with no case defined the file must compile, which shows the harness works.
#include "ribbon/markup.h"

using namespace zorvane::ribbon::markup;

#if defined(REJECT_LESS_THAN)
constexpr auto kBad = Attr(u"label", u"a<b");
#elif defined(REJECT_AMPERSAND)
constexpr auto kBad = Attr(u"label", u"R&D");
#elif defined(REJECT_DOUBLE_QUOTE)
constexpr auto kBad = Attr(u"label", u"say \"hi\"");
#elif defined(REJECT_LINE_BREAK)
constexpr auto kBad = Attr(u"label", u"two\nlines");
#elif defined(REJECT_ATTRIBUTE_NAME)
constexpr auto kBad = Attr(u"show-label", u"false");
#elif defined(REJECT_ELEMENT_NAME)
constexpr auto kBad = Element(u"my:menu");
#else
constexpr auto kGood = Element(u"button", Attributes(Attr(u"label", u"a>b 'ok' ...")));
static_assert(kGood.view() == u"<button label=\"a>b 'ok' ...\"/>");
#endif

int main() { return 0; }
