"""The window as the player must see it: every control's rectangle (left, top,
width, height at 96 dpi, relative to its parent's client area) and the text it
shows before any scenario has been loaded. None: the control shows no text."""

MAIN_CLIENT = (810, 585)
ABOUT_CLIENT = (267, 211)

CONTROLS = [
    ("Image1", (8, 8, 278, 75), None),
    ("SCNName", (292, 28, 510, 33), "SCNName"),
    ("SCNFilesList", (8, 89, 193, 450), None),
    ("PG1", (207, 89, 595, 450), None),
    ("OpenAbout", (8, 545, 28, 35), "?"),
    ("Katalog", (42, 545, 90, 35), "Katalog"),
    ("Beenden", (632, 545, 170, 35), "Beenden"),
    # Ziele
    ("ScnStatusInfo", (8, 19, 175, 26), "SCNStatusInfo"),
    ("MapLocationInfo", (438, 19, 145, 26), "MapLocationInfo"),
    ("Shape1", (8, 51, 575, 3), None),
    ("AllgemeinLabel", (18, 61, 230, 25), "Allgemein"),
    ("ZielInfo", (335, 61, 157, 25), "Szenarioziele"),
    ("MilitaryRequestsLabel", (18, 100, 160, 21), "Militäranforderungen "),
    ("MilitaryRequestsInfo", (193, 100, 50, 21), "0"),
    ("MilitaryInvasionsLabel", (18, 131, 160, 21), "Invasionen"),
    ("MilitaryInvasionsInfo", (193, 131, 50, 21), "0"),
    ("NatureEventsLabel", (18, 159, 160, 21), "Naturereignisse"),
    ("NatureEventsInfo", (193, 159, 50, 21), "nein"),
    ("WagePlebejerLabel", (18, 189, 160, 21), "Lohnänderung Plebejer"),
    ("WagePlebejerInfo", (193, 189, 50, 21), "WagePlebejerInfo"),
    ("WageEquitesLabel", (18, 220, 160, 21), "Lohnänderung Equites"),
    ("WageEquitesInfo", (193, 220, 50, 21), "WageEquitesInfo"),
    ("TradeRequestsLabel", (18, 252, 160, 21), "Warenanforderungen"),
    ("TradeRequestsInfo", (193, 252, 50, 21), "TradeRequestsInfo"),
    ("CitiesCountLabel", (18, 284, 160, 21), "Anzahl der Städte"),
    ("CitiesCountInfo", (193, 284, 50, 21), "CitiesCountInfo"),
    ("CultureLabel", (335, 100, 99, 21), "Kultur"),
    ("CultureInfo", (443, 100, 49, 21), "CultureInfo"),
    ("SecurityLabel", (335, 131, 99, 21), "Sicherheit"),
    ("SecurityInfo", (443, 131, 49, 21), "SecurityInfo"),
    ("ProsperityLabel", (335, 159, 99, 21), "Wohlstand"),
    ("ProsperityInfo", (443, 159, 49, 21), "ProsperityInfo"),
    ("FavorLabel", (335, 189, 99, 21), "Ansehen"),
    ("FavorInfo", (443, 189, 49, 21), "FavorInfo"),
    ("PopulationLabel", (335, 220, 99, 21), "Bevölkerung"),
    ("PopulationInfo", (443, 220, 49, 21), "PopulationInfo"),
    ("ZielNoteInfo", (307, 264, 282, 144), "ZielNoteInfo"),
    # Handel
    ("PGHandel", (0, 0, 681, 417), None),
    ("CityList", (3, 3, 201, 377), None),
    ("CityTypeLabel", (228, 22, 107, 24), "Stadtstatus"),
    ("CityType", (341, 21, 174, 25), "CityType"),
    ("TradeRouteTypeLabel", (228, 52, 107, 24), "Handelsroute"),
    ("TradeRouteType", (341, 52, 174, 25), "TradeRouteType"),
    ("TradeRouteStatusLabel", (228, 84, 107, 24), "Status"),
    ("TradeRouteStatus", (341, 83, 174, 25), "TradeRouteStatus"),
    ("CitySellsLabel", (228, 124, 107, 32), "verkauft"),
    ("CityBuyLabel", (228, 252, 107, 32), "kauft"),
    ("REQPanel", (3, 3, 580, 369), None),
    ("REQList", (0, 0, 201, 377), None),
    ("REQWarePicture", (223, 21, 32, 32), None),
    ("REQWareCount", (278, 21, 90, 31), "REQWareCount"),
    ("REQWareName", (398, 21, 135, 31), "REQWareName"),
    ("REQStartLabel", (215, 66, 130, 32), "Start nach"),
    ("REQTime", (351, 66, 220, 32), "REQTime"),
    ("REQComplyLabel", (215, 96, 130, 32), "Frist"),
    ("REQComply", (351, 96, 220, 32), "REQComply"),
    ("REQRecursLabel", (215, 124, 130, 32), "Wiederholung"),
    ("REQRecurs", (351, 124, 220, 32), "REQRecurs"),
    ("REQRewardLabel", (215, 154, 130, 32), "erfüllt"),
    ("REQReward", (351, 154, 220, 32), "REQReward"),
    ("REQPenaltyLabel", (215, 184, 130, 32), "nicht erfüllt"),
    ("REQPenalty", (351, 184, 220, 32), "REQPenalty"),
    ("REQShortText", (215, 222, 358, 31), "Forderungstext"),
    ("REQText", (215, 248, 333, 121), "REQForderungstext"),
    # Militär
    ("Invasionen", (3, 3, 286, 400), "Invasionen"),
    ("Anforderungen", (295, 3, 286, 400), "Anforderungen"),
    # Karte
    ("ScnPicture", (192, 14, 380, 379), None),
    ("MapSizeInfo", (3, 16, 170, 26), "MapSizeInfo"),
    ("MapLocationInfo2", (3, 48, 170, 26), "MapLocationInfo"),
    # Text
    ("Story", (16, 11, 553, 380), "Story"),
]

# The six goods rows of the trade page: number label, picture, count, name.
for row, (prefix, slot, top, number, number_left, count_left) in enumerate([
        ("SellWare", 1, 124, "1", 309, 372), ("SellWare", 2, 162, "2", 309, 372),
        ("SellWare", 3, 200, "3", 309, 372), ("BuyWare", 1, 252, "1", 309, 372),
        ("BuyWare", 2, 290, "2", 310, 373), ("BuyWare", 3, 328, "3", 311, 374)], start=1):
    name = f"{prefix}{slot}"
    CONTROLS += [
        (f"Label{row}", (number_left, top, 15, 32), number),
        (f"{name}Picture", (333, top, 32, 32), None),
        (f"{name}Count", (count_left, top, 30, 32), f"{name}Count"),
        (f"{name}Name", (415, top, 100, 32), f"{name}Name"),
    ]

LIST_DESIGN_ITEMS = {"CityList": ["CityList"], "REQList": ["REQList"]}

TAB_SHEETS = ["TabZiele", "TabHandel", "TabMilitaer", "TabKarte", "TabText"]
TRADE_SHEETS = ["TabWarenhandel", "TabForderungen", "PGRessourcen"]

ABOUT_CONTROLS = [
    ("CreditLabel", (111, 8, 150, 41), None),
    ("AnalyzerLabel", (8, 55, 97, 41), "analyzer.exe"),
    ("AuthorLabel", (111, 55, 150, 41), None),
    ("YearsLabel", (8, 112, 97, 41), None),
    ("Versionslabel", (111, 112, 150, 41), "Version 3.2 2017"),
    ("CloseAbout", (8, 176, 253, 25), "OK"),
]
