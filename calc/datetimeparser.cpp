#include "datetimeparser.h"

#include <array>

namespace tavik {

namespace {

struct Number {
    int value = 0;
    int digits = 0;
};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == QChar(0x00A0);
}

class Reader {
public:
    explicit Reader(QStringView s) : m_s(s) {}

    bool atEnd() const { return m_i >= m_s.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_s.at(m_i); }
    qsizetype position() const { return m_i; }

    bool take(QChar c)
    {
        if (peek() != c || atEnd())
            return false;
        ++m_i;
        return true;
    }

    int skipBlanks()
    {
        int n = 0;
        while (!atEnd() && isBlank(m_s.at(m_i))) {
            ++m_i;
            ++n;
        }
        return n;
    }

    // At most four digits; a longer run is no number we read.
    std::optional<Number> number()
    {
        Number n;
        while (!atEnd() && m_s.at(m_i) >= u'0' && m_s.at(m_i) <= u'9') {
            if (++n.digits > 4)
                return std::nullopt;
            n.value = n.value * 10 + (m_s.at(m_i).unicode() - u'0');
            ++m_i;
        }
        if (n.digits == 0)
            return std::nullopt;
        return n;
    }

    // The AM/PM designator at this point: 0 for AM, 1 for PM, none if absent.
    std::optional<int> designator(const RegionalSettings& rs)
    {
        const std::array<std::pair<QStringView, int>, 4> candidates{{
            {rs.amText(), 0}, {rs.pmText(), 1}, {u"AM", 0}, {u"PM", 1}}};
        qsizetype best = 0;
        int which = 0;
        for (const auto& [text, value] : candidates) {
            if (text.size() > best && m_s.mid(m_i).startsWith(text, Qt::CaseInsensitive)) {
                best = text.size();
                which = value;
            }
        }
        if (best == 0)
            return std::nullopt;
        m_i += best;
        return which;
    }

private:
    QStringView m_s;
    qsizetype m_i = 0;
};

// Hours, minutes and maybe seconds, with an AM/PM designator before or after.
bool readTime(Reader& r, const RegionalSettings& rs, CivilDateTime& c)
{
    std::optional<int> half = r.designator(rs);
    if (half)
        r.skipBlanks();
    const auto h = r.number();
    if (!h || h->digits > 2 || !r.take(u':'))
        return false;
    const auto m = r.number();
    if (!m || m->digits != 2)
        return false;
    int second = 0;
    if (r.take(u':')) {
        const auto s = r.number();
        if (!s || s->digits != 2)
            return false;
        second = s->value;
    }
    if (!half) {
        const qsizetype before = r.position();
        r.skipBlanks();
        half = r.designator(rs);
        if (!half && r.position() != before)
            return false;
    }
    int hour = h->value;
    if (half) {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + 12 * *half;
    }
    c.hour = hour;
    c.minute = m->value;
    c.second = second;
    return hour < 24 && m->value < 60 && second < 60 && r.atEnd();
}

// Blanks and at most one of '.', '-', '/' between two parts of a date.
bool readDateSeparator(Reader& r, bool& dashesOnly)
{
    int n = r.skipBlanks();
    const QChar c = r.peek();
    if (c == u'.' || c == u'-' || c == u'/') {
        r.take(c);
        dashesOnly = dashesOnly && c == u'-' && n == 0;
        n += 1;
        const int after = r.skipBlanks();
        if (after > 0)
            dashesOnly = false;
        n += after;
    } else {
        dashesOnly = false;
    }
    return n > 0;
}

std::optional<int> yearOf(const Number& n)
{
    if (n.digits == 2)
        return n.value < 30 ? 2000 + n.value : 1900 + n.value;
    if (n.digits >= 3 && n.value >= 100)
        return n.value;
    return std::nullopt;
}

bool assignDate(const std::array<Number, 3>& parts, RegionalSettings::DateOrder order,
                CivilDateTime& c)
{
    int y = 0;
    int m = 1;
    int d = 2;
    if (parts[0].digits < 3) {
        if (order == RegionalSettings::DateOrder::MonthDayYear) {
            m = 0; d = 1; y = 2;
        } else if (order == RegionalSettings::DateOrder::DayMonthYear) {
            d = 0; m = 1; y = 2;
        }
    }
    const auto year = yearOf(parts[y]);
    if (!year || parts[m].digits > 2 || parts[d].digits > 2)
        return false;
    c.year = *year;
    c.month = parts[m].value;
    c.day = parts[d].value;
    return true;
}

// A time alone: digits and a colon before any date separator.
bool startsAsTime(QStringView t, const RegionalSettings& rs)
{
    Reader probe(t);
    if (probe.designator(rs))
        probe.skipBlanks();
    return probe.number() && probe.take(u':');
}

}  // namespace

bool isTimeAlone(QStringView text, const RegionalSettings& rs)
{
    return startsAsTime(text.trimmed(), rs) && parseCivilDateTime(text, rs).has_value();
}

std::optional<CivilDateTime> parseCivilDateTime(QStringView text, const RegionalSettings& rs)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    CivilDateTime c = kTimeOnlyDate;
    Reader r(t);
    if (startsAsTime(t, rs)) {
        if (!readTime(r, rs, c) || !isValidCivil(c))
            return std::nullopt;
        return c;
    }
    std::array<Number, 3> parts;
    bool dashesOnly = true;
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !readDateSeparator(r, dashesOnly))
            return std::nullopt;
        const auto n = r.number();
        if (!n)
            return std::nullopt;
        parts[i] = *n;
    }
    const bool finalDot = r.take(u'.');
    if (!assignDate(parts, rs.dateOrder(), c))
        return std::nullopt;
    if (!r.atEnd()) {
        const bool iso = dashesOnly && !finalDot && parts[0].digits == 4;
        if (!(iso && (r.take(u'T') || r.take(u't'))) && r.skipBlanks() == 0)
            return std::nullopt;
        if (!readTime(r, rs, c))
            return std::nullopt;
    }
    if (c.year < 100 || c.year > 9999 || !isValidCivil(c))
        return std::nullopt;
    return c;
}

}  // namespace tavik
