// The Windows spooler as the program chooses and asks it, without a printer at hand (the
// printing itself is tested through Wine's spooler and a CUPS scheduler: test_spooler.sh).
#include <gtest/gtest.h>

#include "platform/spoolers/spooler_choice.h"
#include "platform/win32/spooler.h"

namespace {

TEST(WindowsSpoolerTest, IsTheDefaultAndOpensOnlyPrintersItHas) {
  EXPECT_EQ(platform::DefaultSpoolerChoice(), "windows");
  EXPECT_TRUE(platform::IsSpoolerChoice("windows"));
  EXPECT_FALSE(platform::IsSpoolerChoice("cups"));
  EXPECT_EQ(platform::MakeSpooler("cups", {}), nullptr);
  std::unique_ptr<platform::Spooler> spooler = platform::MakeSpooler("windows", {});
  ASSERT_NE(spooler, nullptr);

  std::vector<platform::PrinterInfo> printers;
  ASSERT_TRUE(spooler->EnumeratePrinters(printers)) << spooler->LastError();
  // A name that is not listed leaves the port as it was: it is not opened (that could
  // reach a server the user no longer uses).
  std::string port = "LPT1:";
  EXPECT_TRUE(spooler->LookUpPort("\\\\server\\点字", port));
  EXPECT_EQ(port, "LPT1:");
  EXPECT_EQ(spooler->Open("点字　ありえない名前 \xE2\x98\x83"), nullptr);
  EXPECT_EQ(spooler->Open("not UTF-8 \xff"), nullptr);
  EXPECT_EQ(spooler->Open(""), nullptr);
}

}  // namespace
