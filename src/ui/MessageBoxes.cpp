#include "MessageBoxes.h"

#include "ModalDialogs.h"

#include <QAbstractButton>

namespace {
TMessageBoxHandler& Handler()
{
    static TMessageBoxHandler handler;
    return handler;
}
}

QMessageBox::StandardButton ShowMessageBox(const TMessageBoxRequest& request, QWidget* parent)
{
    return ShowMessageBox(request, {}, parent);
}

QMessageBox::StandardButton ShowMessageBox(const TMessageBoxRequest& request,
                                           const QMap<QMessageBox::StandardButton, QString>& buttonTexts,
                                           QWidget* parent)
{
    if (Handler())
        return Handler()(request);
    QString text = request.Text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(request.Icon, request.Caption, text, request.Buttons, parent);
    // Messages quote paths and user data: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    for (auto caption = buttonTexts.cbegin(); caption != buttonTexts.cend(); ++caption)
        if (QAbstractButton* button = box.button(caption.key()))
            button->setText(caption.value());
    const int result = ExecModal(box);
    // Closing the box by its title bar answers with its escape button.
    return result == QDialog::Rejected && !box.clickedButton() ? QMessageBox::NoButton
                                                                : box.standardButton(box.clickedButton());
}

void ShowErrorBox(const QString& caption, const QString& text, QWidget* parent)
{
    ShowMessageBox({QMessageBox::Critical, caption, text, QMessageBox::Ok}, parent);
}

bool AskWarningQuestion(const QString& caption, const QString& text, QWidget* parent)
{
    return ShowMessageBox({QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No}, parent)
        == QMessageBox::Yes;
}

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler)
{
    TMessageBoxHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
