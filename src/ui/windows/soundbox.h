#pragma once

#include "playback/soundsettings.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace lumetra {

// The settings window's sound settings (sound.ini): the crossfade between albums, loudness levelling, and
// how far the loudness measurement has come.
class SoundBox : public QGroupBox
{
    Q_OBJECT
public:
    SoundBox(const QString &file, QWidget *parent = nullptr);

    SoundSettings settings() const;
    // Writes sound.ini; false when it could not.
    bool save() const;
    void setMeasured(int measured, int total);
    QSpinBox *crossfade() const { return m_crossfade; }
    QCheckBox *levelling() const { return m_levelling; }

private:
    QString m_file;
    QSpinBox *m_crossfade;
    QCheckBox *m_levelling;
    QLabel *m_measured;
};

} // namespace lumetra
