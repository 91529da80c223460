// Window class names.
#include "WindowClass.h"

#include <QDialog>
#include <QToolBar>
#include <QWidget>

#include "Forms.h"

QString WindowClassName(const QWidget* window) {
    if (window == nullptr) return {};
    if (qobject_cast<const TForm*>(window) == nullptr && qobject_cast<const QDialog*>(window) != nullptr)
        return QStringLiteral("#32770");
    // The platform's tool bars are the common controls' tool bar windows.
    if (qobject_cast<const QToolBar*>(window) != nullptr) return QStringLiteral("ToolbarWindow32");
    return QString::fromLatin1(window->metaObject()->className());
}
