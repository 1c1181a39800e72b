#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QString>

#include <vector>

namespace lumetra {

// Many texts in one buffer, for catalogues of 100,000 albums: a text whose characters all fit in Latin-1
// takes one byte per character, any other two (UTF-16, kept whole, lone surrogates included), plus four
// bytes of bookkeeping. Texts are addressed by position; replacing one leaves its old bytes unused.
class PackedStrings
{
public:
    PackedStrings();

    qsizetype size() const { return static_cast<qsizetype>(m_start.size()); }
    bool isEmpty() const { return m_start.empty(); }
    void clear();
    // Room for `count` texts taking `bytes` in all; a buffer that never moves while it fills leaves no
    // abandoned copies in the process's memory.
    void reserve(qsizetype count, qsizetype bytes = 0)
    {
        m_start.reserve(count);
        m_data.reserve(m_data.size() + bytes);
    }
    // Bytes the texts take, bookkeeping aside.
    qsizetype byteSize() const { return m_data.size(); }

    void append(QAnyStringView text);
    void replace(qsizetype i, QAnyStringView text);
    void remove(qsizetype i);

    QString at(qsizetype i) const;
    // A view into the buffer, valid until the next change.
    QAnyStringView view(qsizetype i) const;
    bool isEmptyAt(qsizetype i) const { return m_start[i] == 0; }

    // Position of the first text equal to `text` (exact, case-sensitive); -1 when none. The lookup table is
    // built on first use, kept up to date by append() and dropped by every other change.
    qsizetype indexOf(QStringView text) const;

private:
    struct Run {
        qsizetype begin = 0; // first byte of the characters
        qsizetype length = 0;
        bool wide = false;
    };
    Run run(qsizetype i) const;
    size_t hashAt(qsizetype i) const;
    quint32 store(QAnyStringView text);
    quint32 startRun(qsizetype length, bool wide);
    bool equals(qsizetype i, QStringView text) const;
    void buildIndex() const;
    void dropIndex() const;
    void indexAppended(qsizetype i) const;

    QByteArray m_data;            // runs: a length header, then Latin-1 bytes or UTF-16 at an even offset
    std::vector<quint32> m_start; // the run of each text; 0 is the shared empty run
    mutable std::vector<qint32> m_index; // open addressing over positions, -1 free; empty when not built
    mutable std::vector<quint8> m_tags;  // a byte of the hash of each position in m_index
};

} // namespace lumetra
