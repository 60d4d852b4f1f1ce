// The drawing of the crescent map window: the evenings' maps of one region
// filling all the room the window gives, under a title and above a legend
// (the sheet the command line draws too), moved with the mouse (drag, wheel)
// and the keys (arrows, + and -).
#pragma once

#include "mapimage.h"
#include "messages.h"
#include "visibilitymap.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QWidget>

#include <optional>

namespace tavik {

class MapCanvas : public QWidget {
    Q_OBJECT
public:
    explicit MapCanvas(QWidget* parent = nullptr);

    // What to draw: the title, captions (one a map shown), legend and site;
    // the maps computed so far, which may cover another region than is shown.
    void setSheet(const maps::MapSheet& sheet, const QList<almanac::VisibilityMap>& maps);
    const maps::MapSheet& sheet() const { return m_sheet; }
    const QList<almanac::VisibilityMap>& maps() const { return m_maps; }

    // Shows the whole box in each map, as large as the maps' room allows.
    void showBox(const maps::GeoRect& box);
    // With keep, each map has the shape of the box last shown and is as large
    // as the room allows, so that the box shows whole and nothing beside it;
    // without it (at first), the maps fill all the room.
    void setKeepBoxShape(bool keep);
    // What each map shows now.
    maps::GeoRect region() const;
    double degreesPerPixel() const { return m_scale; }
    void zoom(double factor);
    void pan(double dx, double dy);   // pixels
    maps::SheetLayout layoutFor(QSize size) const;
    // What is shown; at another width, the maps as high as their region.
    QImage picture(std::optional<int> width = std::nullopt) const;

    // Which map is under the point and where on Earth (longitude, latitude).
    std::optional<std::pair<int, QPointF>> geoAt(const QPointF& at) const;

    // A window of its own wants a large map; a page fits what room it has.
    QSize sizeHint() const override { return m_keepBoxShape ? minimumSizeHint() : QSize(1100, 700); }
    QSize minimumSizeHint() const override { return m_keepBoxShape ? QSize(360, 260) : QSize(320, 260); }

Q_SIGNALS:
    void regionChanged();
    void pointed(const QPointF& at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSizeF paneSize() const;
    void keepInWorld();
    void changed();

    maps::MapSheet m_sheet;
    QList<almanac::VisibilityMap> m_maps;
    QPointF m_centre{20.0, 47.25};   // longitude, latitude
    double m_scale = 0.05;           // degrees a pixel
    std::optional<maps::GeoRect> m_box;   // shown whole until the user moves the map
    std::optional<QPointF> m_dragFrom;
    bool m_keepBoxShape = false;
};

// Writes a map's picture as PNG through the safe writer; a fault is told
// through messages, in parent's name.
bool saveMapPicture(QWidget* parent, const MessageSink& messages, const QImage& picture, const QString& path);

}  // namespace tavik
