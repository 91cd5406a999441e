#include "notice/addresses.h"

#include <cstdlib>

#include "values/code_page.h"
#include "values/text_operations.h"

namespace quorvella {
namespace {

Text FromEnvironment(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  if (!value || !*value) return Text::Literal(fallback, std::char_traits<char>::length(fallback));
  return FromLocale(value).value_or(Text());
}

}  // namespace

Text SiteRoot() {
  return FromEnvironment("QUORVELLA_SITE", "http://www.quorvella.example/");
}

Text SitePage() {
  return TextJoin({SiteRoot(), "zq/jqq.htm"_text});
}

Text NoticeUrl() {
  return FromEnvironment(
      "QUORVELLA_NOTICE_URL",
      "http://blog.quorvella.example/quorvella/blog/notice-board.html?timeStamp=1765432100000");
}

}  // namespace quorvella
