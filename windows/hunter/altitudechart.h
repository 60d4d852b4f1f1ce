// The Sun's and the Moon's altitude through the evening (morning), with the
// horizon and the best time marked. It keeps the series it was given.
#pragma once

#include "evening.h"

#include <QTimeZone>
#include <QWidget>

#include <optional>

namespace tavik {

class AltitudeChart : public QWidget {
    Q_OBJECT
public:
    explicit AltitudeChart(QWidget* parent = nullptr);

    void setSeries(const QList<almanac::AltitudeSample>& series, std::optional<double> best, const QTimeZone& zone);
    const QList<almanac::AltitudeSample>& series() const noexcept { return m_series; }
    QSize sizeHint() const override { return {420, 200}; }

    void render(QPainter& p, const QRect& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<almanac::AltitudeSample> m_series;
    std::optional<double> m_best;
    QTimeZone m_zone;
};

}  // namespace tavik
