#include "platform/headless/headless_window_system.h"

#include <algorithm>

#include "platform/headless/headless_host.h"

namespace platform {

std::unique_ptr<DialogHost> HeadlessWindowSystem::CreateHost(const DialogTemplate& tpl,
                                                             Dialog& dialog, DialogHost* owner,
                                                             bool) {
  if (failNextCreation_) {
    failNextCreation_ = false;
    return nullptr;
  }
  return std::make_unique<HeadlessHost>(*this, tpl, dialog, owner);
}

HeadlessHost* HeadlessWindowSystem::Find(int templateId) const {
  for (auto it = hosts_.rbegin(); it != hosts_.rend(); ++it) {
    if ((*it)->Template().id == templateId) return *it;
  }
  return nullptr;
}

int HeadlessWindowSystem::RecordMessageBox(MessageBoxRecord record) {
  messageBoxes_.push_back(record);
  return answerer_ ? answerer_(messageBoxes_.back()) : kMbResultOk;
}

void HeadlessWindowSystem::RunModalScript(HeadlessHost& host) {
  modalRuns_.push_back(host.Template().id);
  const auto it = scripts_.find(host.Template().id);
  if (it != scripts_.end()) it->second(host);
}

void HeadlessWindowSystem::Unregister(HeadlessHost* host) {
  hosts_.erase(std::remove(hosts_.begin(), hosts_.end(), host), hosts_.end());
  if (mainWindow_ == host) mainWindow_ = nullptr;
}

}  // namespace platform
