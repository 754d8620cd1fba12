// Who may talk to the browser display: requests with the display's token,
// addressed to the server's own host (no other name can rebind to it) and,
// when a browser says where the request comes from, sent from the page's own
// origin.
#pragma once
#include <string>

namespace plat::web {

// A fresh token: 32 hex digits from the system's random source.
std::string NewToken();

struct RequestFacts {
  std::string host;         // the Host header
  bool hasOrigin = false;   // an Origin header was sent
  std::string origin;
  bool hasToken = false;    // the "token" parameter was sent
  std::string token;
};

// Empty when the request may be served on a server listening on port with
// this token, else why it is refused.
std::string Refusal(const RequestFacts& request, int port, const std::string& token);

}  // namespace plat::web
