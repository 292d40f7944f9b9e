#pragma once
// Start-up and closing window: plays the music, sets the constants and
// waits; a click shows the main menu, a key ends the program.

#include <QLabel>
#include <QWidget>

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    // After the exit sequence: resumes nothing by itself, only shows the
    // closing credit above the program name and brings the window back.
    void mostraCongedo();

    QLabel* lblNome() const { return lblNome_; }
    QLabel* lblSottotitolo() const { return lblSottotitolo_; }
    QLabel* lblVersione() const { return lblVersione_; }
    QLabel* lblCongedo() const { return lblCongedo_; }
    QLabel* immagine() const { return immagine_; }

    void Form_Click();
    void Form_KeyPress();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Form_Load();

    QLabel* immagine_;
    QLabel* lblCongedo_;
    QLabel* lblNome_;
    QLabel* lblSottotitolo_;
    QLabel* lblVersione_;
    QLabel* lblIstruzione_;
};

namespace ModRinsal {
// The main menu; the exit sequence, which ends on this window.
void MostraMenu();
void UscitaProgramma();
} // namespace ModRinsal
