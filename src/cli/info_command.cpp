// varnel-cli info: loads a file as the Browse button does and prints what the dialog shows.
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "platform/memory/memory_spooler.h"
#include "res/messages.h"
#include "res/resource.h"

namespace cli {

namespace {

constexpr std::string_view kRefusedType = res::kUnknownFormat;

}  // namespace

int RunInfo(const std::string& file, const std::string& settings) {
  // The printers play no part in reading a file.
  Session session(std::make_unique<platform::MemorySpooler>(), settings);
  session.Files().Answer(file);
  return session.Run([&](platform::HeadlessHost& host) {
    const std::size_t before = session.MessageCount();
    host.Click(res::kIdcBrowse);
    const auto& boxes = session.Windows().MessageBoxes();
    for (std::size_t i = before; i < boxes.size(); ++i) {
      if (boxes[i].text == kRefusedType) return kExitRefused;
    }
    std::cout << "cells_per_line: " << host.GetText(res::kIdcCharsPerLine) << '\n'
              << "lines_per_page: " << host.GetText(res::kIdcLinesPerPage) << '\n'
              << "pages: " << host.GetText(res::kIdcPageCount) << '\n'
              << "graphics: " << host.GetText(res::kIdcGraphicsInfo) << '\n';
    return boxes.size() > before ? kExitRefused : kExitOk;
  });
}

}  // namespace cli
