#include "print/print_fixture.h"

#include "res/resource.h"
#include "support/braille_files.h"

namespace test {

void PrintTest::LoadBase(int linesPerPage, const std::vector<std::string>& lines,
                         const std::string& ext) {
  LoadFile("doc." + ext, BaseFile(32, linesPerPage, lines));
}

void PrintTest::LoadPages(int linesPerPage, int pages) {
  std::vector<std::string> lines;
  for (int p = 1; p <= pages; ++p) {
    for (int l = 1; l <= linesPerPage; ++l)
      lines.push_back("P" + std::to_string(p) + "L" + std::to_string(l));
  }
  LoadBase(linesPerPage, lines);
}

void PrintTest::LoadFile(const std::string& name, const std::string& bytes) {
  Browse(dir_.Write(name, bytes));
  ASSERT_TRUE(Messages().empty()) << Messages().front();
}

std::vector<std::uint8_t> PrintTest::Print() {
  const std::size_t jobs = spooler_.Jobs().size();
  host().PressAlt('P');
  if (spooler_.Jobs().size() == jobs) return {};
  return spooler_.Jobs().back().bytes;
}

void PrintTest::SetRange(int from, int to, int copies) {
  host().Type(res::kIdcStartPage, std::to_string(from));
  host().Type(res::kIdcEndPage, std::to_string(to));
  host().Type(res::kIdcCopies, std::to_string(copies));
}

std::vector<std::uint8_t> B(std::string_view s) {
  return std::vector<std::uint8_t>(s.begin(), s.end());
}

std::vector<std::uint8_t> Cat(std::initializer_list<std::vector<std::uint8_t>> parts) {
  std::vector<std::uint8_t> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

std::vector<std::uint8_t> Repeat(const std::vector<std::uint8_t>& part, int times) {
  std::vector<std::uint8_t> out;
  for (int i = 0; i < times; ++i) out.insert(out.end(), part.begin(), part.end());
  return out;
}

}  // namespace test
