#include "platform/wx/wx_file_chooser.h"

#include <wx/filedlg.h>

#include <cctype>
#include <vector>

#include "platform/wx/wx_present.h"
#include "platform/wx/wx_text.h"
#include "platform/wx/wx_window_system.h"

namespace platform::wx {

namespace {

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// "*.BSE" gives "*.[bB][sS][eE]"; anything but ASCII letters stays as it is.
std::string EitherCase(std::string_view pattern) {
  std::string out;
  for (const char ch : pattern) {
    const auto c = static_cast<unsigned char>(ch);
    if (std::isalpha(c) != 0 && c < 0x80) {
      out += '[';
      out += static_cast<char>(std::tolower(c));
      out += static_cast<char>(std::toupper(c));
      out += ']';
    } else {
      out += ch;
    }
  }
  return out;
}

}  // namespace

std::string WildcardFromFilter(std::string_view filter) {
  while (!filter.empty() && filter.back() == '|') filter.remove_suffix(1);
  const std::vector<std::string_view> parts = SplitAt(filter, '|');
  std::string wildcard;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (!wildcard.empty()) wildcard += '|';
    wildcard += parts[i];
    wildcard += '|';
    bool first = true;
    for (std::string_view pattern : SplitAt(parts[i + 1], ';')) {
      if (!first) wildcard += ';';
      first = false;
      wildcard += EitherCase(pattern);
    }
  }
  return wildcard;
}

std::optional<std::string> FileChooser::ChooseFileToOpen(std::string_view title,
                                                         std::string_view filter) {
  // Open, existing files only; GTK's chooser has no read-only box to hide.
  wxFileDialog dialog(windows_.MainWxWindow(), ToWx(title), wxString(), wxString(),
                      ToWx(WildcardFromFilter(filter)), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  dialog.SetFilterIndex(0);
  const PresentWhenShown present(dialog);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return FromWx(dialog.GetPath());
}

}  // namespace platform::wx
