#include "texts.h"

#include "datetimeparser.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace tavik {

namespace {

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

// A numeric QDateTime-style pattern: d dd M MM yyyy (yy) H HH h hh mm ss AP ap,
// text in single quotes, anything else literal.
QString applyPattern(const QString& pattern, const CivilDateTime& c, const RegionalSettings& rs)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar ch = pattern.at(i);
        if (ch == u'\'') {
            if (i + 1 < pattern.size() && pattern.at(i + 1) == u'\'') {
                out += ch;
                ++i;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        if (quoted) {
            out += ch;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern.at(i + run) == ch)
            ++run;
        const int hour12 = c.hour % 12 == 0 ? 12 : c.hour % 12;
        switch (ch.unicode()) {
        case u'd': out += run >= 2 ? twoDigits(c.day) : QString::number(c.day); break;
        case u'M': out += run >= 2 ? twoDigits(c.month) : QString::number(c.month); break;
        case u'y':
            out += run == 2 ? twoDigits(((c.year % 100) + 100) % 100)
                            : QString::number(c.year).rightJustified(4, u'0');
            break;
        case u'H': out += run >= 2 ? twoDigits(c.hour) : QString::number(c.hour); break;
        case u'h': out += run >= 2 ? twoDigits(hour12) : QString::number(hour12); break;
        case u'm': out += twoDigits(c.minute); break;
        case u's': out += twoDigits(c.second); break;
        case u'A':
        case u'a': {
            if (i + 1 < pattern.size() && pattern.at(i + 1).toLower() == u'p')
                ++i;
            const QString& t = c.hour < 12 ? rs.amText() : rs.pmText();
            out += ch == u'A' ? t.toUpper() : t.toLower();
            run = 1;
            break;
        }
        default: out += QString(run, ch); break;
        }
        i += run - 1;
    }
    return out;
}

}  // namespace

QString formatShortDate(DateTimeValue v, const RegionalSettings& rs)
{
    return applyPattern(rs.shortDatePattern(), toCivil(v), rs);
}

QString formatLongTime(DateTimeValue v, const RegionalSettings& rs)
{
    return applyPattern(rs.longTimePattern(), toCivil(v), rs);
}

QString formatDateTime(DateTimeValue v, const RegionalSettings& rs)
{
    if (hasZeroDate(v))
        return formatLongTime(v, rs);
    if (isMidnight(v))
        return formatShortDate(v, rs);
    return formatShortDate(v, rs) + u' ' + formatLongTime(v, rs);
}

std::optional<DateTimeValue> parseDateTime(QStringView text, const RegionalSettings& rs)
{
    const std::optional<CivilDateTime> c = parseCivilDateTime(text, rs);
    if (!c)
        return std::nullopt;
    return toDateTimeValue(*c);
}

QString formatWhole(std::int64_t n)
{
    return QString::number(n);
}

QString formatFixed(double value, int decimals, const RegionalSettings& rs)
{
    if (!std::isfinite(value))
        return QString::number(value);
    decimals = std::clamp(decimals, 0, 9);
    const double scale = std::pow(10.0, decimals);
    const double scaled = std::fabs(value) * scale;
    if (scaled >= 9.0e18)
        return QString::number(value, 'f', decimals).replace(u'.', rs.decimalSeparator());
    // Halves away from zero on the decimal value the number stands for: a scaled
    // value a few units in the last place below .5 (1.005 is stored as
    // 1.00499999999999989...) counts as the half it was meant to be.
    double whole = std::floor(scaled);
    const double tolerance = 16 * DBL_EPSILON * std::max(1.0, scaled);
    if (scaled - whole >= 0.5 - tolerance)
        whole += 1;
    const auto units = static_cast<std::int64_t>(whole);
    const std::int64_t divisor = static_cast<std::int64_t>(scale);
    QString out;
    if (value < 0 && units != 0)
        out += u'-';
    out += QString::number(units / divisor);
    if (decimals > 0) {
        out += rs.decimalSeparator();
        out += QString::number(units % divisor).rightJustified(decimals, u'0');
    }
    return out;
}

std::optional<std::int32_t> roundToInt32(double value) noexcept
{
    if (!std::isfinite(value))
        return std::nullopt;
    double r = std::floor(value);
    const double frac = value - r;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1;
    if (r < static_cast<double>(std::numeric_limits<std::int32_t>::min())
        || r > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<double> parseRegionalNumber(QStringView text, const RegionalSettings& rs)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = rs.locale().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString visibleCharacters(QStringView characters)
{
    QString out;
    bool afterCode = false;
    for (char32_t c : characters.toUcs4()) {
        const QChar::Category cat = QChar::category(c);
        const bool invisible = !QChar::isPrint(c) || (QChar::isSpace(c) && c != U' ')
                               || cat == QChar::Mark_NonSpacing || cat == QChar::Mark_Enclosing
                               || cat == QChar::Other_Format;
        if (invisible) {
            if (!out.isEmpty())
                out += u' ';
            out += QStringLiteral("U+") + QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, u'0');
            afterCode = true;
        } else {
            if (afterCode)
                out += u' ';
            out += QString::fromUcs4(&c, 1);
            afterCode = false;
        }
    }
    return out;
}

}  // namespace tavik
