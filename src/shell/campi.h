#pragma once
// The change pattern every row field of the row windows follows: "+" copies
// the previous row's value, the text is validated and written back (which
// raises the change again), the row is computed and the text stored.

#include "shell/righe.h"

#include <QLineEdit>

enum class VarianteCampo {
    Normale,
    NienteSeVuoto,   // the whole handler does nothing on an empty text
    SaltaSeErrore,   // no row, storage or recalculation after a rejection
};

// Step 2 of the pattern, the one every typed number goes through: the text is
// validated and the cleaned text written back. False when it was rewritten:
// the change raised by the write-back has then handled the cleaned text.
bool convalidaCampo(QLineEdit& campo);

// Runs steps 1 to 4 of the pattern on `campo` (screen line `linea`, 1..5).
// Sets `rigaCorrente`; returns true when the text was stored and the caller
// must run its recalculation.
bool cambioCampoRiga(QLineEdit& campo, ColonnaRighe& valori, int rigaInizio, int linea,
                     VarianteCampo variante, int& rigaCorrente);

// Writes a cleaned text back into a field keeping the caret where the user
// was typing (less the characters that were removed before it).
void riscriviCampo(QLineEdit& campo, const QString& pulito);
