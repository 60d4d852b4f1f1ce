// The drawing surface of the visibility map view: the evenings' maps side by
// side for a region, each under its date, with one legend beneath; the same
// drawing makes the picture that is saved.
#pragma once

#include "mapimage.h"
#include "visibilitymap.h"

#include <QImage>
#include <QList>
#include <QWidget>

#include <optional>

class QPainter;

namespace tavik {

class VisibilityMapSurface : public QWidget {
    Q_OBJECT
public:
    explicit VisibilityMapSurface(QWidget* parent = nullptr);

    void setMaps(const QList<almanac::VisibilityMap>& maps, const almanac::Site& site);
    void setRegion(const maps::GeoRect& region);
    void setWaiting(const QString& text);
    const maps::GeoRect& region() const { return m_region; }
    // The maps that fit side by side in the width, at least one.
    int fitting(int width) const;

    // The maps drawn into area; the count shown is what fits its width.
    void paintMaps(QPainter& p, const QRect& area) const;
    // Where paintMaps puts the maps themselves, first evening first.
    QList<QRectF> mapRects(const QRect& area) const;

    QSize minimumSizeHint() const override { return {360, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<almanac::VisibilityMap> m_maps;
    QList<QImage> m_cells;
    std::optional<almanac::Site> m_site;
    maps::GeoRect m_region = maps::kEurope;
    QString m_waiting;
};

}  // namespace tavik
