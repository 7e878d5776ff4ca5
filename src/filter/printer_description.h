// What the filter takes from the queue's printer description (PPD): the embosser model
// and the defaults the administrator left or set for the Varnel options.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace filter {

struct PrinterDescription {
  std::string model;                            // *VarnelModel
  std::map<std::string, std::string> defaults;  // option keyword -> default choice
};

// Nothing when the file cannot be read as a PPD.
std::optional<PrinterDescription> ReadPrinterDescription(const std::string& path);

}  // namespace filter
