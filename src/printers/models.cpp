#include "printers/models.h"

#include <initializer_list>

namespace printers {

namespace {

bool OneOf(std::string_view model, std::initializer_list<std::string_view> group) {
  for (std::string_view m : group) {
    if (model == m) return true;
  }
  return false;
}

}  // namespace

bool IsGraphicsModel(std::string_view model) {
  return OneOf(model, {kTen100, kTen10, kNewEsa721});
}

bool IsForcedPageBreakModel(std::string_view model) {
  return OneOf(model, {kTen100, kTen10, kNewEsa721, kEsa721});
}

bool IsDoubleSidedModel(std::string_view model) { return OneOf(model, {kTen100, kNabccDbl}); }

bool IsControlCodeModel(std::string_view model) {
  return OneOf(model, {kEsa721, kNewEsa721, kTen10, kTen100});
}

bool IsBlankBackModel(std::string_view model) { return OneOf(model, {kTen100, kNabccDbl}); }

}  // namespace printers
