#pragma once

#include <QColor>
#include <QFrame>

#include <vector>

namespace lumetra {

class PointerLabel;

// The bar of 26 letters along the top of the wall. Geometry is given in pixels per letter by the window.
class LetterBar : public QFrame
{
    Q_OBJECT
public:
    explicit LetterBar(QWidget *parent = nullptr);

    static constexpr int kLetters = 26;
    PointerLabel *letter(int j) const { return m_letters[j]; }
    QChar caption(int j) const { return QChar(u'A' + j); }

    void setColors(const QColor &text, const QColor &background);
    // One letter lit at a time; -1 lights none.
    void highlight(int j);
    int highlighted() const { return m_highlighted; }

Q_SIGNALS:
    void letterClicked(int j);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restyle();

    std::vector<PointerLabel *> m_letters;
    QColor m_text = Qt::white;
    QColor m_background = Qt::black;
    int m_highlighted = -1;
};

} // namespace lumetra
