// TsCurrencyEdit: value, display format and the keys a number may hold.
#include "sCurrencyEdit.h"

#include <cmath>

#include <QKeyEvent>

#include "skin/binding/ControlKinds.h"
#include "core/Rounding.h"
#include "platform/Application.h"

TsCurrencyEdit::TsCurrencyEdit(QWidget* parent) : TsEdit(parent) {
    SkinData.ControlKind = ckCurrencyEdit;
    connect(this, &QLineEdit::textChanged, this, [this] {
        FireEvent(OnChange, this);
    });
}

double TsCurrencyEdit::Value() const {
    QString text = this->text().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

void TsCurrencyEdit::SetValue(double value) { setText(FormatValue(DisplayFormat_, value)); }

void TsCurrencyEdit::SetDisplayFormat(const QString& format) {
    const double value = Value();
    DisplayFormat_ = format;
    SetValue(value);
}

QString TsCurrencyEdit::FormatValue(const QString& format, double value) {
    if (!std::isfinite(value)) value = 0;
    const qsizetype point = format.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? (format.isEmpty() ? 2 : 0) : static_cast<int>(format.size() - point - 1);
    const double scale = std::pow(10.0, decimals);
    const double scaled = static_cast<double>(RoundHalfEven(value * scale));
    QString text = QString::number(scaled / scale, 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && scaled == 0) text.remove(0, 1);  // no "-0"
    return text;
}

void TsCurrencyEdit::keyPressEvent(QKeyEvent* event) {
    // Typed characters other than digits, a sign and (with decimals) the separator are refused.
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint()) {
        const QChar c = typed.at(0);
        const bool separator = c == QLatin1Char('.') || c == QLatin1Char(',');
        if (!(c.isDigit() || c == QLatin1Char('-') || (separator && DecimalPlaces > 0))) return;
    }
    TsEdit::keyPressEvent(event);
}
