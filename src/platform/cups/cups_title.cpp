// The title a job carries on the scheduler.
#include <string>
#include <string_view>

#include "platform/cups/cups_spooler.h"
#include "platform/text/utf8.h"

namespace platform::cups {

namespace {

// The length of the well-formed UTF-8 character at the start of `text`; 0 when the
// bytes there are not one.
std::size_t CharacterLength(std::string_view text) {
  const auto b = static_cast<unsigned char>(text[0]);
  const std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
  if (n > text.size()) return 0;
  return IsValidUtf8(text.substr(0, n)) ? n : 0;
}

// The scheduler's longest name, in bytes.
constexpr std::size_t kMaxTitleBytes = 255;

}  // namespace

std::string JobTitle(std::string_view documentName) {
  // The scheduler takes titles in UTF-8 without control characters. A path can hold
  // anything: such bytes become U+FFFD, so the title still tells the file.
  std::string title;
  while (!documentName.empty()) {
    const std::size_t n = CharacterLength(documentName);
    const auto b = static_cast<unsigned char>(documentName[0]);
    if (n == 0 || b < 0x20 || b == 0x7F) {
      title += "\xEF\xBF\xBD";
      documentName.remove_prefix(1);
    } else {
      title += documentName.substr(0, n);
      documentName.remove_prefix(n);
    }
    if (title.size() > kMaxTitleBytes) break;
  }
  return std::string(Utf8Prefix(title, kMaxTitleBytes));
}

}  // namespace platform::cups
