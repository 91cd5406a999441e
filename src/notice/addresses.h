#pragma once

#include "values/text.h"

namespace quorvella {

// The web addresses of the program, in one place. QUORVELLA_SITE (the site's root, ending in
// "/") and QUORVELLA_NOTICE_URL override them, for tests and for people who run their own site.

// The site's root, which the link strip opens.
Text SiteRoot();
// The page the window shows in its frame: the root and "zq/jqq.htm".
Text SitePage();
// The page whose notice the link strip shows.
Text NoticeUrl();

}  // namespace quorvella
