#include "support/dialog_fixture.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "res/messages.h"
#include "res/resource.h"

namespace test {

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  char buf[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
    out += buf;
    out += (i % 16 == 15) ? '\n' : ' ';
  }
  return out;
}

DialogTest::DialogTest()
    : settingsPath_(dir_.File("Varnel.ini")), services_(settingsPath_, res::kAppName) {}

DialogTest::~DialogTest() {
  if (dlg_) dlg_->DestroyWindow();
}

void DialogTest::Start() {
  dlg_ = std::make_unique<CVarnelDlg>(services_.platform);
  dlg_->SetMainWindowRole();
  ASSERT_TRUE(dlg_->CreateModeless(nullptr));
}

const std::map<std::string, std::string>& DialogTest::PrinterOf() {
  static const std::map<std::string, std::string> names = {
      {"TEN-100", "TEN-100 USB"}, {"TEN-10", "TEN-10 USB"},   {"NewESA721", "ESA721 New"},
      {"ESA721", "ESA721 LPT"},   {"NABCC-DBL", "点字 両面"}, {"NABCC-SGL", "点字 片面"}};
  return names;
}

void DialogTest::StartWith(const std::string& model, const std::string& port) {
  for (const auto& [m, name] : PrinterOf()) spooler_.AddPrinter(name, port);
  Start();
  host().Choose(res::kIdcPrinter, PrinterOf().at(model));
  ASSERT_EQ(dlg().m_strModel, model);
}

void DialogTest::DestroyAndRestart() {
  if (dlg_) dlg_->DestroyWindow();
  dlg_.reset();
  Start();
}

platform::HeadlessHost& DialogTest::host() { return *windows_.Find(res::kIddVarnel); }

void DialogTest::Browse(const std::string& path) {
  files_.Answer(path);
  host().Click(res::kIdcBrowse);
}

std::vector<std::string> DialogTest::Messages() const {
  std::vector<std::string> texts;
  for (const auto& box : windows_.MessageBoxes()) texts.push_back(box.text);
  return texts;
}

}  // namespace test
