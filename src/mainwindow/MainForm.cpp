#include "MainForm.h"

#include "ui/ApplicationErrors.h"
#include "control/HistoryMenu.h"
#include "control/StartUpController.h"
#include "domain/Company.h"
#include "ui_MainForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QScreen>

namespace {
// A status bar panel of a preferred width that gives way on a narrow screen.
class TStatusPanel : public QLabel
{
public:
    TStatusPanel(int width, QWidget* parent) : QLabel(parent), m_width(width) {}

    QSize sizeHint() const override { return {m_width, QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

private:
    int m_width;
};
}

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TMainForm>())
{
    ui->setupUi(this);
    m_databasePanel = new TStatusPanel(DatabasePanelWidth, ui->StatusBar);
    m_databasePanel->setObjectName(QStringLiteral("DatabasePanel"));
    m_companyPanel = new TStatusPanel(CompanyPanelWidth, ui->StatusBar);
    m_companyPanel->setObjectName(QStringLiteral("CompanyPanel"));
    ui->StatusBar->addWidget(m_databasePanel);
    ui->StatusBar->addWidget(m_companyPanel);
    connect(ui->ExitAction, &QAction::triggered, this, &TMainForm::ExitActionExecute);

    // Hidden until a loan book is accepted, and maximised when it appears.
    m_firstShow = true;
    setWindowState(Qt::WindowMaximized);
}

TMainForm::~TMainForm() = default;

void TMainForm::setVisible(bool visible)
{
    if (visible && m_firstShow) {
        FormShow();
        return;
    }
    QMainWindow::setVisible(visible);
}

void TMainForm::FormShow()
{
    m_firstShow = false;
    bool connected = false;
    try {
        StartUpController()->SetHistoryMenuView(this);
        connected = StartUpController()->ConnectToDatabase(cmStoredSettings, QString());
    } catch (...) {
        // Without a loan book there is nothing to show: say why and end.
        HandleApplicationException();
    }
    if (!connected) {
        QCoreApplication::quit();
        return;
    }
    // The normal geometry fills the screen too, so that the window covers it
    // also where no window manager carries out the maximised state.
    if (const QScreen* screen = this->screen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    QMainWindow::setVisible(true);
    OpenSession();
}

void TMainForm::OpenSession()
{
    ShowDatabaseInfo(StartUpController()->ConnectedFileName(), nullptr);
}

void TMainForm::ShowDatabaseInfo(const QString& fileName, const TCompany* company)
{
    m_databasePanel->setText(QStringLiteral("База: %1").arg(fileName));
    if (company)
        m_companyPanel->setText(QStringLiteral("Фирма: %1").arg(company->CompanyName));
}

void TMainForm::RefreshHistoryMenu(THistoryManager&, const QStringList& entries)
{
    // Only a window that has the recent-databases submenu lists them.
    if (ui->MainMenu->FindItem(HistoryMenuCaption))
        FillHistoryMenu(*ui->MainMenu, entries);
}

QString TMainForm::DatabasePanelText() const
{
    return m_databasePanel->text();
}

QString TMainForm::CompanyPanelText() const
{
    return m_companyPanel->text();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    // Closing the main window ends the program, whatever else is open.
    if (event->isAccepted())
        QCoreApplication::quit();
}

void TMainForm::ExitActionExecute()
{
    close();
}
