#include "messages.h"

#include "ui.h"

#include <QMessageBox>
#include <utility>

namespace tavik {

namespace {
MessageObserver& observer()
{
    static MessageObserver o;
    return o;
}
}  // namespace

void setMessageObserver(MessageObserver o) { observer() = std::move(o); }

void showMessage(QWidget* parent, MessageIcon icon, const QString& text)
{
    if (observer()) {
        observer()(icon, text);
        return;
    }
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Warning,
                    ui::applicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace tavik
