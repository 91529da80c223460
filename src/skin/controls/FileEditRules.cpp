// The file edit's name rules.
#include "FileEditRules.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

namespace {
qsizetype LastSeparator(const QString& name) {
    qsizetype at = name.lastIndexOf(QLatin1Char('/'));
    // Windows also separates with "\" and ends a drive letter with ":".
    if (QDir::separator() == QLatin1Char('\\'))
        at = std::max({at, name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char(':'))});
    return at;
}
}  // namespace

bool IsUsableFileName(const QString& name) {
    if (name.isEmpty()) return false;
    // The slash separates folders here, so it stays allowed where it is the platform's separator.
    const QString forbidden = QDir::separator() == QLatin1Char('/') ? QStringLiteral("<>\"|*?")
                                                                    : QStringLiteral("<>\"|*?/");
    for (const QChar c : name)
        if (forbidden.contains(c)) return false;
    return true;
}

QString FolderPartOf(const QString& name) { return name.left(LastSeparator(name) + 1); }

QString FilePartOf(const QString& name) { return name.mid(LastSeparator(name) + 1); }

void TakeTypedName(TOpenDialogSettings& dialog, const QString& name) {
    if (!IsUsableFileName(name)) return;
    const QString folder = FolderPartOf(name);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog.InitialDir = folder;
    dialog.FileName = FilePartOf(name).isEmpty() ? QString() : name;
}

QString DroppedFolderOf(const QString& name) {
    const QFileInfo info(name);
    if (info.exists() && !info.isDir()) return FolderPartOf(name);
    return name;
}
