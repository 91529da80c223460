// Installing the skin engine's upward calls, and the tests' guard over them.
#include "SkinEngine.h"

#include <QCoreApplication>

#include "PathDialogRunner.h"
#include "sColorDialog.h"
#include "skin/effects/EffectsRegistration.h"
#include "skin/frames/FormHook.h"

void InstallSkinEngine() {
    InstallHooks(GlowHooks());
    InstallHooks(ManagerEffectsHooks());
    InstallHooks(FormHookHandlers());
    InstallHooks(PathDialogHooks());
    InstallHooks(SharedColorDialogLink());
    static bool freeAtQuit = false;
    if (!freeAtQuit && QCoreApplication::instance() != nullptr) {
        freeAtQuit = true;
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &FreeEffects);
    }
}

TScopedSkinEngine::TScopedSkinEngine()
    : Glows_(GlowHooks()),
      ManagerEffects_(ManagerEffectsHooks()),
      WindowHook_(FormHookHandlers()),
      FolderDialog_(PathDialogHooks()),
      ColorDialog_(SharedColorDialogLink()) {}
