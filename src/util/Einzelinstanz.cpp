#include "util/Einzelinstanz.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
// How long a later start waits for the running instance to accept a message.
constexpr int Wartezeit = 1000;
// The longest line a message can be; longer lines are read past and ignored.
constexpr qsizetype ZeileMax = 16;

// A name part that is safe in a file name and in a pipe name.
QString Dateiname(const QString &AText) {
    QString Name = AText;
    for (QChar &Zeichen : Name) {
        const char16_t Code = Zeichen.unicode();
        const bool ErlaubtS = (Code >= u'a' && Code <= u'z') || (Code >= u'A' && Code <= u'Z') ||
                              (Code >= u'0' && Code <= u'9') || Code == u' ' || Code == u'.' || Code == u'-' ||
                              Code == u'_';
        if (!ErlaubtS)
            Zeichen = QLatin1Char('_');
    }
    return Name;
}

QString Benutzer() {
#ifdef Q_OS_UNIX
    return QString::number(getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

QString Grundname(const QString &ASchluessel) {
    return Dateiname(ASchluessel + QLatin1Char('-') + Benutzer());
}

// The user's own runtime folder where there is one (only the user can enter it), else the temporary folder.
// Looked up once: the lookup may warn about a missing runtime folder setting.
QString Ordner() {
    static const QString Pfad = [] {
        QString Ort = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (Ort.isEmpty() || !QDir().mkpath(Ort))
            Ort = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
        return QDir::fromNativeSeparators(Ort) + QLatin1Char('/');
    }();
    return Pfad;
}

// The complete lines of one connection, with what is left of an unfinished line kept for the next read.
struct TZeilenpuffer {
    QByteArray Zeile;
    bool ZuLangS = false;
};

// The numbers of the messages we know among the lines of ADaten; AEndeS finishes an unterminated last line.
QList<int> Nachrichten(const QByteArray &ADaten, TZeilenpuffer &APuffer, bool AEndeS) {
    QList<int> Nummern;
    const auto Zeilenende = [&] {
        const QByteArray Text = APuffer.Zeile.trimmed();
        if (!APuffer.ZuLangS) {
            if (Text == QByteArrayLiteral("1224"))
                Nummern.append(TEinzelinstanz::NachrichtVordergrund);
            else if (Text == QByteArrayLiteral("1124"))
                Nummern.append(TEinzelinstanz::NachrichtBeenden);
        }
        APuffer.Zeile.clear();
        APuffer.ZuLangS = false;
    };
    for (const char Zeichen : ADaten) {
        if (Zeichen == '\n')
            Zeilenende();
        else if (APuffer.Zeile.size() < ZeileMax)
            APuffer.Zeile.append(Zeichen);
        else
            APuffer.ZuLangS = true;
    }
    if (AEndeS && (!APuffer.Zeile.isEmpty() || APuffer.ZuLangS))
        Zeilenende();
    return Nummern;
}
} // namespace

TEinzelinstanz::TEinzelinstanz(const QString &ASchluessel, QObject *AParent)
    : QObject(AParent), FSchluessel(ASchluessel) {}

TEinzelinstanz::~TEinzelinstanz() {
    if (FServer) {
        // Open connections end with the server; what they still deliver is no longer wanted.
        for (QLocalSocket *Socket : FServer->findChildren<QLocalSocket *>())
            disconnect(Socket, nullptr, this, nullptr);
        // The server goes before the lock (closing it removes its socket file), so that whoever takes
        // the lock next finds no server of ours.
        FServer->close();
        delete FServer;
        FServer = nullptr;
    }
    FSperre.reset();
}

QString TEinzelinstanz::ServerName(const QString &ASchluessel) {
#ifdef Q_OS_UNIX
    // A full path puts the socket into the user's folder beside the lock; a socket path has a length
    // limit, so an overlong one falls back to the plain name in the temporary folder.
    const QString Pfad = Ordner() + Grundname(ASchluessel) + QStringLiteral(".socket");
    if (Pfad.toUtf8().size() < 100)
        return Pfad;
#endif
    return Grundname(ASchluessel);
}

QString TEinzelinstanz::SperrDatei(const QString &ASchluessel) {
    return Ordner() + Grundname(ASchluessel) + QStringLiteral(".lock");
}

bool TEinzelinstanz::Starten() {
    if (FServer)
        return true;
    auto Sperre = std::make_unique<QLockFile>(SperrDatei(FSchluessel));
    // Never stale by age: the first instance holds the lock for as long as it runs. A lock of a process
    // that no longer runs is taken over by tryLock.
    Sperre->setStaleLockTime(0);
    if (Sperre->tryLock(0)) {
        FSperre = std::move(Sperre);
        // Whoever holds the lock owns the name: a socket file still there is a crashed instance's.
        QLocalServer::removeServer(ServerName(FSchluessel));
    } else if (Sperre->error() == QLockFile::LockFailedError) {
        // Another instance runs. If it does not listen yet (it is just starting), it is not told.
        NachrichtSenden(FSchluessel, NachrichtVordergrund);
        return false;
    } else if (NachrichtSenden(FSchluessel, NachrichtVordergrund)) {
        // No lock file can be made here, but an instance answered.
        return false;
    }
    // Without a lock file (its folder cannot be written) and nobody answering, this is the first
    // instance as far as anyone can tell.
    FServer = new QLocalServer(this);
    FServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(FServer, &QLocalServer::newConnection, this, &TEinzelinstanz::VerbindungAnnehmen);
    // If listening fails the program still runs, only a later start cannot reach it.
    FServer->listen(ServerName(FSchluessel));
    return true;
}

bool TEinzelinstanz::NachrichtSenden(const QString &ASchluessel, int ANummer) {
    QLocalSocket Socket;
    Socket.connectToServer(ServerName(ASchluessel));
    if (!Socket.waitForConnected(Wartezeit))
        return false;
    Socket.write(QByteArray::number(ANummer) + '\n');
    bool OkS = Socket.waitForBytesWritten(Wartezeit) || Socket.bytesToWrite() == 0;
    Socket.disconnectFromServer();
    if (Socket.state() != QLocalSocket::UnconnectedState)
        OkS = Socket.waitForDisconnected(Wartezeit) && OkS;
    return OkS;
}

void TEinzelinstanz::VerbindungAnnehmen() {
    while (QLocalSocket *Socket = FServer->nextPendingConnection()) {
        auto Puffer = std::make_shared<TZeilenpuffer>();
        // False when a receiver ended this instance (the program closes on 1124): then the socket is gone too.
        const auto Lesen = [this, Socket, Puffer](bool AEndeS) {
            const QPointer<TEinzelinstanz> Selbst(this);
            for (const int Nummer : Nachrichten(Socket->readAll(), *Puffer, AEndeS)) {
                emit NachrichtEmpfangen(Nummer);
                if (!Selbst)
                    return false;
            }
            return true;
        };
        connect(Socket, &QLocalSocket::readyRead, this, [Lesen] { Lesen(false); });
        connect(Socket, &QLocalSocket::disconnected, this, [Socket, Lesen] {
            if (Lesen(true))
                Socket->deleteLater();
        });
        // The sender may have written and gone before the connection was taken.
        if (Socket->bytesAvailable() > 0 && !Lesen(false))
            return;
        if (Socket->state() == QLocalSocket::UnconnectedState) {
            if (!Lesen(true))
                return;
            Socket->deleteLater();
        }
    }
}
