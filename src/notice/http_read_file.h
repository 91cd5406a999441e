#pragma once

#include "values/byte_set.h"
#include "values/text.h"

namespace quorvella {

// Sets up the HTTP library for the whole process; once, on the main thread, at start-up.
void HttpInitialize();

// Fetches `url` (http or https) with a blocking GET and gives the body of the response,
// whatever its status: redirects are followed, TLS certificates verified, the proxy of the
// environment used, and the url's user name and password sent. The request line says HTTP/1.0
// and asks no cache for anything. A body cut short comes back as far as it came, and no more
// than the first 4 MiB of a body are kept. Every failure gives an empty byte set.
ByteSet HttpReadFile(const Text& url);

}  // namespace quorvella
