#include "sheetlayer.h"

#include "parallel.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QGuiApplication>
#include <QHash>
#include <QIODevice>
#include <QPainter>

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>

namespace tavik::maps {

namespace {

constexpr char kMagic[8] = {'T', 'A', 'V', 'L', 'A', 'Y', 'R', '1'};
constexpr quint32 kLengthMask = (1u << 30) - 1;
// The kinds of run: pixels left as they were, of one colour, blended.
enum Kind : quint32 { Kept = 0, Solid = 1, Blended = 2 };
// Rows left between the title and the first drawn pixel: the title is drawn
// over the put-together picture, so no line may reach it.
constexpr int kTitleClearance = 2;

// What the drawing of a layer keeps of each pixel while the colours come,
// in any order: whether it was left as it was, whether it was one colour,
// and where it holds a colour for each colour under it.
struct Pixels {
    enum State : quint8 { KeptSoFar = 1, SolidSoFar = 2, IsBlend = 4 };
    explicit Pixels(qsizetype count, int colours)
        : value(std::size_t(count)), state(std::size_t(count), KeptSoFar | SolidSoFar), colours(colours)
    {
    }
    // Its colour in the first drawing taken; for a blend, which one.
    std::vector<quint32> value;
    std::vector<quint8> state;
    std::vector<QRgb> blends;   // colours() a blend, in the palette's order
    std::vector<int> taken;     // the palette's colours taken so far
    int colours;
    std::mutex mutex;

    bool blended(std::size_t i) const { return state[i] & IsBlend; }
    bool kept(std::size_t i) const { return state[i] & KeptSoFar; }
    const QRgb* blendOf(std::size_t i) const { return &blends[std::size_t(value[i]) * std::size_t(colours)]; }

    // The sheet drawn over the palette's colour k where isCell, white elsewhere.
    void take(int k, const QRgb* drawn, const quint8* isCell, const QRgb* palette)
    {
        const std::lock_guard lock(mutex);
        const std::size_t count = value.size();
        const QRgb white = QColor(Qt::white).rgb(), under[2] = {white, palette[k]};
        for (std::size_t i = 0; i < count; ++i) {
            if (state[i] & IsBlend) {
                blends[std::size_t(value[i]) * std::size_t(colours) + std::size_t(k)] = drawn[i];
                continue;
            }
            if (taken.empty()) {
                value[i] = drawn[i];
                state[i] = drawn[i] == under[isCell[i]] ? KeptSoFar | SolidSoFar : SolidSoFar;
                continue;
            }
            const quint8 still = (drawn[i] == under[isCell[i]] ? KeptSoFar : 0) | (drawn[i] == value[i] ? SolidSoFar : 0);
            if (state[i] & still) {
                state[i] &= still;
                continue;
            }
            // What it was over each colour before: the colour itself, or the one colour.
            const QRgb before = value[i];
            value[i] = quint32(blends.size() / std::size_t(colours));
            blends.resize(blends.size() + std::size_t(colours));
            QRgb* b = &blends[std::size_t(value[i]) * std::size_t(colours)];
            for (int j : taken)
                b[j] = state[i] & KeptSoFar ? (isCell[i] ? palette[j] : white) : before;
            b[k] = drawn[i];
            state[i] = IsBlend;
        }
        taken.push_back(k);
    }
};

void appendWords(QByteArray& out, const quint32* words, std::size_t count)
{
    out.append(reinterpret_cast<const char*>(words), qsizetype(count * sizeof(quint32)));
}

struct Reader {
    QByteArrayView bytes;
    qsizetype at = 0;
    bool ok = true;
    quint32 word()
    {
        quint32 w = 0;
        if (at + 4 > bytes.size()) {
            ok = false;
            return 0;
        }
        std::memcpy(&w, bytes.data() + at, 4);
        at += 4;
        return w;
    }
    // Passes over count words; where they start.
    qsizetype skip(quint64 count)
    {
        const qsizetype start = at;
        if (!ok || count > quint64(bytes.size() - at) / 4)
            ok = false;
        else
            at += qsizetype(count) * 4;
        return start;
    }
};

}  // namespace

SheetLayer SheetLayer::draw(const MapSheet& sheet, const SheetLayout& layout, const QList<QRgb>& palette,
                            const QByteArray& key)
{
    SheetLayer layer;
    const QRgb white = QColor(Qt::white).rgb();
    QImage under(layout.size, QImage::Format_RGB32);
    if (under.isNull() || palette.size() < 2)
        return layer;
    // Where the cells fall: no cell is white.
    under.fill(white);
    {
        QPainter p(&under);
        paintSheetCells(p, sheet, layout);
    }
    const qsizetype count = qsizetype(under.width()) * under.height();
    auto* cells = reinterpret_cast<QRgb*>(under.bits());
    std::vector<quint8> isCell(static_cast<std::size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        isCell[std::size_t(i)] = cells[i] != white;
    const int height = under.height(), width = under.width();
    under = QImage();

    Pixels pixels(count, int(palette.size()));
    std::atomic_bool failed{false};
    const auto drawOver = [&](int k) {
        QImage drawn(layout.size, QImage::Format_RGB32);
        if (drawn.isNull()) {
            failed = true;
            return;
        }
        auto* px = reinterpret_cast<QRgb*>(drawn.bits());
        for (qsizetype i = 0; i < count; ++i)
            px[i] = isCell[std::size_t(i)] ? palette[k] : white;
        {
            QPainter p(&drawn);
            paintSheetBody(p, sheet, layout, false);
        }
        pixels.take(k, px, isCell.data(), palette.constData());
    };
    // Each colour the first drawing of its thread.
    const int workers = idealWorkerCount();
    for (int first = 0; first < palette.size() && !failed; first += workers)
        onWorkerThreads(std::min<int>(workers, int(palette.size()) - first), [&](int t) { drawOver(first + t); });
    if (failed)
        return layer;

    int firstDrawnRow = height;
    std::vector<quint32> runs;
    std::vector<QRgb> blends;
    QHash<QByteArray, quint32> blendIndex;
    const std::size_t k = std::size_t(palette.size());
    for (qsizetype i = 0; i < count;) {
        const auto kindOf = [&](qsizetype at) {
            return pixels.blended(std::size_t(at)) ? Blended : pixels.kept(std::size_t(at)) ? Kept : Solid;
        };
        const Kind kind = kindOf(i);
        qsizetype end = i + 1;
        while (end < count && end - i < kLengthMask && kindOf(end) == kind
               && (kind != Solid || pixels.value[std::size_t(end)] == pixels.value[std::size_t(i)]))
            ++end;
        if (kind != Kept)
            firstDrawnRow = std::min(firstDrawnRow, int(i / width));
        runs.push_back(quint32(kind) << 30 | quint32(end - i));
        if (kind == Solid)
            runs.push_back(pixels.value[std::size_t(i)]);
        if (kind == Blended) {
            for (qsizetype at = i; at < end; ++at) {
                const QRgb* b = pixels.blendOf(std::size_t(at));
                const QByteArray colours(reinterpret_cast<const char*>(b), qsizetype(k * sizeof(QRgb)));
                const auto found = blendIndex.constFind(colours);
                quint32 index = 0;
                if (found != blendIndex.constEnd()) {
                    index = *found;
                } else {
                    index = quint32(blends.size() / k);
                    blendIndex.insert(colours, index);
                    blends.insert(blends.end(), b, b + k);
                }
                runs.push_back(index);
            }
        }
        i = end;
    }
    if (firstDrawnRow < int(std::ceil(layout.title.bottom())) + kTitleClearance)
        return layer;
    QByteArray out(kMagic, sizeof kMagic);
    const quint32 head[] = {quint32(key.size()),     quint32(layout.size.width()), quint32(layout.size.height()),
                            quint32(palette.size()), quint32(firstDrawnRow),       quint32(runs.size()),
                            quint32(blends.size())};
    appendWords(out, head, std::size(head));
    out.append(key);
    appendWords(out, palette.constData(), std::size_t(palette.size()));
    appendWords(out, runs.data(), runs.size());
    appendWords(out, blends.data(), blends.size());
    const quint32 sum = quint32(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(out.constData()), uInt(out.size())));
    appendWords(out, &sum, 1);
    return fromBytes(out, key).value_or(SheetLayer());
}

QByteArray SheetLayer::bytes() const
{
    return m_data;
}

std::optional<SheetLayer> SheetLayer::fromBytes(const QByteArray& bytes, const QByteArray& key)
{
    if (bytes.size() < qsizetype(sizeof kMagic) + 4 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    quint32 sum = 0;
    std::memcpy(&sum, bytes.data() + bytes.size() - 4, 4);
    if (sum != quint32(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size() - 4))))
        return std::nullopt;
    SheetLayer layer;
    // The words are read where they stand, four-byte aligned.
    layer.m_data = quintptr(bytes.constData()) % alignof(quint32) == 0 ? bytes : QByteArray(bytes.constData(), bytes.size());
    Reader r{QByteArrayView(layer.m_data).first(bytes.size() - 4), qsizetype(sizeof kMagic)};
    const quint32 keyLength = r.word(), width = r.word(), height = r.word(), colours = r.word(),
                  firstDrawnRow = r.word(), runs = r.word(), blends = r.word();
    if (!r.ok || keyLength != quint32(key.size()) || r.bytes.size() - r.at < qsizetype(keyLength)
        || QByteArrayView(r.bytes.data() + r.at, keyLength) != key || colours < 2 || width == 0 || height == 0
        || width > 1u << 15 || height > 1u << 15 || blends % colours != 0 || keyLength % 4 != 0)
        return std::nullopt;
    r.at += keyLength;
    const qsizetype paletteAt = r.skip(colours), runsAt = r.skip(runs), blendsAt = r.skip(blends);
    if (!r.ok || r.at != r.bytes.size())
        return std::nullopt;
    layer.m_palette = QList<QRgb>(layer.word(paletteAt), layer.word(paletteAt) + colours);
    layer.m_runs = {layer.word(runsAt), runs};
    layer.m_blends = {layer.word(blendsAt), blends};
    // The runs cover the picture exactly, and every blend they name is there.
    const quint64 pixels = quint64(width) * height, blendCount = blends / colours;
    quint64 covered = 0;
    for (std::size_t i = 0; i < layer.m_runs.size(); ++i) {
        const quint32 kind = layer.m_runs[i] >> 30, length = layer.m_runs[i] & kLengthMask;
        covered += length;
        if (length == 0 || covered > pixels)
            return std::nullopt;
        if (kind == Solid) {
            if (++i >= layer.m_runs.size())
                return std::nullopt;
        } else if (kind == Blended) {
            if (layer.m_runs.size() - i - 1 < length)
                return std::nullopt;
            for (quint32 j = 1; j <= length; ++j) {
                if (layer.m_runs[i + j] >= blendCount)
                    return std::nullopt;
            }
            i += length;
        } else if (kind != Kept) {
            return std::nullopt;
        }
    }
    if (covered != pixels)
        return std::nullopt;
    layer.m_size = QSize(int(width), int(height));
    layer.m_firstDrawnRow = int(firstDrawnRow);
    return layer;
}

QImage SheetLayer::compose(const MapSheet& sheet, const SheetLayout& layout) const
{
    if (m_palette.isEmpty() || layout.size != m_size
        || m_firstDrawnRow < int(std::ceil(layout.title.bottom())) + kTitleClearance)
        return {};
    // Every cell of a colour the layer was drawn over.
    for (const QImage& cells : sheet.cells) {
        const QImage c = cells.convertToFormat(QImage::Format_RGB32);
        QRgb last = m_palette.first();
        for (int y = 0; y < c.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(c.constScanLine(y));
            for (int x = 0; x < c.width(); ++x) {
                if (line[x] != last && !m_palette.contains(line[x]))
                    return {};
                last = line[x];
            }
        }
    }
    QImage image(m_size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    onWorkerThreads(1, [&](int) {   // the title as a thread's first drawing, as in the picture drawn
        QPainter p(&image);
        paintSheetTitle(p, sheet, layout);
        paintSheetCells(p, sheet, layout);
    });
    auto* px = reinterpret_cast<QRgb*>(image.bits());
    const std::size_t colours = std::size_t(m_palette.size());
    QRgb lastUnder = m_palette.first();
    std::size_t lastK = 0;   // lastUnder's place in the palette
    std::size_t at = 0;
    for (std::size_t i = 0; i < m_runs.size(); ++i) {
        const quint32 kind = m_runs[i] >> 30, length = m_runs[i] & kLengthMask;
        if (kind == Solid) {
            std::fill_n(px + at, length, m_runs[++i]);
        } else if (kind == Blended) {
            for (quint32 j = 0; j < length; ++j) {
                const QRgb under = px[at + j];
                if (under != lastUnder) {
                    const qsizetype k = m_palette.indexOf(under);
                    if (k < 0)
                        return {};
                    lastUnder = under;
                    lastK = std::size_t(k);
                }
                px[at + j] = m_blends[std::size_t(m_runs[i + 1 + j]) * colours + lastK];
            }
            i += length;
        }
        at += length;
    }
    return image;
}

QImage freshSheetImage(const MapSheet& sheet, const SheetLayout& layout)
{
    QImage image;
    onWorkerThreads(1, [&](int) { image = sheetImage(sheet, layout); });
    return image;
}

QByteArray sheetLayerKey(const MapSheet& sheet, const SheetLayout& layout, const QList<QRgb>& palette,
                         QByteArrayView program)
{
    QByteArray what;
    QDataStream s(&what, QIODevice::WriteOnly);
    s << QByteArray("tavik sheet layer 1") << QByteArray(program.data(), program.size()) << QByteArray(qVersion())
      << QGuiApplication::platformName() << fontFingerprint();
    s << layout.size << layout.title << layout.captions << layout.maps << layout.legend << layout.stacked;
    s << sheet.captions << sheet.region.west << sheet.region.south << sheet.region.east << sheet.region.north;
    for (const LegendEntry& e : sheet.legend)
        s << e.colour.rgba() << e.text;
    const MapLabels& l = sheet.labels;
    s << l.north << l.south << l.east << l.west;
    for (const QList<PlaceLabel>* places : {&l.capitals, &l.towns}) {
        s << qint64(places->size());
        for (const PlaceLabel& p : *places)
            s << p.name << p.latitude << p.longitude;
    }
    for (const QImage& cells : sheet.cells)
        s << cells.size();
    for (const GeoRect& r : sheet.cellRegions)
        s << r.west << r.south << r.east << r.north;
    s << sheet.site.has_value();
    if (sheet.site)
        s << sheet.site->latitude << sheet.site->longitude;
    s << palette;
    return QCryptographicHash::hash(what, QCryptographicHash::Sha256);
}

}  // namespace tavik::maps
