// TsCurrencyEdit: a number edit holding a floating-point value shown through a display format.
#pragma once

#include <functional>

#include "sEdit.h"

class TsCurrencyEdit : public TsEdit {
    Q_OBJECT
public:
    explicit TsCurrencyEdit(QWidget* parent = nullptr);

    /// The value of the text; 0 for an empty text or one that is no number.
    double Value() const;
    /// Shows the value through the display format.
    void SetValue(double value);
    /// "0" shows whole numbers, "0.00" two decimals (rounded, halves to even).
    QString DisplayFormat() const { return DisplayFormat_; }
    void SetDisplayFormat(const QString& format);
    /// Decimals that can be typed; 0 refuses the decimal separator.
    int DecimalPlaces = 2;
    void SetAlignment(Qt::Alignment alignment) { setAlignment(alignment | Qt::AlignVCenter); }

    /// Fired on every change of the text, typed or set.
    std::function<void(QObject*)> OnChange;

    /// The value as the display format writes it.
    static QString FormatValue(const QString& format, double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString DisplayFormat_;
};
