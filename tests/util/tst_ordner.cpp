#include "util/Ordner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

namespace {
bool Schreiben(const QString &APfad, const QByteArray &AInhalt) {
    QFile Datei(APfad);
    return Datei.open(QIODevice::WriteOnly) && Datei.write(AInhalt) == AInhalt.size();
}

QByteArray Inhalt(const QString &APfad) {
    QFile Datei(APfad);
    return Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : QByteArray();
}

QStringList AllesIn(const QString &AOrdner) {
    return QDir(AOrdner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
} // namespace

class TOrdnerTest : public QObject {
    Q_OBJECT

private slots:
    void ProgrammOrdner();
    void EigeneDateien_data();
    void EigeneDateien();
    void RessourcePfad_data();
    void RessourcePfad();
    void RessourceAusDemQuellbaum();
    void OrdnerBeschreibbar_data();
    void OrdnerBeschreibbar();
    void OrdnerBeschreibbarSchreibgeschuetzt();
    void OrdnerEntfernenWennLeer_data();
    void OrdnerEntfernenWennLeer();
};

void TOrdnerTest::ProgrammOrdner() {
    const QString Ordner = ::ProgrammOrdner();
    QVERIFY2(Ordner.endsWith(QLatin1Char('/')) && !Ordner.endsWith(QStringLiteral("//")), qPrintable(Ordner));
    QVERIFY2(QFileInfo::exists(Ordner + QFileInfo(QCoreApplication::applicationFilePath()).fileName()),
             "the test program lies in the program folder");
}

void TOrdnerTest::EigeneDateien_data() {
    QTest::addColumn<QByteArray>("Eintrag");
    QTest::addColumn<QString>("Erwartet");

    const QString Heim = QDir::homePath();
    QTest::newRow("unter dem Heimordner")
        << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/Meine Dokumente\"\n") << Heim + QStringLiteral("/Meine Dokumente/");
    QTest::newRow("mit Schrägstrich am Ende")
        << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente/\"\n") << Heim + QStringLiteral("/Dokumente/");
    QTest::newRow("Umlaut, anderswo") << QByteArray("XDG_DOCUMENTS_DIR=\"/srv/Schüler/Übungen\"\n")
                                      << QStringLiteral("/srv/Schüler/Übungen/");
}

void TOrdnerTest::EigeneDateien() {
#ifndef Q_OS_LINUX
    QSKIP("the documents folder is set through the XDG user folders only on Linux");
#endif
    QFETCH(QByteArray, Eintrag);
    QFETCH(QString, Erwartet);

    // The user's folder list lives in the configuration folder; this test brings its own.
    QTemporaryDir Konfiguration;
    QVERIFY(Konfiguration.isValid());
    QVERIFY(Schreiben(Konfiguration.filePath(QStringLiteral("user-dirs.dirs")), Eintrag));
    const QByteArray Vorher = qgetenv("XDG_CONFIG_HOME");
    const bool VorherGesetztS = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Konfiguration.path()));
    const auto Zurueck = qScopeGuard([&] {
        if (VorherGesetztS)
            qputenv("XDG_CONFIG_HOME", Vorher);
        else
            qunsetenv("XDG_CONFIG_HOME");
    });

    QCOMPARE(::EigeneDateien(), Erwartet);
}

void TOrdnerTest::RessourcePfad_data() {
    QTest::addColumn<bool>("DanebenS");
    QTest::addColumn<bool>("ShareS");
    QTest::addColumn<QString>("Gefunden"); // "daneben" or "share"

    QTest::newRow("neben dem Programm") << true << false << QStringLiteral("daneben");
    QTest::newRow("im share-Ordner") << false << true << QStringLiteral("share");
    QTest::newRow("beides: neben dem Programm zuerst") << true << true << QStringLiteral("daneben");
    QTest::newRow("nirgends: der Platz neben dem Programm") << false << false << QStringLiteral("daneben");
}

void TOrdnerTest::RessourcePfad() {
    QFETCH(bool, DanebenS);
    QFETCH(bool, ShareS);
    QFETCH(QString, Gefunden);

    // The test program stands in for the installed one: <build>/tests/util/ beside, <build>/tests/share/.
    const QString Name = QStringLiteral("tst-ordner-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString ShareOrdner = QDir::cleanPath(::ProgrammOrdner() + QStringLiteral("../share/stundolog"));
    const QString Daneben = ::ProgrammOrdner() + Name;
    const QString Share = ShareOrdner + QLatin1Char('/') + Name;
    const bool ShareNeuS = !QFileInfo::exists(ShareOrdner);
    const auto Aufraeumen = qScopeGuard([&] {
        QFile::remove(Daneben);
        QFile::remove(Share);
        if (ShareNeuS)
            QDir().rmpath(ShareOrdner);
    });
    if (DanebenS)
        QVERIFY(Schreiben(Daneben, "daneben"));
    if (ShareS) {
        QVERIFY(QDir().mkpath(ShareOrdner));
        QVERIFY(Schreiben(Share, "share"));
    }

    const QString Pfad = ::RessourcePfad(Name);
    QCOMPARE(QFileInfo(Pfad).absoluteFilePath(),
             QFileInfo(Gefunden == QLatin1String("share") ? Share : Daneben).absoluteFilePath());
    QCOMPARE(Inhalt(Pfad), (DanebenS || ShareS) ? Gefunden.toUtf8() : QByteArray());
}

void TOrdnerTest::RessourceAusDemQuellbaum() {
    // Nothing of the program's own lies beside a test program; a program run from the build finds the
    // files of the source tree.
    const QString Pfad = ::RessourcePfad(QStringLiteral("NeueZeile.wav"));
    QVERIFY2(QFileInfo(Pfad).isFile(), qPrintable(Pfad));
    QVERIFY(Inhalt(Pfad).startsWith("RIFF"));
}

void TOrdnerTest::OrdnerBeschreibbar_data() {
    QTest::addColumn<QString>("Art");
    QTest::addColumn<bool>("Erwartet");

    QTest::newRow("beschreibbar") << QStringLiteral("Ordner") << true;
    QTest::newRow("mit Schrägstrich am Ende") << QStringLiteral("Ordner/") << true;
    QTest::newRow("Umlaut und Leerzeichen") << QStringLiteral("Schüler Ordner") << true;
    QTest::newRow("fehlt") << QStringLiteral("fehlt") << false;
    QTest::newRow("Datei statt Ordner") << QStringLiteral("Datei") << false;
    QTest::newRow("leerer Pfad") << QStringLiteral("leer") << false;
    // A folder in which not even the administrator can make a file.
    QTest::newRow("/proc") << QStringLiteral("/proc") << false;
}

void TOrdnerTest::OrdnerBeschreibbar() {
    QFETCH(QString, Art);
    QFETCH(bool, Erwartet);

    QTemporaryDir Basis;
    QVERIFY(Basis.isValid());
    QString Pfad;
    if (Art == QLatin1String("Ordner") || Art == QLatin1String("Ordner/")) {
        Pfad = Basis.path() + (Art.endsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString());
    } else if (Art == QStringLiteral("Schüler Ordner")) {
        Pfad = Basis.filePath(Art);
        QVERIFY(QDir().mkdir(Pfad));
    } else if (Art == QLatin1String("fehlt")) {
        Pfad = Basis.filePath(QStringLiteral("fehlt"));
    } else if (Art == QLatin1String("Datei")) {
        Pfad = Basis.filePath(QStringLiteral("Datei"));
        QVERIFY(Schreiben(Pfad, "x"));
    } else if (Art == QLatin1String("/proc")) {
        if (!QFileInfo(QStringLiteral("/proc/self")).exists())
            QSKIP("no /proc on this system");
        Pfad = Art;
    }

    QCOMPARE(::OrdnerBeschreibbar(Pfad), Erwartet);
    if (Erwartet)
        QVERIFY2(AllesIn(Pfad).isEmpty(), "the probe leaves nothing behind");
    QVERIFY2(!QFileInfo::exists(Basis.filePath(QStringLiteral("fehlt"))), "a missing folder is not made");
}

void TOrdnerTest::OrdnerBeschreibbarSchreibgeschuetzt() {
    QTemporaryDir Basis;
    QVERIFY(Basis.isValid());
    const QString Pfad = Basis.filePath(QStringLiteral("nur lesen"));
    QVERIFY(QDir().mkdir(Pfad));
    QVERIFY(QFile::setPermissions(Pfad, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::ExeOther));
    const auto Zurueck =
        qScopeGuard([&] { QFile::setPermissions(Pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });

    // Root (and any user allowed to override file permissions) writes into it all the same.
    QFile Versuch(Pfad + QStringLiteral("/Versuch"));
    if (Versuch.open(QIODevice::WriteOnly)) {
        Versuch.close();
        Versuch.remove();
        QSKIP("running as root: permission bits do not keep this user out of a read-only folder");
    }
    QVERIFY(!::OrdnerBeschreibbar(Pfad));
}

void TOrdnerTest::OrdnerEntfernenWennLeer_data() {
    QTest::addColumn<QString>("Eintrag"); // a file or folder to put into it, or empty
    QTest::addColumn<bool>("SchraegstrichS");
    QTest::addColumn<bool>("Entfernt");

    QTest::newRow("leer") << QString() << false << true;
    QTest::newRow("leer, mit Schrägstrich") << QString() << true << true;
    QTest::newRow("mit Klassendatei") << QStringLiteral("5a.SGV") << false << false;
    QTest::newRow("mit versteckter Datei") << QStringLiteral(".versteckt") << false << false;
    QTest::newRow("mit leerem Unterordner") << QStringLiteral("Unterordner/") << false << false;
}

void TOrdnerTest::OrdnerEntfernenWennLeer() {
    QFETCH(QString, Eintrag);
    QFETCH(bool, SchraegstrichS);
    QFETCH(bool, Entfernt);

    QTemporaryDir Basis;
    QVERIFY(Basis.isValid());
    const QString Ordner = Basis.filePath(QStringLiteral("Stundolog"));
    QVERIFY(QDir().mkdir(Ordner));
    if (Eintrag.endsWith(QLatin1Char('/')))
        QVERIFY(QDir().mkdir(Ordner + QLatin1Char('/') + Eintrag));
    else if (!Eintrag.isEmpty())
        QVERIFY(Schreiben(Ordner + QLatin1Char('/') + Eintrag, "Klasse"));

    QCOMPARE(::OrdnerEntfernenWennLeer(SchraegstrichS ? Ordner + QLatin1Char('/') : Ordner), Entfernt);
    QCOMPARE(QFileInfo::exists(Ordner), !Entfernt);
    if (!Entfernt && !Eintrag.endsWith(QLatin1Char('/')))
        QCOMPARE(Inhalt(Ordner + QLatin1Char('/') + Eintrag), QByteArray("Klasse"));

    // Gone is gone: a second call finds nothing to remove.
    if (Entfernt)
        QVERIFY(!::OrdnerEntfernenWennLeer(Ordner));
}

QTEST_MAIN(TOrdnerTest)

#include "tst_ordner.moc"
