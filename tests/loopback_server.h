#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quorvella::testing {

// What the server does with one request.
struct Reply {
  std::string bytes;  // sent as they are (status line, headers, body), then the connection closes
  bool hang = false;  // never answer; keep the connection open until the server stops
};

// An HTTP server on 127.0.0.1 for tests: it records every raw request and answers each with
// what `handler` gives for it, each connection on a thread of its own.
class LoopbackServer {
 public:
  explicit LoopbackServer(std::function<Reply(const std::string& request)> handler);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  uint16_t port() const { return port_; }
  std::string Url(const std::string& path) const;
  std::vector<std::string> requests() const;

 private:
  void Serve();
  void Answer(int connection);

  std::function<Reply(const std::string&)> handler_;
  int listener_ = -1;
  uint16_t port_ = 0;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<int> held_;  // connections kept open without an answer
  std::thread thread_;
};

// A reply with a status line, the given headers and a body.
std::string HttpReply(const std::string& status, const std::string& headers,
                      const std::string& body);

}  // namespace quorvella::testing
