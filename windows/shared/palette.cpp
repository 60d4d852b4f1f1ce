#include "palette.h"

#include "ui.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace tavik::ui {

QPalette systemPalette(const QWidget* w)
{
    QPalette p = QApplication::palette(w);
    p.setResolveMask(~QPalette::ResolveMask(0));
    return p;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                 const QFont& font, const QColor& background, const QColor& textColor)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->setGeometry(rect);
    setColors(label, background, textColor);
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                       const QFont& font, const QColor& face)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(font);
    button->setGeometry(rect);
    setButtonFace(button, face);
    return button;
}

bool isBlank(const QString& text)
{
    for (QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

QString shownPart(const QString& text, qsizetype longest)
{
    if (text.size() <= longest)
        return text;
    return text.left(text.at(longest - 1).isHighSurrogate() ? longest - 1 : longest);
}

}  // namespace tavik::ui
