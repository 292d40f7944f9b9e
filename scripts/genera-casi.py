#!/usr/bin/env python3
"""Writes varied data files from the samples, for comparing printouts before
and after a change: the numbers are scaled at random (same seed, same files),
the row-window files get more or fewer rows and the title texts change length."""
import os
import random
import re
import sys

campioni, uscita, quanti = sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 40
os.makedirs(uscita, exist_ok=True)
rnd = random.Random(11)
NUMERO = re.compile(r'"(\d+(?:,\d+)?)"')


def varia(m):
    testo = m.group(1)
    v = float(testo.replace(',', '.'))
    if rnd.random() < 0.1:
        return '"%s"' % testo
    v *= rnd.choice([0.3, 0.5, 0.8, 0.9, 1.1, 1.25, 1.7, 3.0])
    if '.' in str(v) and rnd.random() < 0.6:
        return '"%s"' % ('%.2f' % v).rstrip('0').rstrip('.').replace('.', ',')
    return '"%d"' % max(1, round(v))


def titolo(riga):
    parti = riga.split('","')
    n = rnd.randrange(len(parti))
    pezzi = ['Palazzo', 'della', 'Torre', 'civica', 'e', 'annessi', 'via', 'Roma']
    nuovo = ' '.join(rnd.choice(pezzi) for _ in range(rnd.randint(0, 14)))
    parti[n] = ('"' if n == 0 else '') + nuovo + ('"' if n == len(parti) - 1 else '')
    return '","'.join(parti)


for nome in sorted(os.listdir(campioni)):
    dati = open(os.path.join(campioni, nome), 'rb').read().decode('latin-1')
    righe = dati.split('\r\n')
    a_righe = not nome.startswith('Puntelli')
    for k in range(quanti):
        nuove = list(righe)
        if a_righe:
            testa = nuove[0].split(',')
            n = int(testa[0])
            corpo = nuove[1:1 + n]
            resto = nuove[1 + n:]
            m = rnd.choice([1, 2, n, n, 5, 9, 14])
            corpo = [corpo[i % n] for i in range(m)]
            testa[0] = str(m)
            nuove = [','.join(testa)] + corpo + resto
        nuove = [NUMERO.sub(varia, r) if i > 0 else r for i, r in enumerate(nuove)]
        if nuove[-1] == '' and len(nuove) > 2 and nuove[-2].startswith('"') and '","' in nuove[-2] \
                and not NUMERO.fullmatch(nuove[-2].split(',')[0]) and rnd.random() < 0.7:
            nuove[-2] = titolo(nuove[-2])
        with open(os.path.join(uscita, '%s-%03d' % (nome, k)), 'wb') as f:
            f.write('\r\n'.join(nuove).encode('latin-1'))
