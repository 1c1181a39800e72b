#include "collation.h"

#include "packedstrings.h"

#include <QCollator>

#include <algorithm>
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
