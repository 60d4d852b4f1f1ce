#include "sitewindow.h"

#include "angles.h"
#include "localzone.h"
#include "palette.h"
#include "sitefaults.h"
#include "siteplaces.h"
#include "ui.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace tavik {

namespace {

constexpr QColor kBackground = ui::kLightCyan;
constexpr QColor kButtonFace = ui::kLightGreen;
constexpr int kNameLimit = 60;   // characters
QString systemZoneText()
{
    return QCoreApplication::translate("tavik::SiteWindow", "a rendszer időzónája");
}

// As the file keeps it, with a decimal comma: what was read is saved back
// unchanged.
// In the interface language's way, as the sighting report writes them; either
// separator is read back.
QString shownNumber(double v)
{
    return siteNumberText(v).replace(u'.', QCoreApplication::translate("tavik::almanac::Lists", ",", "decimal separator"));
}

QStringList zoneIds()
{
    QStringList ids;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        ids.append(QString::fromUtf8(id));
    ids.sort(Qt::CaseInsensitive);
    return ids;
}

QLineEdit* addBox(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    return box;
}

QString coordinateHint(SiteField field)
{
    return field == SiteField::Latitude
               ? QCoreApplication::translate("tavik::SiteWindow", "46,253 vagy 46.253, illetve 46°15'11\" vagy 46 15 11")
               : QCoreApplication::translate("tavik::SiteWindow", "20,148 vagy 20.148, illetve 20°08'53\" vagy 20 8 53");
}

}  // namespace

SiteWindow::SiteWindow(QString configPath, const SiteConfigRead& read, MessageSink messages, QWidget* parent)
    : QWidget(parent)
    , m_path(std::move(configPath))
    , m_messages(std::move(messages))
    , m_places(hungarianSites())
{
    setObjectName(QStringLiteral("SiteWindow"));
    setWindowTitle(tr("Megfigyelőhely"));
    QPalette p = palette();
    p.setColor(QPalette::Window, kBackground);
    setPalette(p);
    setAutoFillBackground(true);
    setFont(ui::font(QStringLiteral("Arial"), 10));
    auto* layout = new QVBoxLayout(this);
    m_fault = new QLabel(this);
    m_fault->setObjectName(QStringLiteral("fileFault"));
    m_fault->setWordWrap(true);
    m_fault->setStyleSheet(QStringLiteral("color: #c00000;"));
    layout->addWidget(m_fault);

    createPlaces();
    createFields();
    createButtons();

    m_fault->setText(describeSiteConfigFault(read, m_path));
    m_fault->setVisible(!m_fault->text().isEmpty());
    m_site = read.site;
    m_fileSound = read.ok();
    showSite(m_site);
    setTabOrderChain();
    m_placeList->setFocus();
}

void SiteWindow::createPlaces()
{
    auto* caption = new QLabel(tr("&Helyek (városok és csillagvizsgálók):"), this);
    m_placeList = new QListWidget(this);
    m_placeList->setObjectName(QStringLiteral("places"));
    m_placeList->setAccessibleName(tr("Helyek: városok és csillagvizsgálók"));
    for (const ObservingSite& s : std::as_const(m_places))
        m_placeList->addItem(s.name);
    caption->setBuddy(m_placeList);
    // A place is taken when the user selects it. The current row alone is no
    // choice: an item view makes its first row current when it gets the focus
    // without one, as it does over a typed site.
    connect(m_placeList, &QListWidget::itemSelectionChanged, this, &SiteWindow::showPlaceChosen);
    layout()->addWidget(caption);
    layout()->addWidget(m_placeList);
}

void SiteWindow::createFields()
{
    auto* form = new QFormLayout;
    m_name = addBox(this, "name", tr("A hely neve"));
    m_name->setMaxLength(kNameLimit);
    m_latitude = addBox(this, "latitude", tr("Földrajzi szélesség, fok, észak pozitív"));
    m_longitude = addBox(this, "longitude", tr("Földrajzi hosszúság, fok, kelet pozitív"));
    m_elevation = addBox(this, "elevation", tr("Tengerszint feletti magasság, méter"));
    m_zone = new QComboBox(this);
    m_zone->setObjectName(QStringLiteral("zone"));
    m_zone->setAccessibleName(tr("Időzóna"));
    m_zone->setEditable(true);
    m_zone->setInsertPolicy(QComboBox::NoInsert);
    m_zone->addItems(zoneIds());
    m_zone->lineEdit()->setPlaceholderText(systemZoneText());
    m_zone->completer()->setFilterMode(Qt::MatchContains);
    m_zone->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    m_zone->completer()->setCompletionMode(QCompleter::PopupCompletion);
    form->addRow(tr("&Név:"), m_name);
    form->addRow(tr("&Szélesség (fok, észak +):"), m_latitude);
    form->addRow(tr("H&osszúság (fok, kelet +):"), m_longitude);
    form->addRow(tr("Ma&gasság (méter):"), m_elevation);
    form->addRow(tr("&Időzóna:"), m_zone);
    auto* hint = new QLabel(tr("Fok tizedes törtként (46,253) vagy fokban, percben és másodpercben "
                                           "(46°15'11\" vagy 46 15 11); üres időzóna: %1.")
                                .arg(systemZoneText()),
                            this);
    hint->setWordWrap(true);
    static_cast<QVBoxLayout*>(layout())->addLayout(form);
    layout()->addWidget(hint);
}

void SiteWindow::createButtons()
{
    // In a row of their own rather than a button box, which orders them by
    // the desktop's custom and chains Tab among them alone.
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    const auto add = [this, row](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        ui::setButtonFace(b, kButtonFace);
        row->addWidget(b);
        return b;
    };
    m_save = add("save", tr("&Mentés"));
    m_ok = add("ok", QStringLiteral("OK"));
    m_cancel = add("cancel", tr("Mégse"));
    m_ok->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &SiteWindow::save);
    connect(m_ok, &QPushButton::clicked, this, &SiteWindow::saveAndClose);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void SiteWindow::setTabOrderChain()
{
    const QList<QWidget*> chain{m_placeList, m_name, m_latitude, m_longitude, m_elevation, m_zone,
                                m_save, m_ok, m_cancel};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void SiteWindow::showSite(const ObservingSite& site)
{
    m_name->setText(site.name);
    m_latitude->setText(shownNumber(site.latitude));
    m_longitude->setText(shownNumber(site.longitude));
    m_elevation->setText(shownNumber(site.elevation));
    m_zone->setCurrentIndex(m_zone->findText(site.timezone));
    m_zone->setEditText(site.timezone);
    const auto same = std::find(m_places.cbegin(), m_places.cend(), site);
    const QSignalBlocker quiet(m_placeList);
    if (same == m_places.cend()) {
        m_placeList->clearSelection();
        m_placeList->setCurrentRow(-1);
    } else {
        m_placeList->setCurrentRow(int(same - m_places.cbegin()));
    }
}

bool SiteWindow::showsSite() const
{
    return m_name->text() == m_site.name && m_latitude->text() == shownNumber(m_site.latitude)
           && m_longitude->text() == shownNumber(m_site.longitude)
           && m_elevation->text() == shownNumber(m_site.elevation) && m_zone->currentText() == m_site.timezone;
}

void SiteWindow::showPlaceChosen()
{
    const QList<QListWidgetItem*> chosen = m_placeList->selectedItems();
    const int row = chosen.isEmpty() ? -1 : m_placeList->row(chosen.first());
    if (row >= 0 && row < m_places.size())
        showSite(m_places.at(row));
}

void SiteWindow::refuse(QLineEdit* box, const QString& message)
{
    m_messages.show(this, MessageIcon::Warning, message);
    box->setFocus();
    box->selectAll();
}

std::optional<double> SiteWindow::readCoordinate(QLineEdit* box, SiteField field)
{
    const ValueRange range = field == SiteField::Latitude ? kLatitudeRange : kLongitudeRange;
    const std::optional<double> v =
        parseCoordinate(box->text(), field == SiteField::Latitude ? Axis::Latitude : Axis::Longitude);
    if (v && range.contains(*v))
        return v;
    refuse(box, tr("%1 hibás: „%2”.\nFokban adja meg, %3, például %4.")
                    .arg(siteFieldName(field), box->text(), siteFieldRange(field), coordinateHint(field)));
    return std::nullopt;
}

std::optional<double> SiteWindow::readElevation()
{
    QString text = m_elevation->text().trimmed();
    if (text.endsWith(u'm'))
        text = text.chopped(1).trimmed();
    const std::optional<double> v = readSiteNumber(text.replace(u',', u'.'));
    if (v && kElevationRange.contains(*v))
        return v;
    refuse(m_elevation, tr("%1 hibás: „%2”.\nMéterben adja meg, %3.")
                            .arg(siteFieldName(SiteField::Elevation), m_elevation->text(),
                                 siteFieldRange(SiteField::Elevation)));
    return std::nullopt;
}

std::optional<ObservingSite> SiteWindow::readFields()
{
    ObservingSite site;
    site.name = m_name->text().simplified();
    if (site.name.isEmpty()) {
        refuse(m_name, tr("Hiányzik a hely neve.\nAdjon nevet a helynek, legfeljebb %1 karaktert.")
                           .arg(kNameLimit));
        return std::nullopt;
    }
    const auto latitude = readCoordinate(m_latitude, SiteField::Latitude);
    const auto longitude = latitude ? readCoordinate(m_longitude, SiteField::Longitude) : std::nullopt;
    const auto elevation = longitude ? readElevation() : std::nullopt;
    if (!elevation)
        return std::nullopt;
    site.latitude = *latitude;
    site.longitude = *longitude;
    site.elevation = *elevation;
    site.timezone = m_zone->currentText().trimmed();
    if (!site.timezone.isEmpty() && !isKnownZone(site.timezone)) {
        refuse(m_zone->lineEdit(),
               tr("%1 hibás: „%2”.\nA listából válasszon IANA időzónát (például Europe/Budapest), vagy "
                  "hagyja üresen: akkor %3 számít.")
                   .arg(siteFieldName(SiteField::Zone), site.timezone, systemZoneText()));
        return std::nullopt;
    }
    return site;
}

bool SiteWindow::save()
{
    m_zone->completer()->popup()->hide();
    // Nothing changed in a sound file: it stays as it is, byte for byte.
    if (m_fileSound && showsSite() && QFileInfo::exists(m_path))
        return true;
    std::optional<ObservingSite> site = readFields();
    if (!site)
        return false;
    site = storedSite(*site);
    const FileStatus status = writeSiteConfig(m_path, *site);
    if (!status.ok()) {
        m_messages.show(this, MessageIcon::Error, describeFileFault(status));
        return false;
    }
    m_site = *site;
    m_fileSound = true;
    m_fault->clear();
    m_fault->hide();
    showSite(m_site);
    Q_EMIT siteChanged(m_site);
    return true;
}

void SiteWindow::saveAndClose()
{
    if (save())
        close();
}

}  // namespace tavik
