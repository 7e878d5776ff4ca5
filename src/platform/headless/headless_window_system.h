// Windows without a screen: every control kept in memory, message boxes recorded and
// answered by a script, modal runs played by a script. Tests and varnel-cli use it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog/window_system.h"

namespace platform {

class HeadlessHost;

struct MessageBoxRecord {
  std::string text;
  std::string caption;
  unsigned type;
  int templateId;  // the window that showed it
};

class HeadlessWindowSystem : public WindowSystem {
 public:
  using ModalScript = std::function<void(HeadlessHost&)>;
  using Answerer = std::function<int(const MessageBoxRecord&)>;

  std::unique_ptr<DialogHost> CreateHost(const DialogTemplate& tpl, Dialog& dialog,
                                         DialogHost* owner, bool modal) override;
  DialogHost* MainWindow() const override { return mainWindow_; }
  void SetMainWindow(DialogHost* host) override { mainWindow_ = host; }

  // What the user does while a modal window of template `templateId` runs. Without a
  // script the window is closed at once (cancel result).
  void OnModal(int templateId, ModalScript script) { scripts_[templateId] = std::move(script); }
  // How message boxes are answered; by default OK.
  void SetAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }
  // Makes the next window creation fail.
  void FailNextCreation() { failNextCreation_ = true; }

  const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
  void ClearMessageBoxes() { messageBoxes_.clear(); }
  // Template ids of the modal runs so far, in order.
  const std::vector<int>& ModalRuns() const { return modalRuns_; }
  // The live window of a template, or nullptr.
  HeadlessHost* Find(int templateId) const;

  // Used by the hosts.
  int RecordMessageBox(MessageBoxRecord record);
  void RunModalScript(HeadlessHost& host);
  void Register(HeadlessHost* host) { hosts_.push_back(host); }
  void Unregister(HeadlessHost* host);

 private:
  DialogHost* mainWindow_ = nullptr;
  std::map<int, ModalScript> scripts_;
  Answerer answerer_;
  bool failNextCreation_ = false;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<int> modalRuns_;
  std::vector<HeadlessHost*> hosts_;
};

}  // namespace platform
