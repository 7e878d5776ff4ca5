// The main dialog on the headless host with services that record what happens.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/varnel_dlg.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace test {

std::vector<std::uint8_t> ReadBytes(const std::string& path);
std::vector<std::uint8_t> Bytes(std::string_view text);
// Bytes as hex, 16 to a line, for failure messages.
std::string Hex(const std::vector<std::uint8_t>& bytes);

class DialogTest : public ::testing::Test {
 protected:
  DialogTest();
  ~DialogTest() override;

  // Starts the main dialog: OnInitDialog runs with the printers and settings file given.
  void Start();
  // Starts with an embosser of each model listed, and the one of `model` chosen.
  void StartWith(const std::string& model, const std::string& port = "USB001");
  // The embosser listed for each model by StartWith.
  static const std::map<std::string, std::string>& PrinterOf();
  // Ends the running dialog through its close box and starts a new one.
  void DestroyAndRestart();
  platform::HeadlessHost& host();
  CVarnelDlg& dlg() { return *dlg_; }
  // Chooses a file through the Browse button.
  void Browse(const std::string& path);
  // Message box texts shown so far.
  std::vector<std::string> Messages() const;

  TempDir dir_;
  std::string settingsPath_;
  platform::HeadlessPlatform services_;
  platform::HeadlessWindowSystem& windows_ = services_.windows;
  platform::MemoryClipboard& clipboard_ = services_.clipboard;
  platform::MemorySpooler& spooler_ = services_.spooler;
  platform::ScriptedFileChooser& files_ = services_.files;
  platform::RecordingShell& shell_ = services_.shell;
  platform::RecordingClock& clock_ = services_.clock;
  platform::ScriptedPump& pump_ = services_.pump;
  std::unique_ptr<CVarnelDlg> dlg_;
};

}  // namespace test
