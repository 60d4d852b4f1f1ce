#include "ui.h"

#include <QAbstractButton>
#include <QPalette>
#include <QWidget>

namespace tavik::ui {

namespace {
QString liberationFamily(const QString& windowsFamily)
{
    const QString f = windowsFamily.toLower();
    if (f == u"times new roman")
        return QStringLiteral("Liberation Serif");
    if (f == u"arial narrow")
        return QStringLiteral("Liberation Sans Narrow");
    if (f == u"courier" || f == u"courier new")
        return QStringLiteral("Liberation Mono");
    if (f == u"arial" || f == u"ms sans serif" || f == u"arial black")
        return QStringLiteral("Liberation Sans");
    return windowsFamily;
}
}  // namespace

QFont font(const QString& windowsFamily, double pointSize, bool bold, bool italic, bool underline)
{
    QFont f(liberationFamily(windowsFamily));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    return f;
}

void setColors(QWidget* w, const QColor& back, const QColor& text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::Base, back);
    if (text.isValid()) {
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Text, text);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setButtonFace(QAbstractButton* b, const QColor& face)
{
    // A style sheet, because most styles ignore the palette's button colour.
    b->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: %1; color: black; border: 2px outset %2; }"
        "QPushButton:pressed { border-style: inset; }"
        "QPushButton:focus { border: 2px solid black; }")
                         .arg(face.name(), face.darker(130).name()));
}

QString applicationTitle() { return QStringLiteral(TAVIK_TITLE); }

}  // namespace tavik::ui
