// Common dialogs over QFileDialog and QColorDialog.
#include "Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>

#include "SystemMetrics.h"
#include "UpwardHooks.h"

namespace {
OpenDialogHook OpenHook;
FolderDialogHook FolderHook;
ColorDialogHook ColorHook;
bool Classic = false;
}  // namespace

void SetClassicDialogs(bool classic) { Classic = classic; }
bool ClassicDialogs() { return Classic; }

void SetOpenDialogHook(OpenDialogHook hook) { OpenHook = std::move(hook); }
void SetFolderDialogHook(FolderDialogHook hook) { FolderHook = std::move(hook); }
void SetColorDialogHook(ColorDialogHook hook) { ColorHook = std::move(hook); }

QStringList NameFiltersFromFilter(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        result << parts[i] + QStringLiteral(" (") + patterns.simplified() + QLatin1Char(')');
    }
    return result;
}

void ConfigureOpenDialog(QFileDialog& dialog, const TOpenDialogSettings& settings) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const bool multi = settings.Options & ofAllowMultiSelect;
    if (settings.Options & ofFileMustExist)
        dialog.setFileMode(multi ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    else
        dialog.setFileMode(multi ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(settings.DefaultExt);
    // The list shows each filter's description alone, as the form data writes it; the patterns
    // still choose the files.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList filters = NameFiltersFromFilter(settings.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = settings.FilterIndex >= 1 && settings.FilterIndex <= filters.size()
                              ? settings.FilterIndex - 1
                              : 0;
        dialog.selectNameFilter(filters[index]);
    }
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setOption(QFileDialog::DontUseNativeDialog, Classic);
    if (settings.Options & ofForceShowHidden) dialog.setFilter(dialog.filter() | QDir::Hidden);
    QString folder = settings.InitialDir;
    if (folder.isEmpty() && !settings.FileName.isEmpty()) folder = QFileInfo(settings.FileName).path();
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    if (!settings.FileName.isEmpty()) dialog.selectFile(settings.FileName);
}

bool RunOpenDialog(QWidget* owner, const TOpenDialogSettings& settings, QString& fileName) {
    if (OpenHook) return OpenHook(settings, fileName);
    QFileDialog dialog(owner);
    ConfigureOpenDialog(dialog, settings);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    fileName = dialog.selectedFiles().join(QLatin1Char('\n'));
    return true;
}

bool RunFolderDialog(QWidget* owner, const TFolderDialogRequest& request, QString& folder) {
    if (FolderHook) return FolderHook(request, folder);
    if (const auto run = InstalledHooks<TFolderDialogHooks>().Run) return run(owner, request, folder);
    const QString chosen = QFileDialog::getExistingDirectory(
        owner, request.Text, request.SelectedPath,
        Classic ? QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog : QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) return false;
    folder = chosen;
    return true;
}

bool RunColorDialog(QWidget* owner, TColor& color) {
    if (ColorHook) return ColorHook(color);
    const QColor chosen = QColorDialog::getColor(
        ToQColor(color), owner, QString(), Classic ? QColorDialog::DontUseNativeDialog : QColorDialog::ColorDialogOptions());
    if (!chosen.isValid()) return false;
    color = FromQColor(chosen);
    return true;
}
