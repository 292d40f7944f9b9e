#include "platform/midi_mci.h"

#include <QDir>

#include <iterator>
#include <string>

#include <windows.h>
#include <mmsystem.h>

namespace platform {

namespace {

const wchar_t* const kAlias = L"rinsal_musica";

// Sends one MCI command to our alias; the answer, when asked for.
bool mci(const QString& comando, QString* risposta = nullptr)
{
    wchar_t buffer[128] = {};
    const std::wstring testo = comando.toStdWString();
    const MCIERROR e = mciSendStringW(testo.c_str(), buffer, UINT(std::size(buffer)), nullptr);
    if (risposta) {
        *risposta = e == 0 ? QString::fromWCharArray(buffer) : QString();
    }
    return e == 0;
}

QString conAlias(const char* verbo)
{
    return QLatin1String(verbo) + QLatin1Char(' ') + QString::fromWCharArray(kAlias);
}

} // namespace

std::unique_ptr<LettoreMidi> lettoreMidiDiSistema()
{
    return std::make_unique<LettoreMci>();
}

LettoreMci::~LettoreMci()
{
    chiudi();
}

void LettoreMci::comando(const QString& comando)
{
    const QString c = comando.trimmed().toLower();
    if (c == QLatin1String("open")) {
        if (aperto_) {
            return;
        }
        const QString midi = trovaFileMusica(file_);
        if (midi.isEmpty()) {
            return;
        }
        // Quoted: the program folder has spaces ("Program Files").
        aperto_ = mci(QStringLiteral("open \"%1\" type sequencer alias %2")
                          .arg(QDir::toNativeSeparators(midi), QString::fromWCharArray(kAlias)));
    } else if (c == QLatin1String("play")) {
        // Without "wait": the music goes on while the program does; after a
        // pause it resumes where it stopped, at the end it stays silent.
        if (aperto_) {
            mci(conAlias("play"));
        }
    } else if (c == QLatin1String("pause")) {
        if (aperto_) {
            mci(conAlias("pause"));
        }
    } else if (c == QLatin1String("close")) {
        chiudi();
    }
}

QString LettoreMci::stato() const
{
    QString s;
    if (aperto_) {
        mci(conAlias("status") + QStringLiteral(" mode"), &s);
    }
    return s;
}

void LettoreMci::chiudi()
{
    if (aperto_) {
        mci(conAlias("close"));
        aperto_ = false;
    }
}

} // namespace platform
