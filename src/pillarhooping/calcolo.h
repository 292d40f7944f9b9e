#pragma once
// The pillar-hooping calculation over plain data: the ten input columns as
// typed and the five cold-helix results of every row. No widget involved.

#include "shell/righe.h"

#include <QString>

#include <array>
#include <optional>

namespace modcerpil {

constexpr int kRighe = 100;
constexpr int kCampi = 10;

// Input fields in the order of the window, the file and the guidance.
enum Campo { Cort, Lung, Alt, Diam, Sez, Car, Fesc, Fesl, Tens, Temp };

// TipoPilastri: 0 while no type was chosen (treated like the cold helix).
constexpr int kCaldo = 1;
constexpr int kFreddo = 2;

struct DatiPilastri {
    std::array<ColonnaRighe, kCampi> colonne;

    ColonnaRighe& colonna(int campo) { return colonne[std::size_t(campo)]; }
    const ColonnaRighe& colonna(int campo) const { return colonne[std::size_t(campo)]; }
    const QString& valore(int campo, int riga) const { return colonne[std::size_t(campo)][std::size_t(riga)]; }
};

// Results in display order.
enum Risultato { Pasel, Lunel, Sezid, Tenp, Tenat };

using ColonnaRisultati = std::array<std::optional<double>, kRighe + 1>;

struct RisultatiPilastri {
    std::array<ColonnaRisultati, 5> colonne{};
    std::optional<double> valore(int c, int riga) const;
};

// Recomputes rows 1..numero in order. Returns false when a row lacks a
// value (it and the rows after it keep their earlier results): the caller
// then skips the refresh. A row whose smaller side is below 5 cm has pitch
// 0: it shows the pitch and the stress before hooping, nothing else.
// With `calcolate`, the number of rows it computed (those before the stop).
bool CalcolaPilastri(const DatiPilastri& dati, int numero, RisultatiPilastri& ris, int* calcolate = nullptr);

// Rows among 1..100 whose short side reads (period, leading number) above 0.
int ContaPilastri(const DatiPilastri& dati);

// First empty field among rows 1..numero, in the guidance order of the type.
struct Mancante {
    int riga = 0;
    Campo campo = Cort;
};
std::optional<Mancante> primoMancante(const DatiPilastri& dati, int tipo, int numero);

// The text of the guidance box.
QString testoGuida(const DatiPilastri& dati, int tipo, int numero);

} // namespace modcerpil
