// varnel_test_files: writes the braille files of the test support library, for the shell
// tests and for the files kept in the source tree.
//
//   varnel_test_files base PATH CELLS LINES COUNT     a BASE file of COUNT varied lines
//   varnel_test_files winbes-with-graphics PATH       a one-page Win-BES file with one dot
//   varnel_test_files edel PATH                       a small drawing
//   varnel_test_files write SOURCE_DIR                samples/ and fuzz/corpus/ as built here
//   varnel_test_files check SOURCE_DIR                fails when the tree differs from them
#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "support/committed_files.h"
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

int WriteCommitted(const std::filesystem::path& root) {
  for (const test::CommittedFile& f : test::CommittedFiles()) {
    if (!WriteFile(root / f.path, f.bytes)) return 1;
  }
  return 0;
}

int CheckCommitted(const std::filesystem::path& root) {
  int differing = 0;
  for (const test::CommittedFile& f : test::CommittedFiles()) {
    std::ifstream in(root / f.path, std::ios::binary);
    const std::string held(std::istreambuf_iterator<char>(in), {});
    if (!in.is_open()) {
      std::cout << "missing: " << f.path << "\n";
      ++differing;
    } else if (held != f.bytes) {
      std::cout << "differs: " << f.path << " (" << held.size() << " bytes, built "
                << f.bytes.size() << ")\n";
      ++differing;
    }
  }
  if (differing != 0) {
    std::cout << differing
              << " file(s) differ from what tests/support builds: build the "
                 "target write_test_files to write them, and keep the change if it is meant\n";
  }
  return differing == 0 ? 0 : 1;
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

  std::string root;
  CLI::App* write = app.add_subcommand("write", "write samples/ and fuzz/corpus/ under SOURCE_DIR");
  write->add_option("SOURCE_DIR", root)->required()->check(CLI::ExistingDirectory);
  CLI::App* check = app.add_subcommand("check", "compare samples/ and fuzz/corpus/ of SOURCE_DIR");
  check->add_option("SOURCE_DIR", root)->required()->check(CLI::ExistingDirectory);

  CLI11_PARSE(app, argc, argv);

  if (*base) return WriteFile(path, test::VariedBase(cells, lines, count)) ? 0 : 1;
  if (*winbes) return WriteFile(path, test::WinBesWithOneDot()) ? 0 : 1;
  if (*edel) return WriteFile(path, test::SmallDrawing()) ? 0 : 1;
  if (*write) return WriteCommitted(root);
  return CheckCommitted(root);
}
