// "Holdsarló-térkép": where the crescent can be seen, in a window of its own.
// One to three evenings (mornings) side by side or stacked, over Hungary,
// Europe, the world or wherever the user zooms; the cells are computed for
// what is shown, finer the closer it is, on worker threads, with progress in
// the status bar; under the mouse the place's figures.
#pragma once

#include "ephemeris.h"
#include "mapimage.h"
#include "messages.h"
#include "visibilitymap.h"
#include "wordslanguage.h"

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QPointer>
#include <QTimeZone>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;
class QStatusBar;

namespace tavik {

class MapCanvas;

// The name a saved crescent map is offered under, in the interface's language:
// "holdsarlo-2026-12-10.png", "crescent-2026-12-10.png".
QString crescentPictureName(const QDate& date);
struct MapWindowWork;
struct MapTileCache;

struct MapWindowEnvironment {
    MessageSink messages;
    almanac::Site site;                             // marked, and whose zone the times are in
    QTimeZone zone = QTimeZone(QByteArrayLiteral("Europe/Budapest"));
    QDate date;                                     // the first evening (morning), the others after (before) it
    bool morning = false;
    QDateTime chanceAfter;                          // valid: opens on the evening (morning) of the next
                                                    // chance of class C or better after it, at the site
    std::function<QString(QWidget*)> askPicturePath;   // none: a file dialog
    QString ephemerisFolder;                        // empty: the usual places
    words::Language language = words::Language::installed();   // of the sheet and the status line
};

class MapWindow : public QWidget {
    Q_OBJECT
public:
    enum class View { Hungary, Europe, World };

    explicit MapWindow(MapWindowEnvironment env, QWidget* parent = nullptr);
    ~MapWindow() override;

    void setEvening(QDate date, bool morning);
    void setView(View view);
    void setEveningCount(int count);
    void setCriterion(almanac::Criterion criterion);

    MapCanvas* canvas() const { return m_canvas; }
    QStatusBar* statusBar() const { return m_statusBar; }
    bool computing() const { return m_work != nullptr; }
    // The step of the maps being shown (or computed), degrees.
    double step() const { return m_step; }
    // The places the last maps shown needed computed: after a pan, only those
    // of the strip that came into view; the rest were kept.
    qint64 placesComputed() const { return m_placesComputed; }
    // The status line's text for a point of the canvas.
    QString pointText(const QPointF& at) const;
    // What the canvas shows; at another width, the maps as high as their region.
    QImage picture(std::optional<int> width = std::nullopt) const;
    bool savePicture(const QString& path, std::optional<int> width = std::nullopt);

Q_SIGNALS:
    void mapsReady();
    // The coarser maps shown while a view's own are computed.
    void previewShown();

public Q_SLOTS:
    void savePictureAs();

private:
    void createControls();
    void scheduleWork();
    // With preview, a view of many places is first computed coarser.
    void startWork(bool preview);
    void workDone(const std::shared_ptr<MapWindowWork>& work);
    void showProgress();
    void showPoint(const QPointF& at);
    maps::MapSheet emptySheet() const;
    bool openEphemeris();
    // Forgets the cells computed: the evenings or the criterion changed.
    void dropCells();

    MapWindowEnvironment m_env;
    std::optional<almanac::Ephemeris> m_eph;
    almanac::Criterion m_criterion = almanac::Criterion::Yallop;
    int m_eveningCount = 1;
    double m_step = 0;
    QString m_note;   // evenings too far from the new moon
    std::shared_ptr<MapWindowWork> m_work;
    std::unique_ptr<MapTileCache> m_tiles;
    qint64 m_placesComputed = 0;
    QTimer m_restart;
    QTimer m_progress;

    MapCanvas* m_canvas = nullptr;
    QComboBox* m_viewBox = nullptr;
    QDateEdit* m_dateEdit = nullptr;
    QCheckBox* m_morningBox = nullptr;
    QSpinBox* m_eveningsBox = nullptr;
    QComboBox* m_criterionBox = nullptr;
    QComboBox* m_sizeBox = nullptr;
    QPushButton* m_saveButton = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_pointLabel = nullptr;
};

}  // namespace tavik
