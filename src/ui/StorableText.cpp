#include "StorableText.h"

#include "MessageBoxes.h"
#include "sqlite/Cp1251Codec.h"
#include "ui/controls/FieldFault.h"

#include <QLabel>
#include <QLineEdit>

bool RefuseUnstorableText(const QList<QLineEdit*>& fields, QLabel* reasonLabel)
{
    for (QLineEdit* field : fields) {
        const QString character = Cp1251::FirstUnencodable(field->text());
        if (character.isEmpty())
            continue;
        const QString reason = QStringLiteral("Знак «%1» не может храниться в базе данных: его нет в кодировке "
                                              "Windows-1251. Замените или удалите его.")
                                   .arg(character);
        MarkFieldAtFault(field, reason);
        // The mark goes with the first change of the text, unless another reason took its place.
        QObject::connect(
            field, &QLineEdit::textChanged, field,
            [field, reason] {
                if (FieldFaultReason(field) == reason)
                    ClearFieldFault(field);
            },
            Qt::SingleShotConnection);
        if (reasonLabel)
            reasonLabel->setText(reason);
        else
            ShowMessageBox({ QMessageBox::Warning, field->window()->windowTitle(), reason, QMessageBox::Ok },
                           field->window());
        field->setFocus(Qt::OtherFocusReason);
        field->setSelection(int(field->text().indexOf(character)), int(character.size()));
        return true;
    }
    return false;
}
