// TsBoundLabel: a caption label glued to a control, placed beside or above it.
#pragma once

#include <functional>

#include <QFont>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>

class TsCommonData;

enum TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

/// What a bound label needs of its label control beyond a QLabel; the label class (TsEditLabel, a
/// skinned label of the controls layer) implements it.
class TsBoundLabelControl {
public:
    virtual ~TsBoundLabelControl() = default;
    virtual QLabel* Label() = 0;
    virtual bool AutoSize() const = 0;
    virtual void SetAutoSize(bool value) = 0;
    virtual bool UseSkinColor() const = 0;
    virtual void SetUseSkinColor(bool value) = 0;
};

class TsBoundLabel : public QObject {
    Q_OBJECT
public:
    /// Makes the label control (parented to parent); the controls layer gives a TsEditLabel.
    using LabelFactory = std::function<TsBoundLabelControl*(QWidget* parent)>;
    TsBoundLabel(TsCommonData& data, LabelFactory factory);
    ~TsBoundLabel() override;

    // --- Published, in declaration order --------------------------------------------------------
    bool Active() const { return Label_ != nullptr; }
    /// True creates the label beside the control; false frees it.
    void SetActive(bool value);
    QString Caption() const { return Caption_; }
    void SetCaption(const QString& value);
    int Indent() const { return Indent_; }
    void SetIndent(int value);
    QFont Font() const { return Font_; }
    TsCaptionLayout Layout() const { return Layout_; }
    void SetLayout(TsCaptionLayout value);
    int MaxWidth() const { return MaxWidth_; }
    void SetMaxWidth(int value);
    /// The label's own flag; true when there is no label.
    bool UseSkinColor() const;
    void SetUseSkinColor(bool value);

    /// The label while Active; null otherwise (also once the label was destroyed elsewhere).
    QLabel* TheLabel() const;
    /// Places the label by Layout, Indent and MaxWidth.
    void AlignLabel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyAlignment();
    void UpdateEnabled();

    TsCommonData& Data_;
    LabelFactory Factory_;
    TsBoundLabelControl* Control_ = nullptr;
    QPointer<QLabel> Label_;
    QString Caption_;
    int Indent_ = 0;
    QFont Font_;
    bool FontSet_ = false;
    TsCaptionLayout Layout_ = sclLeft;
    int MaxWidth_ = 0;
};
