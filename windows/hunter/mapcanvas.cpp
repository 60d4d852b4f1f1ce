#include "mapcanvas.h"

#include "datafiles.h"
#include "filefaults.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace tavik {

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kPanStep = 0.1;   // of the map's width or height
constexpr double kLeastScale = 0.0005;   // degrees a pixel, closest

}  // namespace

MapCanvas::MapCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("mapCanvas"));
    setAccessibleName(tr("Holdsarló-térkép"));
    setAccessibleDescription(tr("Nagyítás: egérgörgő vagy + és -, mozgatás: húzás vagy nyilak"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MapCanvas::setSheet(const maps::MapSheet& sheet, const QList<almanac::VisibilityMap>& maps)
{
    const int before = int(m_sheet.captions.size());
    const double shape = m_sheet.shape;
    m_sheet = sheet;
    m_sheet.shape = shape;
    m_maps = maps;
    m_sheet.region = region();
    if (before != sheet.captions.size() && m_keepBoxShape && m_box)
        showBox(*m_box);   // the maps' shape stays, their size follows their count
    else if (before != sheet.captions.size())
        changed();
    update();
}

maps::SheetLayout MapCanvas::layoutFor(QSize size) const
{
    if (!m_keepBoxShape || m_sheet.shape <= 0)
        return maps::layoutSheet(m_sheet, size, true);
    // The maps side by side, as wide as the width allows, lower and narrower
    // where the height would not hold them, the row centred.
    maps::MapSheet shaped = m_sheet;
    shaped.region = maps::GeoRect{0, 0, m_sheet.shape, 1};
    maps::SheetLayout l = maps::layoutSheet(shaped, QSize(size.width(), 0), false);
    const QRectF first = l.maps.first();
    const qreal gap = l.maps.size() > 1 ? l.maps[1].left() - first.right() : 0;
    const qreal room = size.height() - (l.size.height() - first.height());
    const qreal height = std::max<qreal>(1, std::min(first.height(), room));
    const qreal width = height * m_sheet.shape;
    const qreal row = l.maps.size() * width + (l.maps.size() - 1) * gap;
    const qreal left = first.left() + (l.maps.last().right() - first.left() - row) / 2;
    for (int i = 0; i < l.maps.size(); ++i) {
        l.maps[i] = QRectF(left + i * (width + gap), first.top(), width, height);
        l.captions[i] = QRectF(l.maps[i].left(), l.captions[i].top(), width, l.captions[i].height());
    }
    l.legend.moveTop(l.legend.top() - first.height() + height);
    l.size = size;
    return l;
}

QImage MapCanvas::picture(std::optional<int> width) const
{
    if (!width)
        return maps::sheetImage(m_sheet, layoutFor(size()));
    return maps::sheetImage(m_sheet, maps::layoutSheet(m_sheet, QSize(*width, 0), false));
}

void MapCanvas::setKeepBoxShape(bool keep)
{
    m_keepBoxShape = keep;
    updateGeometry();
    if (m_box)
        showBox(*m_box);
}

QSizeF MapCanvas::paneSize() const
{
    const maps::SheetLayout l = layoutFor(size());
    return l.maps.isEmpty() ? QSizeF(1, 1) : l.maps.first().size();
}

maps::GeoRect MapCanvas::region() const
{
    const QSizeF pane = paneSize();
    const double w = pane.width() * m_scale / 2, h = pane.height() * m_scale / 2;
    return maps::GeoRect{m_centre.x() - w, m_centre.y() - h, m_centre.x() + w, m_centre.y() + h};
}

void MapCanvas::showBox(const maps::GeoRect& box)
{
    m_box = box;
    m_sheet.shape = box.width() / box.height();
    const QSizeF pane = paneSize();
    m_scale = std::max(box.width() / pane.width(), box.height() / pane.height());
    m_centre = QPointF((box.west + box.east) / 2, (box.south + box.north) / 2);
    changed();
}

void MapCanvas::zoom(double factor)
{
    m_box.reset();
    m_scale = std::max(kLeastScale, m_scale / factor);
    changed();
}

void MapCanvas::pan(double dx, double dy)
{
    m_box.reset();
    m_centre += QPointF(dx * m_scale, -dy * m_scale);
    changed();
}

// Never wider than the world, and never past its edges.
void MapCanvas::keepInWorld()
{
    const QSizeF pane = paneSize();
    m_scale = std::min({m_scale, 360.0 / pane.width(), 180.0 / pane.height()});
    const double w = pane.width() * m_scale / 2, h = pane.height() * m_scale / 2;
    m_centre.setX(std::clamp(m_centre.x(), -180.0 + w, 180.0 - w));
    m_centre.setY(std::clamp(m_centre.y(), -90.0 + h, 90.0 - h));
}

void MapCanvas::changed()
{
    keepInWorld();
    m_sheet.region = region();
    update();
    Q_EMIT regionChanged();
}

std::optional<std::pair<int, QPointF>> MapCanvas::geoAt(const QPointF& at) const
{
    const maps::SheetLayout l = layoutFor(size());
    const maps::GeoRect r = region();
    for (int i = 0; i < l.maps.size(); ++i) {
        const QRectF& m = l.maps[i];
        if (m.contains(at))
            return std::pair{i, QPointF(r.west + (at.x() - m.left()) / m.width() * r.width(),
                                        r.north - (at.y() - m.top()) / m.height() * r.height())};
    }
    return std::nullopt;
}

void MapCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    maps::paintSheet(p, m_sheet, layoutFor(size()));
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void MapCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_box)
        showBox(*m_box);
    else
        changed();
}

void MapCanvas::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0)
        return;
    // The place under the mouse stays under it.
    const std::optional<std::pair<int, QPointF>> before = geoAt(event->position());
    zoom(std::pow(kZoomStep, steps));
    if (const auto after = geoAt(event->position()); before && after) {
        m_centre += before->second - after->second;
        changed();
    }
    event->accept();
}

void MapCanvas::keyPressEvent(QKeyEvent* event)
{
    const QSizeF pane = paneSize();
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: zoom(kZoomStep); break;
    case Qt::Key_Minus: zoom(1.0 / kZoomStep); break;
    case Qt::Key_Left: pan(-pane.width() * kPanStep, 0); break;
    case Qt::Key_Right: pan(pane.width() * kPanStep, 0); break;
    case Qt::Key_Up: pan(0, -pane.height() * kPanStep); break;
    case Qt::Key_Down: pan(0, pane.height() * kPanStep); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void MapCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragFrom = event->position();
    setFocus(Qt::MouseFocusReason);
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragFrom && (event->buttons() & Qt::LeftButton)) {
        const QPointF d = event->position() - *m_dragFrom;
        m_dragFrom = event->position();
        pan(-d.x(), -d.y());
    }
    Q_EMIT pointed(event->position());
}

void MapCanvas::mouseReleaseEvent(QMouseEvent*)
{
    m_dragFrom.reset();
}

bool saveMapPicture(QWidget* parent, const MessageSink& messages, const QImage& picture, const QString& path)
{
    const QByteArray png = maps::pngBytes(picture);
    if (png.isEmpty()) {
        messages.show(parent, MessageIcon::Error,
                      QCoreApplication::translate("tavik::MapWindow", "A térkép képe nem készíthető el."));
        return false;
    }
    const FileStatus status = replaceWholeFileBytes(path, png);
    if (!status.ok()) {
        messages.show(parent, MessageIcon::Error, describeFileFault(status));
        return false;
    }
    return true;
}

}  // namespace tavik
