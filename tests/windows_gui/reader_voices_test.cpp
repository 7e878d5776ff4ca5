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
using Said = std::vector<std::string>;

// A reader the test installs, starts, stops, breaks or holds; it keeps what it said.
struct FakeReader {
  bool installed = true, running = true, failNext = false;
  HANDLE hold = nullptr;  // answers once this event is set
  int finds = 0;
  Said said;

  bool Find() {
    ++finds;
    return installed;
  }
  pw::Spoken Speak(std::string_view text) {
    if (hold != nullptr) WaitForSingleObject(hold, INFINITE);
    if (std::exchange(failNext, false)) return pw::Spoken::kFailed;
    if (!running) return pw::Spoken::kNotRunning;
    said.emplace_back(text);
    return pw::Spoken::kYes;
  }
};

// The readers behind voices that forward to them (the test keeps the readers).
std::vector<std::unique_ptr<pw::ReaderVoice>> Voices(std::vector<FakeReader*> readers) {
  struct Forward : pw::ReaderVoice {
    explicit Forward(FakeReader& r) : reader(r) {}
    bool Find() override { return reader.Find(); }
    void Drop() override {}
    pw::Spoken Speak(std::string_view text) override { return reader.Speak(text); }
    FakeReader& reader;
  };
  std::vector<std::unique_ptr<pw::ReaderVoice>> voices;
  for (FakeReader* r : readers) voices.push_back(std::make_unique<Forward>(*r));
  return voices;
}

TEST(ReaderVoices, EachRunningReaderSpeaksOnceAndNoneLeavesTheNotification) {
  FakeReader first, second, absent;
  second.running = false;
  absent.installed = false;
  pw::ReaderVoices voices(Voices({&first, &second, &absent}));
  EXPECT_TRUE(voices.Say("a"));
  first.running = false;
  EXPECT_FALSE(voices.Say("b"));  // nobody runs: the caller raises the notification
  second.running = true;          // a reader started later speaks the next sentence
  EXPECT_TRUE(voices.Say("c"));
  first.running = true;
  EXPECT_TRUE(voices.Say("d"));
  EXPECT_EQ(first.said, (Said{"a", "d"}));
  EXPECT_EQ(second.said, (Said{"c", "d"}));
  // Each interface looked up once, at start, a missing one included.
  EXPECT_EQ(first.finds + second.finds + absent.finds, 3);
}

TEST(ReaderVoices, AFailedCallLooksTheInterfaceUpAgainAtTheNextSentenceOnly) {
  FakeReader reader;
  pw::ReaderVoices voices(Voices({&reader}));
  reader.failNext = true;
  EXPECT_FALSE(voices.Say("a"));  // not asked twice; the notification carries it
  EXPECT_EQ(reader.finds, 1);
  EXPECT_TRUE(voices.Say("b"));
  EXPECT_EQ(reader.finds, 2);
  reader.failNext = true;
  reader.installed = false;  // uninstalled meanwhile: not looked for at every sentence
  for (const char* text : {"c", "d", "e"}) voices.Say(text);
  EXPECT_EQ(reader.finds, 3);
  EXPECT_EQ(reader.said, (Said{"b"}));
}

TEST(ReaderVoices, AHungReaderHoldsNeitherTheSpeakerNorTheNotifications) {
  FakeReader reader;
  reader.running = false;
  reader.hold = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE woken = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  {
    pw::ReaderThread thread([&reader] { return Voices({&reader}); }, [woken] { SetEvent(woken); });
    thread.Say(nullptr, "a");  // returns while the reader holds the sentence
    thread.Say(nullptr, "b");
    EXPECT_TRUE(thread.TakeUnspoken().empty());
    SetEvent(reader.hold);
    ASSERT_TRUE(thread.WaitIdle(std::chrono::minutes(1)));
    EXPECT_EQ(WaitForSingleObject(woken, 0), WAIT_OBJECT_0);
    Said unspoken;
    for (const auto& s : thread.TakeUnspoken()) unspoken.push_back(s.text);
    EXPECT_EQ(unspoken, (Said{"a", "b"}));  // in order, for the notifications
  }
  CloseHandle(woken);
  CloseHandle(reader.hold);
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
