#!/usr/bin/env python3
"""Writes the seed corpus of the table reader's fuzz target.

Run from anywhere: python3 tests/fuzz/maak_corpus.py
The files are small on purpose: every layout the reader knows, plus a few
broken ones, so the fuzzer starts from each branch of the format. The files
named gevonden_* are not made here: they are inputs that fuzzing runs found
to reach code the hand-made seeds do not.
"""
import os
import struct

MAP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "lambdatabel")


def ext(waarde):
    """A double as 10-byte extended: significand with integer bit, 15-bit exponent."""
    bits = struct.unpack("<Q", struct.pack("<d", waarde))[0]
    teken = bits >> 63
    exp = (bits >> 52) & 0x7FF
    fractie = bits & ((1 << 52) - 1)
    if exp == 0x7FF:
        e, s = 0x7FFF, (1 << 63) | (fractie << 11)
    elif exp == 0:
        if fractie == 0:
            e, s = 0, 0
        else:
            verschuif = 64 - fractie.bit_length()
            e, s = 15372 - verschuif, fractie << verschuif
    else:
        e, s = exp - 1023 + 16383, (1 << 63) | (fractie << 11)
    return bytes([5]) + struct.pack("<QH", s, e | (teken << 15))


def tekst(t):
    b = t.encode("ascii")
    return bytes([6, len(b)]) + b


def integer(i):
    if -128 <= i <= 127:
        return bytes([2]) + struct.pack("<b", i)
    if -32768 <= i <= 32767:
        return bytes([3]) + struct.pack("<h", i)
    return bytes([4]) + struct.pack("<i", i)


WAAR, ONWAAR, BEGIN, EINDE = b"\x09", b"\x08", b"\x01", b"\x00"


def veld(versie, naam, type_="Float", grootte=0):
    b = tekst(naam) + tekst(type_) + integer(grootte) + tekst(naam) + tekst("") + integer(10)
    b += ONWAAR + ONWAAR
    if versie >= 250:
        b += tekst("Data")
    if versie >= 251:
        b += tekst("")
    return b


def tabel(versie, records, velden=("Code", "Lambda")):
    """records: lists of values (None is null), or (status, [values], [older versions])."""
    b = b"TPF0"
    if versie != 100:
        b += integer(versie)
    b += BEGIN + b"".join(veld(versie, v) for v in velden) + EINDE
    if versie >= 200:
        b += BEGIN + tekst("InxCode") + tekst("Code") + tekst("InxCode") + ONWAAR * 4 + EINDE
    b += BEGIN
    for r in records:
        status, waarden, ouder = r if isinstance(r, tuple) else (0, r, [])
        versies = [(status, waarden)] + ouder
        if versie < 230:
            b += b"".join(ext(w) for w in waarden)
            continue
        b += BEGIN
        for st, ws in versies:
            b += integer(st)
            for w in ws:
                if versie >= 249:
                    if w is None:
                        b += WAAR
                        continue
                    b += ONWAAR
                b += ext(w)
        b += EINDE
    return b + EINDE


def main():
    os.makedirs(MAP, exist_ok=True)
    drie = [[1231, 0.05], [1111, 0.04436], [9611, 0.03556]]
    bestanden = {
        "minimaal_251": tabel(251, drie),
        "versie_100": tabel(100, drie),
        "versie_199": tabel(199, drie),
        "versie_229": tabel(229, drie),
        "versie_248": tabel(248, drie),
        "versie_249_null": tabel(249, [[1111, None], [None, 0.5]]),
        "versie_250": tabel(250, drie),
        "status_en_oudere_versies": tabel(251, [(3, [1, 2], []), (1, [1111, 0.04], [(2, [5, 6])])]),
        "lege_veldlijst": tabel(251, drie, velden=()),
        "drie_velden": tabel(251, [[1, 2, 3]], velden=("Lambda", "Dikte", "CODE")),
        "integer_codes": b"TPF0" + integer(251) + BEGIN + EINDE + BEGIN + EINDE + BEGIN
        + BEGIN + integer(0) + ONWAAR + b"\x13" + struct.pack("<q", 9611) + ONWAAR + integer(2) + EINDE
        + BEGIN + integer(0) + ONWAAR + integer(1231) + ONWAAR + integer(70000) + EINDE + EINDE,
        "tekst_tags": b"TPF0" + integer(251) + BEGIN
        + b"\x0c" + struct.pack("<I", 4) + b"Code" + b"\x14" + struct.pack("<I", 5) + b"Float"
        + integer(0) + b"\x12" + struct.pack("<I", 2) + "Cé".encode("utf-16-le")
        + tekst("") + integer(10) + ONWAAR + ONWAAR + tekst("Data") + tekst("")
        + EINDE + BEGIN + EINDE + BEGIN + BEGIN + integer(0) + ONWAAR + ext(7) + EINDE + EINDE,
        "leeg": b"",
        "verkeerde_signatuur": b"TPF1" + tabel(251, drie)[4:],
        "afgebroken_record": tabel(251, drie)[:-20],
        "onbekend_veldtype": b"TPF0" + integer(251) + BEGIN + veld(251, "Code", "Integer") + EINDE,
        "veldgrootte": b"TPF0" + integer(251) + BEGIN + veld(251, "Code", "Float", 8) + EINDE,
        "lange_lengte": b"TPF0" + integer(251) + BEGIN + b"\x0c\xff\xff\xff\x7f" + b"Code",
        "bijzondere_waarden": tabel(251, [[float("nan"), 1], [float("inf"), 2], [-0.0, 3], [5e-324, 4]]),
    }
    for naam, inhoud in bestanden.items():
        with open(os.path.join(MAP, naam), "wb") as f:
            f.write(inhoud)


if __name__ == "__main__":
    main()
