#include "print/sheet_count.h"

#include "print/embosser_stream.h"

namespace print {

namespace {

class NoSink : public ByteSink {
 public:
  bool Put(std::uint8_t) override { return true; }
  bool PutRun(std::span<const std::uint8_t>) override { return true; }
};

class SideCounter : public JobObserver {
 public:
  void Progress(int) override {}
  void PageStarting(int, int, int) override {}
  bool CancelRequested() override { return false; }
  void PaceAfterByte() override {}
  void PageEnded() override { ++sides; }
  std::int64_t sides = 0;
};

}  // namespace

std::int64_t CountSheets(const document::BrailleDocument& doc, const JobSpec& spec) {
  // Every copy sends the same pages: one copy is counted, however many are asked for. The
  // sides of the copies follow one another on the paper.
  JobSpec one = spec;
  one.copies = 1;
  one.pacePort = false;
  NoSink sink;
  SideCounter counter;
  EncodeJob(doc, one, sink, counter);
  const std::int64_t sides = counter.sides * spec.copies;
  return PrintsBothSides(spec) ? (sides + 1) / 2 : sides;
}

}  // namespace print
