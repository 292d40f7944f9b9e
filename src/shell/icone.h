#pragma once
// Toolbar pictures, drawn in code so they stay crisp and consistent.
#include <QByteArray>
#include <QIcon>
#include <QImage>

enum class Glifo {
    Apri, Salva, SalvaNome, EliminaFile, Stampa, Anteprima, Finestra, Colore, Guida, Suggerimenti, Supporto,
    Informazioni, Controllo, CancellaDati, Uscita, Grafico
};

QIcon icona(Glifo g, int numero = 0);

// The program's own icon: a brick wall with an arch held by a tie rod. One
// drawing, painted at any size for the windows and written as SVG for the
// desktop, so the two never differ.
QImage immagineProgramma(int lato);
QByteArray svgProgramma();
QIcon iconaProgramma();
