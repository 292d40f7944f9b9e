#pragma once
// What the two shoring windows ask of each other, so that neither needs the
// other's class: the data window prepares the results before showing them;
// the results window sends "&Risultati" back (check, calculate, show) after
// an Open made from it.

class VistaRisultati {
public:
    virtual ~VistaRisultati() = default;
    // Prepares the window before the data window shows it.
    virtual void visualizza() = 0;
};

class CalcoloPuntelli {
public:
    virtual ~CalcoloPuntelli() = default;
    virtual void cmdavanti_Click() = 0;
};
