// A skin manager holding the program's internal skin, for the tests of the layers above the manager.
#include "GlimmerManager.h"

#include <QByteArray>
#include <QString>

#include "skin/resources/InternalSkins.h"

std::unique_ptr<TsSkinManager> MakeGlimmerManager(int hueOffset) {
    auto manager = std::make_unique<TsSkinManager>();
    manager->BeginLoading();
    manager->SetHueOffset(hueOffset);
    TsStoredSkin skin;
    skin.Name = QString::fromUtf8(kGlimmerSkinName.data(), static_cast<qsizetype>(kGlimmerSkinName.size()));
    const auto package = InternalSkinPackage(kGlimmerSkinName);
    skin.Data = QByteArray(reinterpret_cast<const char*>(package.data()), static_cast<qsizetype>(package.size()));
    manager->SetInternalSkins({skin});
    manager->SetSkinName(skin.Name);
    manager->Loaded();
    return manager;
}
