#include "messages.h"

#include "ui.h"

#include <QMessageBox>
#include <utility>

namespace tavik {

MessageSink::MessageSink(Handler handler)
    : m_handler(std::move(handler))
{
}

void MessageSink::show(QWidget* parent, MessageIcon icon, const QString& text) const
{
    if (m_handler) {
        m_handler(icon, text);
        return;
    }
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Warning,
                    ui::applicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace tavik
