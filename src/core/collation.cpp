#include "collation.h"

#include "packedstrings.h"

#include <QCollator>

#include <algorithm>
#include <array>
#include <numeric>
#include <thread>

namespace lumetra {

namespace {

constexpr qsizetype kNamesPerThread = 8192;

QCollator caseInsensitiveCollator()
{
    QCollator collator(collationLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// Under the C locale the collator compares case-folded UTF-16 code units, the low half of a surrogate pair
// folded with its character; folding once per name gives the same order with a plain comparison.
void appendFolded(PackedStrings &out, QAnyStringView name, QByteArray &narrow, QString &wide)
{
    name.visit([&](auto view) {
        using View = decltype(view);
        if constexpr (std::is_same_v<View, QLatin1StringView>) {
            // Every Latin-1 letter folds to Latin-1 but the micro sign.
            if (!view.contains(QLatin1Char('\xb5'))) {
                narrow.resize(view.size());
                std::transform(view.begin(), view.end(), narrow.begin(), [](char c) {
                    return static_cast<char>(QChar::toCaseFolded(char32_t(uchar(c))));
                });
                out.append(QLatin1StringView(narrow));
                return;
            }
        }
        const QString text = view.toString();
        wide.resize(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c.isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()) {
                const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(text[i - 1], c));
                wide[i] = QChar(QChar::lowSurrogate(folded));
            } else {
                wide[i] = c.isSurrogate() ? c : QChar(QChar::toCaseFolded(char32_t(c.unicode())));
            }
        }
        out.append(wide);
    });
}

using Prefix = std::array<quint64, 2>;

// A missing unit counts as 0, below every unit but U+0000, where the full comparison decides.
Prefix prefixOf(QAnyStringView text)
{
    Prefix prefix{0, 0};
    auto take = [&prefix](auto view) {
        const qsizetype units = std::min<qsizetype>(view.size(), 8);
        for (qsizetype k = 0; k < units; ++k)
            prefix[k / 4] |= quint64(view[k].unicode()) << (16 * (3 - k % 4));
    };
    text.visit([&take](auto view) {
        if constexpr (std::is_same_v<decltype(view), QUtf8StringView>)
            take(QStringView(view.toString()));
        else
            take(view);
    });
    return prefix;
}

// Sorts `order` (stable) in chunks on several threads, then merges the chunks. `lessFor(k)` gives the
// comparison the k-th thread uses.
template <typename LessFor> void parallelStableSort(std::vector<int> &order, LessFor lessFor)
{
    const auto count = static_cast<qsizetype>(order.size());
    const qsizetype cores = std::max<qsizetype>(1, std::thread::hardware_concurrency());
    const qsizetype chunks = std::clamp<qsizetype>(count / kNamesPerThread, 1, cores);
    std::vector<qsizetype> bounds;
    for (qsizetype k = 0; k <= chunks; ++k)
        bounds.push_back(count * k / chunks);
    {
        std::vector<std::jthread> threads;
        for (qsizetype k = 1; k < chunks; ++k) {
            threads.emplace_back([&, k] {
                std::stable_sort(order.begin() + bounds[k], order.begin() + bounds[k + 1], lessFor(k));
            });
        }
        std::stable_sort(order.begin(), order.begin() + bounds[1], lessFor(0));
    }
    const auto less = lessFor(0);
    for (qsizetype k = 1; k < chunks; ++k)
        std::inplace_merge(order.begin(), order.begin() + bounds[k], order.begin() + bounds[k + 1], less);
}

} // namespace

QLocale collationLocale()
{
    const QLocale user;
    return user.language() == QLocale::C ? QLocale(QLocale::English) : user;
}

std::vector<int> orderIgnoringCase(const PackedStrings &names)
{
    const qsizetype count = names.size();
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);

    const QCollator collator = caseInsensitiveCollator();
    if (collator.locale().language() == QLocale::C) {
        PackedStrings folded;
        folded.reserve(count, names.byteSize() + names.byteSize() / 8);
        QByteArray narrow;
        QString wide;
        for (qsizetype i = 0; i < count; ++i)
            appendFolded(folded, names.view(i), narrow, wide);
        // The first eight units of each folded title, as numbers that order as the units do, settle most
        // comparisons without reaching into the titles.
        std::vector<Prefix> prefixes(count);
        for (qsizetype i = 0; i < count; ++i)
            prefixes[i] = prefixOf(folded.view(i));
        parallelStableSort(order, [&](qsizetype) {
            return [&](int a, int b) {
                return prefixes[a] != prefixes[b] ? prefixes[a] < prefixes[b] : folded.compare(a, b) < 0;
            };
        });
        return order;
    }

    // The collator compares UTF-16 only: every name end to end, converted once.
    qsizetype length = 0;
    for (qsizetype i = 0; i < count; ++i)
        length += names.view(i).size();
    QString text;
    text.reserve(length);
    std::vector<quint32> ends(count + 1, 0);
    for (qsizetype i = 0; i < count; ++i) {
        text.append(names.view(i).toString());
        ends[i + 1] = static_cast<quint32>(text.size());
    }
    const QStringView all(text);
    auto name = [all, &ends](int i) { return all.sliced(ends[i], ends[i + 1] - ends[i]); };
    // A collator of its own for each thread: one is not safe to share.
    parallelStableSort(order, [&](qsizetype) {
        return [&, collator = caseInsensitiveCollator()](int a, int b) {
            return collator.compare(name(a), name(b)) < 0;
        };
    });
    return order;
}

void sortIgnoringCase(QStringList &names)
{
    PackedStrings packed;
    packed.reserve(names.size());
    for (const QString &name : names)
        packed.append(name);
    QStringList sorted;
    sorted.reserve(names.size());
    for (int i : orderIgnoringCase(packed))
        sorted.append(names[i]);
    names = std::move(sorted);
}

} // namespace lumetra
