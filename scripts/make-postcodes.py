#!/usr/bin/env python3
"""One-off converter: Belgian postcode lists (CSV) to data/reference/70_postcodes.sql.

Usage: make-postcodes.py POSTCODES.csv POSTCODES-FR.csv > data/reference/70_postcodes.sql

POSTCODES.csv    postcode, locality in its own language, longitude, latitude
POSTCODES-FR.csv the postal operator's French edition: postcode, locality,
                 sub-municipality "Oui"/"Non", province (used as a cross-check:
                 every locality of the first list must be in it, and for the
                 main towns: a locality marked "Non" is the municipality itself)

The first list gives one row per postcode and locality. Each locality gets a
Dutch and a French town name: the same name where the locality has one name,
the names of BILINGUAL below where it is widely known under two. The build
never runs this script; its output is committed.
"""
import csv
import sys

# Well-known localities with a Dutch and a French name, keyed by postcode and
# the name as the postcode list writes it. German-speaking localities of the
# east cantons keep their German name in the Dutch column (Dutch uses it).
BILINGUAL = {
    # Brussels-Capital Region: all 19 municipalities are officially bilingual
    ("1000", "Bruxelles"): ("Brussel", "Bruxelles"),
    ("1020", "Laeken"): ("Laken", "Laeken"),
    ("1030", "Schaerbeek"): ("Schaarbeek", "Schaerbeek"),
    ("1040", "Etterbeek"): ("Etterbeek", "Etterbeek"),
    ("1050", "Ixelles"): ("Elsene", "Ixelles"),
    ("1060", "Saint-Gilles"): ("Sint-Gillis", "Saint-Gilles"),
    ("1070", "Anderlecht"): ("Anderlecht", "Anderlecht"),
    ("1080", "Molenbeek-Saint-Jean"): ("Sint-Jans-Molenbeek", "Molenbeek-Saint-Jean"),
    ("1081", "Koekelberg"): ("Koekelberg", "Koekelberg"),
    ("1082", "Berchem-Sainte-Agathe"): ("Sint-Agatha-Berchem", "Berchem-Sainte-Agathe"),
    ("1083", "Ganshoren"): ("Ganshoren", "Ganshoren"),
    ("1090", "Jette"): ("Jette", "Jette"),
    ("1120", "Neder-Over-Heembeek"): ("Neder-Over-Heembeek", "Neder-Over-Heembeek"),
    ("1130", "Haren"): ("Haren", "Haren"),
    ("1140", "Evere"): ("Evere", "Evere"),
    ("1150", "Woluwe-Saint-Pierre"): ("Sint-Pieters-Woluwe", "Woluwe-Saint-Pierre"),
    ("1160", "Auderghem"): ("Oudergem", "Auderghem"),
    ("1170", "Watermael-Boitsfort"): ("Watermaal-Bosvoorde", "Watermael-Boitsfort"),
    ("1180", "Uccle"): ("Ukkel", "Uccle"),
    ("1190", "Forest"): ("Vorst", "Forest"),
    ("1200", "Woluwe-Saint-Lambert"): ("Sint-Lambrechts-Woluwe", "Woluwe-Saint-Lambert"),
    ("1210", "Saint-Josse-Ten-Noode"): ("Sint-Joost-ten-Node", "Saint-Josse-ten-Noode"),
    # Flanders
    ("2000", "Antwerpen"): ("Antwerpen", "Anvers"),
    ("2018", "Antwerpen"): ("Antwerpen", "Anvers"),
    ("2020", "Antwerpen"): ("Antwerpen", "Anvers"),
    ("2030", "Antwerpen"): ("Antwerpen", "Anvers"),
    ("2040", "Antwerpen"): ("Antwerpen", "Anvers"),
    ("2050", "Antwerpen"): ("Antwerpen", "Anvers"),
    ("2060", "Antwerpen"): ("Antwerpen", "Anvers"),
    ("2500", "Lier"): ("Lier", "Lierre"),
    ("2800", "Mechelen"): ("Mechelen", "Malines"),
    ("1500", "Halle"): ("Halle", "Hal"),
    ("1540", "Herne"): ("Herne", "Hérinnes"),
    ("1640", "Rhode-Saint-Genèse"): ("Sint-Genesius-Rode", "Rhode-Saint-Genèse"),
    ("1800", "Vilvoorde"): ("Vilvoorde", "Vilvorde"),
    ("3000", "Leuven"): ("Leuven", "Louvain"),
    ("3300", "Tienen"): ("Tienen", "Tirlemont"),
    ("3440", "Zoutleeuw"): ("Zoutleeuw", "Léau"),
    ("3700", "Tongeren"): ("Tongeren", "Tongres"),
    ("3800", "Sint-Truiden"): ("Sint-Truiden", "Saint-Trond"),
    ("3790", "Fourons"): ("Voeren", "Fourons"),
    ("3790", "Fouron-Saint-Martin"): ("Sint-Martens-Voeren", "Fouron-Saint-Martin"),
    ("3790", "Mouland"): ("Moelingen", "Mouland"),
    ("3792", "Fouron-Saint-Pierre"): ("Sint-Pieters-Voeren", "Fouron-Saint-Pierre"),
    ("3798", "Fouron-Le-Comte"): ("'s-Gravenvoeren", "Fouron-le-Comte"),
    ("8000", "Brugge"): ("Brugge", "Bruges"),
    ("8400", "Oostende"): ("Oostende", "Ostende"),
    ("8500", "Kortrijk"): ("Kortrijk", "Courtrai"),
    ("8600", "Diksmuide"): ("Diksmuide", "Dixmude"),
    ("8620", "Nieuwpoort"): ("Nieuwpoort", "Nieuport"),
    ("8630", "Veurne"): ("Veurne", "Furnes"),
    ("8800", "Roeselare"): ("Roeselare", "Roulers"),
    ("8900", "Ieper"): ("Ieper", "Ypres"),
    ("8930", "Menen"): ("Menen", "Menin"),
    ("8940", "Wervik"): ("Wervik", "Wervicq"),
    ("8970", "Poperinge"): ("Poperinge", "Poperinghe"),
    ("9000", "Gent"): ("Gent", "Gand"),
    ("9100", "Sint-Niklaas"): ("Sint-Niklaas", "Saint-Nicolas"),
    ("9200", "Dendermonde"): ("Dendermonde", "Termonde"),
    ("9300", "Aalst"): ("Aalst", "Alost"),
    ("9500", "Geraardsbergen"): ("Geraardsbergen", "Grammont"),
    ("9600", "Renaix"): ("Ronse", "Renaix"),
    ("9700", "Oudenaarde"): ("Oudenaarde", "Audenarde"),
    # Wallonia
    ("1300", "Wavre"): ("Waver", "Wavre"),
    ("1370", "Jodoigne"): ("Geldenaken", "Jodoigne"),
    ("1400", "Nivelles"): ("Nijvel", "Nivelles"),
    ("1420", "Braine-L'alleud"): ("Eigenbrakel", "Braine-l'Alleud"),
    ("1430", "Rebecq"): ("Roosbeek", "Rebecq"),
    ("1480", "Tubize"): ("Tubeke", "Tubize"),
    ("4000", "Liège"): ("Luik", "Liège"),
    ("4020", "Liège"): ("Luik", "Liège"),
    ("4280", "Hannut"): ("Hannuit", "Hannut"),
    ("4300", "Waremme"): ("Borgworm", "Waremme"),
    ("4500", "Huy"): ("Hoei", "Huy"),
    ("4600", "Visé"): ("Wezet", "Visé"),
    ("4830", "Limbourg"): ("Limburg", "Limbourg"),
    ("5000", "Namur"): ("Namen", "Namur"),
    ("6600", "Bastogne"): ("Bastenaken", "Bastogne"),
    ("6700", "Arlon"): ("Aarlen", "Arlon"),
    ("7000", "Mons"): ("Bergen", "Mons"),
    ("7060", "Soignies"): ("Zinnik", "Soignies"),
    ("7090", "Braine-Le-Comte"): ("'s-Gravenbrakel", "Braine-le-Comte"),
    ("7500", "Tournai"): ("Doornik", "Tournai"),
    ("7700", "Mouscron"): ("Moeskroen", "Mouscron"),
    ("7780", "Comines"): ("Komen", "Comines"),
    ("7780", "Comines-Warneton"): ("Komen-Waasten", "Comines-Warneton"),
    ("7800", "Ath"): ("Aat", "Ath"),
    ("7850", "Enghien"): ("Edingen", "Enghien"),
    ("7860", "Lessines"): ("Lessen", "Lessines"),
    # German-speaking community (listed under their French names)
    ("4720", "La Calamine"): ("Kelmis", "La Calamine"),
    ("4750", "Butgenbach"): ("Bütgenbach", "Butgenbach"),
    ("4760", "Bullange"): ("Büllingen", "Bullange"),
    ("4770", "Amblève"): ("Amel", "Amblève"),
    ("4780", "Saint-Vith"): ("Sankt Vith", "Saint-Vith"),
}

# Keys 1 and 2 are the "no town yet" rows that new owners and sites point to.
NO_TOWN = ("0000", "(nog geen gemeente)", "(pas encore de commune)")
FIRST_KEY = 3

REGIONS = [  # first digit(s) of the postcode -> comment heading
    ("1", "1000-1999: Brussels-Capital, Walloon Brabant, Flemish Brabant"),
    ("2", "2000-2999: Antwerp"),
    ("3", "3000-3999: Flemish Brabant, Limburg"),
    ("4", "4000-4999: Liège"),
    ("5", "5000-5999: Namur"),
    ("6", "6000-6999: Hainaut, Luxembourg"),
    ("7", "7000-7999: Hainaut"),
    ("8", "8000-8999: West Flanders"),
    ("9", "9000-9999: East Flanders"),
]


def sql_text(value):
    return "'" + value.replace("'", "''") + "'"


def read_rows(path):
    with open(path, encoding="utf-8", newline="") as f:
        return [row for row in csv.reader(f) if row]


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    localities = read_rows(argv[1])
    french_rows = read_rows(argv[2])
    french_edition = {(r[0], r[1].lower()) for r in french_rows}
    municipalities = {(r[0], r[1].lower()) for r in french_rows if len(r) > 2 and r[2] == "Non"}

    used = set()
    rows = []
    for zip_code, name, _lon, _lat in localities:
        name = name.strip()
        if not (len(zip_code) == 4 and zip_code.isdigit()):
            raise SystemExit(f"bad postcode {zip_code!r} for {name!r}")
        if (zip_code, name.lower()) not in french_edition:
            raise SystemExit(f"{zip_code} {name} is missing from the French edition")
        dutch, french = BILINGUAL.get((zip_code, name), (name, name))
        used.add((zip_code, name))
        rows.append((zip_code, dutch, french, (zip_code, name.lower()) in municipalities))
    unused = set(BILINGUAL) - used
    if unused:
        raise SystemExit(f"bilingual names not found in the list: {sorted(unused)}")
    rows.sort(key=lambda r: r[0])  # stable: keeps the list's order within a postcode

    out = sys.stdout
    out.write("-- Belgian postcodes and towns (the postcode table behind qryZipCity1 and\n"
              "-- qryZipCity2). Generated by scripts/make-postcodes.py; do not edit by hand.\n"
              "-- Source: the postal operator's public list of Belgian postcodes (one row\n"
              "-- per postcode and locality, in the locality's own language), checked\n"
              "-- against the same list's French edition. Dutch and French names of\n"
              "-- bilingual localities come from the table in the converter.\n\n")
    out.write("-- Keys 1 and 2: no town chosen yet.\n")
    out.write("INSERT INTO tblZipCity (IdZipCity, Zip, CityNameN, CityNameF) VALUES\n")
    out.write(f"(1, {', '.join(sql_text(v) for v in NO_TOWN)}),\n")
    out.write(f"(2, {', '.join(sql_text(v) for v in NO_TOWN)});\n")

    key = FIRST_KEY
    main_keys = []
    for digit, heading in REGIONS:
        part = [r for r in rows if r[0].startswith(digit)]
        if not part:
            continue
        out.write(f"\n-- {heading}\n")
        out.write("INSERT INTO tblZipCity (IdZipCity, Zip, CityNameN, CityNameF) VALUES\n")
        lines = []
        for zip_code, dutch, french, municipality in part:
            lines.append(f"({key}, {sql_text(zip_code)}, {sql_text(dutch)}, {sql_text(french)})")
            if municipality:
                main_keys.append(key)
            key += 1
        out.write(",\n".join(lines) + ";\n")

    out.write("\n-- The main town of a postcode: the locality that is the municipality itself\n"
              "-- (not a sub-municipality in the French edition). Typing a postcode picks it;\n"
              "-- a postcode of sub-municipalities only has none.\n")
    out.write("INSERT INTO tblZipCityMain (IdZipCity) VALUES\n")
    for start in range(0, len(main_keys), 12):
        chunk = ", ".join(f"({k})" for k in main_keys[start:start + 12])
        out.write(chunk + (";\n" if start + 12 >= len(main_keys) else ",\n"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
