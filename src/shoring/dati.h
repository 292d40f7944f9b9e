#pragma once
// The shoring job: up to 100 consolidations, each with the wall choices of
// the two zones, a calculation type, the typed texts and a series of props,
// plus the results the calculation writes. Plain data, no widgets.

#include <QString>

#include <array>
#include <optional>

namespace modpuntelli {

constexpr int kMaxConsolidamenti = 100;
constexpr int kMaxPuntelli = 100;
constexpr int kPuntelliFinestra = 10;   // the data window's prop bar stops here

// Zones: 1 below the horizon of the prop heads, 2 above it.
constexpr int kSotto = 1;
constexpr int kSopra = 2;

// The five choices of one zone; 0 = not chosen.
struct Zona {
    int tipologia = 0;    // 0..5
    int qualita = 0;      // 0..3
    int natura = 0;       // 0..3
    int estensione = 0;   // 0..2
    int gravita = 0;      // 0..2
};

struct Puntello {
    QString frec;
    QString altdef;
};

// Results of one prop of a series; empty until computed.
struct RisultatiPuntello {
    std::optional<double> spinta;
    std::optional<double> risultantePuntello;
    std::optional<double> risultanteParete;
    std::optional<double> sigmaPuntello;
    std::optional<double> latoPuntello;   // working value, kept between passes
};

// Results of one consolidation; empty until computed.
struct Risultati {
    std::optional<double> coefficienteC1;
    std::optional<double> coefficienteC2;
    std::optional<double> caricoComplessivo;
    std::optional<double> azioneScorrimento;
    std::optional<double> forzaAttrito;
    std::optional<double> forzaCoesione;
    std::optional<double> sforzoNormale;
    std::optional<double> sigmaLavoro;
    std::optional<double> lunghezzaPuntello;
    std::optional<double> distanzaFondazione;
    std::optional<double> latoSezione;
};

struct Consolidamento {
    std::array<Zona, 3> zona{};   // index kSotto, kSopra; 0 unused
    int tipo = 0;                 // TipoConsolidamento 0..3 (a file may hold anything)
    int lesioni = 0;              // 0..3

    // Texts as typed; empty = missing.
    QString carpu, ang, altpu, altar, spessfr, spessnor, sigm, rag, carsem, carpil;

    std::array<Puntello, kMaxPuntelli + 1> puntelli{};   // index 1..100
    int numeroPuntelli = 0;

    Risultati ris;
    std::array<RisultatiPuntello, kMaxPuntelli + 1> risPuntelli{};

    // The stored zone-1/zone-2 values by name, as the option groups use them.
    int& scelta(int muratura, int gruppo);   // gruppo 2..6 = Option2..Option6
    int scelta(int muratura, int gruppo) const;
};

// The whole job (program-wide: one per run of the program). Big: allocate
// it on the heap.
struct Lavoro {
    int numeroConsolidamenti = 0;
    std::array<Consolidamento, kMaxConsolidamenti + 1> cons{};   // index 1..100

    // Consolidation c, or an empty one (index 0) for a number out of range.
    Consolidamento& at(int c) { return cons[valido(c) ? c : 0]; }
    const Consolidamento& at(int c) const { return cons[valido(c) ? c : 0]; }
    static bool valido(int c) { return c >= 1 && c <= kMaxConsolidamenti; }
};

// The job of this run.
Lavoro& lavoro();

// Typology recount: the consolidations before the first one without a
// below-zone typology; unchanged when all 100 have one.
void contaConsolidamenti(Lavoro& l);

// The prop count of the end of a complete pass: the props before the first
// one with both texts empty; unchanged when there is none.
void contaPuntelli(Consolidamento& c);

// Empties every result of a consolidation (props included).
void svuotaRisultati(Consolidamento& c);

// The job as after "C&ancella dati finestra": options, types, texts, props,
// counts, results and the stored angles of all 100 consolidations.
void svuota(Lavoro& l);

} // namespace modpuntelli
