#include "shell/campi.h"

#include "shell/modrinsal.h"

#include <algorithm>

void riscriviCampo(QLineEdit& campo, const QString& pulito)
{
    const QString prima = campo.text();
    if (prima == pulito) {
        return;
    }
    // Characters kept before the caret: the cleaned prefix is a subsequence
    // of the typed text, so count how many of them precede the caret.
    const int cursore = campo.cursorPosition();
    int tenuti = 0;
    int j = 0;
    for (int i = 0; i < prima.size() && j < pulito.size(); ++i) {
        if (prima[i] == pulito[j]) {
            if (i < cursore) {
                ++tenuti;
            }
            ++j;
        }
    }
    campo.setText(pulito);
    campo.setCursorPosition(std::min<int>(tenuti, int(campo.text().size())));
}

bool convalidaCampo(QLineEdit& campo)
{
    using namespace ModRinsal;
    DatoDigitato = campo.text();
    ControllaDato();
    const QString prima = campo.text();
    riscriviCampo(campo, DatoControllato);
    return campo.text() == prima;
}

bool cambioCampoRiga(QLineEdit& campo, ColonnaRighe& valori, int rigaInizio, int linea,
                     VarianteCampo variante, int& rigaCorrente)
{
    using namespace ModRinsal;
    if (variante == VarianteCampo::NienteSeVuoto && campo.text().isEmpty()) {
        return false;
    }
    // The row being edited: the copy takes the row above it, whatever row the
    // first screen line shows.
    const int riga = std::clamp(rigaInizio + linea - 1, 1, 100);
    if (campo.text() == QLatin1String("+")) {
        campo.setText(valori[riga - 1]);
    }
    convalidaCampo(campo);
    if (variante == VarianteCampo::SaltaSeErrore && ErroreDato == 1) {
        return false;
    }
    rigaCorrente = riga;
    valori[riga] = campo.text();
    return true;
}
