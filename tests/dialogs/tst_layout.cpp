#include "dialogs/Layout.h"

#include "Dialoghilfe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(TSteuerArt)

class TstLayout : public QObject {
    Q_OBJECT
private slots:
    void schriftHoehe_data();
    void schriftHoehe();
    void knopfReihe_data();
    void knopfReihe();
    void zeileVon13Pixeln();
    void knopfReiheUnten();
    void knopfReiheDarunter_data();
    void knopfReiheDarunter();
    void knoepfeNachBeschriftung_data();
    void knoepfeNachBeschriftung();
    void engeKnopfReihe_data();
    void engeKnopfReihe();
    void knopfReiheVerteilen();
    void knopfzeilen_data();
    void knopfzeilen();
    void listenBreite();
    void labelOhneKuerzel();
    void zeilen_data();
    void zeilen();
    void textTraeger_data();
    void textTraeger();
    void knoepfeBehaltenFarbeUndStil();
    void andereBleiben();
    void fensterEinrichten_data();
    void fensterEinrichten();
    void ohneKuerzel_data();
    void ohneKuerzel();
};

void TstLayout::schriftHoehe_data() {
    QTest::addColumn<int>("Groesse");
    QTest::addColumn<TSteuerArt>("Art");
    QTest::addColumn<int>("Zugabe");
    for (int Groesse : {11, 40}) {
        const QByteArray G = QByteArray::number(Groesse) + " px ";
        QTest::newRow(G + "Edit") << Groesse << TSteuerArt::Edit << 8;
        QTest::newRow(G + "Button") << Groesse << TSteuerArt::Button << 12;
        QTest::newRow(G + "StatusBar") << Groesse << TSteuerArt::StatusBar << 6;
        QTest::newRow(G + "CheckBox") << Groesse << TSteuerArt::CheckBox << 8;
        QTest::newRow(G + "Label/Liste") << Groesse << TSteuerArt::Sonstige << 0;
    }
}

void TstLayout::schriftHoehe() {
    QFETCH(int, Groesse);
    QFETCH(TSteuerArt, Art);
    QFETCH(int, Zugabe);
    QCOMPARE(SchriftHoehe(Pixel(Groesse), Art), Zeile(Pixel(Groesse)) + Zugabe);
}

void TstLayout::knopfReihe_data() {
    QTest::addColumn<int>("Groesse");
    QTest::addColumn<int>("Abstand");
    QTest::addColumn<QList<int>>("Links");
    QTest::addColumn<int>("ClientBreite");
    for (int Groesse : {12, 30}) {
        const QByteArray G = QByteArray::number(Groesse) + " px, ";
        QTest::newRow(G + "Wechseln") << Groesse << 125 << QList<int>{125, 375} << 625;
        QTest::newRow(G + "Neu") << Groesse << 125 + 125 / 2 << QList<int>{187, 499} << 811;
        QTest::newRow(G + "Suchen") << Groesse << 125 + 125 / 3 << QList<int>{166, 457, 748} << 1039;
    }
}

void TstLayout::knopfReihe() {
    QFETCH(int, Groesse);
    QFETCH(int, Abstand);
    QFETCH(QList<int>, Links);
    QFETCH(int, ClientBreite);
    QWidget Fenster;
    QList<QPushButton *> Knoepfe;
    for (int Nr = 0; Nr < Links.size(); ++Nr) {
        Knoepfe.append(new QPushButton(QStringLiteral("&Knopf"), &Fenster));
        Knoepfe.last()->setFont(Pixel(Groesse));
    }
    Layout::KnoepfeEinrichten(Knoepfe);
    QCOMPARE(Layout::KnopfReihe(Knoepfe, Abstand), ClientBreite);
    for (int Nr = 0; Nr < Links.size(); ++Nr) {
        QCOMPARE(Knoepfe[Nr]->x(), Links[Nr]);
        QCOMPARE(Knoepfe[Nr]->size(), QSize(125, Zeile(Pixel(Groesse)) + 12));
    }
}

void TstLayout::zeileVon13Pixeln() {
    const QFont Schrift = SchriftMit13();
    if (Schrift.family().isEmpty())
        QSKIP("no installed font size has a 13-pixel line");
    QWidget Fenster;
    auto *Ok = new QPushButton(QStringLiteral("O&K"), &Fenster);
    auto *Abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), &Fenster);
    Ok->setFont(Schrift);
    Abbrechen->setFont(Schrift);
    Layout::KnoepfeEinrichten({Ok, Abbrechen});
    QCOMPARE(Ok->size(), QSize(125, 25));
    QCOMPARE(Layout::KnopfReihe({Ok, Abbrechen}, 187), 811);
}

void TstLayout::knopfReiheUnten() {
    QWidget Fenster;
    auto *Knopf = new QPushButton(&Fenster);
    Knopf->setFont(Pixel(20));
    Layout::KnoepfeEinrichten({Knopf});
    Knopf->move(187, 3);
    Layout::KnopfReiheUnten({Knopf}, 600);
    QCOMPARE(Knopf->pos(), QPoint(187, 600 - (Zeile(Pixel(20)) + 12) - 10));
}

void TstLayout::knopfReiheDarunter_data() {
    QTest::addColumn<int>("Unterkante");
    QTest::addColumn<int>("Abstand");
    QTest::newRow("Rand 10") << 300 << 10;
    QTest::newRow("Rand 20") << 300 << 20;
}

void TstLayout::knopfReiheDarunter() {
    QFETCH(int, Unterkante);
    QFETCH(int, Abstand);
    QWidget Fenster;
    auto *Eins = new QPushButton(&Fenster);
    auto *Zwei = new QPushButton(&Fenster);
    Eins->setFont(Pixel(20));
    Zwei->setFont(Pixel(20));
    Layout::KnoepfeEinrichten({Eins, Zwei});
    const int Hoehe = Zeile(Pixel(20)) + 12;
    QCOMPARE(Layout::KnopfReiheDarunter({Eins, Zwei}, Unterkante, Abstand), Unterkante + Abstand + Hoehe + Abstand);
    QCOMPARE(Eins->y(), Unterkante + Abstand);
    QCOMPARE(Zwei->y(), Unterkante + Abstand);
}

void TstLayout::knoepfeNachBeschriftung_data() {
    QTest::addColumn<int>("Groesse");
    QTest::addColumn<QStringList>("Beschriftungen");
    QTest::addColumn<bool>("BreiterS"); // wider than the designed 125
    QTest::newRow("12 px") << 12 << QStringList{"O&K", "&Abbrechen"} << false;
    QTest::newRow("16 px") << 16 << QStringList{"O&K", "&Abbrechen"} << false;
    QTest::newRow("30 px") << 30 << QStringList{"O&K", "&Abbrechen"} << true;
    QTest::newRow("64 px, drei Knöpfe") << 64 << QStringList{"&Sichern", "A&ktualisieren", "&Schließen"} << true;
}

void TstLayout::knoepfeNachBeschriftung() {
    // Every caption shows whole, however large the font; the buttons of a row stay alike, and the row's gap
    // follows their width.
    QFETCH(int, Groesse);
    QFETCH(QStringList, Beschriftungen);
    QFETCH(bool, BreiterS);
    QWidget Fenster;
    QList<QPushButton *> Knoepfe;
    for (const QString &Text : Beschriftungen) {
        Knoepfe.append(new QPushButton(Text, &Fenster));
        Knoepfe.last()->setFont(Pixel(Groesse));
    }
    const int Breite = Layout::KnoepfeEinrichten(Knoepfe);
    QCOMPARE(Breite > 125, BreiterS);
    for (QPushButton *Knopf : Knoepfe) {
        QCOMPARE(Knopf->size(), QSize(Breite, Zeile(Pixel(Groesse)) + 12));
        QStyleOptionButton Option;
        Option.initFrom(Knopf);
        Option.text = Knopf->text();
        const QRect Platz = Knopf->style()->subElementRect(QStyle::SE_PushButtonContents, &Option, Knopf);
        const int Text = QFontMetrics(Knopf->font()).size(Qt::TextShowMnemonic, Knopf->text()).width();
        QVERIFY2(Text <= Platz.width(),
                 qPrintable(QStringLiteral("%1: %2 > %3").arg(Knopf->text()).arg(Text).arg(Platz.width())));
    }
    const int Abstand = Layout::AbstandAnderthalb(Breite);
    const int Anzahl = static_cast<int>(Knoepfe.size());
    QCOMPARE(Layout::KnopfReihe(Knoepfe, Abstand), Anzahl * Breite + (Anzahl + 1) * Abstand);
    QCOMPARE(Knoepfe.last()->x(), Abstand + (Anzahl - 1) * (Breite + Abstand));
}

void TstLayout::engeKnopfReihe_data() {
    QTest::addColumn<int>("Hoechstens");
    QTest::addColumn<QList<int>>("Links");
    QTest::addColumn<int>("ClientBreite");
    // Two buttons 125 wide with gap 187 need 811.
    QTest::newRow("Platz genug") << 811 << QList<int>{187, 499} << 811;
    QTest::newRow("800er Bildschirm") << 800 << QList<int>{183, 491} << 800;
    QTest::newRow("knapp") << 300 << QList<int>{16, 157} << 300;
    QTest::newRow("Abstand nie unter 10") << 260 << QList<int>{10, 145} << 280;
}

void TstLayout::engeKnopfReihe() {
    // A row wider than the screen narrows its gaps, but keeps 10 pixels between the buttons.
    QFETCH(int, Hoechstens);
    QFETCH(QList<int>, Links);
    QFETCH(int, ClientBreite);
    QWidget Fenster;
    QList<QPushButton *> Knoepfe{new QPushButton(QStringLiteral("O&K"), &Fenster),
                                 new QPushButton(QStringLiteral("&Abbrechen"), &Fenster)};
    for (QPushButton *Knopf : Knoepfe)
        Knopf->setFont(Pixel(12));
    QCOMPARE(Layout::KnoepfeEinrichten(Knoepfe), 125);
    QCOMPARE(Layout::KnopfReihe(Knoepfe, 187, Hoechstens), ClientBreite);
    QCOMPARE(Knoepfe[0]->x(), Links[0]);
    QCOMPARE(Knoepfe[1]->x(), Links[1]);
}

void TstLayout::knopfReiheVerteilen() {
    QWidget Fenster;
    QList<QPushButton *> Knoepfe{new QPushButton(&Fenster), new QPushButton(&Fenster), new QPushButton(&Fenster)};
    Layout::KnoepfeEinrichten(Knoepfe);
    Knoepfe[1]->move(0, 40);
    Layout::KnopfReiheVerteilen(Knoepfe, 1000);
    // 1000 - 3 x 125 = 625 for four gaps of 156.
    QCOMPARE(Knoepfe[0]->x(), 156);
    QCOMPARE(Knoepfe[1]->pos(), QPoint(437, 40));
    QCOMPARE(Knoepfe[2]->x(), 718);
}

void TstLayout::knopfzeilen_data() {
    QTest::addColumn<int>("ClientBreite");
    QTest::addColumn<QList<QPoint>>("Orte"); // of three buttons 125 wide and 25 high, rows from top 100
    QTest::addColumn<int>("Hoehe");
    QTest::newRow("eine Zeile") << 1000 << QList<QPoint>{{156, 100}, {437, 100}, {718, 100}} << 25;
    QTest::newRow("knapp eine Zeile") << 415 << QList<QPoint>{{10, 100}, {145, 100}, {280, 100}} << 25;
    QTest::newRow("zwei und einer") << 414 << QList<QPoint>{{54, 100}, {233, 100}, {144, 135}} << 60;
    QTest::newRow("jeder für sich") << 100 << QList<QPoint>{{0, 100}, {0, 135}, {0, 170}} << 95;
}

void TstLayout::knopfzeilen() {
    // Buttons that do not fit side by side wrap into further rows instead of overlapping.
    QFETCH(int, ClientBreite);
    QFETCH(QList<QPoint>, Orte);
    QFETCH(int, Hoehe);
    QWidget Fenster;
    QList<QPushButton *> Knoepfe;
    for (int Nr = 0; Nr < 3; ++Nr) {
        Knoepfe.append(new QPushButton(&Fenster));
        Knoepfe.last()->resize(125, 25);
    }
    QCOMPARE(Layout::KnopfzeilenHoehe(Knoepfe, ClientBreite), Hoehe);
    Layout::KnopfzeilenVerteilen(Knoepfe, ClientBreite, 100);
    for (int Nr = 0; Nr < 3; ++Nr)
        QCOMPARE(Knoepfe[Nr]->pos(), Orte[Nr]);
}

void TstLayout::listenBreite() {
    // Room for the widest entry beside a scroll bar, so that no entry is cut at the right.
    const QString Lang = QStringLiteral("53/2020-2021 (28.12.2020-3.1.2021)");
    QListWidget Liste;
    Liste.setFont(Pixel(40));
    Liste.addItems({QStringLiteral("1/2026"), Lang});
    Liste.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Liste.resize(Layout::ListenBreite(&Liste), 200);
    Liste.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Liste));
    const int Eintrag = Liste.sizeHintForIndex(Liste.model()->index(1, 0)).width();
    QVERIFY(Eintrag >= QFontMetrics(Pixel(40)).horizontalAdvance(Lang));
    QVERIFY2(Eintrag <= Liste.viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(Eintrag).arg(Liste.viewport()->width())));
    QCOMPARE(Liste.horizontalScrollBar()->maximum(), 0);
}

void TstLayout::labelOhneKuerzel() {
    QWidget Fenster;
    auto *Feld = new QLineEdit(&Fenster);
    auto *MitKuerzel = new QLabel(QStringLiteral("K&lasse:"), &Fenster);
    MitKuerzel->setBuddy(Feld);
    auto *OhneKuerzel = new QLabel(QStringLiteral("Klasse:"), &Fenster);
    for (QLabel *Label : {MitKuerzel, OhneKuerzel})
        Label->setFont(Pixel(30));
    // The "&" has a width of its own: measured with it, the field would start further right.
    QVERIFY(QFontMetrics(Pixel(30)).horizontalAdvance(QStringLiteral("K&lasse:")) >
            QFontMetrics(Pixel(30)).horizontalAdvance(QStringLiteral("Klasse:")));
    QCOMPARE(Layout::FeldLinks({MitKuerzel}), Layout::FeldLinks({OhneKuerzel}));
    QCOMPARE(MitKuerzel->width(), OhneKuerzel->width());
    // As Qt itself sizes the label that shows the accelerator underlined.
    QCOMPARE(MitKuerzel->width(), MitKuerzel->sizeHint().width());
}

void TstLayout::zeilen_data() {
    QTest::addColumn<int>("Groesse");
    QTest::newRow("12 px") << 12;
    QTest::newRow("28 px") << 28;
}

void TstLayout::zeilen() {
    // Two edit rows and a list row in a dialog 811 wide, the widest label in the middle.
    QFETCH(int, Groesse);
    const int ClientBreite = 811;
    QWidget Fenster;
    auto *Edit1 = new QLineEdit(&Fenster);
    auto *Edit2 = new QLineEdit(&Fenster);
    auto *Liste = new QListWidget(&Fenster);
    auto *Label1 = new QLabel(QStringLiteral("&Fach:"), &Fenster);
    auto *Label2 = new QLabel(QStringLiteral("K&lassenname:"), &Fenster);
    auto *Label3 = new QLabel(QStringLiteral("&Wochen:"), &Fenster);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    Label3->setBuddy(Liste);
    ::SchriftartZuweisen(&Fenster, {Pixel(Groesse), Qt::black}, Qt::white);

    QLabel Probe(QStringLiteral("Klassenname:"));
    Probe.setFont(Pixel(Groesse));
    Probe.adjustSize();
    const int Links = Layout::FeldLinks({Label1, Label2, Label3});
    QCOMPARE(Links, 10 + Probe.width() + 5);

    const int Unten1 = Layout::EditZeile(Label1, Edit1, 10, Links, ClientBreite);
    const int Unten2 = Layout::EditZeile(Label2, Edit2, Unten1 + 10, Links, ClientBreite);
    const int Unten3 = Layout::ListenZeile(Label3, Liste, Unten2 + 10, 100, Links, ClientBreite);

    const int EditHoehe = Zeile(Pixel(Groesse)) + 8;
    QCOMPARE(Edit1->geometry(), QRect(Links, 10, ClientBreite - Links - 10, EditHoehe));
    QCOMPARE(Edit2->geometry(), QRect(Links, 10 + EditHoehe + 10, ClientBreite - Links - 10, EditHoehe));
    QCOMPARE(Unten2, 10 + 2 * EditHoehe + 10);
    QCOMPARE(Liste->geometry(), QRect(Links, Unten2 + 10, ClientBreite - Links - 10, 100));
    QCOMPARE(Unten3, Unten2 + 10 + 100);

    // Labels at 10, centred on their edit field (div truncates), at the top of the list.
    for (QLabel *Label : {Label1, Label2, Label3})
        QCOMPARE(Label->x(), 10);
    QCOMPARE(Label1->height(), Probe.height());
    QCOMPARE(Label1->y(), 10 + (EditHoehe - Probe.height()) / 2);
    QCOMPARE(Label2->y(), Edit2->y() + (EditHoehe - Probe.height()) / 2);
    QCOMPARE(Label3->y(), Liste->y());
}

void TstLayout::textTraeger_data() {
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QPalette::ColorRole>("Hinten");
    QTest::addColumn<QPalette::ColorRole>("Vorn");
    QTest::addColumn<bool>("FuelltS");
    QTest::newRow("Label") << "Label" << QPalette::Window << QPalette::WindowText << true;
    QTest::newRow("Label in der Statusleiste") << "Panel" << QPalette::Window << QPalette::WindowText << true;
    QTest::newRow("Statusleiste") << "Status" << QPalette::Window << QPalette::WindowText << true;
    QTest::newRow("CheckBox") << "CheckBox" << QPalette::Window << QPalette::WindowText << true;
    QTest::newRow("Edit") << "Edit" << QPalette::Base << QPalette::Text << false;
    QTest::newRow("Liste") << "Liste" << QPalette::Base << QPalette::Text << false;
    QTest::newRow("TextEdit") << "TextEdit" << QPalette::Base << QPalette::Text << false;
    QTest::newRow("PlainTextEdit") << "PlainTextEdit" << QPalette::Base << QPalette::Text << false;
}

namespace {
// A window with one control of every kind, each named after its kind.
std::unique_ptr<QWidget> Musterfenster() {
    auto Fenster = std::make_unique<QWidget>();
    QFont Entwurf = Pixel(14, QStringLiteral("DejaVu Sans Mono"));
    Entwurf.setUnderline(true); // what a copy that is not full would pass on
    Fenster->setFont(Entwurf);
    auto Neu = [&](QWidget *AKind, const char *AName) { AKind->setObjectName(QLatin1String(AName)); };
    Neu(new QLabel(QStringLiteral("Klasse:"), Fenster.get()), "Label");
    auto *Status = new QStatusBar(Fenster.get());
    Neu(Status, "Status");
    auto *Panel = new QLabel(QStringLiteral("Eintrag: 1/3"));
    Status->addWidget(Panel);
    Neu(Panel, "Panel");
    Neu(new QCheckBox(QStringLiteral("&Genau"), Fenster.get()), "CheckBox");
    Neu(new QLineEdit(Fenster.get()), "Edit");
    Neu(new QListWidget(Fenster.get()), "Liste");
    Neu(new QTextEdit(Fenster.get()), "TextEdit");
    Neu(new QPlainTextEdit(Fenster.get()), "PlainTextEdit");
    Neu(new QPushButton(QStringLiteral("O&K"), Fenster.get()), "Knopf");
    Neu(new QSpinBox(Fenster.get()), "SpinBox");
    auto *Combo = new QComboBox(Fenster.get());
    Combo->setEditable(true);
    Neu(Combo, "ComboBox");
    return Fenster;
}

TSchrift RoteSchrift() {
    QFont Schrift = Pixel(23, QStringLiteral("DejaVu Serif"));
    Schrift.setBold(true);
    Schrift.setItalic(true);
    return {Schrift, QColor(255, 0, 0)};
}

const QColor Himmelblau(166, 202, 240);
} // namespace

void TstLayout::textTraeger() {
    QFETCH(QString, Name);
    QFETCH(QPalette::ColorRole, Hinten);
    QFETCH(QPalette::ColorRole, Vorn);
    QFETCH(bool, FuelltS);
    const auto Fenster = Musterfenster();
    const TSchrift Rot = RoteSchrift();
    ::SchriftartZuweisen(Fenster.get(), Rot, Himmelblau);

    auto *Kind = Fenster->findChild<QWidget *>(Name);
    QVERIFY(Kind);
    QCOMPARE(Kind->palette().color(Hinten), Himmelblau);
    QCOMPARE(Kind->palette().color(Vorn), Rot.Farbe);
    if (FuelltS)
        QVERIFY2(Kind->autoFillBackground(), "paints its background only when filling it");
    const QFont Schrift = Kind->font();
    QCOMPARE(Schrift.family(), Rot.Font.family());
    QCOMPARE(Schrift.pixelSize(), 23);
    QVERIFY(Schrift.bold());
    QVERIFY(Schrift.italic());
    QVERIFY2(!Schrift.underline(), "the window's underline leaked into the user font");
}

void TstLayout::knoepfeBehaltenFarbeUndStil() {
    const auto Fenster = Musterfenster();
    auto *Knopf = Fenster->findChild<QPushButton *>(QStringLiteral("Knopf"));
    QPalette Blau = Knopf->palette();
    Blau.setColor(QPalette::ButtonText, Qt::blue);
    Knopf->setPalette(Blau);
    const QPalette Vorher = Knopf->palette();

    const TSchrift Rot = RoteSchrift();
    ::SchriftartZuweisen(Fenster.get(), Rot, Himmelblau);
    QCOMPARE(Knopf->font().family(), Rot.Font.family());
    QCOMPARE(Knopf->font().pixelSize(), 23);
    QVERIFY2(!Knopf->font().bold() && !Knopf->font().italic(), "the button took the user font's style");
    QVERIFY(Knopf->font().underline()); // designed through the window, stays
    QCOMPARE(Knopf->palette().color(QPalette::ButtonText), QColor(Qt::blue));
    QCOMPARE(Knopf->palette().color(QPalette::Button), Vorher.color(QPalette::Button));

    // A user font in points gives the button that point size.
    QFont Punkte(QStringLiteral("DejaVu Serif"));
    Punkte.setPointSize(31);
    ::SchriftartZuweisen(Fenster.get(), {Punkte, Qt::red}, Himmelblau);
    QCOMPARE(Knopf->font().pointSize(), 31);
}

void TstLayout::andereBleiben() {
    // Spin box and combo box are neither kind; their inner edit fields belong to them.
    const auto Fenster = Musterfenster();
    QList<QWidget *> Andere{Fenster->findChild<QWidget *>(QStringLiteral("SpinBox")),
                            Fenster->findChild<QWidget *>(QStringLiteral("ComboBox"))};
    for (QWidget *Kind : QList<QWidget *>(Andere))
        Andere.append(Kind->findChildren<QLineEdit *>().value(0));
    QCOMPARE(Andere.count(nullptr), 0);
    QList<QFont> Schriften;
    QList<QColor> Hintergruende;
    for (QWidget *Kind : Andere) {
        Schriften.append(Kind->font());
        Hintergruende.append(Kind->palette().color(QPalette::Base));
    }
    ::SchriftartZuweisen(Fenster.get(), RoteSchrift(), Himmelblau);
    for (int Nr = 0; Nr < Andere.size(); ++Nr) {
        QCOMPARE(Andere[Nr]->font(), Schriften[Nr]);
        QCOMPARE(Andere[Nr]->palette().color(QPalette::Base), Hintergruende[Nr]);
    }
}

void TstLayout::fensterEinrichten_data() {
    // Window size as the screen size plus a difference.
    QTest::addColumn<QSize>("Mehr");
    QTest::addColumn<QPoint>("Ort"); // relative to the screen
    QTest::newRow("so gross wie der Schirm") << QSize(0, 0) << QPoint(0, 0);
    QTest::newRow("groesser als der Schirm") << QSize(239, 100) << QPoint(0, 0);
    QTest::newRow("ein Pixel kleiner") << QSize(-1, -1) << QPoint(0, 0);
    QTest::newRow("drei Pixel kleiner") << QSize(-3, -3) << QPoint(0, 0);
    QTest::newRow("fuenf und vier Pixel kleiner") << QSize(-5, -4) << QPoint(1, 1);
    QTest::newRow("hundert Pixel kleiner") << QSize(-100, -101) << QPoint(49, 49);
}

void TstLayout::fensterEinrichten() {
    QFETCH(QSize, Mehr);
    QFETCH(QPoint, Ort);
    const QRect Schirm = QGuiApplication::primaryScreen()->geometry();
    QWidget Fenster;
    Fenster.resize(Schirm.size() + Mehr);
    ::FensterEinrichten(&Fenster);
    QCOMPARE(Fenster.pos(), Schirm.topLeft() + Ort);
    QCOMPARE(Fenster.size(), Schirm.size() + Mehr); // placing never resizes

    // The search dialog on a narrow screen: left edge 0, runs past the right edge; centred vertically.
    Fenster.resize(Schirm.width() + 239, 200);
    ::FensterEinrichten(&Fenster);
    QCOMPARE(Fenster.pos(), Schirm.topLeft() + QPoint(0, (Schirm.height() - 200) / 2 - 1));
}

void TstLayout::ohneKuerzel_data() {
    QTest::addColumn<QString>("Caption");
    QTest::addColumn<QString>("Gesprochen");
    const QList<QPair<QString, QString>> Faelle{
        {"O&K", "OK"},
        {"&Abbrechen", "Abbrechen"},
        {"Schließen", "Schließen"},
        {"Lehrer && Schüler", "Lehrer & Schüler"},
        {"A&&&B", "A&B"},
        {"Programm-&Änderungen...", "Programm-Änderungen..."},
        {"Ende&", "Ende&"},
    };
    for (const auto &[Caption, Gesprochen] : Faelle)
        QTest::newRow(Caption.toUtf8()) << Caption << Gesprochen;
}

void TstLayout::ohneKuerzel() {
    QFETCH(QString, Caption);
    QFETCH(QString, Gesprochen);
    QCOMPARE(OhneKuerzel(Caption), Gesprochen);
    QPushButton Knopf;
    KnopfTextZuweisen(&Knopf, Caption);
    QCOMPARE(Knopf.text(), Caption);
    QCOMPARE(Knopf.accessibleName(), Gesprochen);
}

QTEST_MAIN(TstLayout)
#include "tst_layout.moc"
