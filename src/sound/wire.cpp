#include "wire.h"

namespace lumetra::wire {

QByteArray line(std::initializer_list<QByteArray> words)
{
    QByteArray out;
    for (const QByteArray &word : words) {
        if (!out.isEmpty())
            out += ' ';
        out += word.isEmpty() ? QByteArray("%") : word.toPercentEncoding("/-_.~");
    }
    return out + '\n';
}

QList<QByteArray> words(const QByteArray &line)
{
    QList<QByteArray> out;
    for (const QByteArray &word : line.trimmed().split(' ')) {
        if (!word.isEmpty())
            out.append(word == "%" ? QByteArray() : QByteArray::fromPercentEncoding(word));
    }
    return out;
}

} // namespace lumetra::wire
