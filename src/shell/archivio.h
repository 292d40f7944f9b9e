#pragma once
// The record codec of the data files: Windows-1252 text, one record per
// line ended by CR LF, comma-separated fields; texts between double quotes
// written unchanged, numbers bare with a period, a never-set value as
// nothing between two commas. A null QString is a never-set value; an empty
// non-null one is a text that was typed and then emptied.

#include "shell/righe.h"

#include <QByteArray>
#include <QString>
#include <span>
#include <stdexcept>
#include <vector>

namespace archivio {

QByteArray codificaCp1252(const QString& testo);
QString decodificaCp1252(const QByteArray& dati);

class ScrittoreRecord {
public:
    void testo(const QString& t);   // null: nothing between the commas
    void numero(double v);
    void intero(long long v);
    void fineRecord();
    const QByteArray& dati() const { return dati_; }

private:
    void separa();
    QByteArray dati_;
    bool inizioRecord_ = true;
};

// Malformed input: the reader stops and names the line.
class ErroreFormato : public std::runtime_error {
public:
    ErroreFormato(int riga, const QString& motivo);
    int riga() const { return riga_; }
    QString motivo() const { return motivo_; }

private:
    int riga_;
    QString motivo_;
};

// Reads fields one after the other as they were written; a line end also
// ends a field, as a comma does.
class LettoreRecord {
public:
    explicit LettoreRecord(QByteArray dati);

    // A quoted or bare field as text; a never-set field gives a null QString.
    QString testo();
    // A value of a data field, kept only as the typing rules would have let
    // it in (digits, comma, minus). Anything else ("nan", "1e308",
    // "1.000,5") is never guessed at: it is read as never set and noted.
    QString dato();
    struct Scartato {
        int riga;
        QString testo;
    };
    const std::vector<Scartato>& scartati() const { return scartati_; }
    // A bare number with a period; a never-set field gives 0.
    double numero();
    // A whole number between minimo and massimo.
    int intero(int minimo, int massimo);
    // Checks that the current record has no fields left and moves to the next.
    void fineRecord();
    bool fineFile() const;
    int riga() const { return riga_; }

private:
    struct Campo {
        QString testo;
        bool quotato = false;
        bool assente = false;
    };
    Campo campo();
    [[noreturn]] void errore(const QString& motivo) const;

    QByteArray dati_;
    qsizetype pos_ = 0;
    int riga_ = 1;
    bool inizioRiga_ = true;
    std::vector<Scartato> scartati_;
};

// The data of a row window with two types, as pillar hooping and stitching
// keep it: one record of the number of rows (held to 0..100) and the type,
// 1 or 2, anything else (none chosen yet) as a never-set value; then rows
// 1..N, one record of the texts of every column.
void scriviRigheTipo(ScrittoreRecord& w, std::span<const ColonnaRighe> colonne, int numero, int tipo);

// Messages of the archive commands.
QString messaggioLettura(const QString& file, int riga, const QString& motivo);
// The note after an Open that left some values out; empty when none was.
QString messaggioScartati(const QString& file, const std::vector<LettoreRecord::Scartato>& scartati);

} // namespace archivio
