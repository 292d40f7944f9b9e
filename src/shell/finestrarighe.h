#pragma once
// The layer of the row windows: five screen lines of fields over the rows of
// a job, a caption and a unit over each column, the row numbers on the left
// (yellow under the mouse, a click copies the previous row), the fields of
// the visible rows put back after a scroll, and the walk over the required
// fields with the window's own texts.
//
// A window declares its columns, makes the grid with costruisciCampi() and
// the numbers with costruisciNumeri(), and fills in the hooks below.

#include "shell/controlli.h"
#include "shell/finestracalcolo.h"
#include "shell/righe.h"

#include <QFont>
#include <QLineEdit>
#include <QScrollBar>
#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

class QGroupBox;
class QKeyEvent;
class QPushButton;
class QRadioButton;
namespace platform {
class Stampante;
}

class FinestraRighe : public FinestraCalcolo {
    Q_OBJECT
public:
    FinestraRighe(ConfigFinestra config, int righe, QWidget* parent = nullptr);

    int RigaInizio = 1;
    int LineaCorrente = 1;
    int RigaCorrente = 1;

    static constexpr int kLinee = 5;

    QLineEdit* campo(int c, int linea) const { return campi_[std::size_t(c)][std::size_t(linea)]; }
    QLabel* num(int linea) const { return num_[std::size_t(linea)]; }
    QScrollBar* VScroll1() const { return vscroll1_; }
    int numeroColonne() const { return colonne_; }

    // Copies the previous row's values into the row on screen line `linea`.
    void num_Click(int linea) override;

    // The screen line of the row being edited: that of the grid field that
    // has, or last had, the keyboard; 1 until one had it.
    int lineaInModifica() const { return lineaInModifica_; }

protected:
    void tornaAllInizio() override { vscroll1_->setValue(1); }

public:

protected:
    // A column of fields: name (with the line number appended), caption,
    // unit and tooltip, left edge in twips.
    struct Colonna {
        QString nome;
        QString didascalia;
        QString unita;
        QString suggerimento;
        int x = 0;
        int larghezzaDidascalia = 0;   // 0: as wide as the field
        QString nomeDidascalia;        // object names of caption and unit; empty: none
        QString nomeUnita;
    };
    // Geometry of the grid in twips: top of the captions, of the units and
    // of the first line; cell size; line step.
    struct Griglia {
        int yDidascalia = 0;
        int altezzaDidascalia = 0;
        int yUnita = 0;
        int altezzaUnita = 0;
        int yCampi = 0;
        int larghezza = 0;
        int altezza = 0;
        int passo = 240;
    };
    // The grid, numbers and bar go on the window's surface unless
    // `genitore` (e.g. a frame of the data) is given.
    void costruisciCampi(const std::vector<Colonna>& colonne, const Griglia& g, const QFont& didascalia,
                         const QFont& valori, QWidget* genitore = nullptr);
    // The row-number labels, one per line, at `x` with the grid's lines.
    void costruisciNumeri(int x, int larghezza, int yCampi, int altezza, const QFont& f, const QString& suggerimento,
                          QWidget* genitore = nullptr);
    // The row bar: the first row shown, 1..righe-4.
    void costruisciBarraRighe(int x, int y, int larghezza, int altezza, QWidget* genitore = nullptr);
    QLabel* didascaliaColonna(int c) const { return didascalie_[std::size_t(c)]; }
    QLabel* unitaColonna(int c) const { return unita_[std::size_t(c)]; }
    // The window's font at another size.
    QFont carattere(double punti) const
    {
        QFont f = font();
        f.setPointSizeF(punti);
        return f;
    }
    // Enables or disables the fields of a column with their caption and unit.
    void abilitaColonna(int c, bool si);

    // A table of result cells, a caption and a unit over each column, the
    // columns at x, x + passo, ..., the cells on the grid's five lines.
    struct Tabella {
        int x = 0;
        int passo = 600;
        int larghezzaTesta = 615;   // captions and units
        int yDidascalia = 0;
        int altezzaDidascalia = 495;
        int yUnita = 0;
        int altezzaUnita = 255;
        int yCelle = 0;
        int larghezza = 615;
        int altezza = 255;
    };
    using ColonnaCelle = std::array<QLabel*, kLinee + 1>;
    struct TestiTabella {
        std::span<const QString> didascalie;
        std::span<const QString> unita;
        std::span<const QString> suggerimenti;
    };
    // `nome` names the cells: %1 the column from 0, %2 the line.
    static void costruisciTabella(QWidget* genitore, const Tabella& t, const TestiTabella& testi, const QFont& testa,
                                  const QFont& cifre, std::span<ColonnaCelle> celle, const QString& nome = {});
    static void svuotaTabella(std::span<ColonnaCelle> celle);
    // A column of row numbers beside a results table, named `nome` + line.
    static void costruisciNumeriRighe(QWidget* genitore, int x, int larghezza, int yCelle, const QFont& f,
                                      const QString& suggerimento, const QString& nome, ColonnaCelle& numeri);
    // Another area over which the mouse turns the numbers off.
    void aggiungiSfondo(QWidget* w) { sfondi_.push_back(w); }

    // The values of column `c`, rows 0..righe.
    virtual ColonnaRighe& valori(int c) = 0;
    virtual void campo_Change(int c, int linea) = 0;
    // Rows in use; 0 means no data.
    virtual int righeUsate() const = 0;
    // Whether the previous row `p` may be copied (by default always).
    virtual bool copiabile(int p) const { (void)p; return true; }
    // The refresh of the visible lines, after a scroll or a copy.
    virtual void aggiornaRighe() = 0;

    // The first required field that is empty, and the window's texts.
    struct Mancante {
        int riga = 0;
        int campo = 0;
    };
    // The same from a calculation's own kind of answer.
    template <typename M>
    static std::optional<Mancante> mancante(const std::optional<M>& m)
    {
        return m ? std::optional<Mancante>(Mancante{m->riga, int(m->campo)}) : std::nullopt;
    }
    virtual std::optional<Mancante> primoMancante() const = 0;
    virtual QString testoNessunDato() const = 0;
    virtual QString testoMancante(const Mancante& m) const = 0;
    EsitoControllo verificaDati() override;

    // The sizes of a window with results under its fields: captions and
    // units, typed values, result figures, notes. Result cells are as narrow
    // as the fields but carry no scrolling: a size smaller still keeps
    // "-0,0342" whole.
    struct Caratteri {
        QFont didascalia;
        QFont valori;
        QFont cifre;
        QFont nota;
    };
    Caratteri caratteri() const { return {carattere(6.5), carattere(7.5), carattere(6.8), carattere(7)}; }

    // The count of rows in use: its caption (named `nomeDidascalia` if
    // given) and the bold count "Label1", on the given places.
    QLabel* costruisciConteggio(const QString& testo, const QString& suggerimento, QRect didascalia, QRect valore,
                                const QString& nomeDidascalia = {});
    // The frame of the data over the grid, with the caption `num` over the
    // row numbers; its empty area is the window's too: moving over it
    // clears the highlight.
    QGroupBox* costruisciFrameDati(const QString& titolo, const QString& num, const QString& numSuggerimento);
    // The fields of the data frame side by side from its left, column c as
    // wide as `larghezza(c)` with its caption, the fields `larghezzaCampo`
    // wide; a caption is named `prefissoDidascalia` + its field's name when
    // a prefix is given.
    struct TestiCampi {
        std::span<const QString> nomi;
        std::span<const QString> didascalie;
        std::span<const QString> unita;
        std::span<const QString> suggerimenti;
    };
    std::vector<Colonna> costruisciCampiDati(QWidget* frame, const TestiCampi& t,
                                             const std::function<int(int)>& larghezza, int larghezzaCampo,
                                             const QString& prefissoDidascalia = {});
    // The count at its usual place and the two type options (hot, cold)
    // above the grid; a click on option k calls `clic(k)`.
    struct TestiTipo {
        QString conteggio;
        QString conteggioSuggerimento;
        QString caldo;
        QString freddo;
        QString freddoSuggerimento;
    };
    QLabel* costruisciConteggioTipo(const TestiTipo& t, std::array<QRadioButton*, 3>& opzioni,
                                    const std::function<void(int)>& clic);

    // The hot results by side: the count and the service life with their
    // bars, then ten columns on a long side above a short one, the tie
    // count (column 8) with a bar beside each side's cell.
    struct TestiCaldo {
        QString numCons;
        QString numConsSuggerimento;
        QString eserc;
        QString esercSuggerimento;
        QString latoLungo;
        QString latoLungoSuggerimento;
        QString latoCorto;
        QString latoCortoSuggerimento;
        std::span<const QString> didascalie;
        std::span<const QString> unita;
        std::span<const QString> suggerimenti;
    };
    struct CaldoLati {
        QGroupBox* frame = nullptr;
        QLabel* numcons = nullptr;
        QScrollBar* vscroll2 = nullptr;
        QLabel* eserc = nullptr;
        QScrollBar* hscroll1 = nullptr;
        std::array<std::array<QLabel*, 3>, 10> celle{};   // [column][side 1..2]
        std::array<QScrollBar*, 3> barre{};                // by side
    };
    // In a frame titled `titolo` over the lower part of the window; the
    // tie-count cells are `larghezzaConteggio` wide, their bar `xBarra` from
    // the column's left edge (twips). No bar is connected.
    CaldoLati costruisciCaldoLati(const QString& titolo, const TestiCaldo& t, int larghezzaConteggio, int xBarra);

    // The clearing: every row (not only the counted ones: a row typed
    // beyond a gap must not survive a clearing or an Open), the results and
    // the count; then the fields, whose handlers recount and refresh the
    // tables, so the count and the tables after.
    template <typename Dati, typename Risultati>
    void svuotaLavoro(Dati& dati, Risultati& ris, int& numero, QLabel* conteggio,
                      std::initializer_list<std::span<ColonnaCelle>> tabelle)
    {
        dati.svuota();
        for (int r = 0; r <= righe_; ++r) {
            ris.svuotaRiga(r);
        }
        numero = 0;
        svuotaVista(conteggio, tabelle);
    }
    // The fields, then the count and the tables.
    void svuotaVista(QLabel* conteggio, std::initializer_list<std::span<ColonnaCelle>> tabelle);
    // "<guida><row, printed>: " then, on a new line, "<digitare><field>".
    static QString testoRigaMancante(const QString& guida, const Mancante& m, const QString& digitare,
                                     std::span<const QString> campi);
    // The blank form on a print job (nothing when it is refused) or in the preview.
    static void suLavoro(stampa::Uscita dove, const std::function<void(platform::Stampante&)>& scrivi);

    // Puts the values of the visible rows into the fields (their change
    // handling runs once at the end); empties the fields.
    void mostraCampi();
    void svuotaCampi();
    // The fields as above, then the rows' numbers on the grid and in
    // `numeri` (those of a results table).
    void mostraRighe(ColonnaCelle& numeri);
    // The row bar's refresh of a window with a results table beside its
    // lines and a table of the first row's temperatures: `primaRiga` shows
    // the first row, `valore(c, r)` is result c of row r; the temperature
    // table is emptied past the last counted row, else `mostraTabella` runs.
    template <typename Valore, typename Mostra>
    void mostraRigheRisultati(QLabel* primaRiga, ColonnaCelle& numeri, std::span<ColonnaCelle> risultati,
                              Valore valore, int contate, std::span<ColonnaCelle> temperature, Mostra mostraTabella)
    {
        controlli::Occupato occupato;
        RigaInizio = VScroll1()->value();
        primaRiga->setText(QString::number(RigaInizio));
        mostraRighe(numeri);
        for (int k = 1; k <= kLinee; ++k) {
            const int r = RigaInizio + k - 1;
            for (std::size_t c = 0; c < risultati.size(); ++c) {
                risultati[c][std::size_t(k)]->setText(controlli::mostra(valore(int(c), r)));
            }
        }
        if (RigaInizio > contate) {
            svuotaTabella(temperature);
        } else {
            mostraTabella();
        }
    }
    // The end of a calculation pass, of the calculation's own kind: the
    // lines refreshed, so that the rows before a stop show their new
    // results too, and `guida` in the guidance box when the values defeat
    // the arithmetic.
    template <typename Fine>
    void dopoCalcolo(Fine fine, const QString& guida)
    {
        aggiornaRighe();
        if (fine == Fine::Impossibile) {
            passo()->setText(guida);
        }
    }
    // After a pass that computed rows 1..calcolate: each row it did not
    // reach whose inputs (its values and `altro(r)`, what else its results
    // hang on) are no longer those of its stored results loses them through
    // `svuota(r)`, so that no row shows figures of values since changed.
    void scartaRisultatiVecchi(int calcolate, const std::function<QString(int)>& altro,
                               const std::function<void(int)>& svuota);
    // Whether a value never set stays so when its field is refreshed (the
    // file of some windows writes it as nothing), instead of becoming empty.
    virtual bool conservaNulli() const { return false; }

    // The window's guidance for the row being edited (after the cursor
    // moved into another row).
    virtual void guida() = 0;
    // Why row r has no chart, in the window's words: `guidaRiga`, the
    // guidance for that row, while it asks for a value (it is not `fine`);
    // else the data check's text for the first value missing up to row r,
    // where the pass stopped; else `altrimenti`.
    QString motivoSenzaGrafico(int r, const QString& guidaRiga, const QString& fine, const QString& altrimenti) const;
    // A push button that acts on a row (by mouse, Space or Enter): `azione`
    // gets the screen line of the row being edited.
    void agisciSullaRiga(QPushButton* b, const std::function<void(int)>& azione);

    bool eventFilter(QObject* o, QEvent* e) override;
    // A click on a number that is not a row copy (e.g. a table entry).
    virtual bool clicAltro(QObject* o) { (void)o; return false; }

private:
    void evidenziaNumeri(int linea);

    // The keyboard walk over the rows: Tab and Shift+Tab along the lines and
    // on through every row, Up/Down a row, Page Up/Down five rows, the rows
    // scrolling under the cursor. Disabled fields are passed by.
    struct Posto {
        int colonna = 0;
        int linea = 0;
    };
    std::optional<Posto> postoDi(const QObject* o) const;
    bool raggiungibile(int c, int linea) const;
    std::vector<int> colonneInOrdine() const;
    bool cammina(const Posto& da, QKeyEvent* e);
    // The cursor to row `riga`, column `c`; when the row is not shown, the
    // rows scroll so that it lands on `lineaPreferita` as far as they can.
    void vaiA(int riga, int c, int lineaPreferita);
    // The row and line being edited, and the guidance, follow the cursor.
    void seguiCursore(int linea);
    int lineaInModifica_ = 1;

    int righe_;
    int colonne_ = 0;
    std::vector<std::array<QLineEdit*, kLinee + 1>> campi_;
    std::vector<QLabel*> didascalie_;
    std::vector<QLabel*> unita_;
    QScrollBar* vscroll1_ = nullptr;
    std::array<QLabel*, kLinee + 1> num_{};
    std::vector<QWidget*> sfondi_;
    std::vector<QString> firme_;   // per row, the inputs its results came from; null: none
};
