#include "dialogs/Namensfeld.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

class TstNamensfeld : public QObject {
    Q_OBJECT
private slots:
    void eingabe_data();
    void eingabe();
    void hinweisVerschwindet();
    void programmTextBleibt();
    void altTipptNicht();
};

void TstNamensfeld::eingabe_data() {
    QTest::addColumn<QString>("Vorher");   // the field's text, caret at its end
    QTest::addColumn<QString>("Getippt");  // pasted at the caret
    QTest::addColumn<QString>("Nachher");
    QTest::addColumn<int>("Caret");
    QTest::addColumn<QString>("Hinweis");
    QTest::newRow("Latin-1 bleibt") << "7" << "ä b" << "7ä b" << 4 << "";
    QTest::newRow("Euro") << "5" << "€a" << "5EURa" << 5 << "Ersetzt: „€“ durch „EUR“";
    QTest::newRow("Anführungszeichen und Strich")
        << "" << QString::fromUtf8("„Deutsch“ – Kurs") << "\"Deutsch\" - Kurs" << 16
        << "Ersetzt: „„“ durch „\"“, „““ durch „\"“, „–“ durch „-“";
    QTest::newRow("fremde Schrift") << "Klasse " << QString::fromUtf8("Ωβ") << "Klasse ??" << 9
                                    << "Ersetzt: „Ω“ durch „?“, „β“ durch „?“";
}

void TstNamensfeld::eingabe() {
    QFETCH(QString, Vorher);
    QFETCH(QString, Getippt);
    QFETCH(QString, Nachher);
    QFETCH(int, Caret);
    QFETCH(QString, Hinweis);
    QLineEdit Feld;
    NamensfeldEinrichten(&Feld);
    Feld.setText(Vorher);
    QApplication::clipboard()->setText(Getippt);
    Feld.paste();
    QCOMPARE(Feld.text(), Nachher);
    QCOMPARE(Feld.cursorPosition(), Caret);
    QCOMPARE(NamensfeldHinweis(&Feld), Hinweis);
    QCOMPARE(Feld.toolTip(), Hinweis);
}

void TstNamensfeld::hinweisVerschwindet() {
    QLineEdit Feld;
    NamensfeldEinrichten(&Feld);
    QTest::keyClicks(&Feld, QStringLiteral("4"));
    QApplication::clipboard()->setText(QStringLiteral("→"));
    Feld.paste();
    QCOMPARE(Feld.text(), QStringLiteral("4?"));
    QVERIFY(!NamensfeldHinweis(&Feld).isEmpty());
    QTest::keyClicks(&Feld, QStringLiteral("b"));
    QCOMPARE(Feld.text(), QStringLiteral("4?b"));
    QCOMPARE(NamensfeldHinweis(&Feld), QString());
}

void TstNamensfeld::programmTextBleibt() {
    QLineEdit Feld;
    NamensfeldEinrichten(&Feld);
    Feld.setText(QStringLiteral("€"));
    QCOMPARE(Feld.text(), QStringLiteral("€"));
    QCOMPARE(NamensfeldHinweis(&Feld), QString());
}

void TstNamensfeld::altTipptNicht() {
    QLineEdit Feld;
    NamensfeldEinrichten(&Feld);
    QTest::keyClicks(&Feld, QStringLiteral("7"));
    QTest::keyClick(&Feld, Qt::Key_K, Qt::AltModifier);
    QTest::keyClicks(&Feld, QStringLiteral("B"));
    QCOMPARE(Feld.text(), QStringLiteral("7B"));
}

QTEST_MAIN(TstNamensfeld)
#include "tst_namensfeld.moc"
