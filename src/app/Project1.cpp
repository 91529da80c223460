// The program's entry: the application object, the main window, the about window, the message loop.
#include <QStringList>

#include "AboutUnit.h"
#include "StartupArguments.h"
#include "Unit2.h"
#include "core/Version.h"
#include "skin/controls/sTooledit.h"
#include "platform/Application.h"
#include "skin/dialogs/SkinEngine.h"
#include "skin/manager/SkinEditorLink.h"
#include "skin/manager/sSkinManager.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kQuadrimoVersion));
    ShowVersionIfAsked(QCoreApplication::arguments().mid(1));
    // The glows, the skinned frames of the windows, and the program's own folder and colour dialogs.
    InstallSkinEngine();
    // The main window owns the taskbar entry; the forms belong to the application object.
    auto* form2 = new TForm2();
    auto* aboutForm = new TAboutForm();
    form2->AboutForm = aboutForm;
    // A map handed over by a file manager fills the map image edit.
    const QString map = MapPathArgument(QCoreApplication::arguments().mid(1));
    if (!map.isEmpty()) form2->imgEdit->setText(map);
    form2->show();
    auto* link = new TsEditorLink(form2->sSkinManager1);
    link->Announce(form2);
    return application.exec();
}
