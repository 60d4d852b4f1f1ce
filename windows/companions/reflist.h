// The four reference list windows: read-only lists filled line by line from a
// text file of the data folder, one row per line, in a monospaced font.
#pragma once

#include "datafolders.h"
#include "messages.h"

#include <QListView>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QStringListModel;

namespace tavik {

// The four reference lists; one window class driven by a table.
enum class ReferenceList { EarlyCrescents, SolarEclipses, VenusCrescents, LunarEclipses };

struct ReferenceListLayout;

// A list that scrolls vertically only: rows wider than the list are cut off.
class RowListView : public QListView {
    Q_OBJECT
public:
    explicit RowListView(QWidget* parent = nullptr);

protected:
    void updateGeometries() override;
    void focusInEvent(QFocusEvent* event) override;
};

class ReferenceListWindow : public QWidget {
    Q_OBJECT
public:
    // Messages about the file go to messages, before the window is shown.
    ReferenceListWindow(ReferenceList list, const DataFolders& data, const MessageSink& messages,
                        QWidget* parent = nullptr);

    // The rows exactly as read from the file.
    QStringList rows() const;
    // The file the rows came from, as the data folder names it: "holdsarlok.txt".
    QString fileName() const;

    RowListView* list() const noexcept { return m_list; }
    QPushButton* okButton() const noexcept { return m_ok; }

private Q_SLOTS:
    void OK_Click();

private:
    void createList();
    void createOkButton();
    void createColumnLabels();
    QLabel* createLabel(const char* name, const QString& text, const QRect& rect, const QFont& font);
    void loadRows(const DataFolders& data, const MessageSink& messages);

    const ReferenceListLayout& m_layout;
    RowListView* m_list = nullptr;
    QStringListModel* m_model = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace tavik
