#include "filter/printer_description.h"

#include <cups/ppd.h>

#include <memory>

namespace filter {

namespace {

constexpr const char* kOptions[] = {"VarnelSides", "VarnelGraphics", "VarnelPageBreak"};

}  // namespace

// libcups marks its PPD functions as deprecated in favour of the IPP printer attributes,
// which a filter does not have: the PPD the scheduler names in $PPD is the filter's only
// description of its printer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

std::optional<PrinterDescription> ReadPrinterDescription(const std::string& path) {
  const std::unique_ptr<ppd_file_t, void (*)(ppd_file_t*)> ppd(ppdOpenFile(path.c_str()), ppdClose);
  if (!ppd) return std::nullopt;
  PrinterDescription description;
  if (const ppd_attr_t* model = ppdFindAttr(ppd.get(), "VarnelModel", nullptr);
      model != nullptr && model->value != nullptr) {
    description.model = model->value;
  }
  for (const char* keyword : kOptions) {
    if (const ppd_option_t* option = ppdFindOption(ppd.get(), keyword)) {
      description.defaults[keyword] = option->defchoice;
    }
  }
  return description;
}

#pragma GCC diagnostic pop

}  // namespace filter
