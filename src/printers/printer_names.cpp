// Names are UTF-8, so a substring match can never begin inside a multibyte character.
// The tests are case-sensitive and know only the variants below.
#include "printers/printer_names.h"

#include <initializer_list>
#include <span>

#include "printers/models.h"

namespace printers {

namespace {

using Variants = std::span<const std::string_view>;

constexpr std::string_view kTenNames[] = {"ten", "TEN", "ｔｅｎ", "ＴＥＮ"};
constexpr Variants kTen = kTenNames;
constexpr std::string_view k10Names[] = {"10", "１０"};
constexpr Variants k10 = k10Names;
constexpr std::string_view k100Names[] = {"100", "１００"};
constexpr Variants k100 = k100Names;
constexpr std::string_view kEsaNames[] = {"esa", "ESA", "ｅｓａ", "ＥＳＡ"};
constexpr Variants kEsa = kEsaNames;
constexpr std::string_view k721Names[] = {"721", "７２１"};
constexpr Variants k721 = k721Names;
constexpr std::string_view kNewNames[] = {"new", "New", "NEW", "ｎｅｗ", "Ｎｅｗ", "ＮＥＷ"};
constexpr Variants kNew = kNewNames;
constexpr std::string_view kDoubleMarkNames[] = {"両面"};
constexpr Variants kDoubleMark = kDoubleMarkNames;
constexpr std::string_view kSingleMarkNames[] = {"片面"};
constexpr Variants kSingleMark = kSingleMarkNames;

// A rule holds when the name contains a variant of every one of its groups.
struct Rule {
  std::initializer_list<const Variants*> groups;
  std::string_view model;
};

// Listing, tested in this order.
const Rule kListingRules[] = {
    {{&kTen, &k10}, {}},
    {{&kEsa, &k721}, {}},
    {{&kSingleMark}, {}},
    {{&kDoubleMark}, {}},
};

// Classification, the first rule that holds gives the model.
const Rule kModelRules[] = {
    {{&kTen, &k100}, kTen100}, {{&kTen, &k10}, kTen10},     {{&kEsa, &k721, &kNew}, kNewEsa721},
    {{&kEsa, &k721}, kEsa721}, {{&kDoubleMark}, kNabccDbl},
};

bool ContainsVariant(std::string_view name, const Variants& variants) {
  for (std::string_view v : variants) {
    if (name.find(v) != std::string_view::npos) return true;
  }
  return false;
}

bool Holds(std::string_view name, const Rule& rule) {
  for (const Variants* g : rule.groups) {
    if (!ContainsVariant(name, *g)) return false;
  }
  return true;
}

}  // namespace

bool IsListedEmbosserName(std::string_view name) {
  for (const Rule& r : kListingRules) {
    if (Holds(name, r)) return true;
  }
  return false;
}

std::string_view ClassifyModelName(std::string_view name) {
  for (const Rule& r : kModelRules) {
    if (Holds(name, r)) return r.model;
  }
  return kNabccSgl;
}

std::string RemoveColons(std::string_view port) {
  std::string out;
  out.reserve(port.size());
  for (char c : port) {
    if (c != ':') out += c;
  }
  return out;
}

}  // namespace printers
