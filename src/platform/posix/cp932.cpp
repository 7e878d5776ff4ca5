#include "platform/text/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace platform::cp932 {

namespace {

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using Converter = std::unique_ptr<void, IconvCloser>;

Converter Open(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
  return Converter(cd);
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Converts `in` with `cd`. On a sequence it cannot convert, calls `onBad` with the
// output so far and skips one input byte when `onBad` returns true; otherwise gives up.
template <class OnBad>
bool Convert(iconv_t cd, std::string_view in, std::string& out, OnBad onBad) {
  char* src = const_cast<char*>(in.data());  // iconv's interface is not const-correct
  std::size_t srcLeft = in.size();
  char buffer[1024];
  while (srcLeft > 0) {
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    if (r != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    if (!onBad(out)) return false;
    ++src;
    --srcLeft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  }
  return true;
}

}  // namespace

std::optional<std::string> FromUtf8(std::string_view utf8) {
  Converter cd = Open("CP932", "UTF-8");
  if (!cd) return std::nullopt;
  std::string out;
  if (!Convert(static_cast<iconv_t>(cd.get()), utf8, out, [](std::string&) { return false; })) {
    return std::nullopt;
  }
  return out;
}

std::string ToUtf8(std::string_view bytes) {
  Converter cd = Open("UTF-8", "CP932");
  std::string out;
  if (!cd) {
    for (std::size_t i = 0; i < bytes.size(); ++i) out += kReplacement;
    return out;
  }
  Convert(static_cast<iconv_t>(cd.get()), bytes, out, [](std::string& o) {
    o += kReplacement;
    return true;
  });
  return out;
}

}  // namespace platform::cp932
