// A window's drawing surface: text drawn at fixed positions is kept and
// painted again on every repaint, until the surface is cleared.
#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

namespace tavik {

class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    struct Piece {
        QPoint topLeft;  // pixels, top-left corner of the text
        QString text;
    };

    explicit DrawingSurface(QWidget* parent = nullptr);

    // Draws one line of text in the surface's font and text colour, its
    // top-left corner at topLeft.
    void drawText(QPoint topLeft, const QString& text);
    void clear();

    const QList<Piece>& pieces() const noexcept { return m_pieces; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Screen readers read the drawn lines as the surface's description.
    void describeText();

    QList<Piece> m_pieces;
};

}  // namespace tavik
