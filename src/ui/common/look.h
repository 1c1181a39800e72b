#pragma once

class QApplication;
class QObject;
class QWidget;

namespace lumetra {

// The one look of every window, box, menu and scroll bar: the wall's dark colours as the application's
// palette and style sheet, and a focus mark that stands off any background (at least 3:1).
void applyApplicationLook(QApplication &app);

// How screen readers see the program: the main window a frame, Settings and Search dialogs, and pictures
// marked decorative (setDecorative) left out of the tree.
void installAccessibleRoles();
void setDecorative(QWidget *widget);
bool isDecorative(const QObject *object);

} // namespace lumetra
