#include "maplegend.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <array>

namespace tavik::maps {

using tavik::almanac::MapOutcome;
using tavik::almanac::MapPoint;

namespace {

// Yallop's A to F; Odeh's A, B, C and D take those of A, B, D and F, the
// classes that say the same.
constexpr std::array<QColor, 6> kClassColours{
    QColor(0x1A, 0x96, 0x41), QColor(0xA6, 0xD9, 0x6A), QColor(0xFF, 0xF0, 0x8C),
    QColor(0xFD, 0xAE, 0x61), QColor(0xE0, 0x4A, 0x3C), QColor(0xE4, 0xE4, 0xE4)};
constexpr std::array<int, 4> kOdehColourOf{0, 1, 3, 5};

constexpr QColor kMoonsetFirst(0x9A, 0x9E, 0xC4);
constexpr QColor kBeforeConjunction(0x6A, 0x51, 0xA3);
constexpr QColor kNoSunset(0x3F, 0x5A, 0x7A);

QColor classColour(Criterion criterion, int grade)
{
    return kClassColours[criterion == Criterion::Yallop ? grade : kOdehColourOf[grade]];
}

}  // namespace

QFont legendFont()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(13);
    return f;
}

QColor pointColour(Criterion criterion, const MapPoint& p)
{
    switch (p.outcome) {
    case MapOutcome::Graded:
    case MapOutcome::NoMoonset: return classColour(criterion, p.grade);
    case MapOutcome::MoonsetFirst: return kMoonsetFirst;
    case MapOutcome::BeforeConjunction: return kBeforeConjunction;
    case MapOutcome::NoSunset: break;
    }
    return kNoSunset;
}

QList<LegendKey> legendKeys(Criterion criterion)
{
    QList<LegendKey> keys;
    for (int g = 0; g < tavik::almanac::gradeCount(criterion); ++g)
        keys.append({MapOutcome::Graded, g});
    keys.append({MapOutcome::MoonsetFirst, 0});
    keys.append({MapOutcome::BeforeConjunction, 0});
    keys.append({MapOutcome::NoSunset, 0});
    return keys;
}

QColor legendColour(Criterion criterion, const LegendKey& key)
{
    MapPoint p;
    p.outcome = key.outcome;
    p.grade = std::uint8_t(key.grade);
    return pointColour(criterion, p);
}

qreal layoutLegend(QPainter* painter, const QRectF& area, const QList<LegendEntry>& entries)
{
    const QFont font = legendFont();
    const QFontMetricsF metrics(font);
    const qreal line = metrics.height() + 6;
    const qreal box = metrics.height() - 2;
    if (painter) {
        painter->save();
        painter->setFont(font);
    }
    qreal x = area.left(), y = area.top();
    for (const LegendEntry& e : entries) {
        const qreal width = box + 6 + metrics.horizontalAdvance(e.text) + 18;
        if (x > area.left() && x + width > area.right()) {
            x = area.left();
            y += line;
        }
        if (painter) {
            painter->setPen(QColor(0x40, 0x40, 0x40));
            painter->setBrush(e.colour);
            painter->drawRect(QRectF(x, y + 2, box, box));
            painter->setPen(Qt::black);
            painter->drawText(QRectF(x + box + 6, y, width, line), Qt::AlignLeft | Qt::AlignTop, e.text);
        }
        x += width;
    }
    if (painter)
        painter->restore();
    return y + line - area.top();
}

}  // namespace tavik::maps
