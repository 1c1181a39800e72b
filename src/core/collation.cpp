#include "collation.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>
#include <thread>

namespace lumetra {

namespace {

constexpr qsizetype kNamesPerThread = 8192;

// Collation keys of the collator QCollator makes for collationLocale() without regard to case, so that
// comparing two keys as bytes orders the names as QCollator::compare() does. One maker per thread.
class KeyMaker
{
public:
    KeyMaker()
    {
        UErrorCode status = U_ZERO_ERROR;
        m_collator =
            ucol_open(collationLocale().bcp47Name().replace(u'-', u'_').toLatin1().constData(), &status);
        if (U_FAILURE(status)) {
            m_collator = nullptr; // every key empty: the names keep their order
            return;
        }
        ucol_setAttribute(m_collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
        // Case is a difference of the third level.
        ucol_setAttribute(m_collator, UCOL_STRENGTH, UCOL_SECONDARY, &status);
        ucol_setAttribute(m_collator, UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
        ucol_setAttribute(m_collator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    }
    ~KeyMaker()
    {
        if (m_collator)
            ucol_close(m_collator);
    }
    KeyMaker(const KeyMaker &) = delete;
    KeyMaker &operator=(const KeyMaker &) = delete;

    // Appends the key of `name` and its closing zero byte to `keys`; the key holds no other zero byte. An
    // empty name has the empty key, before every other, as QCollator puts it.
    void append(QAnyStringView name, std::string &keys)
    {
        const qsizetype at = static_cast<qsizetype>(keys.size());
        if (!m_collator || name.isEmpty()) {
            keys.push_back('\0');
            return;
        }
        const QStringView text = utf16(name);
        auto makeKey = [&](qsizetype room) {
            keys.resize(size_t(at + room));
            return ucol_getSortKey(m_collator, reinterpret_cast<const UChar *>(text.utf16()),
                                   static_cast<int32_t>(text.size()), reinterpret_cast<uint8_t *>(&keys[at]),
                                   static_cast<int32_t>(room));
        };
        const qsizetype guess = 16 + text.size() * 2;
        int32_t length = makeKey(guess);
        if (length > guess)
            length = makeKey(length);
        keys.resize(size_t(at + length));
    }

private:
    QStringView utf16(QAnyStringView name)
    {
        return name.visit([this](auto view) -> QStringView {
            if constexpr (std::is_same_v<decltype(view), QStringView>) {
                return view;
            } else if constexpr (std::is_same_v<decltype(view), QLatin1StringView>) {
                m_buffer.resize(view.size());
                std::transform(view.begin(), view.end(), m_buffer.begin(),
                               [](char c) { return char16_t(uchar(c)); });
                return QStringView(m_buffer.data(), m_buffer.size());
            } else {
                m_wide = view.toString();
                return m_wide;
            }
        });
    }

    UCollator *m_collator = nullptr;
    std::u16string m_buffer;
    QString m_wide;
};

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

std::vector<int> orderIgnoringCase(const std::vector<QAnyStringView> &names)
{
    const auto count = static_cast<qsizetype>(names.size());
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);

    // Each thread makes the keys of its share of the names into a buffer of its own.
    const qsizetype cores = std::max<qsizetype>(1, std::thread::hardware_concurrency());
    const qsizetype chunks = std::clamp<qsizetype>(count / kNamesPerThread, 1, cores);
    std::vector<std::string> buffers(chunks);
    std::vector<size_t> offsets(count);
    auto makeKeys = [&](qsizetype k) {
        KeyMaker maker;
        std::string &keys = buffers[k];
        const qsizetype first = count * k / chunks;
        const qsizetype last = count * (k + 1) / chunks;
        for (qsizetype i = first; i < last; ++i) {
            offsets[i] = keys.size();
            maker.append(names[i], keys);
        }
    };
    {
        std::vector<std::jthread> threads;
        for (qsizetype k = 1; k < chunks; ++k)
            threads.emplace_back(makeKeys, k);
        makeKeys(0);
    }
    std::vector<const char *> keys(count);
    for (qsizetype k = 0; k < chunks; ++k) {
        for (qsizetype i = count * k / chunks; i < count * (k + 1) / chunks; ++i)
            keys[i] = buffers[k].data() + offsets[i];
    }
    parallelStableSort(order, [&keys](qsizetype) {
        return [&keys](int a, int b) { return std::strcmp(keys[a], keys[b]) < 0; };
    });
    return order;
}

void sortIgnoringCase(QStringList &names)
{
    QStringList sorted;
    sorted.reserve(names.size());
    for (int i : orderIgnoringCase(std::vector<QAnyStringView>(names.begin(), names.end())))
        sorted.append(names[i]);
    names = std::move(sorted);
}

} // namespace lumetra
