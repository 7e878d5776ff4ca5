#include "platform/text/decimal.h"

#include <climits>

namespace platform {

bool IsAllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

namespace {

// Accumulates digits with saturation at `limit`.
long long Accumulate(std::string_view digits, long long limit) {
  long long v = 0;
  for (char c : digits) {
    v = v * 10 + (c - '0');
    if (v > limit) return limit;
  }
  return v;
}

}  // namespace

int DigitsToInt(std::string_view digits) { return static_cast<int>(Accumulate(digits, INT_MAX)); }

std::optional<int> ParseInteger(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || !IsAllDigits(text)) return std::nullopt;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  const long long v = Accumulate(text, limit);
  return static_cast<int>(negative ? -v : v);
}

}  // namespace platform
