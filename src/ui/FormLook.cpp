#include "FormLook.h"

#include <QDialog>
#include <QLayout>
#include <QLineEdit>
#include <algorithm>

void ShowAsPlainText(QLineEdit* field)
{
    QPalette look = field->palette();
    look.setColor(QPalette::Base, look.color(QPalette::Window));
    field->setPalette(look);
}

void FitFieldToText(QLineEdit* field, int maxWidth)
{
    // The text plus the edit's own inner margins and cursor room.
    const int needed = field->fontMetrics().horizontalAdvance(field->text()) + 12;
    field->setMinimumWidth(std::min(std::max(field->minimumWidth(), needed), maxWidth));
}

void SetTextColor(QWidget* widget, const QColor& color)
{
    QPalette look = widget->palette();
    look.setColor(QPalette::WindowText, color);
    look.setColor(QPalette::Text, color);
    widget->setPalette(look);
}

void FixFormSize(QWidget* form, QSize designed)
{
    // Nested layouts keep their old hints until the whole tree is recomputed.
    if (QLayout* layout = form->layout()) {
        layout->invalidate();
        layout->activate();
    }
    form->setFixedSize(designed.expandedTo(form->sizeHint()));
}

void UseSingleBorder(QDialog* form)
{
    form->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                         | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                         | Qt::WindowCloseButtonHint);
}
