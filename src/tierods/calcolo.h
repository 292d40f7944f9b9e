#pragma once
// The tie-rod calculation over plain data: the nine input columns as typed,
// the seven result columns and the temperature table of every rod. No
// widget is involved; the window owns one DatiTiranti and one
// RisultatiTiranti and refreshes itself from them.

#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "shell/righe.h"

namespace modtiranti {

constexpr int kRighe = 100;
constexpr int kTemperature = 101;   // j = 1..101 for t = j - 41 °C
constexpr int kCampi = 9;

// The input fields in the order the guidance, the check, the file and the
// printout list them.
enum Campo { Spes, Rag, Car, Coeff, Traz, Dist, Sigmaf, Deform, Pass };

struct DatiTiranti {
    ColonnaRighe spes, rag, car, coeff, traz, dist, sigmaf, deform, pass;

    ColonnaRighe& colonna(int campo);
    const ColonnaRighe& colonna(int campo) const;
    // Empties every row.
    void svuota();
};

using ColonnaRisultati = std::array<std::optional<double>, 101>;

// The table of one rod, index j = 1..101 (0 unused).
struct TabellaTemperature {
    bool presente = false;
    std::array<double, 102> ttir{}, sigatt{}, dilat{}, traen{}, freq{};
};

struct RisultatiTiranti {
    RisultatiTiranti();
    ColonnaRisultati coes, attr, sforz, diam, lungh, gir, biet;
    std::vector<TabellaTemperature> tabella;   // index = row, 0..100

    // The seven result columns in display order.
    ColonnaRisultati& colonna(int c);
    const ColonnaRisultati& colonna(int c) const;
    // Empties the results and the table of one row.
    void svuotaRiga(int riga);
};

enum class FineCalcolo {
    Completo,     // every counted rod computed: the rows on screen are refreshed
    Incompleto,   // a row lacks a value or holds a zero: silent stop
    Impossibile,  // a row's values defeat the arithmetic: stop with a note
};

struct EsitoCalcolo {
    FineCalcolo fine = FineCalcolo::Completo;
    int riga = 0;   // the row the pass stopped at
    // For the guidance box when the pass stopped on values that defeat the
    // arithmetic; empty otherwise.
    QString nota;
};

// Recomputes rows 1..numeroTiranti and stops at the first row that is
// incomplete, holds a zero, or cannot be computed; that row and the rows
// after it keep their earlier results.
EsitoCalcolo CalcolaTiranti(const DatiTiranti& dati, int numeroTiranti, RisultatiTiranti& ris);

// The zero test: the value times 100, written with the decimal comma and
// read back with a period as separator, is 0 (|x| < 0.01). A text that is
// not a number is not zero.
bool valeZero(const QString& testo);

// Rows among 1..100 whose wall thickness is at least 0.01 (anywhere).
int ContaTiranti(const DatiTiranti& dati);

// The text of the guidance box for the row of the thickness last typed.
QString testoGuida(const DatiTiranti& dati, int numeroTiranti, int riga);

// First missing value among rows 1..numeroTiranti: the row and its field,
// or nothing when the data are complete.
struct Mancante {
    int riga = 0;
    Campo campo = Spes;
};
std::optional<Mancante> primoMancante(const DatiTiranti& dati, int numeroTiranti);

} // namespace modtiranti
