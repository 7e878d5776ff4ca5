#include "res/resource.h"
#include "res/templates.h"

namespace res {

std::string_view LoadString(int id) {
  switch (id) {
    case kIdsAboutBox:
      return "Varnel のﾊﾞｰｼﾞｮﾝ情報(&A)...";
    case kIdsPrinting:
      return "印刷中";
    default:
      return {};
  }
}

}  // namespace res
