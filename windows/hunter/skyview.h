// The sky towards the Sun at the best time: the horizon, an altitude-azimuth
// grid in degrees, the Sun and the crescent with its lit limb towards the
// Sun, coloured by its visibility class. It keeps the scene it was given.
#pragma once

#include "evening.h"

#include <QColor>
#include <QRectF>
#include <QWidget>

namespace tavik {

// The colour of a visibility class, shared by the sky picture and the chart.
QColor visibilityColour(std::optional<almanac::YallopClass> c);

// The degrees of azimuth and altitude a picture of the scene shows in an
// area, one scale for both, so that the crescent points at the drawn Sun.
struct SkyFrame {
    double azFrom, azTo, altFrom, altTo;
    QRectF area;
    QPointF at(double az, double alt) const;
    double pixelsPerDegree() const { return area.width() / (azTo - azFrom); }
};
// At least 40 degrees of azimuth and 25 of altitude around the Sun and the
// Moon, the rest of the area filled at the same scale.
SkyFrame skyFrame(const almanac::SkyScene& s, const QRectF& area);

class SkyView : public QWidget {
    Q_OBJECT
public:
    explicit SkyView(QWidget* parent = nullptr);

    void setScene(const almanac::SkyScene& scene, const QString& caption);
    const almanac::SkyScene& scene() const noexcept { return m_scene; }
    QSize sizeHint() const override { return {420, 260}; }

    // The picture at any size, as paintEvent draws it.
    void render(QPainter& p, const QRect& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    almanac::SkyScene m_scene;
    QString m_caption;
    bool m_hasScene = false;
};

}  // namespace tavik
