#pragma once
// The stitching calculation over plain data: the twelve input columns as
// typed, the cold results per row and the hot results per row, operating
// temperature and side. No widget is involved; the window owns one
// DatiCuciture and one RisultatiCuciture and refreshes itself from them.

#include "shell/righe.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace modcuciture {

constexpr int kRighe = 100;
constexpr int kTemperature = 101;   // k = 1..101 for t = k - 41 °C
constexpr int kCampi = 12;

// The input fields in the order of the file and the printouts.
enum Campo { Cort, Lung, Alt, Diam, Pas, Car, Fesc, Fesl, Tens, Temp, Rott, Rond };

// The ranges of the bars of the results: the steel stress of a cold row and
// the hot ties per horizontal row of a side.
constexpr int kSigmaMinima = 1000;
constexpr int kSigmaMassima = 2600;
constexpr int kTirantiMinimo = 1;
constexpr int kTirantiMassimo = 1000;

// 1 hot anti-burst ties, 2 cold stitches, 0 not chosen (treated as cold).
constexpr int kCaldo = 1;
constexpr int kFreddo = 2;

struct DatiCuciture {
    std::array<ColonnaRighe, kCampi> campi;

    ColonnaRighe& colonna(int c) { return campi[std::size_t(c)]; }
    const ColonnaRighe& colonna(int c) const { return campi[std::size_t(c)]; }
    const QString& valore(int c, int riga) const { return campi[std::size_t(c)][std::size_t(riga)]; }
};

using Valore = std::optional<double>;
using ColonnaRisultati = std::array<Valore, 101>;

// The eight per-temperature results of one side, in window order.
enum CampoCaldo { Orig, Raffr, Fred, All, Mont, Sigm, Tirpil, Compr };
constexpr int kCampiCaldo = 8;

struct RisultatiCuciture {
    RisultatiCuciture();
    // Cold
    ColonnaRisultati sigmf, compv, assorb, bar, orizz;
    // Hot, per side (1 short, 2 long)
    std::array<std::array<Valore, 3>, 101> ntir{}, tottir{};

    Valore& caldo(int riga, int k, int lato, int campo);
    const Valore& caldo(int riga, int k, int lato, int campo) const;

    // Empties every result of one row, the steel stress and the tie counts too.
    void svuotaRiga(int riga);
    // Empties what the pass computes for a row: all but the steel stress and
    // the tie counts per horizontal row.
    void svuotaCalcolati(int riga);

private:
    std::vector<Valore> caldo_;   // row x index x side x field
};

struct EsitoCalcolo {
    bool completo = false;   // every counted row computed
    int riga = 0;            // the row the pass stopped at
    bool rottura = false;    // a compression above the breaking load was met
    bool aggiornato = false; // at least one hot temperature was computed
};

// What the hot pass reads from and writes back to the screen: the counts of
// ties per horizontal row shown for each side and the pier shown.
struct ConteggiMostrati {
    std::array<QString, 3> ntir;   // index 1 short side, 2 long side
    int rigaMostrata = 1;
};

// What the hot pass last did for each row: a row whose inputs (its data, the
// counts shown when it began, the shown pier's stored counts) are those of
// its last computation would write the very same results, so it is passed
// over and only its effect on the shown counts and the outcome is replayed.
// Valid while nothing but the pass writes the results: whoever else writes
// them calls dimentica().
struct MemoriaCaldo {
    struct Riga {
        bool valida = false;
        std::array<QString, kCampi> dati;
        std::array<QString, 3> ntirPrima, ntirDopo;
        int mostrata = 0;
        std::array<Valore, 3> ntirMostrata{};
        bool ok = false;
        bool rottura = false;
        bool aggiornato = false;
    };
    std::array<Riga, kRighe + 1> righe;

    void dimentica();
};

// Recomputes rows 1..numeroCuciture by the variant of `tipo` and stops at the
// first row that is incomplete or whose values defeat the arithmetic; that
// row and the rows after it keep their earlier results. With `memoria`, hot
// rows whose inputs did not change since the last pass are not recomputed.
EsitoCalcolo CalcolaCuciture(const DatiCuciture& dati, int numeroCuciture, int tipo, RisultatiCuciture& ris,
                             ConteggiMostrati& mostrati, MemoriaCaldo* memoria = nullptr);

// Rows among 1..100 whose short side reads (period as separator) above 0.
int ContaCuciture(const DatiCuciture& dati);

// The fields a row must hold for a type, in the order they are asked for.
std::vector<Campo> campiRichiesti(int tipo);

// First empty value among rows 1..numeroCuciture.
struct Mancante {
    int riga = 0;
    Campo campo = Cort;
};
std::optional<Mancante> primoMancante(const DatiCuciture& dati, int numeroCuciture, int tipo);

// The text of the guidance box.
QString testoGuida(const DatiCuciture& dati, int numeroCuciture, int tipo);

// The data-check text of a missing value.
QString testoMancante(const Mancante& m);

} // namespace modcuciture
