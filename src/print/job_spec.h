// A print job as data: what the encoder needs to know besides the document, and the two
// small interfaces through which the bytes leave and the job reports its progress.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace print {

// The sides choice.
inline constexpr int kSidesSingle = 0;  // all pages, one side each
inline constexpr int kSidesFront = 1;   // odd pages (front sides)
inline constexpr int kSidesBack = 2;    // even pages (back sides)
inline constexpr int kSidesDouble = 3;  // all pages, both sides

// The page length of the sides rules: double-sided embossers print 18-line pages.
inline constexpr int kDoubleSidedLines = 18;

struct JobSpec {
  std::string model;     // a model name (printers/models)
  int linesPerPage = 0;  // of the document
  int sides = kSidesSingle;
  int startPage = 1;  // first and last page, counted from 1
  int endPage = 0;
  int copies = 1;
  bool pageBreak = false;  // a form feed ends every page
  bool graphics = false;   // the pages' tactile graphics are embossed
  bool edel = false;       // the document is an EDEL drawing: its page always ends with a form feed
  bool pacePort = false;   // the port is a slow parallel port: a pause after every byte
};

// Where the bytes go: a byte at a time, or a run of them.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // False when the byte did not arrive; the job then sends nothing more.
  virtual bool Put(std::uint8_t byte) = 0;
  // Bytes in a row, each as Put takes it, up to the first that does not arrive. A sink
  // for which that is only copying (a buffer, a counter) takes them at once.
  virtual bool PutRun(std::span<const std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) {
      if (!Put(b)) return false;
    }
    return true;
  }
};

// What the job tells while it runs, and how it learns that it is to stop.
class JobObserver {
 public:
  virtual ~JobObserver() = default;
  // The share of the job done, in percent, at the start of each page step.
  virtual void Progress(int percent) = 0;
  // A page is about to be embossed: copy and page counted from 1.
  virtual void PageStarting(int copy, int copies, int page) = 0;
  // Asked after every text line, page and copy. A page cut short is still completed.
  virtual bool CancelRequested() = 0;
  // The pause after a byte on a paced port.
  virtual void PaceAfterByte() = 0;
  // A page has been sent whole, blank pages included: one side of a sheet.
  virtual void PageEnded() {}
};

}  // namespace print
