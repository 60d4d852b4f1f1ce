#include "converter.h"

#include "accessible.h"
#include "angles.h"
#include "drawingsurface.h"
#include "messages.h"
#include "palette.h"
#include "shapes.h"
#include "texts.h"
#include "ui.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <utility>

namespace tavik {

// A control of a conversion row: its name, its caption if it has one, and its
// place in twips.
struct Placed {
    const char* name;
    const char* text;   // the Hungarian source text of a translation
    QRect twips;
};

struct ConversionRow {
    Placed heading, entry, fromUnit, toUnit, button;
    const char* line;
    QLine lineTwips;
    QPoint resultTwips;
    double (*conversion)(double) noexcept;
};

namespace {
constexpr QColor kBackground = ui::kLightCyan;
constexpr QColor kButtonFace = ui::kLightGreen;
constexpr QColor kLineColor = ui::kSilver;
constexpr int kEntryLimit = 6;  // characters

const ConversionRow kDegreeRow{
    {"Label41", QT_TRANSLATE_NOOP("tavik::ConverterWindow", "Fok -  Vonás átszámítás:"), {480, 480, 4575, 375}}, {"Text41", nullptr, {480, 960, 1095, 450}},
    {"Label42", QT_TRANSLATE_NOOP("tavik::ConverterWindow", "fok  ="), {1800, 1080, 1095, 375}}, {"Label43", QT_TRANSLATE_NOOP("tavik::ConverterWindow", "vonás"), {5160, 1080, 1095, 375}},
    {"Command41", nullptr, {6600, 960, 1455, 495}}, "Line1", {480, 1800, 8040, 1800}, {3400, 1080}, degreesToMils};
const ConversionRow kMilRow{
    {"Label45", QT_TRANSLATE_NOOP("tavik::ConverterWindow", "Vonás - Fok átszámítás:"), {480, 2040, 4575, 375}}, {"Text42", nullptr, {480, 2520, 1095, 450}},
    {"Label46", QT_TRANSLATE_NOOP("tavik::ConverterWindow", "vonás =  "), {1800, 2640, 1335, 375}}, {"Label47", QT_TRANSLATE_NOOP("tavik::ConverterWindow", "fok"), {5160, 2640, 855, 375}},
    {"Command42", nullptr, {6600, 2520, 1455, 495}}, "Line2", {2400, 3360, 6120, 3360}, {3400, 2650}, milsToDegrees};

QLabel* addLabel(QWidget* parent, const Placed& label, bool underline = false)
{
    return ui::addLabel(parent, label.name, ConverterWindow::tr(label.text), ui::twipsRect(label.twips),
                        ui::font(QStringLiteral("Arial"), 12, true, false, underline), kBackground);
}
}  // namespace

ConverterWindow::ConverterWindow(const RegionalSettings& regional, MessageSink messages, QWidget* parent)
    : QWidget(parent)
    , m_regional(regional)
    , m_messages(std::move(messages))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Számítások"));
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
    auto* Shape1 = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, ui::twipsRect(240, 240, 8175, 4815),
                                   kLineColor, this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
}

void ConverterWindow::createDegreeRow()
{
    createRow(kDegreeRow, Text41, Command41, &ConverterWindow::Command41_Click);
}

void ConverterWindow::createMilRow()
{
    createRow(kMilRow, Text42, Command42, &ConverterWindow::Command42_Click);
}

void ConverterWindow::createRow(const ConversionRow& row, QLineEdit*& entry, QPushButton*& button,
                                void (ConverterWindow::*click)())
{
    addLabel(this, row.heading, true);

    entry = new QLineEdit(this);
    entry->setObjectName(QLatin1String(row.entry.name));
    entry->setMaxLength(kEntryLimit);
    entry->setFont(ui::font(QStringLiteral("Arial"), 12, true));
    entry->setGeometry(ui::twipsRect(row.entry.twips));

    addLabel(this, row.fromUnit);
    addLabel(this, row.toUnit);

    button = ui::addButton(this, row.button.name, tr("Számítás"), ui::twipsRect(row.button.twips),
                           ui::font(QStringLiteral("Arial Narrow"), 12, true), kButtonFace);
    connect(button, &QPushButton::clicked, this, click);

    const QLine& l = row.lineTwips;
    auto* line = new ShapeWidget(ui::twipsLine(l.x1(), l.y1(), l.x2(), l.y2()), kLineColor, this);
    line->setObjectName(QLatin1String(row.line));
}

void ConverterWindow::createNote()
{
    QLabel* Label48 = ui::addLabel(
        this, "Label48",
        tr("A tüzérségben és a navigációban használt 6000 egységre osztott kör "
                       "(ún. tüzérségi kör) olyan szögmértékegység, amely a teljes kört "
                       "360 fok helyett 6000 egységre osztja fel."),
        ui::twipsRect(600, 3600, 7455, 1215), ui::font(QStringLiteral("Arial Narrow"), 12.75, true),
        kBackground);
    Label48->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label48->setWordWrap(true);

    Command499 = ui::addButton(this, "Command499", tr("OK"), ui::twipsRect(3960, 5280, 855, 495),
                               ui::font(QStringLiteral("Arial Narrow"), 14.25, true), kButtonFace);
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

void ConverterWindow::convert(const ConversionRow& row, const QLineEdit* entry)
{
    const std::optional<double> value = parseRegionalNumber(entry->text(), m_regional);
    // A number near the top of the double range (1e308 degrees) overflows in
    // the conversion: it is refused like any other number out of range.
    const double result = value ? row.conversion(*value) : 0.0;
    if (!value || !std::isfinite(result)) {
        m_messages.show(this, MessageIcon::Warning, tr("Kérem, VALÓS ADATOT adjon meg!"));
        return;
    }
    m_surface->clear();
    m_surface->drawText(ui::twipsPoint(row.resultTwips.x(), row.resultTwips.y()),
                        QLatin1Char(' ') + formatFixed(result, 2, m_regional));
}

void ConverterWindow::Command41_Click() { convert(kDegreeRow, Text41); }

void ConverterWindow::Command42_Click() { convert(kMilRow, Text42); }

void ConverterWindow::Command499_Click() { close(); }

void ConverterWindow::nameForScreenReaders()
{
    // Each row's box and button are named after the row's heading.
    const auto caption = [](const Placed& label) { return ConverterWindow::tr(label.text); };
    access::nameAfterCaption(Text41, caption(kDegreeRow.heading),
                             caption(kDegreeRow.fromUnit).remove(u'=').simplified());
    access::nameAfterCaption(Text42, caption(kMilRow.heading),
                             caption(kMilRow.fromUnit).remove(u'=').simplified());
    Command41->setAccessibleDescription(access::captionWords(caption(kDegreeRow.heading)));
    Command42->setAccessibleDescription(access::captionWords(caption(kMilRow.heading)));
    m_surface->setAccessibleName(tr("Eredmény"));
}

}  // namespace tavik
