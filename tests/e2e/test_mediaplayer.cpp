#include "playback/qtmediaplayer.h"
#include "support/testlibrary.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace lumetra;
using namespace lumetra::test;

namespace {

// The real media player plays a generated file to its end and reports the end, then the change after it.
TEST(QtMediaPlayerEndToEnd, PlaysAFileToItsEndAndReportsEndedThenTransitioning)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(writeFile(file, toneWav(400)));

    QtMediaPlayer player;
    QList<int> states;
    QEventLoop loop;
    QObject::connect(&player, &MediaPlayer::playStateChanged, &loop, [&](int state) {
        states.append(state);
        if (state == MediaPlayer::Transitioning && states.contains(MediaPlayer::MediaEnded))
            loop.quit();
    });
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    player.setVolume(40);
    player.setUrl(file);
    player.play();
    QElapsedTimer clock;
    clock.start();
    loop.exec();

    EXPECT_EQ(player.volume(), 40);
    ASSERT_TRUE(states.contains(MediaPlayer::Playing)) << "states seen: " << states.size();
    const qsizetype ended = states.indexOf(MediaPlayer::MediaEnded);
    ASSERT_GE(ended, 0) << "the file never reached its end";
    EXPECT_GT(states.indexOf(MediaPlayer::Transitioning, ended), ended);
    EXPECT_LT(states.indexOf(MediaPlayer::Playing), ended);
    EXPECT_GE(clock.elapsed(), 300); // it really played, not failed at once
}

} // namespace
