#!/usr/bin/env python3
"""Checks the shipped places file W-ORTE.TXT.

    python3 resources/check_places.py [W-ORTE.TXT] [--zones /usr/share/zoneinfo/zone.tab]

Every line must be Windows-1252 text ending in CR LF, 56 characters in the fixed columns
(name 1-33, latitude 34-43, two blanks, longitude 46-56, blanks between the fields),
with latitudes up to 90, longitudes up to 180, minutes and seconds below 60, and the
lines sorted by German collation (umlauts as their base letters) without duplicates.

Where tzdata's zone.tab is installed, the places that are also the principal city of a
time zone are compared with its coordinates, as a guard against typing errors (the zone
table gives a point of the city to the minute, not its centre, so a few minutes apart are
normal; more than 20 minutes are reported).
Exits 1 when a line breaks a rule or a place is far from its zone city.
"""
import argparse
import re
import sys
import unicodedata
from pathlib import Path

LINE = re.compile(
    r"(?P<name>.{33})(?P<lat>\d\d) (?P<latm>\d\d) (?P<lats>\d\d) (?P<ns>[NS])  "
    r"(?P<lon>\d\d\d) (?P<lonm>\d\d) (?P<lons>\d\d) (?P<ew>[EW])$")

# German names of places whose zone city carries another name.
ZONE_NAMES = {
    "Wien": "Vienna", "Zürich": "Zurich", "Rom": "Rome", "Brüssel": "Brussels",
    "Kopenhagen": "Copenhagen", "Athen": "Athens", "Lissabon": "Lisbon",
    "Warschau": "Warsaw", "Bukarest": "Bucharest", "Moskau": "Moscow",
    "Belgrad": "Belgrade", "Prag": "Prague", "Kiew": "Kyiv", "Nikosia": "Nicosia",
    "Tirana": "Tirane", "Vatikanstadt": "Vatican", "Luxemburg": "Luxembourg",
    "Chisinau": "Chisinau", "Jerewan": "Yerevan", "Tiflis": "Tbilisi",
    "Bagdad": "Baghdad", "Teheran": "Tehran",
    "Tokio": "Tokyo", "Phnom Penh": "Phnom_Penh", "Pjöngjang": "Pyongyang",
    "Kuwait-Stadt": "Kuwait", "Kuala Lumpur": "Kuala_Lumpur", "Malé": "Maldives",
    "Ulan Bator": "Ulaanbaatar", "Maskat": "Muscat", "Riad": "Riyadh",
    "Singapur": "Singapore", "Damaskus": "Damascus", "Duschanbe": "Dushanbe",
    "Taipeh": "Taipei", "Aschgabat": "Ashgabat", "Taschkent": "Tashkent",
    "Kairo": "Cairo", "Algier": "Algiers", "Addis Abeba": "Addis_Ababa",
    "Dschibuti": "Djibouti", "Praia": "Cape_Verde",
    "Tripolis": "Tripoli", "Windhuk": "Windhoek", "Mogadischu": "Mogadishu",
    "Khartum": "Khartoum", "N'Djamena": "Ndjamena", "Lomé": "Lome",
    "Havanna": "Havana", "Mexiko-Stadt": "Mexico_City", "Panama-Stadt": "Panama",
    "Asunción": "Asuncion", "Bogotá": "Bogota", "Guatemala-Stadt": "Guatemala",
    "Kingston": "Jamaica", "San José": "Costa_Rica", "San Salvador": "El_Salvador",
    "St. John's": "Antigua", "St. George's": "Grenada", "Castries": "St_Lucia",
    "Kingstown": "St_Vincent", "Basseterre": "St_Kitts", "Roseau": "Dominica",
    "Bridgetown": "Barbados", "Georgetown": "Guyana", "Port of Spain": "Port_of_Spain",
    "Reykjavík": "Reykjavik", "Nuku'alofa": "Tongatapu", "Majuro": "Majuro",
    "Tarawa": "Tarawa", "Yaren": "Nauru", "Ngerulmud": "Palau", "Palikir": "Pohnpei",
    "Honiara": "Guadalcanal", "Port Vila": "Efate", "Suva": "Fiji", "Apia": "Apia",
    "Victoria": "Mahe", "Port Louis": "Mauritius", "Moroni": "Comoro",
    "São Tomé": "Sao_Tome", "Malabo": "Malabo", "Kathmandu": "Kathmandu",
    "Dili": "Dili", "Jerusalem": "Jerusalem", "Berlin": "Berlin",
}


# The three German-speaking countries' extent in degrees (south, north, west, east), a
# little widened: a place outside its box has a typing error.
COUNTRY_BOXES = {"D": (47.2, 55.1, 5.8, 15.1), "A": (46.3, 49.1, 9.5, 17.2),
                 "CH": (45.8, 47.9, 5.9, 10.5)}


def collation_key(name):
    plain = name.replace("ß", "ss")
    plain = "".join(c for c in unicodedata.normalize("NFD", plain) if not unicodedata.combining(c))
    return plain.casefold()


def read_zones(path):
    zones = {}
    for row in Path(path).read_text(encoding="utf-8").splitlines():
        if row.startswith("#") or not row.strip():
            continue
        fields = row.split("\t")
        m = re.fullmatch(r"([+-])(\d\d)(\d\d)(\d\d)?([+-])(\d\d\d)(\d\d)(\d\d)?", fields[1])
        if not m:
            continue
        lat = int(m[2]) + int(m[3]) / 60 + int(m[4] or 0) / 3600
        lon = int(m[6]) + int(m[7]) / 60 + int(m[8] or 0) / 3600
        zones[fields[2].rsplit("/", 1)[-1]] = (-lat if m[1] == "-" else lat,
                                              -lon if m[5] == "-" else lon)
    return zones


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("file", nargs="?", default=Path(__file__).with_name("W-ORTE.TXT"))
    parser.add_argument("--zones", default="/usr/share/zoneinfo/zone.tab")
    parser.add_argument("--show", type=float, metavar="MINUTES",
                        help="also list every place this many minutes or more from its zone city")
    args = parser.parse_args()

    data = Path(args.file).read_bytes()
    problems = []
    if not data.endswith(b"\r\n"):
        problems.append("the file does not end with CR LF")
    raw_lines = data.split(b"\r\n")[:-1]
    places = []
    for number, raw in enumerate(raw_lines, 1):
        if b"\r" in raw or b"\n" in raw:
            problems.append(f"line {number}: a line end other than CR LF")
        try:
            text = raw.decode("cp1252")
        except UnicodeDecodeError:
            problems.append(f"line {number}: not Windows-1252")
            continue
        m = LINE.fullmatch(text)
        if not m:
            problems.append(f"line {number}: columns wrong: {text!r}")
            continue
        name = m["name"].rstrip()
        if not name or name != m["name"].strip():
            problems.append(f"line {number}: name empty or with leading blanks")
        lat = int(m["lat"]) + int(m["latm"]) / 60 + int(m["lats"]) / 3600
        lon = int(m["lon"]) + int(m["lonm"]) / 60 + int(m["lons"]) / 3600
        if max(int(m[k]) for k in ("latm", "lats", "lonm", "lons")) > 59 or lat > 90 or lon > 180:
            problems.append(f"line {number}: coordinate out of range")
        places.append((name, -lat if m["ns"] == "S" else lat, -lon if m["ew"] == "W" else lon))

    for name, lat, lon in places:
        box = COUNTRY_BOXES.get(name[name.rfind("(") + 1:-1])
        if box and not (box[0] <= lat <= box[1] and box[2] <= lon <= box[3]):
            problems.append(f"{name}: outside its country")

    names = [p[0] for p in places]
    if len(set(names)) != len(names):
        problems.append("duplicate names: " + ", ".join(sorted({n for n in names if names.count(n) > 1})))
    keys = [collation_key(n) for n in names]
    for number, (a, b) in enumerate(zip(keys, keys[1:]), 2):
        if a > b:
            problems.append(f"line {number}: not sorted after the line before")

    compared = 0
    if Path(args.zones).exists():
        zones = read_zones(args.zones)
        for name, lat, lon in places:
            city = name.split(" (")[0]
            zone = ZONE_NAMES.get(city, city.replace(" ", "_"))
            if zone not in zones:
                continue
            compared += 1
            zlat, zlon = zones[zone]
            off = max(abs(lat - zlat), abs(lon - zlon)) * 60
            if args.show is not None and off >= args.show:
                print(f"{name}: {off:.0f}' from {zone} ({lat:.3f} {lon:.3f} / {zlat:.3f} {zlon:.3f})")
            if off > 20:
                problems.append(f"{name}: {off:.0f}' from the zone city {zone}")

    for problem in problems:
        print(problem)
    countries = {}
    for name in names:
        country = name[name.rfind("(") + 1:-1]
        countries[country] = countries.get(country, 0) + 1
    print(f"{len(places)} places: {countries.get('D', 0)} in D, {countries.get('A', 0)} in A, "
          f"{countries.get('CH', 0)} in CH; {compared} compared with their zone city; "
          f"{len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
