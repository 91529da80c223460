// The application object and its default error handling.
#include "Application.h"

#include <QFont>

#include "FormFonts.h"
#include "Forms.h"
#include "MessageBoxes.h"

namespace {
TApplication::ExceptionHandler TestHandler;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The forms ask for Tahoma: the system's, or the metric-compatible files where it has none;
    // failing both, a sans face of similar metrics stands in.
    EnsureFormFonts();
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arial")});
}

TApplication::~TApplication() {
    // Forms are destroyed with the application, the last created first.
    for (auto it = Forms_.rbegin(); it != Forms_.rend(); ++it) delete it->data();
    Forms_.clear();
}

TApplication* TApplication::Instance() { return qobject_cast<TApplication*>(QCoreApplication::instance()); }

void TApplication::AddForm(TForm* form) { Forms_.emplace_back(form); }

std::vector<TForm*> TApplication::Forms() const {
    std::vector<TForm*> result;
    for (const auto& form : Forms_)
        if (!form.isNull()) result.push_back(form.data());
    return result;
}

TForm* TApplication::MainForm() const {
    for (const auto& form : Forms_)
        if (!form.isNull()) return form.data();
    return nullptr;
}

void TApplication::SetExceptionHandler(ExceptionHandler handler) { TestHandler = std::move(handler); }

void TApplication::HandleException(const std::exception& error) {
    if (TestHandler) {
        TestHandler(error);
        return;
    }
    ShowDefaultErrorBox(error);
}

bool TApplication::Guarded(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        HandleException(error);
        return false;
    }
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        HandleException(error);
        return false;
    }
}
