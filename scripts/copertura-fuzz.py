#!/usr/bin/env python3
"""Sums libFuzzer's -print_coverage=1 lines into edge coverage per group of
sources: the calculations, the file layouts, the printouts and the windows.
Usage: copertura-fuzz.py LOG"""
import re
import sys
from collections import defaultdict

RIGA = re.compile(r'^(?:UN)?COVERED_FUNC: hits: \d+ edges: (\d+)/(\d+) .* (/\S+?):\d+$')


def gruppo(percorso):
    if '/src/' not in percorso:
        return None
    rel = percorso.split('/src/', 1)[1]
    cartella, nome = (rel.split('/', 1) + [''])[:2]
    if nome.startswith('calcolo') or nome == 'coefficienti.cpp':
        return 'calcoli (*/calcolo*)'
    if nome.startswith('archivio') or rel.startswith('platform/lettura'):
        return 'file (*/archivio*, platform/lettura)'
    if nome.startswith('stampe') or rel.startswith(('shell/stampa', 'shell/disegno', 'report/', 'platform/stampante')):
        return 'stampe (*/stampe*, shell/stampa, shell/disegno, report, stampanti)'
    return 'altro: ' + cartella


def main():
    coperti = defaultdict(int)
    totali = defaultdict(int)
    for riga in open(sys.argv[1], encoding='utf-8', errors='replace'):
        m = RIGA.match(riga.strip())
        if not m:
            continue
        g = gruppo(m.group(3))
        if g is None:
            continue
        coperti[g] += int(m.group(1))
        totali[g] += int(m.group(2))
    for g in sorted(totali):
        print(f'{g:70s} {coperti[g]:6d}/{totali[g]:6d}  {100.0 * coperti[g] / max(1, totali[g]):5.1f} %')


if __name__ == '__main__':
    main()
