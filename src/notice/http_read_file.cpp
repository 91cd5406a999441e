#include "notice/http_read_file.h"

#include <curl/curl.h>

#include <algorithm>
#include <string>

namespace quorvella {
namespace {

constexpr const char* kAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
// A notice page is small; a server that sends without end must not use up the memory.
constexpr size_t kMostBodyBytes = 4 << 20;

size_t AppendBody(char* data, size_t size, size_t count, void* target) {
  auto* body = static_cast<std::string*>(target);
  const size_t bytes = size * count;
  const size_t kept = std::min(bytes, kMostBodyBytes - body->size());
  body->append(data, kept);
  return kept;  // fewer than delivered ends the transfer
}

}  // namespace

void HttpInitialize() {
  curl_global_init(CURL_GLOBAL_DEFAULT);
}

ByteSet HttpReadFile(const Text& url) {
  if (url.empty()) return {};
  // A fragment is never sent.
  const std::string address(url.view().substr(0, url.view().find('#')));
  CURL* curl = curl_easy_init();
  if (!curl) return {};
  curl_slist* headers = nullptr;
  headers = curl_slist_append(headers, "Accept: */*");
  headers = curl_slist_append(headers, "Pragma: no-cache");
  headers = curl_slist_append(headers, "Cache-Control: no-cache");
  std::string body;
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, kAgent);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  // The length header does not bound the body: it is read until the server ends it.
  curl_easy_setopt(curl, CURLOPT_IGNORE_CONTENT_LENGTH, 1L);
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 20L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);  // safe on a thread of its own
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &AppendBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
  // The result does not matter: whatever part of the body arrived is the answer.
  curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  curl_slist_free_all(headers);
  return ByteSet::Copy(body);
}

}  // namespace quorvella
