#include "converter.h"

#include "accessible.h"
#include "drawingsurface.h"
#include "messages.h"
#include "shapes.h"
#include "texts.h"
#include "ui.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <utility>

namespace tavik {

namespace {
const QColor kBackground(0xC0, 0xFF, 0xFF);
const QColor kButtonFace(0xC0, 0xFF, 0xC0);
const QColor kLineColor(0xC0, 0xC0, 0xC0);
constexpr int kEntryLimit = 6;  // characters
}  // namespace

ConverterWindow::ConverterWindow(const RegionalSettings& regional, MessageSink messages, QWidget* parent)
    : QWidget(parent)
    , m_regional(regional)
    , m_messages(std::move(messages))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Számítások"));
    setFixedSize(ui::twipsSize(8610, 5970));
    ui::setColors(this, kBackground);
    setFont(ui::font(QStringLiteral("Arial"), 14.25, true));

    createSurface();
    createDegreeRow();
    createMilRow();
    createNote();
    createFocusOrder();
    nameForScreenReaders();
}

void ConverterWindow::createSurface()
{
    // Created first, so that every control lies above what is drawn.
    m_surface = new DrawingSurface(this);
    m_surface->setObjectName(QStringLiteral("surface"));
    m_surface->setGeometry(rect());
    Shape1 = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, ui::twipsRect(240, 240, 8175, 4815),
                             kLineColor, this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
}

QLabel* ConverterWindow::addLabel(const char* name, const QString& text, const QRect& rect, bool underline)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(ui::font(QStringLiteral("Arial"), 12, true, false, underline));
    label->setGeometry(rect);
    ui::setColors(label, kBackground);
    return label;
}

QLineEdit* ConverterWindow::addEntry(const char* name, const QRect& rect)
{
    auto* entry = new QLineEdit(this);
    entry->setObjectName(QLatin1String(name));
    entry->setMaxLength(kEntryLimit);
    entry->setFont(ui::font(QStringLiteral("Arial"), 12, true));
    entry->setGeometry(rect);
    return entry;
}

QPushButton* ConverterWindow::addCalculateButton(const char* name, const QRect& rect)
{
    auto* button = new QPushButton(QStringLiteral("Számítás"), this);
    button->setObjectName(QLatin1String(name));
    button->setFont(ui::font(QStringLiteral("Arial Narrow"), 12, true));
    button->setGeometry(rect);
    ui::setButtonFace(button, kButtonFace);
    return button;
}

void ConverterWindow::createDegreeRow()
{
    Label41 = addLabel("Label41", QStringLiteral("Fok -  Vonás átszámítás:"),
                       ui::twipsRect(480, 480, 4575, 375), true);
    Text41 = addEntry("Text41", ui::twipsRect(480, 960, 1095, 450));
    Label42 = addLabel("Label42", QStringLiteral("fok  ="), ui::twipsRect(1800, 1080, 1095, 375));
    Label43 = addLabel("Label43", QStringLiteral("vonás"), ui::twipsRect(5160, 1080, 1095, 375));
    Command41 = addCalculateButton("Command41", ui::twipsRect(6600, 960, 1455, 495));
    connect(Command41, &QPushButton::clicked, this, &ConverterWindow::Command41_Click);
    Line1 = new ShapeWidget(ui::twipsLine(480, 1800, 8040, 1800), kLineColor, this);
    Line1->setObjectName(QStringLiteral("Line1"));
}

void ConverterWindow::createMilRow()
{
    Label45 = addLabel("Label45", QStringLiteral("Vonás - Fok átszámítás:"),
                       ui::twipsRect(480, 2040, 4575, 375), true);
    Text42 = addEntry("Text42", ui::twipsRect(480, 2520, 1095, 450));
    Label46 = addLabel("Label46", QStringLiteral("vonás =  "), ui::twipsRect(1800, 2640, 1335, 375));
    Label47 = addLabel("Label47", QStringLiteral("fok"), ui::twipsRect(5160, 2640, 855, 375));
    Command42 = addCalculateButton("Command42", ui::twipsRect(6600, 2520, 1455, 495));
    connect(Command42, &QPushButton::clicked, this, &ConverterWindow::Command42_Click);
    Line2 = new ShapeWidget(ui::twipsLine(2400, 3360, 6120, 3360), kLineColor, this);
    Line2->setObjectName(QStringLiteral("Line2"));
}

void ConverterWindow::createNote()
{
    Label48 = addLabel("Label48",
                       QStringLiteral("A tüzérségben és a navigációban használt 6000 egységre osztott kör "
                                      "(ún. tüzérségi kör) olyan szögmértékegység, amely a teljes kört "
                                      "360 fok helyett 6000 egységre osztja fel."),
                       ui::twipsRect(600, 3600, 7455, 1215));
    Label48->setFont(ui::font(QStringLiteral("Arial Narrow"), 12.75, true));
    Label48->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label48->setWordWrap(true);

    Command499 = new QPushButton(QStringLiteral("OK"), this);
    Command499->setObjectName(QStringLiteral("Command499"));
    Command499->setFont(ui::font(QStringLiteral("Arial Narrow"), 14.25, true));
    Command499->setGeometry(ui::twipsRect(3960, 5280, 855, 495));
    ui::setButtonFace(Command499, kButtonFace);
    connect(Command499, &QPushButton::clicked, this, &ConverterWindow::Command499_Click);
}

void ConverterWindow::createFocusOrder()
{
    setTabOrder(Text41, Command41);
    setTabOrder(Command41, Text42);
    setTabOrder(Text42, Command42);
    setTabOrder(Command42, Command499);
    Text41->setFocus();
}

void ConverterWindow::convert(const QLineEdit* entry, double (*conversion)(double) noexcept,
                              int xTwips, int yTwips)
{
    const std::optional<double> value = parseRegionalNumber(entry->text(), m_regional);
    // A number near the top of the double range (1e308 degrees) overflows in
    // the conversion: it is refused like any other number out of range.
    const double result = value ? conversion(*value) : 0.0;
    if (!value || !std::isfinite(result)) {
        m_messages.show(this, MessageIcon::Warning, QStringLiteral("Kérem, VALÓS ADATOT adjon meg!"));
        return;
    }
    m_surface->clear();
    m_surface->drawText(ui::twipsPoint(xTwips, yTwips), QLatin1Char(' ') + formatFixed(result, 2, m_regional));
}

void ConverterWindow::Command41_Click() { convert(Text41, degreesToMils, 3400, 1080); }

void ConverterWindow::Command42_Click() { convert(Text42, milsToDegrees, 3400, 2650); }

void ConverterWindow::Command499_Click() { close(); }

void ConverterWindow::nameForScreenReaders()
{
    // Each row's box and button are named after the row's heading.
    access::nameAfterCaption(Text41, Label41->text(), Label42->text().remove(u'=').simplified());
    access::nameAfterCaption(Text42, Label45->text(), Label46->text().remove(u'=').simplified());
    Command41->setAccessibleDescription(access::captionWords(Label41->text()));
    Command42->setAccessibleDescription(access::captionWords(Label45->text()));
    m_surface->setAccessibleName(QStringLiteral("Eredmény"));
}

}  // namespace tavik
