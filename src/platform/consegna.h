#pragma once
// A document written under a temporary name beside its destination, then
// checked, flushed to the disk and put in the destination's place in one
// step: a full disk or a crash never leaves half a document under its name,
// nor spoils an earlier file of the same name.

#include <QByteArray>
#include <QString>

namespace platform {

class FileInConsegna {
public:
    explicit FileInConsegna(QString destinazione) : destinazione_(std::move(destinazione)) {}
    // A temporary file not delivered is removed.
    ~FileInConsegna();
    FileInConsegna(const FileInConsegna&) = delete;
    FileInConsegna& operator=(const FileInConsegna&) = delete;

    // Creates the empty temporary file, with the permissions the destination
    // has (or a new file would have). An empty text when ready; else why not.
    QString prepara();
    const QString& temporaneo() const { return temporaneo_; }

    // The last `n` bytes written (fewer when the file is shorter).
    QByteArray coda(qsizetype n) const;
    // Flushes the temporary file and renames it over the destination. An
    // empty text when the destination now holds it; else why not.
    QString consegna();

private:
    QString destinazione_;
    QString temporaneo_;
};

// The system's error number in words, for messages to the user.
QString descrizioneErrno(int e);

} // namespace platform
