#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace quorvella::testing {

LoopbackServer::LoopbackServer(std::function<Reply(const std::string&)> handler)
    : handler_(std::move(handler)) {
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);  // never another address
  socklen_t length = sizeof(address);
  if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      listen(listener_, 16) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
  stopping_ = true;
  thread_.join();
  close(listener_);
  for (int connection : held_) close(connection);
}

std::string LoopbackServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> LoopbackServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void LoopbackServer::Serve() {
  std::vector<std::thread> connections;
  while (!stopping_) {
    pollfd waiting{listener_, POLLIN, 0};
    if (poll(&waiting, 1, 50) <= 0) continue;
    const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection >= 0) connections.emplace_back([this, connection] { Answer(connection); });
  }
  for (std::thread& connection : connections) connection.join();
}

// One connection, on a thread of its own: browsers open connections they may never use.
void LoopbackServer::Answer(int connection) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos && !stopping_) {
    pollfd readable{connection, POLLIN, 0};
    if (poll(&readable, 1, 50) <= 0) continue;
    const ssize_t got = recv(connection, buffer, sizeof(buffer), 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<size_t>(got));
  }
  if (request.find("\r\n\r\n") == std::string::npos) {
    close(connection);
    return;
  }
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  const Reply reply = handler_(request);
  if (reply.hang) {
    std::lock_guard lock(mutex_);
    held_.push_back(connection);
    return;
  }
  for (size_t sent = 0; sent < reply.bytes.size();) {
    const ssize_t put =
        send(connection, reply.bytes.data() + sent, reply.bytes.size() - sent, MSG_NOSIGNAL);
    if (put <= 0) break;
    sent += static_cast<size_t>(put);
  }
  close(connection);
}

std::string HttpReply(const std::string& status, const std::string& headers,
                      const std::string& body) {
  return "HTTP/1.0 " + status + "\r\n" + headers + "\r\n" + body;
}

}  // namespace quorvella::testing
