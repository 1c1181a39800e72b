#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
};

QList<Message> readMessages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name"_s) {
            context = xml.readElementText();
        } else if (xml.name() == u"message"_s) {
            numerus = xml.attributes().value(u"numerus"_s) == u"yes"_s;
            messages.append({context, {}, {}});
        } else if (xml.name() == u"source"_s && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"translation"_s && !messages.isEmpty() && !numerus) {
            messages.last().translation = xml.readElementText();
        } else if (xml.name() == u"numerusform"_s && !messages.isEmpty()) {
            // Each plural form is checked as a translation of its own.
            if (!messages.last().translation.isEmpty())
                messages.append(messages.last());
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(u"%(?:[0-9]+|n)"_s);
    QStringList found;
    for (const auto &match : marker.globalMatch(text))
        found.append(match.captured());
    std::sort(found.begin(), found.end());
    return found;
}

// The blanks a text begins and ends with.
QString edges(const QString &text)
{
    static const QRegularExpression blanks(u"^\\s*|\\s*$"_s);
    QStringList found;
    for (const auto &match : blanks.globalMatch(text))
        found.append(match.captured());
    return found.join(u'|');
}

class TranslationFile : public ::testing::TestWithParam<const char *>
{
};

// A translation keeps what the program fills in or lays out: every %1, the blanks at either end (a queue
// line, a search result), a trailing "..." of a command that opens a window.
TEST_P(TranslationFile, KeepsPlaceholdersBlanksAndEllipses)
{
    const QList<Message> messages = readMessages(
        QStringLiteral(LUMETRA_SOURCE_DIR "/translations/lumetra_%1.ts").arg(QLatin1String(GetParam())));
    ASSERT_GT(messages.size(), 100);
    for (const Message &m : messages) {
        const std::string where = (m.context + u": "_s + m.source).toStdString();
        EXPECT_FALSE(m.translation.isEmpty()) << where;
        EXPECT_EQ(placeholders(m.translation), placeholders(m.source)) << where;
        EXPECT_EQ(edges(m.translation), edges(m.source)) << where;
        EXPECT_EQ(m.translation.endsWith(u"..."_s), m.source.endsWith(u"..."_s)) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFile, ::testing::Values("de", "fr"));

} // namespace
