#include "harness.h"

#include <cstdio>
#include <cstdlib>

#include "res/messages.h"
#include "res/resource.h"

namespace bench {

const test::TempDir& Folder() {
  static const test::TempDir folder("varnel-bench-");
  return folder;
}

Harness::Harness(platform::Spooler* spooler)
    : services_(Folder().File("Varnel.ini"), res::kAppName),
      platform_{services_.windows, services_.clipboard,   spooler ? *spooler : services_.spooler,
                services_.files,   services_.shell,       services_.clock,
                services_.pump,    services_.environment, res::kAppName} {
  services_.spooler.AddPrinter("TEN-100", "USB001");
  dlg_ = std::make_unique<CVarnelDlg>(platform_);
  dlg_->SetMainWindowRole();
  if (!dlg_->CreateModeless(nullptr)) {
    std::fprintf(stderr, "the main dialog cannot be created\n");
    std::abort();
  }
}

Harness::~Harness() {
  if (dlg_) dlg_->DestroyWindow();
}

platform::HeadlessHost& Harness::host() { return *services_.windows.Find(res::kIddVarnel); }

bool Harness::Browse(const std::string& path) {
  const std::size_t before = services_.windows.MessageBoxes().size();
  services_.files.Answer(path);
  host().Click(res::kIdcBrowse);
  return services_.windows.MessageBoxes().size() == before;
}

bool Harness::Print() {
  const std::size_t before = services_.windows.MessageBoxes().size();
  host().Click(res::kIdcPrint);
  return services_.windows.MessageBoxes().size() == before;
}

void Harness::ForgetDocument() {
  std::vector<std::string>().swap(dlg_->m_arrLines);
  std::vector<std::string>().swap(dlg_->m_arrPageGraphics);
  std::string().swap(dlg_->m_strFileHeader);
}

}  // namespace bench
