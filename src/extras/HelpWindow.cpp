#include "HelpWindow.h"

#include "ui/MessageBoxes.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QSize DesignedSize(760, 620);
}

THelpWindow::THelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Помощь"));
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);

    auto* back = new QPushButton(QStringLiteral("&Назад"), this);
    back->setObjectName(QStringLiteral("HelpBackButton"));
    back->setEnabled(false);
    auto* contents = new QPushButton(QStringLiteral("&Содержание"), this);
    contents->setObjectName(QStringLiteral("HelpContentsButton"));
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("HelpCloseButton"));
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, m_browser, &QTextBrowser::home);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Помощь") : QStringLiteral("Помощь — %1").arg(title));
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addLayout(buttons);
    resize(DesignedSize);
}

bool THelpWindow::Open(const QString& page)
{
    const QFileInfo file(page);
    if (!file.isFile())
        return false;
    m_browser->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    return true;
}

void THelpWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape closes it, as it closes every other window of the program.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ShowManual(const QString& page, QWidget* owner)
{
    if (!QFileInfo(page).isFile()) {
        ShowMessageBox({QMessageBox::Warning, QStringLiteral("Помощь"),
                        QStringLiteral("Руководство не найдено: нет файла «%1». Переустановите программу.").arg(page),
                        QMessageBox::Ok},
                       owner);
        return;
    }
    THelpWindow* window = owner ? owner->findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) {
        // Freed with its owner; without one, when it is closed.
        window = new THelpWindow(owner);
        if (!owner)
            window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->Open(page);
    window->show();
    window->raise();
    window->activateWindow();
}
