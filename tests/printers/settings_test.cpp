// The settings record, byte for byte, and what a start makes of any file.
#include <sys/stat.h>

#include <random>

#include "printers/settings_record.h"
#include "res/resource.h"
#include "support/braille_files.h"
#include "support/dialog_fixture.h"
#include "support/other_user.h"

namespace test {
namespace {

using printers::SettingsRecord;

std::vector<std::uint8_t> Record(std::initializer_list<std::pair<std::size_t, std::string>> texts,
                                 std::uint8_t pageBreak) {
  std::vector<std::uint8_t> r(1024, 0);
  for (const auto& [offset, text] : texts)
    std::copy(text.begin(), text.end(), r.begin() + static_cast<std::ptrdiff_t>(offset));
  r[767] = pageBreak;
  return r;
}

class SettingsTest : public DialogTest {};

TEST_F(SettingsTest, SaveWritesTheWorkedExampleAndCarriesBytes0To511Over) {
  spooler_.AddPrinter("ESA721", "LPT1:");
  std::vector<std::uint8_t> old = Record({{512, "ESA721\r\n"}}, 1);
  for (std::size_t i = 0; i < 512; ++i) old[i] = static_cast<std::uint8_t>(i * 7 + 1);
  for (std::size_t i = 780; i < 1024; ++i) old[i] = 0xEE;  // stale bytes after the port
  dir_.Write("Varnel.ini", old);
  Start();
  ASSERT_EQ(dlg().m_strPort, "LPT1");
  dlg().SaveSettings();

  std::vector<std::uint8_t> expected(old.begin(), old.begin() + 512);
  expected.resize(1024, 0);
  auto put = [&](std::size_t at, const std::string& s) {
    std::copy(s.begin(), s.end(), expected.begin() + static_cast<std::ptrdiff_t>(at));
  };
  put(512, "ESA721\r\n");
  put(752, "ESA721\r\n");
  expected[767] = 1;
  put(768, "LPT1\r\n");
  const auto record = ReadBytes(settingsPath_);
  EXPECT_EQ(record, expected) << Hex(record);

  // Saving the same choices again leaves the file alone; the same record with a byte
  // more is still cut to one record.
  auto inode = [&] {
    struct stat st = {};
    return ::stat(settingsPath_.c_str(), &st) == 0 ? st.st_ino : 0;
  };
  const auto before = inode();
  dlg().SaveSettings();
  EXPECT_EQ(inode(), before);
  std::vector<std::uint8_t> longer = expected;
  longer.push_back(0);
  dir_.Write("Varnel.ini", longer);
  dlg().SaveSettings();
  EXPECT_EQ(ReadBytes(settingsPath_), expected);
}

TEST_F(SettingsTest, LoadReadsSlotsUpToCrSkippingNul) {
  spooler_.AddPrinter("ESA721", "LPT1:");
  std::vector<std::uint8_t> r = Record({{512, "ESA721"}, {752, "TEN-100\r\nX"}, {768, "LP"}}, 0);
  r[770] = 0;
  r[771] = 'T';
  r[772] = '9';
  dir_.Write("Varnel.ini", r);
  Start();
  EXPECT_EQ(dlg().m_strPrinterName, "ESA721");
  // The stored model never takes effect: the name is classified again.
  EXPECT_EQ(dlg().m_strModel, "ESA721");
  EXPECT_EQ(dlg().m_bPageBreakSetting, 0);
  EXPECT_EQ(dlg().m_bPageBreak, 1);  // forced on by the ESA721 model
}

TEST_F(SettingsTest, StoredPrinterNoLongerInstalledKeepsNameAndStoredPort) {
  spooler_.AddPrinter("TEN-10 USB", "USB001");
  dir_.Write("Varnel.ini", Record({{512, "esa721 old\r\n"}, {768, "LPT2\r\n"}}, 1));
  Start();
  EXPECT_EQ(host().ComboSelection(res::kIdcPrinter), 0);
  EXPECT_EQ(dlg().m_strPrinterName, "esa721 old");
  EXPECT_EQ(dlg().m_strPort, "LPT2");
  EXPECT_EQ(dlg().m_strModel, "ESA721");
}

TEST_F(SettingsTest, NameDifferingOnlyInCaseMatchesNoEntry) {
  spooler_.AddPrinter("TEN-10 A", "USB001");
  spooler_.AddPrinter("TEN-10 B", "USB002");
  dir_.Write("Varnel.ini", Record({{512, "ten-10 b\r\n"}, {768, "X\r\n"}}, 1));
  Start();
  EXPECT_EQ(host().ComboSelection(res::kIdcPrinter), 0);
  EXPECT_EQ(dlg().m_strPort, "X");
  dir_.Write("Varnel.ini", Record({{512, "TEN-10 B\r\n"}}, 1));
  DestroyAndRestart();
  EXPECT_EQ(host().ComboSelection(res::kIdcPrinter), 1);
  EXPECT_EQ(dlg().m_strPort, "USB002");
}

TEST_F(SettingsTest, ShortFileReadsMissingBytesAsZeroAndSaveKeepsWhatWasThere) {
  spooler_.AddPrinter("点字 両面", "USB001");
  dir_.Write("Varnel.ini", std::string("ab\r\n"));  // 4 bytes
  Start();
  EXPECT_EQ(dlg().m_strTextSlot1, "ab");
  EXPECT_EQ(dlg().m_bPageBreakSetting, 0);
  dlg().SaveSettings();
  const auto record = ReadBytes(settingsPath_);
  ASSERT_EQ(record.size(), 1024u);
  EXPECT_EQ(std::string(record.begin(), record.begin() + 4), "ab\r\n");
  EXPECT_TRUE(std::all_of(record.begin() + 4, record.begin() + 512, [](auto b) { return b == 0; }));
}

TEST_F(SettingsTest, JapaneseNamesAreStoredInCodePage932) {
  spooler_.AddPrinter("点字　両面", "USB001");
  Start();
  host().Choose(res::kIdcPrinter, "点字　両面");
  const auto record = ReadBytes(settingsPath_);
  // 点 93 5F, 字 8E 9A, U+3000 81 40, 両 97 BC, 面 96 CA
  const std::vector<std::uint8_t> name = {0x93, 0x5F, 0x8E, 0x9A, 0x81, 0x40,
                                          0x97, 0xBC, 0x96, 0xCA, 0x0D, 0x0A};
  EXPECT_EQ(std::vector<std::uint8_t>(record.begin() + 512, record.begin() + 524), name)
      << Hex(record);
  DestroyAndRestart();
  EXPECT_EQ(dlg().m_strPrinterName, "点字　両面");
}

TEST(SettingsRecordTest, SlotCapacityCutsAtCharacterBoundaryNeverSpilling) {
  SettingsRecord r{};
  // 119 two-byte characters are 238 bytes: exactly the name slot's capacity.
  std::string name;
  for (int i = 0; i < 119; ++i) name += "点";
  printers::WriteTextSlot(r, printers::kSlotPrinterName, name + "X");
  EXPECT_EQ(r[512 + 238], 0x0D);
  EXPECT_EQ(r[512 + 239], 0x0A);
  EXPECT_EQ(r[752], 0);
  EXPECT_EQ(printers::ReadTextSlot(r, printers::kSlotPrinterName), name);

  // "A" and 119 two-byte characters: the last character does not fit whole.
  SettingsRecord r2{};
  printers::WriteTextSlot(r2, printers::kSlotPrinterName, "A" + name);
  EXPECT_EQ(r2[512 + 237], 0x0D);
  EXPECT_EQ(printers::ReadTextSlot(r2, printers::kSlotPrinterName), "A" + name.substr(0, 118 * 3));

  SettingsRecord r3{};
  printers::WriteTextSlot(r3, printers::kSlotModel, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(printers::ReadTextSlot(r3, printers::kSlotModel), "ABCDEFGHIJKLM");
  EXPECT_EQ(r3[767], 0);
}

TEST(SettingsRecordTest, TextCodePage932CannotHoldLeavesTheSlotEmpty) {
  SettingsRecord r{};
  printers::WriteTextSlot(r, printers::kSlotPort, "ipp://host/😀");
  EXPECT_EQ(r[768], 0x0D);
  EXPECT_EQ(r[769], 0x0A);
  EXPECT_TRUE(std::all_of(r.begin() + 770, r.end(), [](auto b) { return b == 0; }));
}

TEST(SettingsRecordTest, LoneLineFeedIsPartOfTheTextAndFullSlotReadsWhole) {
  SettingsRecord r{};
  const std::string text = "AB\nCD";
  std::copy(text.begin(), text.end(), r.begin() + 768);
  EXPECT_EQ(printers::ReadTextSlot(r, printers::kSlotPort), "AB\nCD");
  std::fill(r.begin() + 752, r.begin() + 767, 'M');
  EXPECT_EQ(printers::ReadTextSlot(r, printers::kSlotModel), std::string(15, 'M'));
}

TEST_F(SettingsTest, AnyContentAndLengthLoadsWithoutHarm) {
  spooler_.AddPrinter("TEN-10 USB", "USB001");
  std::mt19937 rng(1234);
  for (std::size_t length = 0; length <= 2048; length += (length < 1100 ? 1 : 37)) {
    std::vector<std::uint8_t> bytes(length);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    dir_.Write("Varnel.ini", bytes);
    DestroyAndRestart();
    EXPECT_FALSE(dlg().m_strModel.empty());
    dlg().SaveSettings();
    ASSERT_EQ(ReadBytes(settingsPath_).size(), 1024u) << length;
  }
}

TEST_F(SettingsTest, UnreadableFileAtSaveTimeWritesNothing) {
  spooler_.AddPrinter("TEN-10 USB", "USB001");
  Start();
  std::filesystem::remove(settingsPath_);
  dlg().SaveSettings();
  EXPECT_FALSE(std::filesystem::exists(settingsPath_));
}

// Names whose code page 932 round trip through UTF-8 changes them: the stored bytes read
// back as another character than the spooler's.
TEST_F(SettingsTest, StoredNameSelectsTheListedPrinterWhoseCodePage932BytesItHolds) {
  const std::vector<std::string> names = {"点字〜両面", "点字‖両面", "点字−両面", "点字¢両面",
                                          "点字£両面",  "点字¬両面", "点字—両面"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    spooler_.AddPrinter(names[i], "usb://Maker/" + std::to_string(i));
  }
  const std::string document = dir_.Write("doc.BSE", BaseFile(32, 18, {"AB"}));
  Start();
  for (std::size_t i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(names[i]);
    ASSERT_TRUE(host().Choose(res::kIdcPrinter, names[i]));
    const int entry = host().ComboSelection(res::kIdcPrinter);
    DestroyAndRestart();
    EXPECT_EQ(host().ComboSelection(res::kIdcPrinter), entry);
    EXPECT_EQ(dlg().m_strPrinterName, names[i]);
    EXPECT_EQ(dlg().m_strPort, "usb//Maker/" + std::to_string(i));
    Browse(document);
    host().Click(res::kIdcPrint);
    ASSERT_FALSE(spooler_.Jobs().empty());
    EXPECT_EQ(spooler_.Jobs().back().printer, names[i]);
    EXPECT_TRUE(spooler_.Jobs().back().ended);
  }
}

// The settings file belongs to the user: one Varnel may not write keeps its bytes, one it
// cannot read is not replaced by defaults.
class SettingsPermissionTest : public SettingsTest {
 protected:
  void SetUp() override {
    user_ = TestUser();
    if (!user_) GTEST_SKIP() << "no user but root to test file permissions with";
    spooler_.AddPrinter("TEN-10 USB", "USB001");
    spooler_.AddPrinter("点字 片面", "USB002");
    stored_ = Record({{0, "keep\r\n"},
                      {512, "\x93\x5F\x8E\x9A \x95\xD0\x96\xCA\r\n"} /* 点字 片面 */,
                      {768, "USB002\r\n"}},
                     0);
    dir_.Write("Varnel.ini", stored_);
    GiveTo(*user_, dir_.path());
  }
  std::optional<UnprivilegedUser> user_;
  std::vector<std::uint8_t> stored_;
};

TEST_F(SettingsPermissionTest, ReadOnlyFileIsNeverRewritten) {
  ::chmod(settingsPath_.c_str(), 0444);
  {
    ActingAs as(*user_);
    Start();
    EXPECT_EQ(dlg().m_strPrinterName, "点字 片面");
    host().Click(res::kIdcPageBreak);
    host().Choose(res::kIdcPrinter, "TEN-10 USB");
    host().Click(res::kIdcClose);
  }
  EXPECT_EQ(ReadBytes(settingsPath_), stored_);
  struct stat st = {};
  ::stat(settingsPath_.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
}

TEST_F(SettingsPermissionTest, UnreadableFileKeepsItsBytesAndTheDefaultsApply) {
  for (const mode_t mode : {0000, 0200}) {
    SCOPED_TRACE(mode);
    ::chmod(settingsPath_.c_str(), mode);
    {
      ActingAs as(*user_);
      DestroyAndRestart();
      EXPECT_EQ(dlg().m_strPrinterName, "TEN-10 USB");  // the first entry: nothing was read
      EXPECT_EQ(dlg().m_bPageBreakSetting, 1);
      host().Click(res::kIdcClose);
    }
    EXPECT_EQ(ReadBytes(settingsPath_), stored_);
  }
}

}  // namespace
}  // namespace test
