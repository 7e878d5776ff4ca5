// varnel_test_files: writes the braille files of the test support library for the shell
// tests.
//
//   varnel_test_files base PATH CELLS LINES COUNT     a BASE file of COUNT varied lines
//   varnel_test_files winbes-with-graphics PATH       a one-page Win-BES file with one dot
//   varnel_test_files edel PATH                       a small drawing
#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "support/print_test_files.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) std::cerr << "varnel_test_files: cannot write " << path.string() << "\n";
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Braille files for the tests"};
  app.require_subcommand(1);

  std::string path;
  int cells = 0;
  int lines = 0;
  int count = 0;
  CLI::App* base = app.add_subcommand("base", "a BASE file of COUNT lines of varied text");
  base->add_option("PATH", path)->required();
  base->add_option("CELLS", cells, "cells per line")->required()->check(CLI::Range(1, 99));
  base->add_option("LINES", lines, "lines per page")->required()->check(CLI::Range(0, 99));
  base->add_option("COUNT", count, "text lines")->required()->check(CLI::Range(0, 10000000));
  CLI::App* winbes =
      app.add_subcommand("winbes-with-graphics", "a one-page Win-BES file with one dot");
  winbes->add_option("PATH", path)->required();
  CLI::App* edel = app.add_subcommand("edel", "a drawing of a few dots of three kinds");
  edel->add_option("PATH", path)->required();

  CLI11_PARSE(app, argc, argv);

  if (*base) return WriteFile(path, test::VariedBase(cells, lines, count)) ? 0 : 1;
  if (*winbes) return WriteFile(path, test::WinBesWithOneDot()) ? 0 : 1;
  return WriteFile(path, test::SmallDrawing()) ? 0 : 1;
}
