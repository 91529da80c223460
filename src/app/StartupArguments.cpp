// The map path among the program's arguments.
#include "StartupArguments.h"

#include <QFileInfo>

QString MapPathArgument(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument.toLower() == QLatin1String("/nbver") || argument.isEmpty()) continue;
        return QFileInfo(argument).absoluteFilePath();
    }
    return {};
}
