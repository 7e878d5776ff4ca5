// The sides radios, the graphics box and the page-break box for each model and document.
#include "res/resource.h"
#include "support/braille_files.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

struct SidesCase {
  const char* printer;
  int linesPerPage;
  bool doubleShown;
  bool frontBackShown;
  int sides;
};

class SidesRuleTest : public DialogTest, public ::testing::WithParamInterface<SidesCase> {};

TEST_P(SidesRuleTest, OffersTheSidesTheModelAndDocumentAllow) {
  const SidesCase& c = GetParam();
  spooler_.AddPrinter(c.printer, "USB001");
  Start();
  Browse(dir_.Write("doc.BSE", BaseFile(32, c.linesPerPage, {"A"})));
  ASSERT_EQ(dlg().m_nDocLinesPerPage, c.linesPerPage);

  EXPECT_TRUE(host().IsControlVisible(res::kIdcSingle));
  EXPECT_TRUE(host().IsControlEnabled(res::kIdcSingle));
  EXPECT_TRUE(host().IsControlVisible(res::kIdcSingleKey));
  for (int id : {res::kIdcDouble, res::kIdcDoubleKey})
    EXPECT_EQ(host().IsControlVisible(id), c.doubleShown) << id;
  EXPECT_EQ(host().IsControlEnabled(res::kIdcDouble), c.doubleShown);
  for (int id : {res::kIdcFront, res::kIdcBack, res::kIdcFrontKey, res::kIdcBackKey}) {
    EXPECT_EQ(host().IsControlVisible(id), c.frontBackShown) << id;
  }
  EXPECT_EQ(host().IsControlEnabled(res::kIdcFront), c.frontBackShown);
  EXPECT_EQ(dlg().m_nSides, c.sides);
  EXPECT_EQ(host().GetCheck(res::kIdcDouble), c.sides == 3 ? 1 : 0);
  EXPECT_EQ(host().GetCheck(res::kIdcSingle), c.sides == 0 ? 1 : 0);
  EXPECT_EQ(host().GetCheck(res::kIdcFront) + host().GetCheck(res::kIdcBack), 0);
}

INSTANTIATE_TEST_SUITE_P(Models, SidesRuleTest,
                         ::testing::Values(SidesCase{"TEN-100", 18, true, false, 3},
                                           SidesCase{"TEN-10", 18, false, false, 0},
                                           SidesCase{"点字 両面", 18, true, false, 3},
                                           SidesCase{"点字 両面", 22, false, false, 0},
                                           SidesCase{"ESA721", 18, false, true, 0},
                                           SidesCase{"ESA721 New", 18, false, true, 0},
                                           SidesCase{"点字 片面", 18, false, true, 0},
                                           SidesCase{"TEN-100", 17, false, false, 0},
                                           SidesCase{"ESA721", 19, false, false, 0}));

TEST_F(DialogTest, BeforeAnyDocumentEveryModelOffersSingleSidedOnly) {
  spooler_.AddPrinter("TEN-100", "USB001");
  Start();
  EXPECT_FALSE(host().IsControlVisible(res::kIdcDouble));
  EXPECT_FALSE(host().IsControlVisible(res::kIdcFront));
  EXPECT_EQ(host().GetCheck(res::kIdcSingle), 1);
}

struct GraphicsCase {
  const char* printer;
  const char* file;
  bool enabled;
  int checked;
};

class GraphicsRuleTest : public DialogTest, public ::testing::WithParamInterface<GraphicsCase> {};

TEST_P(GraphicsRuleTest, GraphicsBoxFollowsModelExtensionAndGraphics) {
  const GraphicsCase& c = GetParam();
  spooler_.AddPrinter(c.printer, "USB001");
  Start();
  const std::string name = c.file;
  std::string content;
  if (name.ends_with(".BES")) content = WinBesWithGraphics({WinBesObject(1, 0, 1, 5, 5)});
  if (name.ends_with(".EDL")) content = "EDEL\n1ABCD\r";
  if (name.ends_with(".BSE")) content = BaseFile("3222", "A\n");
  Browse(dir_.Write(name, content));
  EXPECT_EQ(host().IsControlEnabled(res::kIdcGraphics), c.enabled);
  EXPECT_EQ(host().IsControlEnabled(res::kIdcGraphicsKey), c.enabled);
  EXPECT_TRUE(host().IsControlVisible(res::kIdcGraphicsKey));
  EXPECT_EQ(host().GetCheck(res::kIdcGraphics), c.checked);
  EXPECT_EQ(dlg().m_bGraphics, c.checked);
}

INSTANTIATE_TEST_SUITE_P(Models, GraphicsRuleTest,
                         ::testing::Values(GraphicsCase{"ESA721 New", "g.BES", true, 1},
                                           GraphicsCase{"ESA721", "g.BES", false, 0},
                                           GraphicsCase{"TEN-10", "d.EDL", false, 1},
                                           GraphicsCase{"TEN-100", "d.EDL", false, 1},
                                           GraphicsCase{"点字 両面", "g.BES", false, 0},
                                           GraphicsCase{"TEN-10", "t.BSE", false, 0}));

TEST_F(DialogTest, ForcedPageBreakModelsHoldTheBoxOnOthersLeaveItAlone) {
  for (const char* name : {"TEN-100", "TEN-10", "ESA721 New", "ESA721", "点字 両面", "点字 片面"}) {
    spooler_.AddPrinter(name, "USB001");
  }
  dir_.Write("Varnel.ini", std::vector<std::uint8_t>(1024, 0));  // preference off
  Start();
  for (const char* name : {"TEN-100", "TEN-10", "ESA721 New", "ESA721"}) {
    host().Choose(res::kIdcPrinter, name);
    EXPECT_FALSE(host().IsControlEnabled(res::kIdcPageBreak)) << name;
    EXPECT_FALSE(host().IsControlEnabled(res::kIdcPageBreakKey)) << name;
    EXPECT_EQ(host().GetCheck(res::kIdcPageBreak), 1) << name;
    EXPECT_EQ(dlg().m_bPageBreak, 1) << name;
    EXPECT_EQ(dlg().m_bPageBreakSetting, 0) << name;
  }
  host().Choose(res::kIdcPrinter, "点字 片面");
  EXPECT_TRUE(host().IsControlEnabled(res::kIdcPageBreak));
  EXPECT_TRUE(host().IsControlEnabled(res::kIdcPageBreakKey));
}

}  // namespace
}  // namespace test
