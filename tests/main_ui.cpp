#include "support/hangguard.h"
#include "ui/common/look.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // GStreamer's list of plugins is kept where the next test finds it: built afresh in each test's own cache
    // folder, it would take the sound engine seconds at every start.
    qputenv("GST_REGISTRY", LUMETRA_BIN_DIR "/gstreamer-registry.bin");
    // Thumbnails the code under test writes stay out of the real home folder.
    const QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    // English whatever the desktop speaks, in here and in the programs the tests start.
    qputenv("LANGUAGE", "en");
    QApplication app(argc, argv);
    // The windows as the program shows them.
    lumetra::applyApplicationLook(app);
    ::testing::InitGoogleTest(&argc, argv);
    // No test takes more than a few seconds; one that hangs ends the program with its stacks.
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new lumetra::test::HangGuard(lumetra::test::hangBound(std::chrono::seconds(90))));
    return RUN_ALL_TESTS();
}
