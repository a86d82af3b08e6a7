#include "FormLook.h"

#include <QDialog>
#include <QFont>
#include <QLayout>
#include <QLineEdit>
#include <algorithm>

void ShowAsPlainText(QLineEdit* field)
{
    QPalette look = field->palette();
    look.setColor(QPalette::Base, look.color(QPalette::Window));
    field->setPalette(look);
    field->setFocusPolicy(Qt::ClickFocus);
}

void ShowSmallHints(QWidget* form)
{
    // The designed proportion: 7 pt hints on an 8 pt form.
    constexpr double SmallHintShare = 7.0 / 8.0;
    const QFont normal = form->font();
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (!widget->property("smallHint").toBool())
            continue;
        QFont font = widget->font(); // keeps its weight and underline
        if (normal.pointSizeF() > 0)
            font.setPointSizeF(normal.pointSizeF() * SmallHintShare);
        else
            font.setPixelSize(std::max(1, qRound(normal.pixelSize() * SmallHintShare)));
        widget->setFont(font);
    }
}

void FitFieldToText(QLineEdit* field, int maxWidth)
{
    // The text plus the edit's own inner margins and cursor room.
    const int needed = field->fontMetrics().horizontalAdvance(field->text()) + 12;
    field->setMinimumWidth(std::min(std::max(field->minimumWidth(), needed), maxWidth));
}

void KeepSelectionVisible(QWidget* view)
{
    QPalette look = view->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        look.setColor(QPalette::Inactive, role, look.color(QPalette::Active, role));
    view->setPalette(look);
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
