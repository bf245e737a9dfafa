"""The trade, orders and requests, resources and military pages, read by
component name after scenarios, cities and requests are selected."""

import xml.etree.ElementTree as ElementTree

from harness import (Game, Session, close_boxes, pane_lines, screenshot, select_scenario,
                     shows_picture)

# A script with every statement kind the military pages look for: three
# invasions (all on one line; type and parameters on the next line; none at
# all) and two military requests.
MILITARY_SCRIPT = """\
public class Militaer : Scenario
{
    public override void Setup()
    {
        mInvasions = new InvasionSetup[3];
        mInvasions[0] = new InvasionSetup(eInvasionPeople.kGreek, eInvasionType.kRaid, 1500, 100, 0);
        mInvasions[0].AddCohort(eCohort.k_Cav, 1, 0);
        mInvasions[0].AddCohort(eCohort.k_Lt, 4, 0);
        mInvasions[0].AddCohort(eCohort.k_Hvy, 2, 0);
        mInvasions[0].AddCohort(eCohort.k_Aux, 3, 0);
        mInvasions[0].AddCohort(eCohort.k_Catapult, 1, 0);
        mInvasions[0].AddCohort(eCohort.k_Siege, 2, 0);
        mInvasions[0].CreateInvasion(0, 48);
        mInvasions[1] = new InvasionSetup(eInvasionPeople.kParthian,
            eInvasionType.kInvasion, 0, 53, 0);
        mInvasions[1].CreateInvasion(1, 0);

        request = new MilitaryRequest();
        requestInfo.mRequestID = 1;
        requestInfo.mReward = 5;
        requestInfo.mPenalty = 3;
        requestInfo.mStartWeek = 100;
        requestInfo.mRecursionWeek = 0;
        requestInfo.mDeadline = 8;
        request.AddCohort(eCohort.Lt, 2);
        request.AddCohort(eCohort.Hvy, 3);
        request.AddMilitaryRequest(requestInfo);

        request = new MilitaryRequest();
        requestInfo.mRequestID = 2;
        requestInfo.mReward = 0;
        requestInfo.mPenalty = 0;
        requestInfo.mStartWeek = 47;
        requestInfo.mRecursionWeek = 96;
        request.AddCohort(eCohort.Cav, 4);
        request.AddMilitaryRequest(requestInfo);
    }
}
"""

INVASION_LINES = [
    "", "Invasion 1", " Griechen,  Überfall", " Start nach  : 2 Jahren, 1 Monat", "erneut nach : 1 Jahr",
    " Freikaufen  : 1500 Denarii", " Angreifer   :",
    "  -  4 Kohorte(n) Leichte IInfantrie", "  -  2 Kohorte(n) Schwere IInfantrie",
    "  -  1 Kohorte(n) Kavallerie", "  -  3 Kohorte(n) Hilfstruppen", "  -  1 Kohorte(n) Artillerie",
    "  -  2 Kohorte(n) Belagerungsrammen",
    "", "Invasion 2", " Parthianer,  Belagerung", " Start nach  : 1 Jahr, 1 Monat",
    " keine Wiederholung", " Freikaufen nicht möglich", " Angreifer   :",
    "", "Invasion 3", " Karthager,  Plünderer", " Start nach  : 0 Jahr", "erneut nach : 2 Jahren",
    " Freikaufen  : Denarii", " Angreifer   :",
]
REQUEST_LINES = [
    "", "Anforderungen 1", " Start nach : 2 Jahren, 1 Monat", " keine Wiederholung",
    " Frist         : 0 Jahr, 2 Monate", " 5 Punkte Ansehen", " 3 Punkte Ansehensverlust",
    " Angreifer : insgesamt 5 Kohorte(n)",
    "", "Anforderungen 2", " Start nach : 0 Jahr, 11 Monaten", " erneut nach: 2 Jahren",
    " Frist         : 0 Jahr", " 0 Punkte Ansehen", " kein Ansehensverlust",
    " Angreifer : insgesamt 4 Kohorte(n)",
]

SLOTS = [f"{side}Ware{n}" for side in ("Sell", "Buy") for n in (1, 2, 3)]
PRODUCTION = ["Timber", "Clay", "Sand", "Gold", "Marble", "Iron", "Utensils", "Pottery", "Weapons",
              "Wine", "Armor", "Furniture", "Clothing", "Jewelry", "OliveOil", "Glass", "Olives",
              "Vegetables", "Wool", "Meat", "Grain", "Grapes"]


def scenario_texts(path):
    return {element.get("id"): element.text or "" for element in ElementTree.parse(path).iter("String")}


def pages_game(config):
    game = Game(config, "pages/Spiel")
    game.add_scenario_from(game.scenarios, "Tiberis", "Militaerskript")
    game.path("Militaerskript.cs").write_text(MILITARY_SCRIPT, encoding="utf-8")
    return game


def slots(driver):
    return [(driver.text(slot + "Count"), driver.text(slot + "Name")) for slot in SLOTS]


def check_resources(driver, checks, expected, what):
    children = driver.children("PGRessourcen")
    checks.equal(children, ["ResourceHeader"] + [f"{good}{kind}" for good in expected
                                                 for kind in ("Label", "Image")], f"{what}: controls")
    for index, good in enumerate(expected):
        column, row = divmod(index, 11)
        top = 10 + 33 * row
        checks.equal(driver.rect(good + "Label"), ((238, 395)[column], top, 100, 32), f"{what}: {good}Label")
        checks.equal(driver.rect(good + "Image"), ((338, 497)[column], top, 32, 32), f"{what}: {good}Image")


def test_trade_and_requests(config, checks):
    """Cities, goods and requests of a scenario with twelve of them."""
    game = pages_game(config)
    texts = scenario_texts(game.path("Tiberis.xml"))
    with Session(config, game) as driver:
        close_boxes(driver)
        checks.equal(select_scenario(driver, "Tiberis.scn"), [], "Tiberis loads")
        driver.tab("PG1", 1)
        driver.tab("PGHandel", 0)
        selected, cities = driver.list("CityList")
        checks.equal(cities, [texts[f"SITE_{k}_FULLNAME"] for k in range(12)], "the cities by their names")
        checks.equal(selected, 0, "the first city is selected")

        expectations = [  # city index, kind, route, status, goods slots
            (0, "Eure Stadt", "-*-", "-*-", [("", "")] * 6),
            (1, "Römische Stadt", "Landhandelsroute", "geöffnet",
             [("800 ", "Getreide"), ("300 ", "Olivenöl"), ("200 ", "Töpferwaren"),
              ("100 ", "Kleidung"), ("60 ", "Möbel"), ("", "")]),
            (2, "Römische Stadt", "Wasserhandelsroute", "geschlossen",
             [("250 ", "Marmor"), ("", ""), ("", ""), ("80 ", "Glaswaren"), ("", ""), ("", "")]),
            (3, "Ausländische Stadt", "Wasserhandelsroute", "geöffnet",
             [("", "")] * 3 + [("400 ", "Olivenöl"), ("50 ", "Waffen"), ("300 ", "Denarii")]),
            (4, "Feindliche Stadt", "-*-", "-*-", [("", "")] * 6),
        ]
        for index, kind, route, status, goods in expectations:
            driver.select("CityList", index)
            what = f"city {index}"
            checks.equal((driver.text("CityType"), driver.text("TradeRouteType"),
                          driver.text("TradeRouteStatus")), (kind, route, status), f"{what}: kind and route")
            checks.equal(slots(driver), goods, f"{what}: goods")
            checks.equal(driver.list("CityList"), (index, cities), f"{what}: the list stays")
            if index == 3:
                screenshot(config, "pages_warenhandel_city3")
                checks.true(shows_picture(config, driver, "BuyWare1Picture"), "Olivenöl has its picture")
                checks.true(not shows_picture(config, driver, "SellWare1Picture"), "an empty slot has none")

        driver.tab("PGHandel", 1)
        checks.equal(driver.list("REQList"), (0, [f"Forderung {k}" for k in range(12)]),
                     "twelve requests, the first selected after a city click")
        checks.equal(driver.text("TradeRequestsInfo"), " 12", "the count on the Ziele page")
        checks.equal(driver.visible("REQPanel")[0], True, "the request panel is shown")
        driver.select("REQList", 1)
        checks.equal([driver.text(name) for name in ("REQWareCount", "REQWareName", "REQRecurs",
                                                     "REQReward", "REQPenalty", "REQText")],
                     ["10", "Olivenöl", "-*-", "5 Punkte Ansehen", "kein Ansehensverlust",
                      texts["REQUEST_1_BODY"]], "Forderung 1 is entry 1, not entry 11")
        checks.true(shows_picture(config, driver, "REQWarePicture"), "the requested good's picture")
        screenshot(config, "pages_forderungen")
        driver.select("REQList", 11)
        checks.equal((driver.text("REQWareCount"), driver.text("REQWareName"), driver.text("REQText")),
                     ("90", "Wolle", texts["REQUEST_11_BODY"]), "Forderung 11")

        driver.tab("PGHandel", 2)
        check_resources(driver, checks, [good for good in PRODUCTION if good not in ("Wool", "OliveOil")],
                        "sheep farm and olive oil factory disabled")
        checks.equal(driver.text("ResourceHeader"),
                     "Waren aus eigener Produktion und verfügbare Rohstoffe auf der Karte", "resource heading")
        checks.equal(driver.text("TimberLabel"), "Nutzholz", "a resource's German name")
        screenshot(config, "pages_ressourcen")

        checks.equal(select_scenario(driver, "Campania Felix.scn"), [], "a scenario without orders loads")
        checks.equal(driver.list("REQList"), (-1, []), "no orders: an empty list")
        checks.equal(driver.visible("REQPanel")[0], False, "no orders: the panel is hidden")
        checks.equal(driver.text("TradeRequestsInfo"), "-*-", "no orders: the count")
        check_resources(driver, checks, PRODUCTION, "nothing disabled")


def test_military_pages(config, checks):
    """Invasions and military requests from a script with every statement kind."""
    game = pages_game(config)
    with Session(config, game) as driver:
        close_boxes(driver)
        checks.equal(select_scenario(driver, "Militaerskript.scn"), [], "the scenario loads")
        checks.equal(driver.text("MilitaryInvasionsInfo"), "3", "invasions counted")
        checks.equal(driver.text("MilitaryRequestsInfo"), "2", "military requests counted")
        driver.tab("PG1", 2)
        checks.equal(pane_lines(driver.text("Invasionen")), INVASION_LINES, "the invasions pane")
        checks.equal(pane_lines(driver.text("Anforderungen")), REQUEST_LINES, "the requests pane")
        screenshot(config, "pages_militaer")

        checks.equal(select_scenario(driver, "Campania Felix.scn"), [], "a scenario without script")
        checks.equal(pane_lines(driver.text("Invasionen")), ["", "Keine Invasionen!"], "no invasions")
        checks.equal(pane_lines(driver.text("Anforderungen")), ["", "Keine Anforderungen!"], "no requests")
        for index, tab in enumerate(["ziele", "handel", "militaer", "karte", "text"]):
            driver.tab("PG1", index)
            screenshot(config, f"pages_tab_{tab}")


TESTS = [test_trade_and_requests, test_military_pages]
