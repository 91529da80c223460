// The caption cover: a borderless window over a form's title band showing the provider's title picture
// while the platform handles something that could paint a caption of its own.
#pragma once

#include "platform/Forms.h"

class TSkinnedFrame;

class TCaptionCover : public TForm {
    Q_OBJECT
public:
    explicit TCaptionCover(TSkinnedFrame& frame);

    /// Where the cover goes on the screen: the window's left, top and width, the non-client height
    /// above the client area.
    QRect CoverGeometry() const;
    /// Shows the cover over the title band, above every window, without activating it and
    /// without redrawing; nothing when the frame draws no title band.
    void ShowCover();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TSkinnedFrame& Frame_;
};
