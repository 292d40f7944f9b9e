#pragma once
// Toolbar pictures, drawn in code so they stay crisp and consistent.
#include <QIcon>

enum class Glifo {
    Apri, Salva, SalvaNome, EliminaFile, Stampa, Finestra, Colore, Guida, Suggerimenti, Supporto,
    Informazioni, Controllo, CancellaDati, Uscita
};

QIcon icona(Glifo g, int numero = 0);
