#include "AccessibleName.h"

#include <QLabel>

namespace zqv {

QString WithoutMnemonic(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
                ++i;
            else
                continue;
        }
        out += text[i];
    }
    return out.trimmed();
}

void NameByLabel(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
    control->setAccessibleName(WithoutMnemonic(label->text()));
}

}  // namespace zqv
