// TsMaskEdit: the mask in Qt's notation, the character case and the key filter.
#include "sMaskEdit.h"

#include <QKeyEvent>

#include "platform/Application.h"

TsMaskEdit::TsMaskEdit(QWidget* parent) : TsEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        FireEvent(OnChange, this);
    });
}

QString TsMaskEdit::QtInputMask(const QString& editMask) {
    if (editMask.isEmpty()) return {};
    const QStringList fields = editMask.split(QLatin1Char(';'));
    const QString mask = fields.value(0);
    const QString blank = fields.size() > 2 && !fields[2].isEmpty() ? fields[2].left(1) : QStringLiteral("_");
    QString result;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask[i];
        switch (c.unicode()) {
            case 'A': result += QLatin1Char('N'); break;
            case 'a': result += QLatin1Char('n'); break;
            case 'L': result += QLatin1Char('A'); break;
            case 'l': result += QLatin1Char('a'); break;
            case 'C': result += QLatin1Char('X'); break;
            case 'c': result += QLatin1Char('x'); break;
            case '0': result += QLatin1Char('9'); break;
            case '9': result += QLatin1Char('0'); break;
            case '#': result += QLatin1Char('#'); break;
            case '>':
                if (i + 1 < mask.size() && mask[i + 1] == QLatin1Char('<')) {
                    result += QLatin1Char('!');
                    ++i;
                } else {
                    result += QLatin1Char('>');
                }
                break;
            case '<': result += QLatin1Char('<'); break;
            case '!': break;  // trimming of leading blanks has no counterpart; the places stay
            case '\\':
                if (i + 1 < mask.size()) result += QLatin1Char('\\') + mask[++i];
                break;
            default:
                // Every other character is a literal; Qt's own mask characters need escaping.
                if (QStringLiteral("AaNnXx90Dd#HhBb><!{}[]\\").contains(c)) result += QLatin1Char('\\');
                result += c;
                break;
        }
    }
    return result + QLatin1Char(';') + blank;
}

void TsMaskEdit::SetEditMask(const QString& mask) {
    EditMask_ = mask;
    setInputMask(QtInputMask(mask));
}

void TsMaskEdit::SetCharCase(TEditCharCase value) {
    CharCase_ = value;
    SetText(Text());
}

QString TsMaskEdit::ApplyCase(const QString& text) const {
    if (CharCase_ == TEditCharCase::ecUpperCase) return text.toUpper();
    if (CharCase_ == TEditCharCase::ecLowerCase) return text.toLower();
    return text;
}

QString TsMaskEdit::Text() const { return EditMask_.isEmpty() ? text() : displayText(); }

void TsMaskEdit::SetText(const QString& value) { TsEdit::SetText(ApplyCase(value)); }

void TsMaskEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed.isEmpty() || !(typed.at(0).isPrint() || typed.at(0) == QLatin1Char('\r') ||
                             typed.at(0) == QLatin1Char('\x1b'))) {
        TsEdit::keyPressEvent(event);
        return;
    }
    QChar key = typed.at(0);
    // A failing handler discards the key.
    if (!FireEvent(OnKeyPress, this, key) || key.isNull()) return;
    const QString cased = ApplyCase(QString(key));
    if (cased == typed) {
        TsEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed(event->type(), event->key(), event->modifiers(), cased, event->isAutoRepeat(),
                      static_cast<ushort>(event->count()));
    TsEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
}
