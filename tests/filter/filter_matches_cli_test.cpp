// The filter plans every job as varnel-cli print runs it: for each model, a set of
// documents and the choices a job can carry, either the same bytes as --output writes and
// the same questions, or the same refusal with the same words.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "filter/filter_job.h"
#include "print/embosser_stream.h"
#include "printers/models.h"
#include "support/braille_files.h"
#include "support/dialog_fixture.h"
#include "support/encoder_run.h"

namespace {

struct Document {
  std::string name;  // the file name, whose extension chooses the dialog's reader
  filter::Format format;
  std::string bytes;
};

// A job's choices, as the filter takes them; the command line follows from them.
struct Choices {
  std::optional<std::string> pageRanges = {};
  std::string copies = "1";
  std::optional<std::string> sides = {};
  std::optional<std::string> graphics = {};
  std::optional<std::string> pageBreak = {};
};

std::string Describe(const Choices& c) {
  std::string out = "copies=" + c.copies;
  if (c.pageRanges) out += " page-ranges=" + *c.pageRanges;
  if (c.sides) out += " VarnelSides=" + *c.sides;
  if (c.graphics) out += " VarnelGraphics=" + *c.graphics;
  if (c.pageBreak) out += " VarnelPageBreak=" + *c.pageBreak;
  return out;
}

std::string Lines(int count, int seed) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += std::string(static_cast<std::size_t>((i * 7 + seed) % 30), 'A' + (i + seed) % 26);
    if (i % 5 == 2) text += "  ";
    text += "\n";
  }
  return text;
}

// Win-BES pages of 18 lines, the middle one with a dot, the header marking graphics.
std::string WinBes18() {
  const std::string page = "\xA1\xA3\x0A\xA5\x0A\x0C\x0D";
  return test::WinBesHeader("31", "18", "2 ", true) + test::WinBesRecord(page) +
         test::WinBesRecord("\xA7\x0A" + test::WinBesBlock({test::WinBesObject(1, 0, 1, 40, 60)})) +
         test::WinBesRecord(page);
}

std::vector<Document> Documents() {
  return {
      {"three.BSE", filter::Format::kBase, test::BaseFile("3018", Lines(50, 1))},
      {"five.nab", filter::Format::kNab, test::BaseFile("3222", Lines(100, 2))},
      {"dots.BES", filter::Format::kWinBes, WinBes18()},
      {"one.bes", filter::Format::kWinBes,
       test::WinBesWithGraphics({test::WinBesObject(1, 0, 3, 100, 200)})},
      {"drawing.EDL", filter::Format::kEdel, "EDEL x\n1ABCDEFGH\r\n2IJKL\r\n"},
      {"old.BES", filter::Format::kWinBes, "%BET3" + std::string(1100, ' ')},
      {"notedel.edl", filter::Format::kEdel, "EDEX\n1ABCD\r\n"},
      {"header.BSE", filter::Format::kBase, test::BaseFile("3222", "")},
  };
}

std::vector<Choices> ChoiceSets() {
  std::vector<Choices> sets = {{}};
  for (const char* sides : {"single", "front", "back", "double"}) {
    sets.push_back({.sides = sides});
  }
  for (const char* on : {"True", "False"}) {
    sets.push_back({.graphics = on});
    sets.push_back({.pageBreak = on});
  }
  for (const char* range : {"2-3", "2", "0-1", "3-2", "2-99", "1-3"}) {
    sets.push_back({.pageRanges = range});
  }
  for (const char* copies : {"2", "0", "1001", "1x"}) sets.push_back({.copies = copies});
  sets.push_back({.pageRanges = "1-3", .copies = "2", .sides = "double"});
  sets.push_back({.pageRanges = "2-3", .sides = "back", .pageBreak = "False"});
  sets.push_back({.graphics = "False", .pageBreak = "False"});
  sets.push_back({.sides = "front", .graphics = "True"});
  return sets;
}

struct CliResult {
  int status;
  std::string said;  // standard error
  std::vector<std::uint8_t> bytes;
};

CliResult RunCli(const test::TempDir& dir, const std::string& file, const std::string& printer,
                 const Choices& c) {
  cli::PrintOptions o;
  o.file = file;
  o.printer = printer;
  o.output = dir.File("cli.bin");
  o.settings = dir.File("Varnel.ini");
  std::remove(o.output->c_str());
  std::remove(o.settings.c_str());
  if (c.pageRanges) {
    const std::size_t dash = c.pageRanges->find('-');
    o.from = c.pageRanges->substr(0, dash);
    o.to = dash == std::string::npos ? *o.from : c.pageRanges->substr(dash + 1);
  }
  o.copies = c.copies;
  o.sides = c.sides;
  auto onOff = [](const std::optional<std::string>& v) -> std::optional<std::string> {
    if (!v) return std::nullopt;
    return *v == "True" ? "on" : "off";
  };
  o.graphics = onOff(c.graphics);
  o.pageBreak = onOff(c.pageBreak);

  std::ostringstream err;
  std::ostringstream out;
  std::streambuf* oldErr = std::cerr.rdbuf(err.rdbuf());
  std::streambuf* oldOut = std::cout.rdbuf(out.rdbuf());
  const int status = cli::RunPrint(o);
  std::cerr.rdbuf(oldErr);
  std::cout.rdbuf(oldOut);
  CliResult result{status, err.str(), {}};
  if (status == 0) result.bytes = test::ReadBytes(*o.output);
  return result;
}

TEST(FilterMatchesCliTest, EveryModelDocumentAndChoiceGivesTheCliBytesOrItsRefusal) {
  test::TempDir dir;
  int printed = 0;
  int refused = 0;
  for (const Document& doc : Documents()) {
    const std::string path = dir.Write(doc.name, doc.bytes);
    for (const printers::Model& model : printers::AllModels()) {
      for (const Choices& c : ChoiceSets()) {
        SCOPED_TRACE(std::string(model.name) + " " + doc.name + " " + Describe(c));
        const CliResult cli = RunCli(dir, path, std::string(model.virtualEmbosser), c);

        filter::FilterRequest request;
        request.model = std::string(model.name);
        request.format = doc.format;
        request.documentName = path;
        request.bytes =
            std::span(reinterpret_cast<const std::uint8_t*>(doc.bytes.data()), doc.bytes.size());
        request.choices = {c.pageRanges, c.copies, c.sides, c.graphics, c.pageBreak};
        const filter::FilterPlan plan = filter::PlanJob(request);

        std::string said;
        for (const std::string& q : plan.questions) said += q + "\n";
        if (plan.refusal) said += *plan.refusal + "\n";
        EXPECT_EQ(said, cli.said);
        ASSERT_EQ(plan.refusal.has_value(), cli.status != 0) << cli.said;
        if (plan.refusal) {
          ++refused;
          continue;
        }
        ++printed;
        const std::vector<std::uint8_t> bytes = test::Encode(plan.document, plan.spec);
        ASSERT_EQ(bytes, cli.bytes) << "filter:\n"
                                    << test::Hex(bytes) << "cli:\n"
                                    << test::Hex(cli.bytes);
      }
    }
  }
  // Both outcomes must have been exercised for the comparison to mean anything.
  EXPECT_GT(printed, 100);
  EXPECT_GT(refused, 100);
}

}  // namespace
