#include "look.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>

namespace lumetra {

namespace {

const char *const kDecorative = "lumetraDecorative";

// The wall's own colours (the strip and its buttons), and the buttons' amber for what has the focus.
const QColor kWindow(0x1e, 0x21, 0x29);
const QColor kBase(0x15, 0x17, 0x1c);
const QColor kButton(0x2e, 0x32, 0x3d);
const QColor kText(0xe8, 0xea, 0xf0);
const QColor kDimText(0x8a, 0x8f, 0x9c);
const QColor kAccent(0xff, 0xb3, 0x47);

QPalette wallPalette()
{
    QPalette p;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        p.setColor(group, QPalette::Window, kWindow);
        p.setColor(group, QPalette::WindowText, off ? kDimText : kText);
        p.setColor(group, QPalette::Base, kBase);
        p.setColor(group, QPalette::AlternateBase, kWindow);
        p.setColor(group, QPalette::Text, off ? kDimText : kText);
        p.setColor(group, QPalette::Button, kButton);
        p.setColor(group, QPalette::ButtonText, off ? kDimText : kText);
        p.setColor(group, QPalette::BrightText, Qt::white);
        p.setColor(group, QPalette::ToolTipBase, kBase);
        p.setColor(group, QPalette::ToolTipText, kText);
        p.setColor(group, QPalette::PlaceholderText, kDimText);
        p.setColor(group, QPalette::Highlight, off ? kButton : kAccent);
        p.setColor(group, QPalette::HighlightedText, Qt::black);
        p.setColor(group, QPalette::Link, kAccent);
        p.setColor(group, QPalette::LinkVisited, kAccent.darker(120));
        p.setColor(group, QPalette::Light, kButton.lighter(150));
        p.setColor(group, QPalette::Midlight, kButton.lighter(125));
        p.setColor(group, QPalette::Mid, kButton.darker(120));
        p.setColor(group, QPalette::Dark, kBase);
        p.setColor(group, QPalette::Shadow, Qt::black);
    }
    return p;
}

// The amber mark on the dark colours stands off them by about 9:1.
const char *const kStyleSheet = R"(
QPushButton { padding: 3px 8px; border: 1px solid #4a4f5c; border-radius: 4px; background: #2e323d; }
QPushButton:hover { background: #3a3f4b; }
QPushButton:pressed { background: #23262e; }
QPushButton:disabled { color: #8a8f9c; border-color: #353945; }
QPushButton:focus { border: 2px solid #ffb347; padding: 2px 7px; }
QLineEdit { border: 1px solid #4a4f5c; border-radius: 3px; padding: 2px; }
QLineEdit:focus { border: 2px solid #ffb347; padding: 1px; }
QAbstractItemView:focus, QAbstractScrollArea:focus { border: 2px solid #ffb347; }
QCheckBox:focus, QRadioButton:focus, QSlider:focus { border: 1px solid #ffb347; border-radius: 3px; }
QMenu { border: 1px solid #4a4f5c; }
QToolTip { border: 1px solid #4a4f5c; }
)";

class Decorations : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? static_cast<int>(shown().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    // The children a screen reader meets: windows, menus and decorations left out.
    QList<QWidget *> shown() const
    {
        QList<QWidget *> children;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow() && !isDecorative(w) && !o->inherits("QMenu"))
                children.append(w);
        }
        return children;
    }
};

bool holdsDecorations(const QObject *object)
{
    const QObjectList &children = object->children();
    return std::any_of(children.cbegin(), children.cend(), [](const QObject *o) { return isDecorative(o); });
}

QAccessibleInterface *accessibleRole(const QString &className, QObject *object)
{
    if (!object->isWidgetType() || className != QLatin1StringView(object->metaObject()->className()))
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == u"lumetra::MainWindow")
        return new Decorations(widget, QAccessible::Window);
    if (className == u"lumetra::SettingsWindow" || className == u"lumetra::SearchWindow")
        return new Decorations(widget, QAccessible::Dialog);
    if (holdsDecorations(widget))
        return new Decorations(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Pane);
    return nullptr;
}

} // namespace

void applyApplicationLook(QApplication &app)
{
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(wallPalette());
    app.setStyleSheet(QString::fromLatin1(kStyleSheet));
}

void installAccessibleRoles()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(accessibleRole);
    installed = true;
}

void setDecorative(QWidget *widget)
{
    widget->setProperty(kDecorative, true);
}

bool isDecorative(const QObject *object)
{
    return object->property(kDecorative).toBool();
}

} // namespace lumetra
