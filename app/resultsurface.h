// The main window's own drawing surface: the panel frames and rules, and the
// result lines that a calculation draws on it at positions given in twips.
// It keeps what was drawn and paints it again whenever the window needs it.
#pragma once

#include "drawingsurface.h"

#include <QStringList>

namespace tavik {

class ResultSurface : public DrawingSurface {
    Q_OBJECT
public:
    explicit ResultSurface(QWidget* parent = nullptr);

    // Removes every drawn text; the frames and rules stay.
    void clearText() { clear(); }
    // The top-left corner of the text's first character at (xTwips, yTwips).
    void drawText(int xTwips, int yTwips, const QString& text);
    // As drawText, but when the last drawn text reaches x, one blank's width
    // after its end instead, so the two never run into each other.
    void drawTextBeside(int xTwips, int yTwips, const QString& text);

    QStringList texts() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavik
