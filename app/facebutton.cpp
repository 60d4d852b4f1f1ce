#include "facebutton.h"

#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

namespace tavik {

FaceButton::FaceButton(const QString& text, const QColor& face, QWidget* parent)
    : QPushButton(text, parent)
    , m_face(face)
{
    QPalette p = palette();
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, face.lighter(115));
    p.setColor(QPalette::Mid, face.darker(150));
    p.setColor(QPalette::Dark, face.darker(150));
    p.setColor(QPalette::Shadow, Qt::black);
    setPalette(p);
    setAutoDefault(false);
}

void FaceButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    const QBrush fill(m_face);
    qDrawWinButton(&painter, rect(), palette(), sunken, &fill);

    QRect caption = rect().adjusted(3, 3, -3, -3);
    if (sunken)
        caption.translate(1, 1);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::ButtonText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QPen dots(Qt::black, 1, Qt::DotLine);
        painter.setPen(dots);
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

}  // namespace tavik
