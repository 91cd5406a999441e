#include "notice/http_read_file.h"

#include <gtest/gtest.h>

#include <string>

#include "loopback_server.h"
#include "test_support.h"

namespace quorvella {
namespace {

using testing::HttpReply;
using testing::LoopbackServer;
using testing::Reply;
using testing::T;

std::string Fetch(const std::string& url) {
  return std::string(HttpReadFile(T(url)).view());
}

class HttpReadFileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { HttpInitialize(); }
};

TEST_F(HttpReadFileTest, SendsTheFixedRequestWithoutTheFragment) {
  LoopbackServer server([](const std::string&) { return Reply{HttpReply("200 OK", "", "hi")}; });
  EXPECT_EQ(Fetch(server.Url("/dir/page.html?a=1&b=%41#top")), "hi");
  ASSERT_EQ(server.requests().size(), 1u);
  const std::string request = server.requests()[0];
  EXPECT_EQ(request.substr(0, request.find("\r\n")), "GET /dir/page.html?a=1&b=%41 HTTP/1.0");
  for (const char* header :
       {"\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n",
        "\r\nAccept: */*\r\n", "\r\nPragma: no-cache\r\n", "\r\nCache-Control: no-cache\r\n"}) {
    EXPECT_NE(request.find(header), std::string::npos) << header;
  }
}

TEST_F(HttpReadFileTest, ReadsTheWholeBodyWhateverTheLengthHeaderSays) {
  const std::string large(300 * 1024, 'x');
  struct Case {
    std::string headers, body, expected;
  } cases[] = {
      {"Content-Length: 0\r\n", "", ""},
      {"", "no length", "no length"},
      {"Content-Length: abc\r\n", "not a number", "not a number"},
      {"Content-Length: 100\r\n", std::string(300, 'y'), std::string(300, 'y')},
      {"Content-Length: " + std::to_string(large.size()) + "\r\n", large, large},
      {"", std::string("nul\0inside", 10), std::string("nul\0inside", 10)},
  };
  for (const Case& c : cases) {
    LoopbackServer server(
        [&](const std::string&) { return Reply{HttpReply("200 OK", c.headers, c.body)}; });
    EXPECT_EQ(Fetch(server.Url("/")), c.expected) << c.headers;
  }
}

TEST_F(HttpReadFileTest, ErrorPagesAndRedirectsGiveTheirBodies) {
  LoopbackServer server([](const std::string& request) {
    if (request.rfind("GET /old", 0) == 0) {
      return Reply{HttpReply("302 Found", "Location: /new\r\n", "moved")};
    }
    if (request.rfind("GET /new", 0) == 0) return Reply{HttpReply("200 OK", "", "arrived")};
    return Reply{HttpReply("404 Not Found", "", "<html>no such page</html>")};
  });
  EXPECT_EQ(Fetch(server.Url("/old")), "arrived");
  EXPECT_EQ(Fetch(server.Url("/missing")), "<html>no such page</html>");
}

TEST_F(HttpReadFileTest, ABodyCutShortComesBackAsFarAsItCame) {
  LoopbackServer server([](const std::string&) {
    return Reply{HttpReply("200 OK", "Content-Length: 10000\r\n", std::string(5000, 'z'))};
  });
  EXPECT_EQ(Fetch(server.Url("/")), std::string(5000, 'z'));
}

TEST_F(HttpReadFileTest, AnEndlessBodyIsCutAtFourMiB) {
  const std::string huge(6 << 20, 'h');
  LoopbackServer server([&](const std::string&) { return Reply{HttpReply("200 OK", "", huge)}; });
  EXPECT_EQ(HttpReadFile(T(server.Url("/"))).size(), 4 << 20);
}

TEST_F(HttpReadFileTest, FailuresGiveNothing) {
  EXPECT_EQ(Fetch(""), "");
  uint16_t closed_port;
  {
    LoopbackServer gone([](const std::string&) { return Reply{}; });
    closed_port = gone.port();
  }
  EXPECT_EQ(Fetch("http://127.0.0.1:" + std::to_string(closed_port) + "/"), "");
  EXPECT_EQ(Fetch("ftp://127.0.0.1/"), "");
  EXPECT_EQ(Fetch("not a url"), "");
}

}  // namespace
}  // namespace quorvella
