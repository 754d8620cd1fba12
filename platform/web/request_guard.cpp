// The browser display's request checks and its token.
#include "request_guard.h"

#include <random>

namespace plat::web {
namespace {

bool IsOwnHost(const std::string& host, int port) {
  const std::string suffix = ":" + std::to_string(port);
  return host == "127.0.0.1" + suffix || host == "localhost" + suffix;
}

// Compares without stopping at the first difference.
bool SameSecret(const std::string& given, const std::string& secret) {
  if (given.size() != secret.size()) return false;
  unsigned char difference = 0;
  for (size_t i = 0; i < secret.size(); ++i) difference |= static_cast<unsigned char>(given[i] ^ secret[i]);
  return difference == 0;
}

}  // namespace

std::string NewToken() {
  std::random_device source;
  static const char kHex[] = "0123456789abcdef";
  std::string token;
  while (token.size() < 32) {
    const unsigned bits = source();
    for (int shift = 0; shift < 32 && token.size() < 32; shift += 4) token += kHex[(bits >> shift) & 0xF];
  }
  return token;
}

std::string Refusal(const RequestFacts& request, int port, const std::string& token) {
  if (!IsOwnHost(request.host, port)) return "not addressed to this server";
  if (request.hasOrigin && !(request.origin.rfind("http://", 0) == 0 && IsOwnHost(request.origin.substr(7), port))) {
    return "sent from another origin";
  }
  if (!request.hasToken || !SameSecret(request.token, token)) return "no valid token";
  return "";
}

}  // namespace plat::web
