#pragma once
// The title-page window: the six texts of the report's title page, which
// travel with whichever calculation is saved next.

#include "shell/datifrontespizio.h"
#include "shell/finestracalcolo.h"

#include <QLineEdit>
#include <array>

class frontespizio : public FinestraCalcolo {
    Q_OBJECT
public:
    explicit frontespizio(QWidget* parent = nullptr);

    // progetto, località, committente, luogo, data, allegati
    QLineEdit* campo(int i) const { return campi_[std::size_t(i)]; }
    QLineEdit* progetto() const { return campi_[0]; }
    QLineEdit* data() const { return campi_[4]; }
    QLabel* Labelstudio() const { return studio_; }
    QLabel* labelindirizzo() const { return indirizzo_; }

    QStringList campiTesto() const;
    void impostaCampi(const QStringList& testi);
    // Office name and address from the settings.
    void aggiornaStudio();

    void apri_click() override;
    void salva_click() override;
    void salvanome_click() override;
    void eliminare_click() override;
    bool controlla_click() override;
    void cancella_click() override;
    // "&Dati finestra": the title page alone.
    void acquisizionedati_Click(stampa::Uscita dove = stampa::Uscita::Carta) override;
    // The complete report.
    void stampa_click(stampa::Uscita dove = stampa::Uscita::Carta) override;
    void stampatutto_Click();                 // "&Stampa completa"
    void solodati_Click(stampa::Uscita dove = stampa::Uscita::Carta);
    bool controllodati_Click();
    QString nomeRecupero() const override { return QStringLiteral("Frontespizio-"); }

protected:
    // The six texts are the window's work; its recovery copy is their record.
    QByteArray impronta() override { return datiArchivio(); }
    void scriviDati(archivio::ScrittoreRecord& w) override;
    void leggiDati(archivio::LettoreRecord& r) override { leggiFrontespizio(r); }

private:
    void stampaFrontespizio(platform::Stampante& p);
    // Runs an archive command of the calculation in use; a save there is said here too.
    void suCalcolo(void (FinestraCalcolo::*comando)());
    void campo_Change(int i);
    void mostraCampi(const QStringList& testi);

    std::array<QLineEdit*, 6> campi_{};
    std::array<bool, 6> avvisato_{};   // the length warning was given for the text as it stands
    QLabel* studio_;
    QLabel* indirizzo_;
};

// The product-support window, where the office name and address are entered.
class supportoprodotto : public QWidget {
    Q_OBJECT
public:
    explicit supportoprodotto(QWidget* parent = nullptr);
    QLineEdit* nome() const { return nome_; }
    QLineEdit* indirizzo() const { return indirizzo_; }
    void salva_Click();

protected:
    // Escape closes the window; Enter presses the focused button, or Salva.
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPushButton* salva_;
    QLineEdit* nome_;
    QLineEdit* indirizzo_;
};
