// The window "Megfigyelőhely": the user's observing site, chosen from the
// Hungarian towns and observatories or typed in, kept in tavik.conf.
#pragma once

#include "messages.h"
#include "siteconfig.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavik {

enum class SiteField;

class SiteWindow : public QWidget {
    Q_OBJECT
public:
    // configPath: the site's file, written on saving; read: what the program
    // read from it, shown with the file's fault if it had one.
    SiteWindow(QString configPath, const SiteConfigRead& read, MessageSink messages, QWidget* parent = nullptr);

    // The site as last read or saved.
    const ObservingSite& site() const noexcept { return m_site; }

Q_SIGNALS:
    // After every successful save, for the windows that compute for the site.
    void siteChanged(const ObservingSite& site);

private Q_SLOTS:
    void showPlaceChosen();
    void saveAndClose();

private:
    void createPlaces();
    void createFields();
    void createButtons();
    void setTabOrderChain();
    void showSite(const ObservingSite& site);
    // Whether the fields still show the site as read or saved.
    bool showsSite() const;
    // The fields as a site; the first bad one is reported, focused and gives none.
    std::optional<ObservingSite> readFields();
    std::optional<double> readCoordinate(QLineEdit* box, SiteField field);
    std::optional<double> readElevation();
    void refuse(QLineEdit* box, const QString& message);
    // Writes the fields to the file; false after a refusal or a file fault,
    // both reported, with nothing written.
    bool save();

    QString m_path;
    MessageSink m_messages;
    ObservingSite m_site;
    bool m_fileSound = false;   // the file was read whole and without a fault
    QList<ObservingSite> m_places;

    QLabel* m_fault = nullptr;
    QListWidget* m_placeList = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_latitude = nullptr;
    QLineEdit* m_longitude = nullptr;
    QLineEdit* m_elevation = nullptr;
    QComboBox* m_zone = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace tavik
