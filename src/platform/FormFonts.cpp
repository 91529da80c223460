// Loading the forms' font files where the system has no Tahoma.
#include "FormFonts.h"

#include <QFileInfo>
#include <QFontDatabase>

namespace {
const QString kFamily = QStringLiteral("Tahoma");
}

QStringList FormFontFolders() {
    return {QStringLiteral("/usr/share/wine/fonts")};
}

bool EnsureFormFonts() {
    if (QFontDatabase::hasFamily(kFamily)) return true;
    for (const QString& folder : FormFontFolders()) {
        const QString regular = folder + QStringLiteral("/tahoma.ttf");
        if (!QFileInfo::exists(regular)) continue;
        QFontDatabase::addApplicationFont(regular);
        // The bold face is optional: without it bold text is emboldened from the regular one.
        const QString bold = folder + QStringLiteral("/tahomabd.ttf");
        if (QFileInfo::exists(bold)) QFontDatabase::addApplicationFont(bold);
        break;
    }
    return QFontDatabase::hasFamily(kFamily);
}
