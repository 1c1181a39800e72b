// lumetra-sound: the jukebox's sound engine, a process of its own so that the window never waits for
// GStreamer and can replace an engine that stopped answering.
#include "engine.h"
#include "output.h"

#include <QCoreApplication>

#include <gst/gst.h>

#include <csignal>
#include <sys/prctl.h>
#include <thread>

namespace {

// The first file of a kind that is not music costs GStreamer every plugin that can recognise a type, and
// the first of a format its decoder: loaded once at start, aside, they are not waited for at a track change.
void loadPlugins()
{
    const auto load = [](GList *features) {
        for (GList *f = features; f; f = f->next) {
            if (GstPluginFeature *loaded = gst_plugin_feature_load(GST_PLUGIN_FEATURE(f->data)))
                gst_object_unref(loaded);
        }
        gst_plugin_feature_list_free(features);
    };
    load(gst_type_find_factory_get_list());
    load(gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODABLE, GST_RANK_MARGINAL));
}

} // namespace

int main(int argc, char *argv[])
{
    // The window's end is the engine's.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    std::signal(SIGPIPE, SIG_IGN);
    gst_init(&argc, &argv);
    std::thread(loadPlugins).detach();
    QCoreApplication app(argc, argv);
    QString error;
    auto output = lumetra::sound::Output::open(&error);
    if (!error.isEmpty())
        qWarning("lumetra-sound: %s", qPrintable(error));
    if (!output)
        return 1;
    lumetra::sound::Engine engine(std::move(output));
    return QCoreApplication::exec();
}
