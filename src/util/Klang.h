#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

// Plays the program's short wave sounds. Playing never waits for the end of the sound, and a sound
// that cannot be played (no sound device, a damaged or cut-off file) stays silent: no message, no waiting.
class TKlang : public QObject {
    Q_OBJECT

public:
    explicit TKlang(QObject *AParent = nullptr);
    ~TKlang() override;

    // Starts the wave file AFilename and returns at once. A missing file, or one that is no complete
    // wave file, does nothing.
    void WavAbspielen(const QString &AFilename);

    // How many sounds were started, for the windows' tests that run without a sound device.
    int Abgespielt() const { return FAbgespielt; }

signals:
    // A sound was started: AFilename was a complete wave file and was handed to the player.
    void Gestartet(const QString &AFilename);

private:
    // Made on the first sound only: a window that never sounds never opens the audio system.
    QSoundEffect *FEffekt = nullptr;
    int FAbgespielt = 0;
};
