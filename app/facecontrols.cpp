#include "facecontrols.h"

#include <QStyleOption>

#include <QKeyEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <qdrawutil.h>

namespace tavik {

namespace {
// The platform style, except that the list drops down under the box, a few
// rows high. Some styles open it as a column laid over the box, as tall as
// the screen, which a list of some hundred dates turns into a wall.
class DropDownStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// As many rows as the classic drop-down list shows.
constexpr int kVisibleRows = 8;
}  // namespace

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

void FaceButton::keyPressEvent(QKeyEvent* event)
{
    // The button that has the focus is the one Enter chooses.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

DropDownList::DropDownList(const QColor& back, QWidget* parent)
    : QComboBox(parent)
    , m_back(back)
{
    QPalette p = palette();
    for (auto role : {QPalette::Button, QPalette::Base, QPalette::Window})
        p.setColor(role, back);
    for (auto role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        p.setColor(role, Qt::black);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(0xE0, 0xE0, 0xE0));
    p.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
    p.setColor(QPalette::Shadow, Qt::black);
    setPalette(p);

    auto* style = new DropDownStyle;
    style->setParent(this);
    setStyle(style);
    setMaxVisibleItems(kVisibleRows);
    // Focus by click or Tab, not by the wheel.
    setFocusPolicy(Qt::StrongFocus);
}

void DropDownList::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void DropDownList::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QBrush fill(m_back);
    qDrawWinPanel(&painter, rect(), palette(), true, &fill);

    const QRect inner = rect().adjusted(2, 2, -2, -2);
    const int arrowWidth = inner.height();
    const QRect arrowButton(inner.right() - arrowWidth + 1, inner.top(), arrowWidth, inner.height());
    QPalette buttonPalette = palette();
    buttonPalette.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
    const QBrush grey(QColor(0xC0, 0xC0, 0xC0));
    qDrawWinButton(&painter, arrowButton, buttonPalette, false, &grey);
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = arrowButton.adjusted(4, 4, -4, -4);
    arrow.palette.setColor(QPalette::ButtonText, Qt::black);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);

    const QRect textArea(inner.left() + 2, inner.top(), arrowButton.left() - inner.left() - 3,
                         inner.height());
    if (hasFocus()) {
        painter.fillRect(textArea, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(QPalette::HighlightedText));
    } else {
        painter.setPen(Qt::black);
    }
    painter.drawText(textArea.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, currentText());
}

}  // namespace tavik
