// Window class names.
#include "WindowClass.h"

#include <QDialog>
#include <QWidget>

#include "Forms.h"

QString WindowClassName(const QWidget* window) {
    if (window == nullptr) return {};
    if (qobject_cast<const TForm*>(window) == nullptr && qobject_cast<const QDialog*>(window) != nullptr)
        return QStringLiteral("#32770");
    return QString::fromLatin1(window->metaObject()->className());
}
