// Where the crescent can be seen, as a map for the visibility window: Europe
// first and the whole world a click away, the evenings (mornings) after the
// given one side by side where they fit, the site marked, on the map
// window's canvas; the maps are computed in the background, so the window
// never waits for them.
#pragma once

#include "ephemeris.h"
#include "mapimage.h"
#include "messages.h"
#include "visibilitymap.h"

#include <QDate>
#include <QFutureWatcher>
#include <QImage>
#include <QList>
#include <QWidget>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace tavik {

class MapCanvas;
struct VisibilityMapWork;

class VisibilityMapView : public QWidget {
    Q_OBJECT
public:
    explicit VisibilityMapView(MessageSink messages, QWidget* parent = nullptr);
    ~VisibilityMapView() override;

    // The ephemeris the maps are prepared with, on this (the window's) thread.
    void setEphemeris(const almanac::Ephemeris& eph);
    // The maps of the evening of the date and the one or two after it (of the
    // morning and the one or two before it, oldest first), started at once if the view is shown, else when it is; a map still
    // being computed for an earlier call is dropped. Each map is shown when
    // it is done, mapsReady() comes after the last. The same evening again
    // changes nothing.
    void setEvening(QDate date, bool morning, const almanac::Site& site, almanac::Criterion criterion);
    almanac::Criterion criterion() const { return m_criterion; }
    // How many evenings to show side by side, 1 to 3, as many as fit.
    void setEveningCount(int count);
    void showWholeWorld(bool world);
    // Degrees between the places, kMinMapStep to kMaxMapStep (0.5 at first).
    void setGridStep(double step);

    bool computing() const { return m_computing; }
    const QList<almanac::VisibilityMap>& maps() const { return m_maps; }
    maps::GeoRect region() const;
    int shownEvenings() const;

    // The picture of what is shown, with its titles and legend.
    QImage picture() const;
    // Writes picture() as PNG; a fault is told through the message sink.
    bool savePicture(const QString& path);

Q_SIGNALS:
    void mapsReady();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void startWork();
    void takeMap(int index);
    void workDone();
    // The maps that fit side by side on the canvas, with their captions.
    void showMaps();
    void savePictureAs();

    std::optional<almanac::Ephemeris> m_eph;
    bool m_pending = false;   // asked for while hidden
    MessageSink m_messages;
    QDate m_date;
    bool m_morning = false;
    almanac::Site m_site;
    almanac::Criterion m_criterion = almanac::Criterion::Yallop;
    int m_eveningCount = 3;
    double m_step = 0.5;
    bool m_computing = false;
    QList<almanac::VisibilityMap> m_maps;
    std::shared_ptr<VisibilityMapWork> m_work;
    QFutureWatcher<almanac::VisibilityMap>* m_watcher = nullptr;

    MapCanvas* m_canvas = nullptr;
    QPushButton* m_worldButton = nullptr;
    QComboBox* m_eveningsBox = nullptr;
    QComboBox* m_criterionBox = nullptr;
    QPushButton* m_saveButton = nullptr;
    QLabel* m_status = nullptr;
};

}  // namespace tavik
