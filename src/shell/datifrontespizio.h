#pragma once
// The six texts of the report's title page: progetto, località, committente,
// luogo, data, allegati. They travel with whichever calculation is saved
// next; the title-page window shows and edits them, and each side follows
// the other's changes.

#include <QObject>
#include <QStringList>
#include <array>

class DatiFrontespizio : public QObject {
    Q_OBJECT
public:
    static constexpr int kCampi = 6;

    // The texts, made ready as the title-page window would be on opening:
    // if that window does not exist yet, it is made (blank, dated today).
    static DatiFrontespizio& attuali();
    // The texts as they are, the window untouched.
    static DatiFrontespizio& modello();

    QString testo(int i) const;
    QStringList testi() const;
    // A text typed or changed: announced when it differs.
    void imposta(int i, const QString& testo);
    // All six at once, as read from a file (missing ones blank): announced
    // as a whole, whether they differ or not.
    void carica(const QStringList& testi);

signals:
    void cambiato(int i);
    void caricati();

private:
    std::array<QString, kCampi> testi_;
};

// The project's name, for the heading of a printout.
QString progettoFrontespizio();
