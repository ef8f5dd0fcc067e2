#!/usr/bin/env python3
# Writes the sample knowledge base "dom" (a home-heating advisor) under examples/dom/: the seven
# base files (CP1250, CR LF, as files from the Windows world), advice texts, pictures, sounds
# and the description. Deterministic; standard library only. It does not touch anything outside
# examples/dom/, and examples/dom/ is wholly its output: edit the tables here, not the files.
import math
import shutil
import struct
import sys
import unicodedata
import wave
from pathlib import Path

MARK = "dom"
ROOT = Path(__file__).resolve().parent / MARK


def nfc(text):
    return unicodedata.normalize("NFC", text)


# ---- Knowledge-base tables -----------------------------------------------------------------
# A fact is (name, field, field, ...). Field types follow the declarations: str is a string,
# int an integer, float a real, a list of str a string list, a list of int an integer list.

BEZ = "bez warunku"

# Rule base REdom.BQZ. Rule order is inference order: keep "koniec" first.
RULES = [
    ("rem_reguła", "Doradca ogrzewania domu jednorodzinnego - przykładowa baza reguł, znacznik dom."),
    ("fakt", "ogrzewanie_gazowe", "1.0"),
    ("fakt", "ndach_ocieplony", "0.6"),
    ("_fakt", "zapach_spalin", "-1"),
    ("reguła_dysjunktywna", "problem_z_kotłem"),
    ("rem_reguła", "Bezpieczeństwo: zapach spalin kończy wnioskowanie."),
    ("reguła", 1, "koniec", ["zapach_spalin"], 1, "0.9"),
    ("rem_reguła", "Wnioski pośrednie."),
    ("reguła", 2, "duże_straty_ciepła", ["nściany_ocieplone", "rachunki_wysokie"], 1, "0.8"),
    ("reguła", 3, "duże_straty_ciepła", ["nokna_szczelne", "w_domu_zimno"], 1, "0.6"),
    ("reguła", 4, "duże_straty_ciepła", ["ndach_ocieplony"], 0, "0.5"),
    ("reguła", 5, "problem_z_kotłem", ["kocioł_stary", "rachunki_wysokie"], 0, "0.7"),
    ("reguła", 6, "problem_z_kotłem", ["kocioł_za_słaby", "w_domu_zimno"], 1, "0.9"),
    ("reguła", 7, "instalacja_zapowietrzona", ["grzejniki_grzeją_nierówno", "słychać_bulgotanie"], 0, "1"),
    ("rem_reguła", "Zalecenia."),
    ("reguła", 8, "zalecana_termomodernizacja", ["duże_straty_ciepła"], 1, "0.9"),
    ("reguła", 9, "zalecana_wymiana_kotła", ["problem_z_kotłem", "ogrzewanie_węglowe"], 1, "0.95"),
    ("reguła", 10, "zalecana_wymiana_kotła", ["problem_z_kotłem", "ogrzewanie_gazowe"], 1, "0.6"),
    ("reguła", 11, "zalecana_regulacja_mocy_kotła", ["kocioł_przewymiarowany", "nduże_straty_ciepła"], 1, "0.7"),
    ("reguła", 12, "zalecane_odpowietrzenie_grzejników", ["instalacja_zapowietrzona"], 1, "0.9"),
    ("reguła", 13, "zalecany_audyt_energetyczny", ["zużycie_ponadprzeciętne", "rachunki_wysokie"], 1, "0.8"),
    ("reguła", 14, "zalecany_przegląd_kotła", [BEZ], 1, "0.7"),
    ("reguła", 15, "zalecana_pompa_ciepła", ["ogrzewanie_elektryczne", "nduże_straty_ciepła"], 1, "0.6"),
    ("reguła", 16, "zalecany_czujnik_czadu", ["ogrzewanie_gazowe", "brak_czujnika_czadu"], 1, "1"),
    ("reguła", 17, "zalecane_obniżenie_temperatury", ["w_domu_za_ciepło", "rachunki_wysokie"], 0, "0.8"),
    ("reguła", 18, "ogrzewanie_działa_poprawnie", ["temperatura_komfortowa", "nrachunki_wysokie"], 1, "0.8"),
    ("reguła", 19, "zalecana_termomodernizacja", ["ściany_ocieplone", "okna_szczelne"], 1, "-0.6"),
    ("_reguła", 20, "zalecana_wymiana_okien", ["nokna_szczelne", "w_domu_zimno"], 1, "0.7"),
    ("_reguła_dysjunktywna", "duże_straty_ciepła"),
]

# Model base MOdom.BQZ. Numbers 101-123, apart from the rule numbers.
MODELS = [
    ("rem_model", "Zapotrzebowanie na moc cieplną: powierzchnia x wskaźnik strat x różnica temperatur."),
    ("argument_znany", "temperatura_wewnętrzna", 20.0),
    ("argument_znany", "opłata_stała_miesięczna", 40.0),
    ("_argument_znany", "liczba_kondygnacji", 2.0),
    ("m_fakt", "dom_zamieszkały_całorocznie", "1"),
    ("modele_ekskluzywne", ["ogrzewanie_gazowe", "ogrzewanie_węglowe", "ogrzewanie_elektryczne"]),
    ("model", 101, BEZ, "powierzchnia_zabudowy", "długość_domu", "*", "szerokość_domu", 1, "1"),
    ("model", 102, BEZ, "powierzchnia_ogrzewana", "powierzchnia_zabudowy", "*", "liczba_kondygnacji", 1, "1"),
    ("model", 103, BEZ, "różnica_temperatur", "temperatura_wewnętrzna", "-", "temperatura_zewnętrzna_obliczeniowa", 0, "1"),
    ("model", 104, "ściany_ocieplone", "wskaźnik_strat", "1.2", "=", "0", 1, "1"),
    ("model", 105, "nściany_ocieplone", "wskaźnik_strat", "3.5", "=", "0", 1, "1"),
    ("model_r", 106, BEZ, "zapotrzebowanie_w", "*", ["powierzchnia_ogrzewana", "wskaźnik_strat", "różnica_temperatur"], 1, "1"),
    ("model", 107, BEZ, "zapotrzebowanie_kw_dokładne", "zapotrzebowanie_w", "/", "1000", 0, "1"),
    ("model", 108, BEZ, "zapotrzebowanie_kw", "zapotrzebowanie_kw_dokładne", "zaokrąglenie_do_N", "1", 1, "1"),
    ("model", 109, BEZ, "zapas_mocy_proc", "moc_kotła", "%", "zapotrzebowanie_kw", 1, "1"),
    ("rem_model_wielomianowy", "Roczne zużycie energii przybliżone wielomianem zapotrzebowania na moc."),
    ("model_wielomianowy", 110, BEZ, "roczne_zużycie_kwh", "zapotrzebowanie_kw", ["500", "1700", "12"], [0, 1, 2], 1, "1"),
    ("model", 111, BEZ, "wskaźnik_zużycia", "roczne_zużycie_kwh", "/", "powierzchnia_ogrzewana", 1, "1"),
    ("model", 112, "ogrzewanie_gazowe", "cena_kwh", "0.35", "=", "0", 0, "1"),
    ("model", 113, "ogrzewanie_węglowe", "cena_kwh", "0.25", "=", "0", 0, "1"),
    ("model", 114, "ogrzewanie_elektryczne", "cena_kwh", "1.10", "=", "0", 0, "1"),
    ("rem_model_liniowy", "Koszt roczny: cena energii x zużycie + 12 x opłata stała."),
    ("model_liniowy", 115, BEZ, "koszt_roczny", ["cena_kwh", "12"], ["roczne_zużycie_kwh", "opłata_stała_miesięczna"], 1, "1"),
    ("_model", 116, BEZ, "koszt_miesięczny", "koszt_roczny", "/", "12", 1, "1"),
    ("rem_model", "Modele relacyjne: CF wniosku podaje użytkownik."),
    ("model", 120, BEZ, "kocioł_przewymiarowany", "zapas_mocy_proc", ">", "150", 1, "cf_przewymiarowania"),
    ("model", 121, BEZ, "kocioł_za_słaby", "zapas_mocy_proc", "<", "100", 1, "cf_za_słaby"),
    ("model", 122, BEZ, "kocioł_stary", "wiek_kotła", ">=", "15", 0, "cf_wiek_kotła"),
    ("model_r", 123, "dom_zamieszkały_całorocznie", "zużycie_ponadprzeciętne", "<,<", ["150", "wskaźnik_zużycia", "100000"], 1, "cf_zużycia"),
]

# Exact constraint base OGdom.BQZ: exactly one condition of each list holds.
EXACT = [
    ("ograniczenie", 1, ["ogrzewanie_gazowe", "ogrzewanie_węglowe", "ogrzewanie_elektryczne"]),
    ("ograniczenie", 2, ["w_domu_zimno", "temperatura_komfortowa", "w_domu_za_ciepło"]),
]

# Uncertain constraint base ONdom.BQZ: at least one condition of each list holds.
UNCERTAIN = [
    ("rem_ograniczenie_n", "Powód zgłoszenia: co najmniej jeden z objawów występuje."),
    ("ograniczenie_n", 1, ["w_domu_zimno", "rachunki_wysokie", "grzejniki_grzeją_nierówno"]),
    ("_ograniczenie_n", 2, ["ogrzewanie_gazowe", "ogrzewanie_węglowe", "ogrzewanie_elektryczne"]),
]

# Advice base RAdom.BQZ: names as written in the base; the files on disk are upper case.
ADVICE = [
    ("rada", 1, "ewakuacja.hlp"),
    ("rada", 8, "termomodernizacja.hlp"),
    ("rada", 9, "wymiana_kotla.hlp"),
    ("rada", 10, "wymiana_kotla.hlp"),
    ("rada", 11, "regulacja_mocy.hlp"),
    ("rada", 12, "odpowietrzanie.hlp"),
    ("rada", 13, "audyt.hlp"),
    ("rada", 14, "PRZEGLAD.HLP"),
    ("rada", 15, "pompa_ciepla.hlp"),
    ("rada", 16, "czujnik_czadu.hlp"),
    ("rada", 121, "moc_kotla.hlp"),
]

# Graphics base GRdom.BQZ: some names without ".bmp" (found by the second candidate path).
PICTURES = [
    ("grafika", 1, "alarm.bmp"),
    ("grafika", 8, "termo.bmp"),
    ("ngrafika", 8, "dom_cieply"),
    ("grafika", 9, "kociol"),
    ("grafika", 10, "kociol"),
    ("grafika", 120, "kociol_duzy.bmp"),
    ("ngrafika", 121, "kociol_ok.bmp"),
]

# Sound base DŹdom.BQZ.
SOUNDS = [
    ("dźwięk", 1, "alarm.wav"),
    ("dźwięk", 8, "dzwonek"),
    ("dźwięk", 12, "dzwonek.wav"),
    ("ndźwięk", 121, "ton_niski.wav"),
]

BASES = [
    ("RE", RULES),
    ("MO", MODELS),
    ("OG", EXACT),
    ("ON", UNCERTAIN),
    ("RA", ADVICE),
    ("GR", PICTURES),
    ("DŹ", SOUNDS),
]

# ---- Media ------------------------------------------------------------------------------------

ADVICE_TEXTS = {
    "EWAKUACJA.HLP": """\
Wyczuwalny zapach spalin oznacza zagrożenie zatruciem tlenkiem węgla (czadem).
Natychmiast otwórz okna, wyłącz kocioł i wyjdź z budynku.
Wezwij pogotowie gazowe (992) lub straż pożarną (998).
Nie wracaj do domu przed sprawdzeniem instalacji przez fachowca.""",
    "TERMOMODERNIZACJA.HLP": """\
Dom traci dużo ciepła przez przegrody.
Kolejność prac: ocieplenie dachu lub stropu, ocieplenie ścian, wymiana nieszczelnych okien.
Przed rozpoczęciem prac zamów audyt energetyczny - jest podstawą do dotacji.""",
    "WYMIANA_KOTLA.HLP": """\
Kocioł jest stary lub za słaby, a rachunki są wysokie albo w domu jest zimno.
Dobierz nowy kocioł do obliczonego zapotrzebowania na moc, z zapasem 10-20%.
Kotły węglowe starszych klas trzeba wymienić zgodnie z uchwałą antysmogową.""",
    "REGULACJA_MOCY.HLP": """\
Moc kotła znacznie przekracza zapotrzebowanie domu.
Poproś serwisanta o ograniczenie mocy maksymalnej palnika;
kocioł rzadziej się wtedy włącza i wyłącza, a sprawność rośnie.""",
    "ODPOWIETRZANIE.HLP": """\
Instalacja jest zapowietrzona.
Przy wyłączonej pompie odkręć kolejno zawory odpowietrzające grzejników,
zaczynając od najniżej położonych, aż popłynie woda.
Następnie uzupełnij ciśnienie w instalacji do wartości podanej przez producenta kotła.""",
    "AUDYT.HLP": """\
Zużycie energii na metr kwadratowy jest wyższe niż w typowym domu.
Audyt energetyczny wskaże, które prace przyniosą największe oszczędności.""",
    "PRZEGLAD.HLP": """\
Kocioł i przewód kominowy należy sprawdzać co najmniej raz w roku, przed sezonem grzewczym.
Przegląd obejmuje czyszczenie, regulację palnika i sprawdzenie szczelności.""",
    "POMPA_CIEPLA.HLP": """\
Ogrzewanie elektryczne bezpośrednie jest drogie.
W dobrze ocieplonym domu pompa ciepła zużyje około trzy razy mniej energii elektrycznej.""",
    "CZUJNIK_CZADU.HLP": """\
W domu z kotłem gazowym zamontuj czujnik tlenku węgla w pomieszczeniu z kotłem
i w pobliżu sypialni. Sprawdzaj jego działanie raz w miesiącu.""",
    "MOC_KOTLA.HLP": """\
Porównanie mocy kotła z zapotrzebowaniem na moc cieplną:
poniżej 100% kocioł nie ogrzeje domu w największe mrozy,
powyżej 150% kocioł jest przewymiarowany i pracuje nieekonomicznie.""",
}

DESCRIPTION = """\
Doradca ogrzewania domu jednorodzinnego (znacznik bazy: dom).

Baza reguł ocenia straty ciepła, stan kotła i instalacji, a następnie zaleca:
termomodernizację, wymianę lub regulację kotła, odpowietrzenie grzejników,
audyt energetyczny, przegląd kotła, pompę ciepła, czujnik czadu.
Baza modeli oblicza powierzchnię ogrzewaną, zapotrzebowanie na moc cieplną,
zapas mocy kotła, roczne zużycie energii i koszt ogrzewania,
a modele relacyjne porównują te wartości z progami.
Zapach spalin kończy wnioskowanie."""

# Pictures: 32x24, 24 bits, each a few colour blocks (R, G, B per block).
PICTURE_BLOCKS = {
    "ALARM.BMP": [(255, 0, 0), (255, 255, 0)],
    "TERMO.BMP": [(200, 60, 40), (240, 200, 160), (90, 90, 90)],
    "DOM_CIEPLY.BMP": [(255, 160, 0), (250, 230, 180)],
    "KOCIOL.BMP": [(120, 120, 130), (30, 30, 40)],
    "KOCIOL_DUZY.BMP": [(120, 120, 130), (30, 30, 40), (200, 0, 0)],
    "KOCIOL_OK.BMP": [(120, 120, 130), (0, 160, 60)],
}

# The intro window's picture, looked for in the program's starting folder.
INTRO_PICTURE = "main_qz.bmp"

# The program's context-help file (help/ of the repository), looked for in the folder of the
# loaded bases before the program's own folder.
CONTEXT_HELP = "Main_qz.HLP"

# Sounds: 0.1 s of a sine tone, 8000 Hz, 16-bit mono.
SOUND_TONES = {
    "ALARM.WAV": 880.0,
    "DZWONEK.WAV": 660.0,
    "TON_NISKI.WAV": 220.0,
}

# ---- Writing facts -------------------------------------------------------------------------


def quoted(text):
    out = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\r", "\\r")
    return '"' + out + '"'


def real(value):
    text = f"{value:.10g}"
    assert "e" not in text, value
    return text


def field(value):
    if isinstance(value, bool):
        raise TypeError(value)
    if isinstance(value, str):
        return quoted(value)
    if isinstance(value, int):
        return str(value)
    if isinstance(value, float):
        return real(value)
    if isinstance(value, list):
        return "[" + ",".join(field(v) for v in value) + "]"
    raise TypeError(value)


def fact_line(fact):
    name, *fields = fact
    return name + "(" + ",".join(field(f) for f in fields) + ")"


def windows_text(text):
    """CP1250 bytes with CR LF line ends, the last line ended too."""
    lines = text.split("\n")
    return ("\r\n".join(lines) + "\r\n").encode("cp1250")


# ---- Sanity checks of the tables -----------------------------------------------------------


def facts_named(table, *names):
    return [f for f in table if f[0] in names]


def is_real(text):
    try:
        float(text)
        return text.strip() != "" and text.strip().lower() not in ("nan", "inf", "-inf", "+inf")
    except ValueError:
        return False


def check_tables():
    def unique(numbers, what):
        seen = set()
        for n in numbers:
            assert n not in seen, f"{what}: number {n} twice"
            seen.add(n)

    rules = facts_named(RULES, "reguła")
    models = facts_named(MODELS, "model", "model_r", "model_liniowy", "model_wielomianowy")
    unique([r[1] for r in rules], "rules")
    unique([m[1] for m in models], "models")
    unique([c[1] for c in facts_named(EXACT, "ograniczenie")], "exact constraints")
    unique([c[1] for c in facts_named(UNCERTAIN, "ograniczenie_n")], "uncertain constraints")
    unique([a[1] for a in ADVICE], "advice")
    assert not {r[1] for r in rules} & {m[1] for m in models}, "rule and model numbers overlap"

    for r in rules:
        assert is_real(r[5]) and -1 <= float(r[5]) <= 1, r
    for f in facts_named(RULES, "fakt") + facts_named(MODELS, "m_fakt"):
        assert is_real(f[2]) and -1 <= float(f[2]) <= 1, f

    relations = {">", "==", "<", ">=", "<=", "><", "<>", "<,<", "<=,<", "<,<=", "<=,<="}
    for m in models:
        op = m[5] if m[0] == "model" else (m[4] if m[0] == "model_r" else None)
        cf = m[-1]
        if op in relations:
            assert not is_real(cf) and "," not in cf, m
        else:
            assert cf == "1", m

    # A name that begins with "n" is read as a negation: plain names must not.
    conclusions = {r[2] for r in rules}
    plain = conclusions | {m[3] for m in models}
    for m in models:
        plain |= {a for a in (m[4], m[6]) if m[0] == "model"}
    conditions = {c[1:] if c.startswith("n") else c for r in rules for c in r[3]}
    for name in plain | conditions:
        assert not name.startswith("n"), name
    askable = conditions - conclusions - {BEZ}
    for f in facts_named(RULES, "fakt"):
        assert (f[1][1:] if f[1].startswith("n") else f[1]) in askable, f

    pictures = {p.upper() for p in PICTURE_BLOCKS}
    sounds = {s.upper() for s in SOUND_TONES}
    for a in ADVICE:
        assert a[2].upper() in ADVICE_TEXTS, a
    for p in PICTURES:
        assert p[2].upper() in pictures or p[2].upper() + ".BMP" in pictures, p
    for s in SOUNDS:
        assert s[2].upper() in sounds or s[2].upper() + ".WAV" in sounds, s


# ---- Media files ---------------------------------------------------------------------------


def bmp_from_pixels(width, height, pixel):
    """A 24-bit uncompressed BMP; pixel(x, y) gives (R, G, B), y counted from the top."""
    row_size = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in reversed(range(height)):  # bottom row first
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        pixels += row
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return file_header + info_header + bytes(pixels)


def bmp_bytes(blocks, width=32, height=24):
    def pixel(x, y):
        r, g, b = blocks[x * len(blocks) // width]
        if y >= height - height // 4:  # a dark strip along the bottom
            r, g, b = r // 3, g // 3, b // 3
        return r, g, b

    return bmp_from_pixels(width, height, pixel)


def intro_pixel(x, y):
    """The intro picture, 120 x 100: a house with a lit window and a smoking chimney."""
    if y >= 80:
        return (70, 140, 60)  # grass
    if 30 <= x < 90 and 50 <= y < 80:  # the walls, with a door and two windows
        if 52 <= x < 66 and 60 <= y < 80:
            return (110, 60, 30)
        if (36 <= x < 48 or 72 <= x < 84) and 56 <= y < 68:
            return (250, 220, 90) if x < 60 else (180, 210, 240)
        return (235, 215, 180)
    if 20 <= x < 100 and 24 <= y < 50 and abs(x - 60) <= (y - 24) * 40 // 26:  # the roof
        return (180, 50, 40)
    if 74 <= x < 82 and 18 <= y < 40:  # the chimney
        return (120, 90, 80)
    if (x - 80) ** 2 + (y - 12) ** 2 <= 16 or (x - 86) ** 2 + (y - 6) ** 2 <= 9:  # smoke
        return (225, 225, 230)
    return (150, 190, 235 - y)  # the sky, lighter towards the ground


def write_wav(path, frequency, rate=8000, seconds=0.1):
    count = int(rate * seconds)
    samples = b"".join(
        struct.pack("<h", round(12000 * math.sin(2 * math.pi * frequency * i / rate))) for i in range(count)
    )
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(samples)


# ---- Main ----------------------------------------------------------------------------------


def main():
    check_tables()
    if ROOT.exists():
        shutil.rmtree(ROOT)
    bases = ROOT / "BAZY"
    advice_dir = ROOT / "RADY" / MARK
    picture_dir = ROOT / "GRAFIKA" / MARK
    sound_dir = ROOT / nfc("DŹWIĘKI") / MARK
    description_dir = ROOT / "OPISY"
    for d in (bases, advice_dir, picture_dir, sound_dir, description_dir):
        d.mkdir(parents=True)

    for prefix, table in BASES:
        text = "\n".join(nfc(fact_line(f)) for f in table)
        (bases / nfc(f"{prefix}{MARK}.BQZ")).write_bytes(windows_text(text))
    for name, text in ADVICE_TEXTS.items():
        (advice_dir / name).write_bytes(windows_text(nfc(text)))
    for name, blocks in PICTURE_BLOCKS.items():
        (picture_dir / name).write_bytes(bmp_bytes(blocks))
    for name, frequency in SOUND_TONES.items():
        write_wav(sound_dir / name, frequency)
    (description_dir / f"{MARK}.OPI").write_bytes(windows_text(nfc(DESCRIPTION)))
    # The program started in BAZY/ (scripts/run.sh) shows this picture in its intro window.
    (bases / INTRO_PICTURE).write_bytes(bmp_from_pixels(120, 100, intro_pixel))
    shutil.copyfile(ROOT.parent.parent / "help" / CONTEXT_HELP, bases / CONTEXT_HELP)
    print(f"written: {ROOT}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
