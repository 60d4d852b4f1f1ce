#include "maplegend.h"

#include "crescents.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <array>

namespace tavik::maps {

using tavik::almanac::MapOutcome;
using tavik::almanac::MapPoint;
using tavik::almanac::OdehZone;
using tavik::almanac::YallopClass;

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

QFont legendFont()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(13);
    return f;
}

}  // namespace

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

QString criterionName(Criterion criterion)
{
    return criterion == Criterion::Yallop ? QCoreApplication::translate("tavik::maps", "Yallop-féle q") : QCoreApplication::translate("tavik::maps", "Odeh-féle V");
}

QList<LegendEntry> legendEntries(Criterion criterion, bool morning)
{
    QList<LegendEntry> entries;
    for (int g = 0; g < tavik::almanac::gradeCount(criterion); ++g) {
        const QString words = criterion == Criterion::Yallop ? tavik::almanac::yallopWords(YallopClass(g))
                                                             : tavik::almanac::odehWords(OdehZone(g));
        entries.append({classColour(criterion, g), QString(tavik::almanac::gradeLetter(criterion, g)) + QStringLiteral(": ") + words});
    }
    entries.append({kMoonsetFirst, morning ? QCoreApplication::translate("tavik::maps", "a Hold a Nap után kel")
                                           : QCoreApplication::translate("tavik::maps", "a Hold a Nap előtt nyugszik")});
    entries.append({kBeforeConjunction, morning ? QCoreApplication::translate("tavik::maps", "napkelte az együttállás után")
                                                : QCoreApplication::translate("tavik::maps", "napnyugta az együttállás előtt")});
    entries.append({kNoSunset, morning ? QCoreApplication::translate("tavik::maps", "nincs napkelte")
                                     : QCoreApplication::translate("tavik::maps", "nincs napnyugta")});
    return entries;
}

qreal layoutLegend(QPainter* painter, const QRectF& area, Criterion criterion, bool morning)
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
    for (const LegendEntry& e : legendEntries(criterion, morning)) {
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
