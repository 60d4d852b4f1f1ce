#include "accessible.h"

#include <QWidget>

namespace tavik::access {

QString captionWords(const QString& caption)
{
    QString words = caption.simplified();
    while (words.endsWith(u':') || words.endsWith(u' '))
        words.chop(1);
    return words;
}

void nameAfterCaption(QWidget* box, const QString& caption, const QString& description)
{
    box->setAccessibleName(captionWords(caption));
    if (!description.isEmpty())
        box->setAccessibleDescription(description);
}

}  // namespace tavik::access
