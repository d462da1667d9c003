#pragma once

// The per-user settings of the main window: twelve values in one store, read once when the main window is
// first shown and written as a whole after every change. On Windows the store is the registry key
// HKEY_CURRENT_USER\Software\Stundolog; elsewhere the INI file $XDG_CONFIG_HOME/Stundolog/Stundolog.conf with the
// same value names as top-level keys. Numbers are stored as numbers (REG_DWORD), texts as texts.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QtGlobal>

#include <memory>

class QSettings;

// Font colours are Windows colour values: 0x00BBGGRR, or 0xFF0000nn for the system colour nn.
constexpr quint32 SystemfarbeFensterText = 0xFF000008;
constexpr bool IstSystemfarbe(quint32 AFarbe) {
    return (AFarbe & 0xFF000000u) == 0xFF000000u;
}

struct TEinstellungen {
    int AktOrdner = 2;              // 1 documents folder, 2 program folder; 0 only in the unread state (no kind)
    bool FilenameVorhanden = false; // the store held "Filename"
    QString Filename;               // the last class file's name without its folder; may be empty
    int StartFachNr = 0;            // subject to start on; when writing: the current subject number
    int HintColor = 1;              // index into the background colour list, stored as given
    bool Oeffnen = true, Sounds = true, Wochendatum = true, Sik = false;
    QString FontName = QStringLiteral("Arial");
    int FontSize = 12; // points
    quint32 FontColor = SystemfarbeFensterText;
    int FontCharSet = 0; // kept for the Windows font; Qt has no character set per font
    int FontStyle = 0;   // bit mask: 1 italic, 2 bold, 4 underline, 8 strikeout
};

// Font style bits as stored: italic is 1 and bold 2, the order the stored settings have always used.
namespace Schriftstil {
constexpr int Kursiv = 1;
constexpr int Fett = 2;
constexpr int Unterstrichen = 4;
constexpr int Durchgestrichen = 8;
} // namespace Schriftstil

// The state of the main window before the settings are read, which stays when the store cannot be opened: no
// folder kind (AktOrdner 0), no file name, all four options off, the font dialog's own font Courier New 14 in the
// window text colour, background colour 1.
TEinstellungen EinstellungenUngelesen();

// The user's store: the registry key on Windows, the INI file elsewhere, without the system-wide fallbacks.
std::unique_ptr<QSettings> EinstellungenOeffnen();

// Reads all twelve values; a missing or unusable value gives its default. False when the store cannot be opened
// (the folder cannot be created, the file cannot be read): AEinstellungen then stays as it was.
bool EinstellungenLesen(QSettings &ASpeicher, TEinstellungen &AEinstellungen);

// Writes all twelve values and flushes them. "Filename" is built from Filename and StartFachNr, so the caller puts
// the current subject number into StartFachNr. False when the store cannot be written; then nothing is stored.
bool EinstellungenSchreiben(QSettings &ASpeicher, const TEinstellungen &AEinstellungen);

// The stored "Filename" value: the file name, one blank, the subject number. The last blank-separated word is the
// number (1 when it is no decimal number of 0 or more); everything before the blank that precedes it is the name,
// of which only the part after the last "/" or "\" counts (the value may come from a Windows installation).
struct TFilenameTeile {
    QString Dateiname;
    int FachNr = 0;
};
TFilenameTeile FilenameZerlegen(const QString &AWert);
// "%s %d": ADateiname without its folder, a blank, AFachNr. A folder path alone gives " 0" style values.
QString FilenameZusammensetzen(const QString &ADateiname, int AFachNr);

// The user font of the settings as a QFont: family, point size and the four style bits.
QFont SchriftAusEinstellungen(const TEinstellungen &AEinstellungen);
// A stored font colour as a QColor; system colours are taken from APalette (unknown ones give the window text).
QColor SchriftFarbe(quint32 AFontColor, const QPalette &APalette);
// A chosen font and colour back into the settings. With AFarbeIstSystemText the colour is stored as the system
// window text colour (0xFF000008), so it follows the system; otherwise as 0x00BBGGRR. The character set stays.
void SchriftInEinstellungen(const QFont &AFont, const QColor &AFarbe, bool AFarbeIstSystemText,
                            TEinstellungen &AEinstellungen);
