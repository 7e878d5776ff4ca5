// The main dialog with helpers to load documents and print.
#pragma once

#include "support/dialog_fixture.h"

namespace test {

class PrintTest : public DialogTest {
 protected:
  // A BASE file of `linesPerPage` lines a page holding `lines`.
  void LoadBase(int linesPerPage, const std::vector<std::string>& lines,
                const std::string& ext = "BSE");
  // A BASE file of `pages` full pages; each line names its page and line ("P2L3").
  void LoadPages(int linesPerPage, int pages);
  void LoadFile(const std::string& name, const std::string& bytes);
  // Presses Print with its Alt key; returns the bytes of the job the spooler received (empty when
  // none).
  std::vector<std::uint8_t> Print();
  void SetRange(int from, int to, int copies = 1);
};

// The bytes of a text.
std::vector<std::uint8_t> B(std::string_view s);
// Concatenates byte sequences.
std::vector<std::uint8_t> Cat(std::initializer_list<std::vector<std::uint8_t>> parts);
std::vector<std::uint8_t> Repeat(const std::vector<std::uint8_t>& part, int times);

}  // namespace test
