// The Windows code page 932 converter against the Linux one (iconv), character by
// character: a settings file must read the same on both systems.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/text/cp932.h"

namespace {

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

std::string ToHex(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const char c : bytes) {
    hex += kDigits[static_cast<unsigned char>(c) >> 4];
    hex += kDigits[static_cast<unsigned char>(c) & 15];
  }
  return hex;
}

std::string Utf8Of(unsigned cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

// VARNEL_CP932_TABLE: what the Linux converter makes of every character of the Basic
// Multilingual Plane and every one- and two-byte sequence (cp932_table.py).
TEST(Cp932WindowsTest, EveryCharacterConvertsAsOnLinux) {
  const char* table = std::getenv("VARNEL_CP932_TABLE");
  if (table == nullptr) GTEST_SKIP() << "no VARNEL_CP932_TABLE (run_unit_tests.sh makes one)";
  std::ifstream in(table);
  ASSERT_TRUE(in) << table;
  int lines = 0;
  int differences = 0;
  std::ostringstream shown;
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string kind, from, to;
    fields >> kind >> from >> to;
    std::string got;
    if (kind == "E") {
      const std::optional<std::string> bytes =
          platform::cp932::FromUtf8(Utf8Of(static_cast<unsigned>(std::stoul(from, nullptr, 16))));
      got = bytes ? ToHex(*bytes) : "-";
    } else {
      got = ToHex(platform::cp932::ToUtf8(FromHex(from)));
    }
    ++lines;
    if (got != to && ++differences <= 20) {
      shown << kind << ' ' << from << ": Linux " << to << ", Windows " << got << '\n';
    }
  }
  EXPECT_GT(lines, 70000);
  EXPECT_EQ(differences, 0) << shown.str();
}

}  // namespace
