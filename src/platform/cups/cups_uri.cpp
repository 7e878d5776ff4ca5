// The port shown for a queue: its device URI without the credentials it may carry.
#include <algorithm>
#include <string>
#include <string_view>

#include "platform/cups/cups_spooler.h"

namespace platform {

namespace {

bool IsAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the authority starts: after "scheme://", or after a leading "//". npos when the
// URI has none ("parallel:/dev/lp0", "file:/x"), and so no place for credentials.
std::size_t AuthorityStart(std::string_view uri) {
  if (uri.starts_with("//")) return 2;
  if (uri.empty() || !IsAlpha(uri[0])) return std::string_view::npos;
  std::size_t i = 1;
  while (i < uri.size() &&
         (IsAlpha(uri[i]) || IsDigit(uri[i]) || uri[i] == '+' || uri[i] == '-' || uri[i] == '.')) {
    ++i;
  }
  if (uri.substr(i, 3) != "://") return std::string_view::npos;
  return i + 3;
}

}  // namespace

std::string UriWithoutCredentials(std::string_view uri) {
  const std::size_t start = AuthorityStart(uri);
  if (start == std::string_view::npos) return std::string(uri);
  // The authority runs to the path, the query or the fragment. Its user information
  // ends at an "@"; the last one, so that a password holding a stray "@" goes too.
  const std::size_t end = std::min(uri.find_first_of("/?#", start), uri.size());
  const std::size_t at = uri.substr(start, end - start).rfind('@');
  if (at == std::string_view::npos) return std::string(uri);
  std::string result(uri.substr(0, start));
  result += uri.substr(start + at + 1);
  return result;
}

}  // namespace platform
