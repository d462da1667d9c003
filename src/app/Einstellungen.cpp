#include "app/Einstellungen.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <limits>
#include <optional>

namespace {

const QString Organisation = QStringLiteral("Stundolog");
const QString Anwendung = QStringLiteral("Stundolog");

// The largest size the Windows font dialog accepts; anything beyond is a damaged value, not a wish.
constexpr int GroessteSchrift = 1638;

// True when the store can be opened the way the registry key is: an existing file must be readable, a missing one
// must be creatable (isWritable() creates the folder and tries a file there).
bool Lesbar(QSettings &ASpeicher) {
    if (ASpeicher.status() != QSettings::NoError)
        return false;
    if (ASpeicher.format() == QSettings::IniFormat) {
        const QFileInfo Datei(ASpeicher.fileName());
        if (Datei.exists())
            return Datei.isFile() && Datei.isReadable();
    }
    return ASpeicher.isWritable();
}

// A number as the store gives it back: a REG_DWORD arrives as an int, an INI value as text (or typed, while the
// file is cached by this process). Anything else, including text that is no decimal integer, is no number.
std::optional<qint64> Zahl(const QSettings &ASpeicher, const QString &AName) {
    const QVariant Wert = ASpeicher.value(AName);
    bool OkS = false;
    qint64 Ergebnis = 0;
    switch (Wert.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        Ergebnis = Wert.toLongLong(&OkS);
        break;
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong Ohne = Wert.toULongLong(&OkS);
        OkS = OkS && Ohne <= static_cast<qulonglong>(std::numeric_limits<qint64>::max());
        Ergebnis = static_cast<qint64>(Ohne);
        break;
    }
    case QMetaType::QString:
    case QMetaType::QByteArray:
        Ergebnis = Wert.toString().trimmed().toLongLong(&OkS, 10);
        break;
    default:
        break;
    }
    if (!OkS)
        return std::nullopt;
    return Ergebnis;
}

std::optional<int> Ganzzahl(const QSettings &ASpeicher, const QString &AName) {
    const auto Wert = Zahl(ASpeicher, AName);
    if (!Wert || *Wert < std::numeric_limits<int>::min() || *Wert > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*Wert);
}

// A 32-bit value; a negative int is the same DWORD read as signed (that is how the registry hands it to Qt).
std::optional<quint32> Dword(const QSettings &ASpeicher, const QString &AName) {
    const auto Wert = Zahl(ASpeicher, AName);
    if (!Wert)
        return std::nullopt;
    if (*Wert >= 0 && *Wert <= static_cast<qint64>(std::numeric_limits<quint32>::max()))
        return static_cast<quint32>(*Wert);
    if (*Wert < 0 && *Wert >= std::numeric_limits<qint32>::min())
        return static_cast<quint32>(static_cast<qint32>(*Wert));
    return std::nullopt;
}

bool Schalter(const QSettings &ASpeicher, const QString &AName, bool AVorgabeS) {
    const auto Wert = Zahl(ASpeicher, AName);
    return Wert ? *Wert != 0 : AVorgabeS;
}

// A text value. An unquoted INI value with commas comes back as a list whose blanks around the commas are gone;
// the usual writing ", " is the best guess to put it together again. (Values written here are quoted and come back
// whole.)
std::optional<QString> Text(const QSettings &ASpeicher, const QString &AName) {
    const QVariant Wert = ASpeicher.value(AName);
    if (!Wert.isValid())
        return std::nullopt;
    if (Wert.typeId() == QMetaType::QStringList)
        return Wert.toStringList().join(QStringLiteral(", "));
    return Wert.toString();
}

bool IstTrenner(QChar AZeichen) {
    return AZeichen == u'/' || AZeichen == u'\\';
}

QString OhneOrdner(const QString &APfad) {
    qsizetype Anfang = APfad.size();
    while (Anfang > 0 && !IstTrenner(APfad.at(Anfang - 1)))
        --Anfang;
    return APfad.mid(Anfang);
}

// Only plain decimal digits count; a sign, a blank or an overflowing number is no subject number.
std::optional<int> Fachnummer(QStringView AWort) {
    if (AWort.isEmpty())
        return std::nullopt;
    for (const QChar Zeichen : AWort)
        if (Zeichen < u'0' || Zeichen > u'9')
            return std::nullopt;
    bool OkS = false;
    const int Nummer = AWort.toInt(&OkS, 10);
    if (!OkS)
        return std::nullopt;
    return Nummer;
}

QColor Systemfarbe(int AIndex, const QPalette &APalette) {
    // The Windows COLOR_* indexes that have a counterpart among the palette roles.
    switch (AIndex) {
    case 2:  // active caption
    case 13: // highlight
    case 29: // menu highlight
        return APalette.color(QPalette::Highlight);
    case 9:  // caption text
    case 14: // highlighted text
        return APalette.color(QPalette::HighlightedText);
    case 4:  // menu
    case 30: // menu bar
        return APalette.color(QPalette::Window);
    case 5: // window background
        return APalette.color(QPalette::Base);
    case 6:  // window frame
    case 21: // 3D dark shadow
        return APalette.color(QPalette::Shadow);
    case 15: // button face
        return APalette.color(QPalette::Button);
    case 16: // button shadow
        return APalette.color(QPalette::Dark);
    case 17: // grey text
        return APalette.color(QPalette::Disabled, QPalette::WindowText);
    case 18: // button text
        return APalette.color(QPalette::ButtonText);
    case 20: // button highlight
        return APalette.color(QPalette::Light);
    case 22: // 3D light
        return APalette.color(QPalette::Midlight);
    case 23: // tooltip text
        return APalette.color(QPalette::ToolTipText);
    case 24: // tooltip background
        return APalette.color(QPalette::ToolTipBase);
    case 26: // hot-tracked item
        return APalette.color(QPalette::Link);
    default: // 7 menu text, 8 window text and everything without a counterpart
        return APalette.color(QPalette::WindowText);
    }
}

} // namespace

TEinstellungen EinstellungenUngelesen() {
    TEinstellungen Einstellungen;
    Einstellungen.AktOrdner = 0;
    Einstellungen.Oeffnen = false;
    Einstellungen.Sounds = false;
    Einstellungen.Wochendatum = false;
    Einstellungen.Sik = false;
    Einstellungen.FontName = QStringLiteral("Courier New");
    Einstellungen.FontSize = 14;
    return Einstellungen;
}

std::unique_ptr<QSettings> EinstellungenOeffnen() {
#ifdef Q_OS_WIN
    auto Speicher = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, Organisation, Anwendung);
    // Only the user's own key counts; no machine-wide or organisation-wide values.
    Speicher->setFallbacksEnabled(false);
    return Speicher;
#else
    // The file is named here rather than by organisation and application: IniFormat would call it
    // Stundolog.ini, and a file given by name has no system-wide fallbacks, just as HKEY_CURRENT_USER.
    QString Ordner = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (Ordner.isEmpty())
        Ordner = QDir::homePath() + QStringLiteral("/.config");
    return std::make_unique<QSettings>(Ordner + u'/' + Organisation + u'/' + Anwendung + QStringLiteral(".conf"),
                                       QSettings::IniFormat);
#endif
}

bool EinstellungenLesen(QSettings &ASpeicher, TEinstellungen &AEinstellungen) {
    if (!Lesbar(ASpeicher))
        return false;
    TEinstellungen E;

    E.AktOrdner = Ganzzahl(ASpeicher, QStringLiteral("AktOrdner")).value_or(2) == 1 ? 1 : 2;

    if (const auto Wert = Text(ASpeicher, QStringLiteral("Filename"))) {
        const TFilenameTeile Teile = FilenameZerlegen(*Wert);
        E.FilenameVorhanden = true;
        E.Filename = Teile.Dateiname;
        E.StartFachNr = Teile.FachNr;
    }

    E.HintColor = Ganzzahl(ASpeicher, QStringLiteral("HintColor")).value_or(1);
    E.Oeffnen = Schalter(ASpeicher, QStringLiteral("Oeffnen"), true);
    E.Sounds = Schalter(ASpeicher, QStringLiteral("Sounds"), true);
    E.Wochendatum = Schalter(ASpeicher, QStringLiteral("Wochendatum"), true);
    E.Sik = Schalter(ASpeicher, QStringLiteral("Sik"), false);

    const QString FontName = Text(ASpeicher, QStringLiteral("FontName")).value_or(QString());
    E.FontName = FontName.isEmpty() ? QStringLiteral("Arial") : FontName;
    const int FontSize = Ganzzahl(ASpeicher, QStringLiteral("FontSize")).value_or(12);
    E.FontSize = FontSize >= 1 && FontSize <= GroessteSchrift ? FontSize : 12;
    E.FontColor = Dword(ASpeicher, QStringLiteral("FontColor")).value_or(SystemfarbeFensterText);
    const int FontCharSet = Ganzzahl(ASpeicher, QStringLiteral("FontCharSet")).value_or(0);
    E.FontCharSet = FontCharSet >= 0 && FontCharSet <= 255 ? FontCharSet : 0;
    // Only the four style bits are looked at; other bits of the DWORD carry nothing.
    E.FontStyle = static_cast<int>(Dword(ASpeicher, QStringLiteral("FontStyle")).value_or(0) & 0xFu);

    AEinstellungen = E;
    return true;
}

bool EinstellungenSchreiben(QSettings &ASpeicher, const TEinstellungen &AEinstellungen) {
    if (ASpeicher.status() != QSettings::NoError || !ASpeicher.isWritable())
        return false;
    const TEinstellungen &E = AEinstellungen;
    const auto AlsZahl = [](bool AS) { return AS ? 1 : 0; };
    ASpeicher.setValue(QStringLiteral("AktOrdner"), E.AktOrdner == 1 ? 1 : 2);
    ASpeicher.setValue(QStringLiteral("Filename"), FilenameZusammensetzen(E.Filename, E.StartFachNr));
    ASpeicher.setValue(QStringLiteral("HintColor"), E.HintColor);
    ASpeicher.setValue(QStringLiteral("Oeffnen"), AlsZahl(E.Oeffnen));
    ASpeicher.setValue(QStringLiteral("Sounds"), AlsZahl(E.Sounds));
    ASpeicher.setValue(QStringLiteral("Wochendatum"), AlsZahl(E.Wochendatum));
    ASpeicher.setValue(QStringLiteral("Sik"), AlsZahl(E.Sik));
    ASpeicher.setValue(QStringLiteral("FontName"), E.FontName);
    ASpeicher.setValue(QStringLiteral("FontSize"), E.FontSize);
    ASpeicher.setValue(QStringLiteral("FontColor"), E.FontColor);
    ASpeicher.setValue(QStringLiteral("FontCharSet"), E.FontCharSet);
    ASpeicher.setValue(QStringLiteral("FontStyle"), E.FontStyle & 0xF);
    ASpeicher.sync();
    return ASpeicher.status() == QSettings::NoError;
}

TFilenameTeile FilenameZerlegen(const QString &AWert) {
    // The last word: the last run of characters other than the blank.
    qsizetype Ende = AWert.size();
    while (Ende > 0 && AWert.at(Ende - 1) == u' ')
        --Ende;
    qsizetype Anfang = Ende;
    while (Anfang > 0 && AWert.at(Anfang - 1) != u' ')
        --Anfang;

    TFilenameTeile Teile;
    // The name is everything before the one blank in front of the last word; further blanks belong to the name,
    // which may itself begin or end with blanks. A value of one word has no name.
    if (Anfang > 0)
        Teile.Dateiname = OhneOrdner(AWert.left(Anfang - 1));
    Teile.FachNr = Fachnummer(QStringView(AWert).mid(Anfang, Ende - Anfang)).value_or(1);
    return Teile;
}

QString FilenameZusammensetzen(const QString &ADateiname, int AFachNr) {
    return OhneOrdner(ADateiname) + u' ' + QString::number(AFachNr);
}

QFont SchriftAusEinstellungen(const TEinstellungen &AEinstellungen) {
    QFont Schrift(AEinstellungen.FontName);
    Schrift.setPointSize(AEinstellungen.FontSize >= 1 ? AEinstellungen.FontSize : 12);
    const int Stil = AEinstellungen.FontStyle;
    Schrift.setItalic((Stil & Schriftstil::Kursiv) != 0);
    Schrift.setBold((Stil & Schriftstil::Fett) != 0);
    Schrift.setUnderline((Stil & Schriftstil::Unterstrichen) != 0);
    Schrift.setStrikeOut((Stil & Schriftstil::Durchgestrichen) != 0);
    return Schrift;
}

QColor SchriftFarbe(quint32 AFontColor, const QPalette &APalette) {
    if (IstSystemfarbe(AFontColor))
        return Systemfarbe(static_cast<int>(AFontColor & 0xFFu), APalette);
    return QColor(static_cast<int>(AFontColor & 0xFFu), static_cast<int>((AFontColor >> 8) & 0xFFu),
                  static_cast<int>((AFontColor >> 16) & 0xFFu));
}

void SchriftInEinstellungen(const QFont &AFont, const QColor &AFarbe, bool AFarbeIstSystemText,
                            TEinstellungen &AEinstellungen) {
    AEinstellungen.FontName = AFont.family();
    if (AFont.pointSize() > 0)
        AEinstellungen.FontSize = AFont.pointSize();
    else if (AFont.pointSizeF() > 0)
        AEinstellungen.FontSize = qMax(1, qRound(AFont.pointSizeF()));
    int Stil = 0;
    if (AFont.italic())
        Stil |= Schriftstil::Kursiv;
    if (AFont.bold())
        Stil |= Schriftstil::Fett;
    if (AFont.underline())
        Stil |= Schriftstil::Unterstrichen;
    if (AFont.strikeOut())
        Stil |= Schriftstil::Durchgestrichen;
    AEinstellungen.FontStyle = Stil;
    if (AFarbeIstSystemText) {
        AEinstellungen.FontColor = SystemfarbeFensterText;
    } else {
        const QColor Farbe = AFarbe.toRgb();
        AEinstellungen.FontColor = static_cast<quint32>(Farbe.red()) | static_cast<quint32>(Farbe.green()) << 8 |
                                   static_cast<quint32>(Farbe.blue()) << 16;
    }
}
