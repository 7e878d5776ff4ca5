// The port shown for a queue: its device URI without the credentials it may carry, as
// libcups reads them (the scheduler and its back ends parse device URIs with it).
#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/cups/cups_library.h"
#include "platform/cups/cups_spooler.h"

namespace platform::cups {

namespace {

// Where the authority starts: after a leading "//", or after the "//" that follows the
// scheme's ":". npos when the URI has none ("parallel:/dev/lp0", "/x", "mailto:a@b"), and
// so no place for credentials.
std::size_t AuthorityStart(std::string_view uri) {
  if (uri.starts_with("//")) return 2;
  if (uri.starts_with("/")) return std::string_view::npos;
  const std::size_t colon = uri.find(':');
  if (colon == std::string_view::npos || uri.substr(colon + 1, 2) != "//") {
    return std::string_view::npos;
  }
  return colon + 3;
}

// A URI as libcups separates it. Nothing is decoded, so every part is the URI's own text.
struct UriParts {
  std::string scheme;
  std::string userInfo;
  std::string host;
  int port = 0;
  std::string resource;
};

std::string UpToNul(const std::string& buffer) { return buffer.substr(0, buffer.find('\0')); }

std::optional<UriParts> Separate(const std::string& uri) {
  // libcups reads up to a NUL, and cuts a part short that does not fit its buffer
  // without saying so: each buffer holds the whole URI and a leading "/".
  if (uri.find('\0') != std::string::npos ||
      uri.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() / 2)) {
    return std::nullopt;
  }
  const int size = static_cast<int>(uri.size()) + 2;
  std::string scheme(size, '\0'), userInfo(size, '\0'), host(size, '\0'), resource(size, '\0');
  int port = 0;
  if (Cups().httpSeparateURI(HTTP_URI_CODING_NONE, uri.c_str(), scheme.data(), size,
                             userInfo.data(), size, host.data(), size, &port, resource.data(),
                             size) < HTTP_URI_STATUS_OK) {
    return std::nullopt;
  }
  return UriParts{UpToNul(scheme), UpToNul(userInfo), UpToNul(host), port, UpToNul(resource)};
}

// libcups's spelling of the parts, with the user information given (or none).
std::string Assemble(const UriParts& parts, const char* userInfo, int port, std::size_t size) {
  std::string uri(size, '\0');
  if (Cups().httpAssembleURI(HTTP_URI_CODING_NONE, uri.data(), static_cast<int>(size),
                             parts.scheme.c_str(), userInfo, parts.host.c_str(), port,
                             parts.resource.c_str()) != HTTP_URI_STATUS_OK) {
    return {};
  }
  return UpToNul(uri);
}

// The URI libcups separated into `parts`, without its user information.
std::string WithoutUserInfo(const std::string& uri, const UriParts& parts) {
  // libcups takes the text between "//" and the first "@" before any "/" as the user
  // information; unless there is such an "@", there is none (and the user name is empty).
  const std::size_t start = AuthorityStart(uri);
  if (start == std::string::npos) return uri;
  const std::size_t at = start + parts.userInfo.size();
  if (uri.compare(start, parts.userInfo.size(), parts.userInfo) != 0 || at >= uri.size() ||
      uri[at] != '@') {
    return uri;
  }
  // Assembled again without the user name, where libcups spells the rest as it is written
  // (the port written, or left to the scheme's default). It writes some URIs otherwise (a
  // default port, "/" for a missing path, the zone of an IPv6 address): those keep their
  // own text, without the user information.
  const std::size_t size = uri.size() + 16;
  for (const int port : {0, parts.port}) {
    if (Assemble(parts, parts.userInfo.c_str(), port, size) == uri) {
      return Assemble(parts, nullptr, port, size);
    }
  }
  return uri.substr(0, start) + uri.substr(at + 1);
}

// One pass: the user information libcups reads, or what may be credentials in a URI it
// refuses.
std::string WithoutFirstCredentials(const std::string& uri) {
  if (const std::optional<UriParts> parts = Separate(uri)) return WithoutUserInfo(uri, *parts);
  // A URI libcups does not take: anything up to the last "@" before the first "/" after
  // "//" may be credentials, so all of it goes.
  const std::size_t start = AuthorityStart(uri);
  if (start == std::string::npos) return uri;
  const std::size_t slash = std::min(uri.find('/', start), uri.size());
  const std::size_t at = std::string_view(uri).substr(start, slash - start).rfind('@');
  if (at == std::string_view::npos) return uri;
  return uri.substr(0, start) + uri.substr(start + at + 1);
}

}  // namespace

std::string UriWithoutCredentials(std::string_view uri) {
  // Without its user information, a URI can show another "@" before any "/" (one from its
  // query), which libcups then reads as user information in turn; the scheduler may have
  // taken the first one out already. Until none is left, so that the port is the same
  // either way and never holds what libcups would take for credentials.
  std::string port(uri);
  for (std::string shorter = WithoutFirstCredentials(port); shorter != port;
       shorter = WithoutFirstCredentials(port)) {
    port = std::move(shorter);
  }
  return port;
}

}  // namespace platform::cups
