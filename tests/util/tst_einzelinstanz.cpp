#include "util/Einzelinstanz.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <QUuid>

#include <cstdio>
#include <cstdlib>

// The test program is also the other instance: started with one of these options it acts as a second
// program run and ends.
namespace {
const char *const OptionZweite = "--zweite-instanz"; // tries to start, reports whether it was first
const char *const OptionAbsturz = "--absturz";       // starts and dies without cleaning up
const char *const OptionErste = "--erste-instanz";   // starts, prints every message, ends on 1124
const char *const OptionEnde = "--ende";             // ends at once: a process id that is gone
constexpr int ExitErste = 3;
constexpr int ExitNichtErste = 4;

// Every test its own name, so that test runs side by side never meet.
QString NeuerSchluessel() {
    return QStringLiteral("tst-einzelinstanz-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QList<int> Nummern(const QSignalSpy &ASpy) {
    QList<int> Liste;
    for (const QList<QVariant> &Aufruf : ASpy)
        Liste.append(Aufruf.at(0).toInt());
    return Liste;
}

// The connections the instance still holds; each ends when its sender goes.
qsizetype OffeneVerbindungen(const TEinzelinstanz &AInstanz) {
    return AInstanz.findChildren<QLocalSocket *>().size();
}

int Kind(const char *AOption, const QString &ASchluessel) {
    TEinzelinstanz Instanz(ASchluessel);
    if (qstrcmp(AOption, OptionZweite) == 0)
        return Instanz.Starten() ? ExitErste : ExitNichtErste;
    if (qstrcmp(AOption, OptionAbsturz) == 0)
        std::_Exit(Instanz.Starten() ? ExitErste : ExitNichtErste);
    if (!Instanz.Starten())
        return ExitNichtErste;
    QObject::connect(&Instanz, &TEinzelinstanz::NachrichtEmpfangen, [](int ANummer) {
        std::printf("%d\n", ANummer);
        std::fflush(stdout);
        if (ANummer == TEinzelinstanz::NachrichtBeenden)
            QCoreApplication::quit();
    });
    std::printf("bereit\n");
    std::fflush(stdout);
    QCoreApplication::exec();
    return ExitErste;
}
} // namespace

class TEinzelinstanzTest : public QObject {
    Q_OBJECT

private slots:
    void ErsteStartetUndEmpfaengt_data();
    void ErsteStartetUndEmpfaengt();
    void ZweiteImSelbenProzess();
    void OhneLaufendeInstanz();
    void Rohtexte_data();
    void Rohtexte();
    void Reste_data();
    void Reste();
    void NachEndeNeuerStart();
    void EmpfaengerBeendetInstanz();
    void ZweiterProzess();
    void ErsteInAnderemProzess();

private:
    // Runs the test program with AOption and ASchluessel and waits for its end.
    static bool KindLaufen(QProcess &AProzess, const char *AOption, const QString &ASchluessel);
};

bool TEinzelinstanzTest::KindLaufen(QProcess &AProzess, const char *AOption, const QString &ASchluessel) {
    AProzess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    AProzess.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(AOption), ASchluessel});
    // Only a guard against a hanging child; a second instance ends within its one-second wait.
    return AProzess.waitForFinished(60000);
}

void TEinzelinstanzTest::ErsteStartetUndEmpfaengt_data() {
    QTest::addColumn<QString>("Schluessel");
    QTest::addColumn<int>("Nummer");
    QTest::addColumn<QList<int>>("Empfangen");

    const QString Uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString Titel = QStringLiteral("Stundolog V1.01 ") + Uuid;
    QTest::newRow("Vordergrund") << Titel << 1224 << QList<int>{1224};
    QTest::newRow("Beenden") << Titel << 1124 << QList<int>{1124};
    QTest::newRow("unbekannte Nummer") << Titel << 1024 << QList<int>();
    QTest::newRow("negative Nummer") << Titel << -1224 << QList<int>();
    // Characters that are no part of a file name must not put the socket into another folder.
    QTest::newRow("Schrägstrich, Umlaut, Doppelpunkt")
        << QStringLiteral("../Käse/ü:") + Uuid << 1224 << QList<int>{1224};
}

void TEinzelinstanzTest::ErsteStartetUndEmpfaengt() {
    QFETCH(QString, Schluessel);
    QFETCH(int, Nummer);
    QFETCH(QList<int>, Empfangen);

    TEinzelinstanz Erste(Schluessel);
    QSignalSpy Spy(&Erste, &TEinzelinstanz::NachrichtEmpfangen);
    QVERIFY2(Erste.Starten(), "nobody else uses this key, so this instance is the first");
    QVERIFY(QFileInfo::exists(TEinzelinstanz::SperrDatei(Schluessel)));
    QVERIFY2(QFileInfo(TEinzelinstanz::SperrDatei(Schluessel)).absolutePath() ==
                 QFileInfo(TEinzelinstanz::SperrDatei(NeuerSchluessel())).absolutePath(),
             "the lock of every key lies in the same folder");

    auto *Server = Erste.findChild<QLocalServer *>();
    QVERIFY(Server);
    QSignalSpy Neu(Server, &QLocalServer::newConnection);

    QVERIFY(TEinzelinstanz::NachrichtSenden(Schluessel, Nummer));
    // The receiver has read everything once it took the connection and the connection is gone.
    QTRY_COMPARE(Neu.size(), 1);
    QTRY_COMPARE(OffeneVerbindungen(Erste), 0);
    QCOMPARE(Nummern(Spy), Empfangen);
}

void TEinzelinstanzTest::ZweiteImSelbenProzess() {
    const QString Schluessel = NeuerSchluessel();
    TEinzelinstanz Erste(Schluessel);
    QSignalSpy Spy(&Erste, &TEinzelinstanz::NachrichtEmpfangen);
    QVERIFY(Erste.Starten());
    {
        TEinzelinstanz Zweite(Schluessel);
        QSignalSpy ZweiteSpy(&Zweite, &TEinzelinstanz::NachrichtEmpfangen);
        QVERIFY2(!Zweite.Starten(), "the first instance holds the lock");
        QTRY_COMPARE(Nummern(Spy), QList<int>{1224});

        QVERIFY(TEinzelinstanz::NachrichtSenden(Schluessel, 1124));
        QTRY_COMPARE(Nummern(Spy), (QList<int>{1224, 1124}));
        QVERIFY2(ZweiteSpy.isEmpty(), "a second instance listens to nothing");
    }
    // The end of the second must leave the first's lock and server alone.
    QVERIFY(QFileInfo::exists(TEinzelinstanz::SperrDatei(Schluessel)));
    QVERIFY(TEinzelinstanz::NachrichtSenden(Schluessel, 1224));
    QTRY_COMPARE(Nummern(Spy), (QList<int>{1224, 1124, 1224}));
    TEinzelinstanz Dritte(Schluessel);
    QVERIFY(!Dritte.Starten());
    QTRY_COMPARE(Spy.size(), 4);
}

void TEinzelinstanzTest::OhneLaufendeInstanz() {
    QVERIFY2(!TEinzelinstanz::NachrichtSenden(NeuerSchluessel(), 1224), "nobody listens under a new key");
}

void TEinzelinstanzTest::Rohtexte_data() {
    QTest::addColumn<QByteArrayList>("Stuecke");
    QTest::addColumn<QList<int>>("Empfangen");

    QTest::newRow("eine Zeile") << QByteArrayList{"1224\n"} << QList<int>{1224};
    QTest::newRow("ohne Zeilenende") << QByteArrayList{"1124"} << QList<int>{1124};
    QTest::newRow("CR LF und Leerzeichen") << QByteArrayList{" 1224 \r\n"} << QList<int>{1224};
    QTest::newRow("zwei Zeilen") << QByteArrayList{"1224\n1124\n"} << QList<int>{1224, 1124};
    QTest::newRow("in Stücken") << QByteArrayList{"1", "22", "4\n11", "24"} << QList<int>{1224, 1124};
    QTest::newRow("leere Zeilen") << QByteArrayList{"\n\n1224\n\n"} << QList<int>{1224};
    QTest::newRow("nichts") << QByteArrayList{""} << QList<int>();
    QTest::newRow("Wort") << QByteArrayList{"hallo\n"} << QList<int>();
    QTest::newRow("Nummer mit Anhang") << QByteArrayList{"12245\n1224x\n01224\n"} << QList<int>();
    QTest::newRow("Nummer mitten im Text") << QByteArrayList{"x1224\n"} << QList<int>();
    QTest::newRow("Unsinn, dann Nummer") << QByteArrayList{"abc\n1124\n"} << QList<int>{1124};
    QTest::newRow("NUL-Byte") << QByteArrayList{QByteArray("12\0"
                                                           "24\n",
                                                           6)}
                              << QList<int>();
    // An endless line is read past; the line after it still counts.
    QTest::newRow("überlange Zeile") << QByteArrayList{QByteArray(100000, '1') + "\n1224\n"} << QList<int>{1224};
}

void TEinzelinstanzTest::Rohtexte() {
    QFETCH(QByteArrayList, Stuecke);
    QFETCH(QList<int>, Empfangen);

    const QString Schluessel = NeuerSchluessel();
    TEinzelinstanz Erste(Schluessel);
    QSignalSpy Spy(&Erste, &TEinzelinstanz::NachrichtEmpfangen);
    QVERIFY(Erste.Starten());
    auto *Server = Erste.findChild<QLocalServer *>();
    QVERIFY(Server);
    QSignalSpy Neu(Server, &QLocalServer::newConnection);

    QLocalSocket Sender;
    Sender.connectToServer(TEinzelinstanz::ServerName(Schluessel));
    QVERIFY(Sender.waitForConnected(5000));
    for (const QByteArray &Stueck : Stuecke) {
        Sender.write(Stueck);
        QVERIFY(Sender.bytesToWrite() == 0 || Sender.waitForBytesWritten(5000));
        // Let the receiver read this piece on its own, so that pieces arrive apart.
        QTRY_COMPARE(Neu.size(), 1);
        QCoreApplication::processEvents();
    }
    Sender.disconnectFromServer();

    QTRY_COMPARE(Neu.size(), 1);
    QTRY_COMPARE(OffeneVerbindungen(Erste), 0);
    QCOMPARE(Nummern(Spy), Empfangen);
}

void TEinzelinstanzTest::Reste_data() {
    QTest::addColumn<bool>("SocketdateiS");
    QTest::addColumn<bool>("SperreToterProzessS");
    QTest::addColumn<bool>("AbsturzS");

    QTest::newRow("Socketdatei ohne Sperre") << true << false << false;
    QTest::newRow("Sperre eines beendeten Prozesses") << false << true << false;
    QTest::newRow("beides") << true << true << false;
    QTest::newRow("abgestürzte Instanz") << false << false << true;
}

void TEinzelinstanzTest::Reste() {
    QFETCH(bool, SocketdateiS);
    QFETCH(bool, SperreToterProzessS);
    QFETCH(bool, AbsturzS);

    const QString Schluessel = NeuerSchluessel();
    const QString Sperre = TEinzelinstanz::SperrDatei(Schluessel);
    const QString Socket = TEinzelinstanz::ServerName(Schluessel);
    if (SocketdateiS) {
        QFile Datei(Socket);
        QVERIFY(Datei.open(QIODevice::WriteOnly));
    }
    if (SperreToterProzessS) {
        QProcess Beendet;
        Beendet.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(OptionEnde), Schluessel});
        QVERIFY(Beendet.waitForStarted(60000));
        const qint64 Pid = Beendet.processId();
        QVERIFY(Beendet.waitForFinished(60000));
        // The lock file as QLockFile writes it: process id, program name, host name.
        QFile Datei(Sperre);
        QVERIFY(Datei.open(QIODevice::WriteOnly));
        Datei.write(QByteArray::number(Pid) + "\ntst_einzelinstanz\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    if (AbsturzS) {
        QProcess Abgestuerzt;
        QVERIFY(KindLaufen(Abgestuerzt, OptionAbsturz, Schluessel));
        QCOMPARE(Abgestuerzt.exitCode(), ExitErste);
        QVERIFY2(QFileInfo::exists(Sperre), "the crashed instance leaves its lock file");
        QVERIFY2(QFileInfo::exists(Socket), "the crashed instance leaves its socket file");
    }
    QVERIFY2(!TEinzelinstanz::NachrichtSenden(Schluessel, 1224), "nobody listens behind what is left");

    TEinzelinstanz Neue(Schluessel);
    QSignalSpy Spy(&Neue, &TEinzelinstanz::NachrichtEmpfangen);
    QVERIFY2(Neue.Starten(), "what a dead instance left must not block a new start");
    QVERIFY2(TEinzelinstanz::NachrichtSenden(Schluessel, 1224), "the new instance listens under the old name");
    QTRY_COMPARE(Nummern(Spy), QList<int>{1224});
}

void TEinzelinstanzTest::NachEndeNeuerStart() {
    const QString Schluessel = NeuerSchluessel();
    {
        TEinzelinstanz Erste(Schluessel);
        QVERIFY(Erste.Starten());
    }
    QVERIFY2(!QFileInfo::exists(TEinzelinstanz::SperrDatei(Schluessel)), "a regular end removes the lock");
    QVERIFY2(!QFileInfo::exists(TEinzelinstanz::ServerName(Schluessel)), "a regular end removes the socket");
    QVERIFY(!TEinzelinstanz::NachrichtSenden(Schluessel, 1224));

    TEinzelinstanz Naechste(Schluessel);
    QSignalSpy Spy(&Naechste, &TEinzelinstanz::NachrichtEmpfangen);
    QVERIFY(Naechste.Starten());
    QVERIFY(TEinzelinstanz::NachrichtSenden(Schluessel, 1124));
    QTRY_COMPARE(Nummern(Spy), QList<int>{1124});
}

void TEinzelinstanzTest::EmpfaengerBeendetInstanz() {
    const QString Schluessel = NeuerSchluessel();
    QPointer<TEinzelinstanz> Erste = new TEinzelinstanz(Schluessel);
    QVERIFY(Erste->Starten());
    QList<int> Empfangen;
    // As the main window does on 1124: the program ends, and the instance with it.
    connect(Erste.data(), &TEinzelinstanz::NachrichtEmpfangen, this, [&](int ANummer) {
        Empfangen.append(ANummer);
        if (ANummer == TEinzelinstanz::NachrichtBeenden)
            delete Erste.data();
    });

    QLocalSocket Sender;
    Sender.connectToServer(TEinzelinstanz::ServerName(Schluessel));
    QVERIFY(Sender.waitForConnected(5000));
    Sender.write("1224\n1124\n1224\n");
    QVERIFY(Sender.bytesToWrite() == 0 || Sender.waitForBytesWritten(5000));
    Sender.disconnectFromServer();

    QTRY_VERIFY(Erste.isNull());
    QCOMPARE(Empfangen, (QList<int>{1224, 1124}));
    TEinzelinstanz Naechste(Schluessel);
    QVERIFY2(Naechste.Starten(), "the ended instance gave up its lock");
}

void TEinzelinstanzTest::ZweiterProzess() {
    const QString Schluessel = NeuerSchluessel();
    TEinzelinstanz Erste(Schluessel);
    QSignalSpy Spy(&Erste, &TEinzelinstanz::NachrichtEmpfangen);
    QVERIFY(Erste.Starten());

    // This process does not read its messages while it waits: the second one must end all the same.
    QProcess Zweite;
    QVERIFY2(KindLaufen(Zweite, OptionZweite, Schluessel), "the second start ends without waiting for the first");
    QCOMPARE(Zweite.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Zweite.exitCode(), ExitNichtErste);
    QTRY_COMPARE(Nummern(Spy), QList<int>{1224});
}

void TEinzelinstanzTest::ErsteInAnderemProzess() {
    const QString Schluessel = NeuerSchluessel();
    QProcess Erste;
    Erste.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Erste.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(OptionErste), Schluessel});
    QVERIFY(Erste.waitForStarted(60000));
    QTRY_VERIFY_WITH_TIMEOUT(Erste.canReadLine() || Erste.state() == QProcess::NotRunning, 60000);
    QCOMPARE(Erste.readLine(), QByteArray("bereit\n"));

    TEinzelinstanz Zweite(Schluessel);
    QVERIFY2(!Zweite.Starten(), "the other process holds the lock");
    QTRY_VERIFY(Erste.canReadLine());
    QCOMPARE(Erste.readLine(), QByteArray("1224\n"));

    QVERIFY(TEinzelinstanz::NachrichtSenden(Schluessel, 1124));
    QVERIFY2(Erste.waitForFinished(60000), "1124 ends the first instance");
    QCOMPARE(Erste.readAll(), QByteArray("1124\n"));
    QCOMPARE(Erste.exitCode(), ExitErste);
    QVERIFY2(!QFileInfo::exists(TEinzelinstanz::SperrDatei(Schluessel)), "the first removed its lock at the end");
}

int main(int argc, char **argv) {
    QCoreApplication App(argc, argv);
    if (argc == 3 && (qstrcmp(argv[1], OptionZweite) == 0 || qstrcmp(argv[1], OptionAbsturz) == 0 ||
                      qstrcmp(argv[1], OptionErste) == 0))
        return Kind(argv[1], QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], OptionEnde) == 0)
        return 0;
    TEinzelinstanzTest Test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&Test, argc, argv);
}

#include "tst_einzelinstanz.moc"
