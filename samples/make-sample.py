#!/usr/bin/env python3
"""Writes the synthetic BARTG Sprint sample log in two forms:
bartg-sprint.log (Cabrillo 3.0 with RST columns) and bartg-sprint.adi (ADIF),
holding the same QSOs. Deterministic: the same files on every run.

The log is made up: a fictional own call, made-up calls built on real
prefixes of stations on all six continents, K, VE, JA and VK stations in
several call areas, a few dupes, one QSO outside the contest bands and one
in another mode.
"""

import os

OWN_CALL = "N0CALL"
START_DAY = (2018, 1, 20)   # 12:00 UTC to 21 January 11:59 UTC
BAND_KHZ = {"80m": 3580, "40m": 7040, "20m": 14080, "15m": 21080, "10m": 28080}


class Random:
    """A small 64-bit linear congruential generator, stable across Python versions."""

    def __init__(self, seed):
        self.state = seed

    def below(self, n):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) % 2**64
        return (self.state >> 33) % n

    def pick(self, items):
        return items[self.below(len(items))]


rng = Random(20180120)

# Home-call prefixes by entity; the digit is the call area.
STATIONS = [
    # North America: K in all ten areas, VE in several, XE, KP4
    *[(p, d) for d in "1234567890" for p in ("W", "K", "N", "AA")],
    *[(p, d) for p, d in (("VE", "1"), ("VE", "2"), ("VE", "3"), ("VA", "3"), ("VE", "4"),
                          ("VE", "6"), ("VA", "7"), ("VE", "9"))],
    ("XE", "1"), ("XE", "2"), ("KP", "4"),
    # South America
    ("LW", "1"), ("LW", "4"), ("PY", "2"), ("PY", "5"), ("CE", "3"), ("HK", "3"), ("YV", "5"),
    # Europe
    ("DL", "1"), ("DL", "5"), ("DK", "2"), ("G", "3"), ("M", "0"), ("F", "5"), ("F", "6"),
    ("I", "2"), ("IK", "4"), ("EA", "3"), ("EA", "7"), ("OK", "1"), ("SP", "9"), ("SP", "3"),
    ("UA", "3"), ("RA", "6"), ("YU", "1"), ("HA", "8"), ("OH", "2"), ("SM", "5"), ("ON", "4"),
    ("PA", "3"), ("IT", "9"), ("GM", "4"), ("OE", "3"), ("S5", "1"), ("LY", "2"),
    # Asia: JA in all ten areas
    *[(p, d) for d in "1234567890" for p in ("JA", "JH")],
    ("UA", "9"), ("RA", "0"), ("BY", "4"), ("HL", "2"), ("4X", "1"), ("VU", "2"), ("HS", "0"),
    # Africa
    ("ZS", "6"), ("ZS", "1"), ("CN", "8"), ("SU", "1"), ("5Z", "4"), ("EA", "8"),
    # Oceania: VK in several areas
    *[("VK", d) for d in "234567"],
    ("ZL", "1"), ("ZL", "2"), ("YB", "1"), ("KH", "6"),
]

LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"


def made_up_call(prefix, digit, taken):
    while True:
        suffix = "Z" + rng.pick("QXJ") + rng.pick(LETTERS)
        call = prefix + digit + suffix
        if call not in taken:
            taken.add(call)
            return call


def bands_at(minute):
    """Bands open at a minute after 12:00 UTC, roughly as propagation has them."""
    hour = (12 + minute // 60) % 24
    if 12 <= hour < 16:
        return ["10m", "15m", "20m"]
    if 16 <= hour < 20:
        return ["15m", "20m", "40m"]
    if hour >= 20 or hour < 6:
        return ["40m", "80m", "80m"]
    return ["20m", "40m", "15m"]


def make_qsos():
    taken = set()
    pool = [made_up_call(p, d, taken) for p, d in STATIONS]
    # Portable forms: another call area, a location prefix, /P.
    pool += ["W5ZQA/1", "VE3/W8ZQB", "OH2ZQC/P"]
    for i in range(len(pool) - 1, 0, -1):
        j = rng.below(i + 1)
        pool[i], pool[j] = pool[j], pool[i]

    worked = set()            # (call, band)
    not_yet_worked = pool[:]
    qsos = []
    minute = 0
    while minute < 24 * 60:
        band = rng.pick(bands_at(minute))
        # Everyone once first, then some again on other bands.
        if not_yet_worked:
            call = not_yet_worked.pop(0)
        else:
            call = rng.pick([c for c in pool if (c, band) not in worked])
        worked.add((call, band))
        qsos.append({"minute": minute, "call": call, "band": band, "khz": BAND_KHZ[band] + rng.below(25),
                     "mode": "RTTY"})
        minute += 3 + rng.below(3)

    # Dupes: the same call, band and mode again a little later.
    for index in (10, 47, 95, 140, 201, 260):
        first = qsos[index]
        qsos.append({**first, "minute": first["minute"] + 2})
    # One QSO outside the contest bands and one in another mode.
    qsos.append({"minute": 100, "call": made_up_call("DL", "3", taken), "band": "30m", "khz": 10142,
                 "mode": "RTTY"})
    qsos.append({"minute": 200, "call": made_up_call("G", "4", taken), "band": "20m", "khz": 14025,
                 "mode": "CW"})

    qsos.sort(key=lambda q: q["minute"])
    assert qsos[-1]["minute"] < 24 * 60
    for serial, qso in enumerate(qsos, start=1):
        qso["sent"] = "%03d" % serial
        qso["received"] = "%03d" % (1 + rng.below(450))
    return qsos


def date_time(minute):
    day = START_DAY[2] + (12 * 60 + minute) // (24 * 60)
    hhmm = (12 * 60 + minute) % (24 * 60)
    return (START_DAY[0], START_DAY[1], day, hhmm // 60, hhmm % 60)


def cabrillo(qsos):
    lines = [
        "START-OF-LOG: 3.0",
        "CONTEST: BARTG-SPRINT",
        "CALLSIGN: " + OWN_CALL,
        "CATEGORY-OPERATOR: SINGLE-OP",
        "CATEGORY-BAND: ALL",
        "CATEGORY-MODE: RTTY",
        "CATEGORY-POWER: LOW",
        "CREATED-BY: make-sample.py",
        "NAME: Sample Operator",
        "SOAPBOX: Synthetic log for tests and demonstrations; all calls are made up.",
    ]
    for q in qsos:
        y, mo, d, h, mi = date_time(q["minute"])
        mode = "RY" if q["mode"] == "RTTY" else q["mode"]
        line = "QSO: %5d %s %04d-%02d-%02d %02d%02d %-13s %3s %-6s %-13s %3s %s" % (
            q["khz"], mode, y, mo, d, h, mi, OWN_CALL, "599", q["sent"], q["call"], "599", q["received"])
        lines.append(line)
    lines.append("END-OF-LOG:")
    return "\r\n".join(lines) + "\r\n"


def adif_field(name, value):
    return "<%s:%d>%s" % (name, len(value), value)


def adif(qsos):
    out = ["Synthetic BARTG Sprint sample log; all calls are made up.\r\n",
           adif_field("ADIF_VER", "3.1.0"), " ", adif_field("PROGRAMID", "make-sample.py"), " <EOH>\r\n"]
    for q in qsos:
        y, mo, d, h, mi = date_time(q["minute"])
        mhz = "%d.%03d" % (q["khz"] // 1000, q["khz"] % 1000)
        fields = [("CALL", q["call"]), ("QSO_DATE", "%04d%02d%02d" % (y, mo, d)),
                  ("TIME_ON", "%02d%02d" % (h, mi)), ("BAND", q["band"]), ("FREQ", mhz),
                  ("MODE", q["mode"]), ("RST_SENT", "599"), ("RST_RCVD", "599"),
                  ("STX", q["sent"]), ("SRX", q["received"]), ("STATION_CALLSIGN", OWN_CALL)]
        out.append(" ".join(adif_field(n, v) for n, v in fields) + " <EOR>\r\n")
    return "".join(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    qsos = make_qsos()
    with open(os.path.join(here, "bartg-sprint.log"), "w", newline="") as f:
        f.write(cabrillo(qsos))
    with open(os.path.join(here, "bartg-sprint.adi"), "w", newline="") as f:
        f.write(adif(qsos))
    print("%d QSOs written" % len(qsos))


if __name__ == "__main__":
    main()
