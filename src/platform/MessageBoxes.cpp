// Message boxes over QMessageBox.
#include "MessageBoxes.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "core/Messages.h"

int MessageBoxW(QWidget* owner, const QString& text, const QString& caption, unsigned type) {
    if (owner == nullptr) owner = QApplication::activeWindow();
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (type & 0xF0) {
        case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
        case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
        case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
        case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (type & 0x0F) {
        case MB_OKCANCEL:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
        case QMessageBox::Ok: return IDOK;
        case QMessageBox::Yes: return IDYES;
        case QMessageBox::No: return IDNO;
        default: return (type & 0x0F) == MB_OK ? IDOK : IDCANCEL;
    }
}

QString ApplicationTitleFor(const QString& executableName) {
    QString title = executableName.section(QLatin1Char('.'), 0, 0);
    if (title.size() > 1) title = title.left(1) + title.mid(1).toLower();
    return title;
}

QString ApplicationTitle() {
    return ApplicationTitleFor(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

void ShowDefaultErrorBox(const QString& message) {
    const QString text = QString::fromStdString(WithFullStop(message.toStdString()));
    MessageBoxW(nullptr, text, ApplicationTitle(), MB_OK | MB_ICONERROR);
}

void ShowDefaultErrorBox(const std::exception& error) {
    ShowDefaultErrorBox(QString::fromUtf8(error.what()));
}

void ShowErrorBox(const QString& message) {
    MessageBoxW(nullptr, message, QStringLiteral("Error"), MB_OK | MB_ICONERROR);
}
