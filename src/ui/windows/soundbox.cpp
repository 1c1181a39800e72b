#include "soundbox.h"

#include "ui/common/widgethelpers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>

namespace lumetra {

SoundBox::SoundBox(const QString &file, QWidget *parent)
    : QGroupBox(tr("Sound"), parent)
    , m_file(file)
{
    setObjectName(QStringLiteral("SoundFrame"));
    const SoundSettings sound = SoundSettings::load(file);
    m_crossfade = new QSpinBox(this);
    m_crossfade->setObjectName(QStringLiteral("crossfade"));
    m_crossfade->setRange(0, SoundSettings::kMaxCrossfade);
    m_crossfade->setSuffix(tr(" s"));
    m_crossfade->setSpecialValueText(tr("Off"));
    m_crossfade->setValue(sound.crossfade);
    m_crossfade->setAccessibleName(tr("Crossfade between albums"));
    auto *caption = new QLabel(tr("Crossfade between albums"), this);
    caption->setBuddy(m_crossfade);
    m_levelling = new QCheckBox(tr("Even out loudness"), this);
    m_levelling->setObjectName(QStringLiteral("evenLoudness"));
    m_levelling->setChecked(sound.levelling);
    // Its text changes as files are measured: read as it is; what it is for is its description.
    m_measured = wrappedLabel(QStringLiteral("loudnessMeasured"), QString(), this);
    m_measured->setAccessibleDescription(tr("Loudness measurement"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(m_crossfade, 0, 1);
    grid->addWidget(m_levelling, 1, 0, 1, 2);
    grid->addWidget(m_measured, 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    m_measured->hide();
}

SoundSettings SoundBox::settings() const
{
    return {m_crossfade->value(), m_levelling->isChecked()};
}

bool SoundBox::save() const
{
    return settings().save(m_file);
}

void SoundBox::setMeasured(int measured, int total)
{
    const QLocale locale;
    m_measured->setText(
        tr("Loudness measured: %1 of %2 tracks").arg(locale.toString(measured), locale.toString(total)));
    if (m_measured->isHidden()) {
        m_measured->show();
        // Its line counts in the window's size at once, not after the next layout pass.
        layout()->activate();
    }
}

} // namespace lumetra
