#include "shoring/coefficienti.h"

namespace modpuntelli {

int puntiC1(const Zona& z)
{
    const int T = z.tipologia, Q = z.qualita, N = z.natura, E = z.estensione, G = z.gravita;
    int p = 30;
    if (Q > 1) p += 5 * (Q - 1);
    if (G == 1) p += 20;
    if (T > 1) p += 5 * (T - 1);
    if (E == 1) p += 5;
    if (N > 1) p += 10 * (N - 1);
    if (N > 1 && E == 2) p -= 5;
    if (Q == 3) p += 5;
    if (T == 4) p += 5;
    if (N == 1 && E == 2) p -= 5;
    if (T == 4 && N == 3 && E == 2 && G == 1 && Q == 3) p -= 5;
    if (T < 3 && N == 1 && E == 2) p += 5;
    if (T == 5) p += 30;
    if (T == 5 && N == 3) p -= 15;
    if (T == 5 && N == 3 && E == 2 && G == 2) p += 5;
    if (T == 5 && N == 3 && E == 2 && G == 1) p -= 5;
    if (T == 5 && N == 1 && E == 2) p -= 5;
    if (T == 5 && N == 1 && E == 2 && G == 2) p += 10;
    if (T == 5 && N == 2 && E == 2 && G == 2) p += 5;
    return p;
}

int puntiC2(const Zona& z)
{
    const int T = z.tipologia, Q = z.qualita, N = z.natura, E = z.estensione, G = z.gravita;
    int p = 70;
    p += 5 * N;
    p -= 10 * E;
    if (G == 2) p -= 20;
    if (G == 2 && E == 2) p -= 10;
    if (Q > 1) p += 5;
    if (Q > 2) p += 10;
    if (N == 2 && E == 1 && G == 1 && Q == 3) p += 5;
    p += 5 * T;
    if (T == 3 && G == 2) p += 5 * E;
    if (T > 3) p += 5;
    if (T > 3 && G == 2) p += 5;
    if (T > 3 && G == 2 && E == 2) p += 10;
    if (T == 2) p += 5;
    if (T == 5 && N == 3 && G == 2 && E == 2) p += 5;
    if (T == 5 && N == 2 && E == 1 && G == 1) p -= 5;
    return p;
}

double coefficiente(int punti)
{
    const double c = punti / 100.0;
    return c > 1 ? 1.0 : c;
}

} // namespace modpuntelli
