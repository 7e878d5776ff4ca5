// The page reading window through the main dialog: Alt+R, the keys that turn its pages,
// Alt+G, Alt+M and Esc.
#include "platform/dialog/dialog.h"
#include "res/resource.h"
#include "speech/sentences.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using ReadPagesTest = DialogTest;

TEST_F(ReadPagesTest, AltRWithoutAFileSaysSoAndOpensNothing) {
  StartWith("TEN-100");
  host().PressAlt('R');
  EXPECT_EQ(clipboard_.Text(), speech::kNoFile);
  EXPECT_THAT(windows_.ModalRuns(), IsEmpty());
}

TEST_F(ReadPagesTest, KeysTurnThePagesAndEscReturnsToTheMainDialog) {
  StartWith("TEN-100");
  Browse(VARNEL_SOURCE_DIR "/samples/sample.BES");  // 4 pages, drawings on 2 and 4
  host().Type(res::kIdcCopies, "2");                // both sides of 4 pages, twice: 4 sheets
  const std::size_t before = clipboard_.History().size();
  std::vector<int> focus;
  windows_.OnModal(res::kIddReadPages, [&](platform::HeadlessHost& w) {
    const auto look = [&] {
      focus.push_back(w.GetFocus());
      EXPECT_FALSE(w.PictureOf(res::kIdcPagePicture).dots.empty());
    };
    look();
    w.PressKey(platform::kVkNext);
    look();
    w.PressKey(platform::kVkEnd | platform::kWithCtrl);
    w.PressKey(platform::kVkNext);  // stays on the last page
    look();
    w.PressKey(platform::kVkPrior);
    w.PressKey(platform::kVkHome | platform::kWithCtrl);
    look();
    EXPECT_TRUE(w.PressAlt('G'));
    EXPECT_EQ(w.GetFocus(), res::kIdcGoToPage);
    w.Type(res::kIdcGoToPage, "3");
    w.PressKey(platform::kVkReturn);
    look();
    EXPECT_TRUE(w.PressAlt('M'));
    w.PressKey(platform::kVkEscape);
  });
  host().PressAlt('R');

  EXPECT_THAT(windows_.ModalRuns(), ElementsAre(res::kIddReadPages));
  EXPECT_THAT(focus, ElementsAre(res::kIdcPageText, res::kIdcPageText, res::kIdcPageText,
                                 res::kIdcPageText, res::kIdcPageText));
  const auto page = [](int n, bool graphics) { return speech::PageSentence(n, 4, graphics); };
  const std::vector<std::string> said(clipboard_.History().begin() + static_cast<long>(before),
                                      clipboard_.History().end());
  EXPECT_THAT(
      said, ElementsAre(page(1, false), page(2, true), page(4, true), page(4, true), page(3, false),
                        page(1, false), page(3, false), speech::SheetsSentence(4)));
  EXPECT_EQ(host().GetFocus(), res::kIdcCopies);
}

}  // namespace
}  // namespace test
