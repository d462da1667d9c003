#pragma once

#include "data/Programm.h"

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// Keeps the program to one running instance per user. The first instance holds a lock file and listens
// for messages; a later start finds the lock taken, asks the running instance to come to the front
// (message 1224) and ends. A lock or socket file left behind by a crashed instance never blocks a start:
// the lock file names the process that holds it, and a lock of a process that no longer runs is taken
// over.
//
// Messages are short texts on a local socket, one number per line: 1224 brings the program to the
// front, 1124 closes it; any other text is ignored.
class TEinzelinstanz : public QObject {
    Q_OBJECT

public:
    static constexpr int NachrichtVordergrund = 1224;
    static constexpr int NachrichtBeenden = 1124;

    // ASchluessel names the instance (the program title); the user is added to it, so the instances of
    // two users never meet.
    explicit TEinzelinstanz(const QString &ASchluessel = Programm::Titel, QObject *AParent = nullptr);
    ~TEinzelinstanz() override;

    // True when this process is the first instance: it then holds the lock and receives messages until
    // it is destroyed. False when another instance runs; that one has been sent 1224 (when it could be
    // reached within a second). Call once.
    bool Starten();

    // Sends the message ANummer to the running instance of ASchluessel. True when it was handed over;
    // false when no instance listens or it did not accept within a second. Never waits for an answer.
    static bool NachrichtSenden(const QString &ASchluessel, int ANummer);

    // The local socket name and the lock file of ASchluessel for this user.
    static QString ServerName(const QString &ASchluessel);
    static QString SperrDatei(const QString &ASchluessel);

signals:
    // A message 1224 or 1124 arrived. A receiver may delete this instance here; the messages after it
    // are then dropped.
    void NachrichtEmpfangen(int ANummer);

private:
    void VerbindungAnnehmen();

    QString FSchluessel;
    std::unique_ptr<QLockFile> FSperre;
    QLocalServer *FServer = nullptr;
};
