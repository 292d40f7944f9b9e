#pragma once
// The column-hooping calculation over plain data: the eleven input columns
// as typed, the five cold results of every row and the hot table of every
// row (twelve results at each operating temperature). No widget involved.

#include "shell/righe.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace modcercol {

constexpr int kRighe = 100;
constexpr int kTemperature = 101;   // j = 1..101 for t = j - 41 °C
constexpr int kCampi = 11;
constexpr int kColonneCaldo = 12;

// Input fields in the order of the window, the file and the check.
enum Campo { Rag, Elic, Car, Alt, Fes, Incr, Tens, Temp, Inter, Hcer, Longh };

// TipoCerchiatura: 0 while no type was chosen.
constexpr int kCaldo = 1;
constexpr int kFreddo = 2;

struct DatiCerchiature {
    std::array<ColonnaRighe, kCampi> colonne;

    ColonnaRighe& colonna(int campo) { return colonne[std::size_t(campo)]; }
    const ColonnaRighe& colonna(int campo) const { return colonne[std::size_t(campo)]; }
    const QString& valore(int campo, int riga) const { return colonne[std::size_t(campo)][std::size_t(riga)]; }
    void svuota();
};

using ColonnaRisultati = std::array<std::optional<double>, kRighe + 1>;

// Cold results, in display order.
enum Freddo { Pasel, Lunel, Sezid, Tenp, Tenat };
// Hot results, in display order.
enum Caldo { Raor, Racer, Rafr, Ratot, Circ, All, Tamon, Traz, Compr, Spes, Nlon, Spa };

// One row's hot results: column c, temperature index j = 1..101.
using TabellaCaldo = std::array<std::array<std::optional<double>, kTemperature + 1>, kColonneCaldo>;

struct RisultatiCerchiature {
    RisultatiCerchiature();
    std::array<ColonnaRisultati, 5> freddo;
    std::vector<TabellaCaldo> caldo;   // index = row, 0..100

    std::optional<double> valoreFreddo(int c, int riga) const;
    std::optional<double> valoreCaldo(int c, int riga, int j) const;
    void svuotaRiga(int riga);
};

enum class FineCalcolo {
    Completo,     // every counted row computed: the rows on screen are refreshed
    Incompleto,   // a row lacks a value, or the discriminant is not positive: silent stop
    Impossibile,  // a row's values defeat the arithmetic: stop with a guidance text
};

struct EsitoCalcolo {
    FineCalcolo fine = FineCalcolo::Completo;
    int riga = 0;
    // Caption of `note` after the pass: set only when a cold row was computed.
    std::optional<QString> nota;
    // For the guidance box when the pass stopped as Impossibile.
    QString guida;
};

// Recomputes rows 1..numero for the type (1 hot, anything else cold) and
// stops at the first row that cannot be computed; that row and the rows after
// it keep their earlier results.
EsitoCalcolo CalcolaCerchiature(const DatiCerchiature& dati, int tipo, int numero, RisultatiCerchiature& ris);

// Rows among 1..100 whose radius is a number greater than 0.
int ContaCerchiature(const DatiCerchiature& dati);

// The guidance box text for `riga`, the row of the radius last typed.
QString testoGuida(const DatiCerchiature& dati, int tipo, int numero, int riga);

// First missing value among rows 1..numero: the radius, then the other
// values the type's calculation needs.
struct Mancante {
    int riga = 0;
    Campo campo = Rag;
};
std::optional<Mancante> primoMancante(const DatiCerchiature& dati, int tipo, int numero);

} // namespace modcercol
