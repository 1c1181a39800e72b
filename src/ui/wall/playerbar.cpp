#include "playerbar.h"

#include "playback/mediaplayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumetra {

namespace {

QString clock(qint64 ms)
{
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

// The style's media icons are black; they take the buttons' text colour so they show on any palette.
QIcon inked(const QIcon &icon, const QPalette &palette)
{
    QIcon out;
    for (const auto mode : {QIcon::Normal, QIcon::Disabled}) {
        QPixmap picture = icon.pixmap(QSize(32, 32));
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(picture.rect(),
                         palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                       QPalette::ButtonText));
        painter.end();
        out.addPixmap(picture, mode);
    }
    return out;
}

} // namespace

PlayerBar::PlayerBar(MediaPlayer &player, QWidget *parent)
    : QWidget(parent)
    , m_player(player)
    , m_playPause(new QToolButton(this))
    , m_stop(new QToolButton(this))
    , m_position(new QSlider(Qt::Horizontal, this))
    , m_volume(new QSlider(Qt::Horizontal, this))
    , m_time(new QLabel(this))
{
    setObjectName(QStringLiteral("media1"));
    setAccessibleName(tr("Player"));
    m_playPause->setObjectName(QStringLiteral("playPause"));
    m_playPause->setAccessibleName(tr("Play or pause"));
    m_stop->setObjectName(QStringLiteral("stop"));
    m_stop->setAccessibleName(tr("Stop"));
    m_stop->setIcon(inked(style()->standardIcon(QStyle::SP_MediaStop), palette()));
    m_position->setObjectName(QStringLiteral("position"));
    m_position->setAccessibleName(tr("Position"));
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volume->setAccessibleName(tr("Volume"));
    m_volume->setRange(0, 100);
    m_volume->setValue(player.volume());
    m_volume->setToolTip(tr("Volume"));
    m_volume->setMaximumWidth(90);
    m_time->setAccessibleName(tr("Time played"));

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_playPause);
    row->addWidget(m_stop);
    row->addWidget(m_time);
    row->addStretch();
    auto *volumeIcon = new QLabel(this);
    volumeIcon->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(16, 16));
    volumeIcon->setAccessibleName(tr("Volume"));
    row->addWidget(volumeIcon);
    row->addWidget(m_volume);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_position);
    column->addLayout(row);

    connect(m_playPause, &QToolButton::clicked, this, &PlayerBar::togglePlay);
    connect(m_stop, &QToolButton::clicked, this, [this] { m_player.stop(); });
    connect(m_volume, &QSlider::valueChanged, &m_player, &MediaPlayer::setVolume);
    connect(&m_player, &MediaPlayer::volumeChanged, m_volume, &QSlider::setValue);
    connect(m_position, &QSlider::sliderMoved, &m_player, [this](int value) { m_player.setPosition(value); });
    connect(&m_player, &MediaPlayer::durationChanged, this, [this] { refresh(); });
    connect(&m_player, &MediaPlayer::positionChanged, this, [this] { refresh(); });
    connect(&m_player, &MediaPlayer::playStateChanged, this, [this] { refresh(); });
    refresh();
}

void PlayerBar::setTextColor(const QColor &color)
{
    QPalette p = m_time->palette();
    p.setColor(QPalette::WindowText, color);
    m_time->setPalette(p);
}

void PlayerBar::togglePlay()
{
    if (m_player.url().isEmpty())
        return;
    if (m_player.isPlaying())
        m_player.pause();
    else
        m_player.play();
}

void PlayerBar::refresh()
{
    const bool loaded = !m_player.url().isEmpty();
    m_playPause->setEnabled(loaded);
    m_stop->setEnabled(loaded);
    m_position->setEnabled(loaded);
    const bool playing = m_player.isPlaying();
    m_playPause->setIcon(
        inked(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay), palette()));
    m_playPause->setToolTip(playing ? tr("Pause") : tr("Play"));
    const qint64 duration = m_player.duration();
    m_position->setRange(0, static_cast<int>(duration));
    if (!m_position->isSliderDown())
        m_position->setValue(static_cast<int>(m_player.position()));
    m_time->setText(clock(m_player.position()) + QStringLiteral(" / ") + clock(duration));
}

} // namespace lumetra
