// The compiled printer descriptions: one per model, naming it for the filter, offering
// the choices the model's keys take, starting from the dialog's defaults, and sending the
// four formats to the filter.
#include "filter/printer_description.h"

#include <cups/ppd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "print/job_rules.h"
#include "print/job_spec.h"
#include "printers/models.h"

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"  // libcups's PPD functions

namespace {

std::set<std::string> ChoicesOf(ppd_file_t* ppd, const char* keyword) {
  std::set<std::string> choices;
  if (ppd_option_t* option = ppdFindOption(ppd, keyword)) {
    for (int i = 0; i < option->num_choices; ++i) choices.insert(option->choices[i].choice);
  }
  return choices;
}

// The descriptions the build compiles are those the model table names, no more.
TEST(PrinterDescriptionTest, TheBuildCompilesOneDescriptionPerModel) {
  std::set<std::string> compiled;
  for (const auto& entry : std::filesystem::directory_iterator(VARNEL_PPD_DIR)) {
    if (entry.path().extension() == ".ppd") compiled.insert(entry.path().filename().string());
  }
  std::set<std::string> named;
  for (const printers::Model& model : printers::AllModels()) {
    named.emplace(model.printerDescription);
  }
  EXPECT_EQ(compiled, named);
}

TEST(PrinterDescriptionTest, EachModelOffersWhatItsKeysTakeFromTheDialogsDefaults) {
  for (const printers::Model& model : printers::AllModels()) {
    SCOPED_TRACE(model.name);
    const std::string path =
        std::string(VARNEL_PPD_DIR) + "/" + std::string(model.printerDescription);
    const std::optional<filter::PrinterDescription> description =
        filter::ReadPrinterDescription(path);
    ASSERT_TRUE(description) << path;
    EXPECT_EQ(description->model, model.name);

    const std::unique_ptr<ppd_file_t, void (*)(ppd_file_t*)> ppd(ppdOpenFile(path.c_str()),
                                                                 ppdClose);
    ASSERT_TRUE(ppd);
    EXPECT_TRUE(ppd->manual_copies) << "the filter makes the copies";
    EXPECT_EQ(std::string(ppd->manufacturer), "Varnel");

    // A side is offered when its key takes it for some document (one of 18-line pages).
    std::set<std::string> sides = {"Auto", "single"};
    const std::pair<int, const char*> named[] = {{print::kSidesFront, "front"},
                                                 {print::kSidesBack, "back"},
                                                 {print::kSidesDouble, "double"}};
    for (const auto& [value, name] : named) {
      if (print::SidesKeyAnswer(model, print::kDoubleSidedLines, value).accepted) {
        sides.insert(name);
      }
    }
    EXPECT_EQ(ChoicesOf(ppd.get(), "VarnelSides"), sides);
    EXPECT_EQ(description->defaults.at("VarnelSides"), "Auto");

    // Graphics only where they are embossed; page breaks where the dialog lets them be
    // turned off (its box enabled), not only through a hidden key.
    if (model.graphics) {
      EXPECT_EQ(ChoicesOf(ppd.get(), "VarnelGraphics"),
                (std::set<std::string>{"Auto", "True", "False"}));
      EXPECT_EQ(description->defaults.at("VarnelGraphics"), "Auto");
    } else {
      EXPECT_TRUE(ChoicesOf(ppd.get(), "VarnelGraphics").empty());
    }
    if (!model.forcedPageBreak) {
      EXPECT_EQ(ChoicesOf(ppd.get(), "VarnelPageBreak"), (std::set<std::string>{"True", "False"}));
      EXPECT_EQ(description->defaults.at("VarnelPageBreak"), "True");  // a new settings file
    } else {
      EXPECT_TRUE(ChoicesOf(ppd.get(), "VarnelPageBreak").empty());
    }

    std::set<std::string> filters;
    for (ppd_attr_t* a = ppdFindAttr(ppd.get(), "cupsFilter2", nullptr); a != nullptr;
         a = ppdFindNextAttr(ppd.get(), "cupsFilter2", nullptr)) {
      filters.insert(a->value);
    }
    EXPECT_EQ(filters,
              (std::set<std::string>{
                  "application/x-braille-base application/vnd.cups-raw 0 varnel-filter",
                  "application/x-braille-edel application/vnd.cups-raw 0 varnel-filter",
                  "application/x-braille-nab application/vnd.cups-raw 0 varnel-filter",
                  "application/x-braille-winbes application/vnd.cups-raw 0 varnel-filter"}));
  }
}

TEST(PrinterDescriptionTest, AFileThatIsNoPrinterDescriptionGivesNothing) {
  EXPECT_FALSE(filter::ReadPrinterDescription("/nonexistent/x.ppd"));
  EXPECT_FALSE(filter::ReadPrinterDescription(VARNEL_SOURCE_DIR "/packaging/cups/varnel.types"));
}

}  // namespace
