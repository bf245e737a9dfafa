#include "request_page.h"

#include <gtest/gtest.h>

#include "pages.h"
#include "recording_view.h"
#include "text_util.h"
#include "xml_texts.h"

namespace lister {
namespace {

// Twelve entries as the analyzer prints them, with the goals after them.
std::vector<std::string> TwelveRequests() {
  std::vector<std::string> report = {
      "Start date: 14 AD, February, week 3",
      "",
      "Number of orders and requests: 12",
      "0: Order for 100 Wine",
      "  Time of order   : (none)",
      "  Time to comply  : 1 year",
      "  Recurs every    : 1 year",
      "  Favor penalty   : 8",
      "1: Request for 10 Olive Oil",
      "  Time of request : 2 years, 3 months, 2 weeks",
      "  Time to comply  : 6 months",
      "  Favor reward    : 5",
  };
  for (int entry = 2; entry < 12; ++entry) {
    report.push_back(std::to_string(entry) + ": Order for " + std::to_string(entry * 7) +
                     " Grain");
    report.push_back("  Time of order   : 1 month, 1 weeks");
    report.push_back("  Time to comply  : 4 months");
    report.push_back("  Favor reward    : 3");
    report.push_back("  Favor penalty   : 0");
  }
  report.insert(report.end(), {"", "Number of goals: 1", "  Goal 0: storage", ""});
  return report;
}

class RequestPage : public ::testing::Test {
 protected:
  void Fill(std::vector<std::string> report) {
    state.reportLines = std::move(report);
    FillRequestList(view, state, pages);
  }

  void Show(int entry) {
    view.SelectListItem("REQList", entry);
    ShowRequest(view, state, texts, pages);
  }

  std::vector<std::string> Details() {
    std::vector<std::string> texts;
    for (const char* name : {"REQWareCount", "REQWareName", "REQTime", "REQComply", "REQRecurs",
                             "REQReward", "REQPenalty", "REQText"})
      texts.push_back(view.GetText(name));
    texts.push_back(view["REQWarePicture"].picture);
    return texts;
  }

  ScenarioState state;
  XmlTexts texts;
  RecordingView view;
  PageState pages;
};

TEST_F(RequestPage, ListsEveryEntryAndShowsThePanel) {
  view.SetVisible("REQPanel", false);
  Fill(TwelveRequests());
  EXPECT_TRUE(pages.hasRequests);
  EXPECT_EQ(pages.requestCount, 12);
  EXPECT_EQ(view.GetText("TradeRequestsInfo"), " 12");
  ASSERT_EQ(view["REQList"].items.size(), 12u);
  EXPECT_EQ(view.ListItem("REQList", 0), "Forderung 0");
  EXPECT_EQ(view.ListItem("REQList", 11), "Forderung 11");
  EXPECT_TRUE(view["REQPanel"].visible);
  EXPECT_EQ(pages.requestsStart, 2);

  Fill({"Number of orders and requests: 7", "0: Order for 1 Wine", ""});
  EXPECT_EQ(view.GetText("TradeRequestsInfo"), " 7");  // the blank stays
  EXPECT_EQ(view["REQList"].items.size(), 7u);
}

TEST_F(RequestPage, ShowsTheSelectedEntryInGerman) {
  texts.LoadText(
      "<Texts><String id='REQUEST_1_BODY'>Rom braucht Öl.</String>"
      "<String id='REQUEST_11_BODY'>Getreide!</String></Texts>");
  Fill(TwelveRequests());
  Show(1);  // not entry 11, whose header also holds "1:"
  EXPECT_EQ(Details(), (std::vector<std::string>{
                           "10", "Olivenöl", "2 Jahren, 3 Monaten, 2 Wochen", "6 Monaten", "-*-",
                           "5 Punkte Ansehen", "kein Ansehensverlust", "Rom braucht Öl.",
                           "OliveOil"}));
  Show(0);
  EXPECT_EQ(Details(), (std::vector<std::string>{"100", "Wein", "(none)", "1 Jahr", "1 Jahr",
                                                 "kein Ansehensgewinn",
                                                 "8 Punkte Ansehensverlust", "", "Wine"}));
  Show(11);  // the last block ends before the empty line, not in the goals
  EXPECT_EQ(Details(), (std::vector<std::string>{"77", "Getreide", "1 Monat, 1 Wochen",
                                                 "4 Monaten", "-*-", "3 Punkte Ansehen",
                                                 "0 Punkte Ansehensverlust", "Getreide!",
                                                 "Grain"}));
}

TEST_F(RequestPage, WithoutOrdersHidesThePanel) {
  Fill({"No orders or requests", ""});
  EXPECT_FALSE(pages.hasRequests);
  EXPECT_FALSE(view["REQPanel"].visible);
  EXPECT_EQ(view.GetText("TradeRequestsInfo"), "-*-");
  EXPECT_TRUE(view["REQList"].items.empty());

  // A scenario chunk that ended before its orders prints neither line.
  view.SetVisible("REQPanel", true);
  Fill({"Map size: 128", "Region: Asia", ""});
  EXPECT_FALSE(pages.hasRequests);
  EXPECT_FALSE(view["REQPanel"].visible);
  EXPECT_EQ(view.GetText("TradeRequestsInfo"), "-*-");
}

TEST_F(RequestPage, NoSelectionShowsTheDefaults) {
  Fill(TwelveRequests());
  Show(-1);
  EXPECT_EQ(Details(), (std::vector<std::string>{"", "", "", "", "-*-", "kein Ansehensgewinn",
                                                 "kein Ansehensverlust", "", ""}));
}

TEST_F(RequestPage, ACountThatIsNoNumberFails) {
  state.reportLines = {"Number of orders and requests: x1", ""};
  EXPECT_THROW(FillRequestList(view, state, pages), ConversionError);
}

}  // namespace
}  // namespace lister
