#!/usr/bin/env python3
"""Writes data/Internet.mid, the short piece played by the splash window.

A piano melody over broken chords, a bass and a soft string pad; General MIDI,
standard MIDI file format 1, about 16 seconds. Standard library only.

    python3 scripts/genera-musica.py [output.mid]
"""

import os
import struct
import sys

DIVISIONE = 480          # ticks per quarter note
BATTUTA = 4 * DIVISIONE  # 4/4

# Note numbers
NOTE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def nota(nome):
    """'C5' -> 72, 'A3' -> 57 (C4 = 60)."""
    return 12 * (int(nome[1:]) + 1) + NOTE[nome[0]]


def vlq(valore):
    """Variable-length quantity of the MIDI file format."""
    byte = [valore & 0x7F]
    valore >>= 7
    while valore:
        byte.insert(0, (valore & 0x7F) | 0x80)
        valore >>= 7
    return bytes(byte)


def traccia(eventi):
    """eventi: (tick, priority, bytes); note-offs sort before note-ons."""
    dati = bytearray()
    ultimo = 0
    for tick, _, msg in sorted(eventi, key=lambda e: (e[0], e[1])):
        dati += vlq(tick - ultimo) + msg
        ultimo = tick
    dati += vlq(0) + b"\xFF\x2F\x00"
    return b"MTrk" + struct.pack(">I", len(dati)) + bytes(dati)


def suona(eventi, canale, altezza, inizio, durata, velocita):
    """Beats in quarter notes; a short gap keeps repeated notes distinct."""
    t0 = round(inizio * DIVISIONE)
    t1 = round((inizio + durata) * DIVISIONE) - 12
    eventi.append((t0, 1, bytes([0x90 | canale, altezza, velocita])))
    eventi.append((t1, 0, bytes([0x80 | canale, altezza, 0])))


def impostazioni(canale, programma, volume, riverbero):
    return [
        (0, 0, bytes([0xC0 | canale, programma])),
        (0, 0, bytes([0xB0 | canale, 7, volume])),
        (0, 0, bytes([0xB0 | canale, 91, riverbero])),
    ]


# Eight bars: C | Am | F | G | C | Am | Dm G | C
ACCORDI = [
    [("C", ["C4", "E4", "G4"], 4)],
    [("A", ["A3", "C4", "E4"], 4)],
    [("F", ["F3", "A3", "C4"], 4)],
    [("G", ["G3", "B3", "D4"], 4)],
    [("C", ["C4", "E4", "G4"], 4)],
    [("A", ["A3", "C4", "E4"], 4)],
    [("D", ["D4", "F4", "A4"], 2), ("G", ["G3", "B3", "D4"], 2)],
]

# (note, beats) per bar
MELODIA = [
    [("E5", 1), ("D5", 0.5), ("C5", 0.5), ("E5", 1), ("G5", 1)],
    [("A5", 1.5), ("G5", 0.5), ("E5", 1), ("C5", 1)],
    [("F5", 1), ("A5", 1), ("C6", 1), ("A5", 1)],
    [("G5", 2), ("F5", 0.5), ("E5", 0.5), ("D5", 1)],
    [("E5", 1), ("G5", 0.5), ("C6", 0.5), ("B5", 1), ("G5", 1)],
    [("A5", 1), ("C6", 1), ("E5", 1), ("A5", 1)],
    [("F5", 1), ("A5", 1), ("D5", 0.5), ("E5", 0.5), ("F5", 0.5), ("B4", 0.5)],
    [("C5", 4)],
]

BASSO = {"C": "C2", "D": "D2", "E": "E2", "F": "F2", "G": "G2", "A": "A2", "B": "B2"}


def componi():
    tempo = [
        (0, 0, b"\xFF\x03" + vlq(6) + b"Rinsal"),
        (0, 0, b"\xFF\x58\x04\x04\x02\x18\x08"),
        (0, 0, b"\xFF\x51\x03" + (500000).to_bytes(3, "big")),       # 120 bpm
        (7 * BATTUTA, 0, b"\xFF\x51\x03" + (600000).to_bytes(3, "big")),  # last bar slower
    ]

    melodia = impostazioni(0, 0, 110, 50)
    battito = 0.0
    for b, battuta in enumerate(MELODIA):
        for i, (n, d) in enumerate(battuta):
            accento = 96 if i == 0 else 84
            suona(melodia, 0, nota(n), battito, d, accento if b < 7 else 90)
            battito += d
    suona(melodia, 0, nota("E5"), 28, 4, 70)
    suona(melodia, 0, nota("G5"), 28, 4, 70)

    accompagnamento = impostazioni(1, 0, 80, 50)
    basso = impostazioni(2, 33, 95, 30)
    archi = impostazioni(3, 48, 55, 70)
    battito = 0.0
    for battuta in ACCORDI:
        for radice, tasti, durata in battuta:
            # Broken chord in eighths: root, fifth, third, fifth
            for k in range(int(durata * 2)):
                altezza = nota(tasti[[0, 2, 1, 2][k % 4]])
                suona(accompagnamento, 1, altezza, battito + k * 0.5, 0.5, 62 if k % 2 else 70)
            if durata == 4:
                suona(basso, 2, nota(BASSO[radice]), battito, 2, 88)
                suona(basso, 2, nota(BASSO[radice]) + 7, battito + 2, 2, 80)
            else:
                suona(basso, 2, nota(BASSO[radice]), battito, durata, 88)
            for t in tasti:
                suona(archi, 3, nota(t) + 12, battito, durata, 45)
            battito += durata
    # Closing chord: rolled upwards, then held
    for k, n in enumerate(["C4", "E4", "G4", "C5"]):
        suona(accompagnamento, 1, nota(n), 28 + k * 0.25, 4 - k * 0.25, 66)
    suona(basso, 2, nota("C2"), 28, 4, 90)
    for n in ["C4", "E4", "G4"]:
        suona(archi, 3, nota(n) + 12, 28, 4, 45)

    tracce = [tempo, melodia, accompagnamento, basso, archi]
    testa = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracce), DIVISIONE)
    return testa + b"".join(traccia(t) for t in tracce)


def main():
    radice = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    uscita = sys.argv[1] if len(sys.argv) > 1 else os.path.join(radice, "data", "Internet.mid")
    with open(uscita, "wb") as f:
        f.write(componi())
    print(uscita)


if __name__ == "__main__":
    main()
