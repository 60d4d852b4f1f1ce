#include "angles.h"

#include <QList>
#include <QString>

#include <array>
#include <cmath>

namespace tavik {

namespace {

struct Hemisphere {
    QStringView letters;
    Axis axis;
    int sign;
};

// Longer letters first, so that "Ny" is not taken for a stray "y".
constexpr std::array<Hemisphere, 8> kHemispheres{{
    {u"Ny", Axis::Longitude, -1}, {u"É", Axis::Latitude, 1},  {u"D", Axis::Latitude, -1},
    {u"N", Axis::Latitude, 1},    {u"S", Axis::Latitude, -1}, {u"K", Axis::Longitude, 1},
    {u"E", Axis::Longitude, 1},   {u"W", Axis::Longitude, -1},
}};

// Takes a hemisphere letter off either end; its sign, 0 for none, or no
// value for a letter of the other axis.
std::optional<int> takeHemisphere(QStringView& text, Axis axis)
{
    for (const Hemisphere& h : kHemispheres) {
        const bool front = text.startsWith(h.letters, Qt::CaseInsensitive);
        if (!front && !text.endsWith(h.letters, Qt::CaseInsensitive))
            continue;
        if (h.axis != axis)
            return std::nullopt;
        text = (front ? text.sliced(h.letters.size()) : text.chopped(h.letters.size())).trimmed();
        return h.sign;
    }
    return 0;
}

// Which part a mark ends: 0 degrees, 1 minutes, 2 seconds; -1 for none.
int markPart(QChar c)
{
    switch (c.unicode()) {
    case u'°': case u'º': return 0;
    case u'\'': case u'′': case u'’': return 1;
    case u'"': case u'″': case u'”': return 2;
    }
    return -1;
}

struct Piece {
    QString digits;
    int part = -1;   // the mark after it, if any
};

// "46°15'11"" into its numbers and marks; none for a stray character.
std::optional<QList<Piece>> splitPieces(QStringView text)
{
    QList<Piece> pieces;
    bool open = false;   // a number is being read
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if ((c.isDigit() && c.unicode() < 128) || c == u'.' || c == u',') {
            if (!open)
                pieces.append(Piece{});
            pieces.last().digits += c == u',' ? u'.' : c;
            open = true;
            continue;
        }
        open = false;
        int part = markPart(c);
        if (c == u'\'' && i + 1 < text.size() && text[i + 1] == u'\'') {
            part = 2;   // two apostrophes for seconds
            ++i;
        }
        if (part >= 0 && !pieces.isEmpty() && pieces.last().part < 0)
            pieces.last().part = part;
        else if (!c.isSpace())
            return std::nullopt;
    }
    return pieces;
}

std::optional<double> pieceValue(const Piece& p, bool last)
{
    if (p.digits.count(u'.') > (last ? 1 : 0) || p.digits.startsWith(u'.') || p.digits.endsWith(u'.'))
        return std::nullopt;
    bool ok = false;
    const double v = p.digits.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

}  // namespace

std::optional<double> parseCoordinate(QStringView text, Axis axis)
{
    text = text.trimmed();
    const std::optional<int> hemisphere = takeHemisphere(text, axis);
    if (!hemisphere)
        return std::nullopt;
    int sign = 1;
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'−' || text[0] == u'+')) {
        sign = text[0] == u'+' ? 1 : -1;
        if (*hemisphere != 0)
            return std::nullopt;   // "-46 É" says it twice
        text = text.sliced(1).trimmed();
    }
    const std::optional<QList<Piece>> pieces = splitPieces(text);
    if (!pieces || pieces->isEmpty() || pieces->size() > 3)
        return std::nullopt;
    double degrees = 0;
    for (qsizetype i = 0; i < pieces->size(); ++i) {
        const Piece& p = pieces->at(i);
        const std::optional<double> v = pieceValue(p, i + 1 == pieces->size());
        if (!v || (p.part >= 0 && p.part != i) || (i > 0 && *v >= 60))
            return std::nullopt;
        degrees += *v / std::pow(60.0, double(i));
    }
    return (*hemisphere != 0 ? *hemisphere : sign) * degrees;
}

}  // namespace tavik
