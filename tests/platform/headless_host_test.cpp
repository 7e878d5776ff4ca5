// The headless host keeps the dialog back ends' contract, as varnel-cli and the dialog tests
// rely on: its keys, clicks and controls behave as the real windows do.
#include "platform/headless/headless_host.h"

#include "platform/headless/headless_platform.h"
#include "res/messages.h"
#include "support/dialog_host_contract.h"

namespace test {
namespace {

class HeadlessDriver {
 public:
  platform::Platform& Services() { return services_.platform; }
  void Settle() {}
  void Press(platform::DialogHost& host, int key, bool alt) {
    if (alt) {
      Of(host).PressAlt(static_cast<char>(key));
    } else {
      Of(host).PressKey(key);
    }
  }
  void Type(platform::DialogHost& host, char c) { Of(host).TypeKey(c); }
  void Click(platform::DialogHost& host, int id) { Of(host).Click(id); }
  void CloseBox(platform::DialogHost& host) { Of(host).CloseBox(); }

 private:
  static platform::HeadlessHost& Of(platform::DialogHost& host) {
    return static_cast<platform::HeadlessHost&>(host);
  }
  platform::HeadlessPlatform services_{"Varnel.ini", res::kAppName};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Headless, DialogHostContract, HeadlessDriver);

}  // namespace
}  // namespace test
