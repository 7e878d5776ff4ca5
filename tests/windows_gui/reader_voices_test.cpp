// Which screen reader's voice speaks a sentence, with stand-in readers; a reader that
// hangs does not hold the one who speaks; JAWS's interface where JAWS is not installed
// (its class is not registered under Wine).
#include "platform/win32_gui/reader_voices.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/windows_api.h"
#include "platform/win32_gui/win32_reader_thread.h"
#include "platform/win32_gui/win32_readers.h"

namespace test {
namespace {

namespace pw = platform::win32;

// A reader the test installs, starts, stops or breaks; it keeps what it said.
struct FakeReader {
  bool installed = true;
  bool running = true;
  bool failNext = false;
  int finds = 0;
  std::vector<std::string> said;
};

class FakeVoice : public pw::ReaderVoice {
 public:
  explicit FakeVoice(FakeReader& reader) : reader_(reader) {}
  bool Find() override {
    ++reader_.finds;
    return reader_.installed;
  }
  void Drop() override {}
  pw::Spoken Speak(std::string_view text) override {
    if (reader_.failNext) {
      reader_.failNext = false;
      return pw::Spoken::kFailed;
    }
    if (!reader_.running) return pw::Spoken::kNotRunning;
    reader_.said.emplace_back(text);
    return pw::Spoken::kYes;
  }

 private:
  FakeReader& reader_;
};

std::unique_ptr<pw::ReaderVoices> Voices(std::vector<FakeReader*> readers) {
  std::vector<std::unique_ptr<pw::ReaderVoice>> voices;
  for (FakeReader* r : readers) voices.push_back(std::make_unique<FakeVoice>(*r));
  return std::make_unique<pw::ReaderVoices>(std::move(voices));
}

using Said = std::vector<std::string>;

TEST(ReaderVoices, EachRunningReaderSpeaksOnceAndNoneLeavesTheNotification) {
  FakeReader first, second, absent;
  second.running = false;
  absent.installed = false;
  auto voices = Voices({&first, &second, &absent});
  EXPECT_TRUE(voices->Say("a"));
  first.running = false;
  EXPECT_FALSE(voices->Say("b"));  // nobody runs: the caller raises the notification
  second.running = true;           // a reader started later speaks the next sentence
  EXPECT_TRUE(voices->Say("c"));
  first.running = true;
  EXPECT_TRUE(voices->Say("d"));
  EXPECT_EQ(first.said, (Said{"a", "d"}));
  EXPECT_EQ(second.said, (Said{"c", "d"}));
  // Each interface looked up once, at start, a missing one included.
  EXPECT_EQ(first.finds + second.finds + absent.finds, 3);
}

TEST(ReaderVoices, AFailedCallLooksTheInterfaceUpAgainAtTheNextSentenceOnly) {
  FakeReader reader;
  auto voices = Voices({&reader});
  reader.failNext = true;
  EXPECT_FALSE(voices->Say("a"));  // not asked twice; the notification carries it
  EXPECT_EQ(reader.finds, 1);
  EXPECT_TRUE(voices->Say("b"));
  EXPECT_EQ(reader.finds, 2);
  reader.failNext = true;
  reader.installed = false;  // uninstalled meanwhile: not looked for at every sentence
  voices->Say("c");
  voices->Say("d");
  voices->Say("e");
  EXPECT_EQ(reader.finds, 3);
  EXPECT_EQ(reader.said, (Said{"b"}));
}

// A reader that answers only once the test lets it.
class HeldVoice : public pw::ReaderVoice {
 public:
  explicit HeldVoice(HANDLE release) : release_(release) {}
  bool Find() override { return true; }
  void Drop() override {}
  pw::Spoken Speak(std::string_view) override {
    WaitForSingleObject(release_, INFINITE);
    return pw::Spoken::kNotRunning;
  }

 private:
  HANDLE release_;
};

TEST(ReaderVoices, AHungReaderHoldsNeitherTheSpeakerNorTheNotifications) {
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE woken = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  {
    pw::ReaderThread thread(
        [release] {
          std::vector<std::unique_ptr<pw::ReaderVoice>> voices;
          voices.push_back(std::make_unique<HeldVoice>(release));
          return voices;
        },
        [woken] { SetEvent(woken); });
    thread.Say(nullptr, "a");  // returns while the reader holds the sentence
    thread.Say(nullptr, "b");
    EXPECT_TRUE(thread.TakeUnspoken().empty());
    SetEvent(release);
    ASSERT_TRUE(thread.WaitIdle(std::chrono::minutes(1)));
    EXPECT_EQ(WaitForSingleObject(woken, 0), WAIT_OBJECT_0);
    std::vector<std::string> unspoken;
    for (const auto& s : thread.TakeUnspoken()) unspoken.push_back(s.text);
    EXPECT_EQ(unspoken, (Said{"a", "b"}));  // in order, for the notifications
  }
  CloseHandle(woken);
  CloseHandle(release);
}

TEST(ReaderVoices, JawsNotInstalledIsNotFound) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  CLSID jaws{};
  EXPECT_TRUE(FAILED(CLSIDFromProgID(L"FreedomSci.JawsApi", &jaws)));  // as under Wine
  pw::JawsVoice voice;
  EXPECT_FALSE(voice.Find());
  EXPECT_EQ(voice.Speak("a"), pw::Spoken::kFailed);
  CoUninitialize();
}

}  // namespace
}  // namespace test
