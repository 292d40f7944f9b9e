#pragma once
// The read-only results window of the shoring job: one consolidation at a
// time, the values of its calculation type highlighted, the props of a
// series one at a time, and an automatic comment.

#include "platform/piattaforma.h"
#include "shell/finestracalcolo.h"
#include "shoring/collegamento.h"

#include <QLineEdit>
#include <QScrollBar>
#include <array>

class risultatipuntelli : public FinestraCalcolo, public VistaRisultati {
    Q_OBJECT
public:
    explicit risultatipuntelli(QWidget* parent = nullptr);

    QLineEdit* ris(int k) const { return ris_[std::size_t(k)]; }      // 1..14
    QLineEdit* punt(int k) const { return punt_[std::size_t(k)]; }    // 1..6
    QLabel* tipocon() const { return tipocon_; }
    QLabel* note() const { return note_; }
    QScrollBar* HScroll1() const { return hscroll_; }
    QScrollBar* VScroll1() const { return vscroll_; }

    int ConsolidamentoMostrato = 0;
    int TipoMostrato = 0;

    static QColor neutro();
    static QColor evidenziato() { return QColor(0, 255, 255); }

    // Prepares the window before the data window shows it.
    void visualizza() override;

    void apri_click() override;
    void salva_click() override;
    void salvanome_click() override;
    void eliminare_click() override;
    bool controlla_click() override;
    void cancella_click() override;
    bool stampaPossibile() override;
    void stampaDati(platform::Stampante& p, ModoStampa modo) override;
    std::optional<ChiusuraRelazione> chiusuraRelazione() const override;

protected:
    void indietro_Click() override;

private:
    void HScroll1_Change();
    void VScroll1_Change();
    void SbiancaRisultati();
    void evidenzia(std::initializer_list<int> righe);
    void CommentoRisultati();
    // The data window, which keeps the job and its archive commands.
    FinestraCalcolo* dati() const;

    std::array<QLineEdit*, 15> ris_{};
    std::array<QLineEdit*, 7> punt_{};
    std::array<QLabel*, 15> captions_{};
    QLabel* consolid_ = nullptr;
    QLabel* tipocon_ = nullptr;
    QLabel* note_ = nullptr;
    QScrollBar* hscroll_ = nullptr;
    QScrollBar* vscroll_ = nullptr;
};
