#include "printers/models.h"

namespace printers {

namespace {

// clang-format off
constexpr Model kModels[] = {
  // name        codes  forced graph  double f/back  no O/U  no W   no Z   no K   virtual          description
  {kTen100,     true,  true,  true,  true,  false, true,  false, false, true,  "仮想TEN-100", "vnten100.ppd"},
  {kTen10,      true,  true,  true,  false, false, true,  true,  false, true,  "仮想TEN-10", "vnten10.ppd"},
  {kNewEsa721,  true,  true,  true,  false, true,  false, false, false, false, "仮想NewESA721", "vnnesa.ppd"},
  {kEsa721,     true,  true,  false, false, true,  false, false, false, false, "仮想ESA721", "vnesa721.ppd"},
  {kNabccDbl,   false, false, false, true,  false, true,  false, true,  false, "仮想点字両面", "vnnabdbl.ppd"},
  {kNabccSgl,   false, false, false, false, true,  false, true,  true,  false, "仮想点字片面", "vnnabsgl.ppd"},
};
// clang-format on

// Without a model nothing is refused and nothing is forced; an 18-line document may be
// printed on front or back sides.
// clang-format off
constexpr Model kNoModel =
  {"",          false, false, false, false, true,  false, false, false, false, "",              ""};
// clang-format on

}  // namespace

std::span<const Model> AllModels() { return kModels; }

std::vector<std::string> VirtualEmbosserNames() {
  std::vector<std::string> names;
  for (const Model& m : kModels) names.emplace_back(m.virtualEmbosser);
  return names;
}

const Model& ModelNamed(std::string_view name) {
  for (const Model& m : kModels) {
    if (m.name == name) return m;
  }
  return kNoModel;
}

}  // namespace printers
