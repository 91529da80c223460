// The skin's wrapper of a combo box's dropped-down list window: its frame and background from a section.
#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QString>

class QFrame;
class TsCustomComboBoxEx;

/// Wraps the list window of a skinned combo box: the window's frame becomes the section's face and
/// border, its margins the border's widths, and the list's background the box's colour. The rows are
/// the box's own (PaintListItem). Destroying the wrapper gives the window its plain frame back.
class TsComboListSkin : public QObject {
    Q_OBJECT
public:
    TsComboListSkin(TsCustomComboBoxEx& box, const QString& section);
    ~TsComboListSkin() override;

    QString Section() const { return Section_; }
    /// Sets the frame's margins and the list's colours; run before every drop-down, since the skin
    /// or the box's colour may have changed.
    void Prepare();
    /// The frame's widths in the present skin (the section's border mask, else 1 pixel).
    QMargins FrameMargins() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PaintFrame();

    TsCustomComboBoxEx& Box_;
    QString Section_;
    QPointer<QFrame> Window_;
    int PlainFrameStyle_ = 0;
    QMargins PlainMargins_;
    int PlainViewFrameStyle_ = 0;
};
