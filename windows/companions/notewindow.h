// The notes and the observation log: an editable text box filled from its file
// of the data folder when the window opens, written back whole on request.
#pragma once

#include "datafolders.h"
#include "messages.h"

#include <QString>
#include <QWidget>

class QAction;
class QMenuBar;
class QPlainTextEdit;

namespace tavik {

// The notes and the observation log; one window class driven by a table.
enum class NoteKind { Notes, ObservationLog };

struct NoteWindowLayout;

class NoteWindow : public QWidget {
    Q_OBJECT
public:
    NoteWindow(NoteKind kind, DataFolders data, MessageSink messages, QWidget* parent = nullptr);

    // The file the text is kept in, as the data folder names it: "jegyzetek.txt".
    QString fileName() const;
    QPlainTextEdit* textBox() const noexcept { return m_text; }
    QAction* saveAction() const;
    QAction* okAction() const;

    // The text box's text with CR LF line breaks, as it goes to the file
    // (without the line end that saving adds).
    QString fileText() const;

    // Writes the text box to the file; false when blank or when the write failed
    // (the user has been told).
    bool save();
    // Whether the text differs from what was loaded or last saved.
    bool hasUnsavedText() const;

protected:
    // A text not yet saved is never dropped without a question.
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    void Save_Click();
    void OK_Click();

private:
    void createMenu();
    void createTextBox();
    void loadText();
    // Fills the box; lines too long to be drawn quickly are shown in pieces.
    void setBoxText(const QString& text);


    const NoteWindowLayout& m_layout;
    DataFolders m_data;
    MessageSink m_messages;
    // Why the file could not be read, when it exists but could not be: it is
    // not overwritten by a text that never held its content.
    QString m_readFault;
    // The text as loaded or last saved, as fileText() gives it.
    QString m_savedText;
    QMenuBar* m_menu = nullptr;
    QPlainTextEdit* m_text = nullptr;
};

}  // namespace tavik
