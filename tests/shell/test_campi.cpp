// The row-field change pattern shared by the row windows.
#include "shell/campi.h"
#include "shell/modrinsal.h"
#include "support/supporto.h"

#include <QLineEdit>
#include <QTest>
#include <array>

namespace {
// Five screen lines over one column of 100 rows, wired as the row windows do.
struct Colonna {
    std::array<QLineEdit, 5> linee;
    ColonnaRighe valori;
    int RigaInizio = 1;
    int RigaCorrente = 0;
    int ricalcoli = 0;
    VarianteCampo variante = VarianteCampo::Normale;

    Colonna()
    {
        for (int k = 1; k <= 5; ++k) {
            QObject::connect(&linee[std::size_t(k - 1)], &QLineEdit::textChanged, [this, k] {
                if (cambioCampoRiga(linee[std::size_t(k - 1)], valori, RigaInizio, k, variante, RigaCorrente)) {
                    ++ricalcoli;
                }
            });
        }
    }
    QLineEdit& linea(int k) { return linee[std::size_t(k - 1)]; }
};
} // namespace

class TestCampi : public QObject {
    Q_OBJECT
private slots:
    void init() { scena_ = supporto::prepara(); }

    void digitazione()
    {
        Colonna c;
        c.RigaInizio = 11;
        QTest::keyClicks(&c.linea(3), QStringLiteral("600"));
        QCOMPARE(c.RigaCorrente, 13);
        QCOMPARE(c.valori[13], QStringLiteral("600"));
        QCOMPARE(c.ricalcoli, 3);
        // A period typed last: message, empty field, empty stored value.
        QTest::keyClicks(&c.linea(3), QStringLiteral("."));
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        QCOMPARE(c.linea(3).text(), QString());
        QVERIFY(c.valori[13].isEmpty() && !c.valori[13].isNull());
        QCOMPARE(ModRinsal::ErroreDato, 1);
    }

    void puliziaSilenziosa()
    {
        Colonna c;
        c.linea(1).setText(QStringLiteral("1a2"));
        QCOMPARE(c.linea(1).text(), QStringLiteral("12"));
        QCOMPARE(c.valori[1], QStringLiteral("12"));
        QVERIFY(scena_.messaggi->visti.empty());
        // The caret stays where the user was typing.
        c.linea(2).setText(QStringLiteral("1234"));
        c.linea(2).setCursorPosition(2);
        c.linea(2).insert(QStringLiteral("x"));   // "12x34" -> "1234"
        QCOMPARE(c.linea(2).text(), QStringLiteral("1234"));
        QCOMPARE(c.linea(2).cursorPosition(), 2);
    }

    void copiaRigaPrecedente()
    {
        Colonna c;
        c.valori[6] = QStringLiteral("4,5");
        // Row 7 on screen line 1: the previous row is off screen.
        c.RigaInizio = 7;
        QTest::keyClicks(&c.linea(1), QStringLiteral("+"));
        QCOMPARE(c.linea(1).text(), QStringLiteral("4,5"));
        QCOMPARE(c.valori[7], QStringLiteral("4,5"));
        QVERIFY(scena_.messaggi->visti.empty());
        // Row 7 on line 3 copies row 6 on line 2, whatever line 1 shows.
        c.RigaInizio = 5;
        c.valori[6] = QStringLiteral("8");
        c.linea(3).setText(QStringLiteral("+"));
        QCOMPARE(c.valori[7], QStringLiteral("8"));
        // In row 1 "+" empties the field.
        c.RigaInizio = 1;
        c.linea(1).setText(QStringLiteral("+"));
        QCOMPARE(c.linea(1).text(), QString());
        QVERIFY(c.valori[1].isEmpty() && !c.valori[1].isNull());
    }

    void varianti()
    {
        Colonna vuoto;
        vuoto.variante = VarianteCampo::NienteSeVuoto;
        vuoto.linea(1).setText(QStringLiteral("5"));
        vuoto.linea(1).setText(QString());
        QCOMPARE(vuoto.valori[1], QStringLiteral("5"));

        Colonna errore;
        errore.variante = VarianteCampo::SaltaSeErrore;
        errore.linea(1).setText(QStringLiteral("5"));
        const int prima = errore.ricalcoli;
        errore.linea(1).setText(QStringLiteral("5x"));
        QCOMPARE(errore.linea(1).text(), QString());
        QCOMPARE(errore.ricalcoli, prima);
        QCOMPARE(errore.valori[1], QStringLiteral("5"));
    }

private:
    platform::Scena scena_{};
};

QTEST_MAIN(TestCampi)
#include "test_campi.moc"
