#include "messages.h"

#include "ui.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

namespace tavik {

MessageSink::MessageSink(Handler handler, Asker asker)
    : m_handler(std::move(handler))
    , m_asker(std::move(asker))
{
}

void MessageSink::show(QWidget* parent, MessageIcon icon, const QString& text) const
{
    if (m_handler) {
        m_handler(icon, text);
        return;
    }
    const QMessageBox::Icon shown = icon == MessageIcon::Error     ? QMessageBox::Critical
                                    : icon == MessageIcon::Warning ? QMessageBox::Warning
                                                                   : QMessageBox::Question;
    QMessageBox box(shown, ui::applicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

Answer MessageSink::ask(QWidget* parent, const QString& text) const
{
    if (m_asker)
        return m_asker(text);
    if (m_handler) {
        m_handler(MessageIcon::Question, text);
        return Answer::Cancel;
    }
    QMessageBox box(QMessageBox::Question, ui::applicationTitle(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("tavik::MessageSink", "Igen"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("tavik::MessageSink", "Nem"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("tavik::MessageSink", "Mégse"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

}  // namespace tavik
