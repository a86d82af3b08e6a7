#include "MainForm.h"

#include "BookCaption.h"
#include "DebtorDetailsTree.h"
#include "DebtorsGridModel.h"
#include "HistoryMenu.h"
#include "LegendPanel.h"
#include "MainFormIcons.h"
#include "SelectionLook.h"

#include "control/StartUpController.h"
#include "control/SystemController.h"
#include "domain/Company.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "ui/ApplicationErrors.h"
#include "ui/CreditsListPresentation.h"
#include "ui/ResultSetGrid.h"
#include "ui_MainForm.h"

#include <QAbstractEventDispatcher>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScreen>

#include <algorithm>
#include <array>

namespace {

// The credits list's columns as designed, in pixels.
constexpr std::array<int, CreditsListColumnCount> CreditsColumnWidths{60, 80, 100, 100, 100, 100, 100, 100};

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

TMainForm::TMainForm(TProgramParts& parts, QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TMainForm>())
    , m_parts(parts)
{
    ui->setupUi(this);
    FormCreate();
}

TMainForm::~TMainForm()
{
    // The controller notes the recent books as it goes; the list then no longer tells this window.
    m_controller.reset();
    m_parts.StartUp.SetHistoryMenuView(nullptr);
    m_parts.StartUp.BindHistoryToMainWindow();
}

void TMainForm::CloseBook()
{
    m_controller.reset();
}

void TMainForm::FormCreate()
{
    m_databasePanel = new TStatusPanel(DatabasePanelWidth, ui->StatusBar);
    m_databasePanel->setObjectName(QStringLiteral("DatabasePanel"));
    m_companyPanel = new TStatusPanel(CompanyPanelWidth, ui->StatusBar);
    m_companyPanel->setObjectName(QStringLiteral("CompanyPanel"));
    ui->StatusBar->addWidget(m_databasePanel);
    ui->StatusBar->addWidget(m_companyPanel);

    // The details panel and the credits keep their size; the grid takes the rest.
    ui->DetailsSplitter->setStretchFactor(0, 1);
    ui->DetailsSplitter->setStretchFactor(1, 0);
    ui->DetailsSplitter->setSizes({width() - DetailsPanelWidth, DetailsPanelWidth});
    ui->MainAreaSplitter->setStretchFactor(0, 1);
    ui->MainAreaSplitter->setStretchFactor(1, 0);
    ui->MainAreaSplitter->setSizes({height() - CreditsPanelHeight, CreditsPanelHeight});

    SetupDebtorsGrid();
    SetupCreditsList();
    SetupDetailsTree();
    SetupFilters();
    SetupPopupMenus();
    SetupKeyboard();
    SetCommandIcons(this);
    ConnectCommands();
    // Until the recent books are known.
    ui->HistoryMenuItem->menuAction()->setEnabled(false);

    // The enabling rules run whenever the program has nothing else to do.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TMainForm::UpdateActions);
    UpdateActions();

    // Hidden until a loan book is accepted, and maximised when it appears.
    m_firstShow = true;
    setWindowState(Qt::WindowMaximized);
}

void TMainForm::SetupDebtorsGrid()
{
    m_debtorsModel = new TDebtorsGridModel(this);
    m_debtorsGrid = new TResultSetGrid(ui->DBGrid1, m_debtorsModel, this);
    connect(m_debtorsModel, &QAbstractItemModel::modelReset, this, &TMainForm::FitDebtorsColumns);
    connect(ui->DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { DBGrid1SelectionChange(current.row()); });
    KeepLineColoursInSelection(ui->DBGrid1);
    ui->DBGrid1->viewport()->installEventFilter(this);
    // The legend opens between the filters and the grid, so it covers no row.
    m_legendPanel = new TLegendPanel(ui->Label2, ui->DebtorsGroupBox);
    ui->DebtorsLayout->insertWidget(ui->DebtorsLayout->indexOf(ui->DBGrid1), m_legendPanel, 0, Qt::AlignLeft);
    connect(ui->Label2, &TLinkLabel::Clicked, this, &TMainForm::Label2Click);
}

void TMainForm::FitDebtorsColumns()
{
    // Every column shows at any window width: the names share the room the
    // counters leave them.
    QHeaderView* header = ui->DBGrid1->horizontalHeader();
    const TResultSet* set = m_debtorsModel->ResultSet();
    static const QStringList names{QStringLiteral("Surname"), QStringLiteral("Name"), QStringLiteral("PatronymicName")};
    for (int section = 0; section < m_debtorsModel->columnCount(); ++section) {
        const int column = m_debtorsModel->ResultSetColumn(section);
        const bool isName = set && column >= 0 && names.contains(set->ColumnName(column));
        header->setSectionResizeMode(section, isName ? QHeaderView::Stretch : QHeaderView::Interactive);
    }
}

void TMainForm::FitCreditsColumns()
{
    // The designed widths, each widened for a value it would cut; where they
    // do not all fit, every column takes only what its title and values need,
    // so that the state at the right end stays in view.
    QTreeWidget* list = ui->CreditsListView;
    QList<int> needed;
    int designedTotal = 0;
    for (int column = 0; column < list->columnCount(); ++column) {
        list->resizeColumnToContents(column);
        needed << list->columnWidth(column);
        designedTotal += std::max(needed.last(), CreditsColumnWidths.at(std::size_t(column)));
    }
    const bool roomy = designedTotal <= list->viewport()->width();
    for (int column = 0; column < list->columnCount(); ++column)
        list->setColumnWidth(column, roomy ? std::max(needed[column], CreditsColumnWidths.at(std::size_t(column))) : needed[column]);
}

void TMainForm::SetupCreditsList()
{
    SetupCreditsListColumns(ui->CreditsListView, CreditsColumnWidths, 1);
    KeepLineColoursInSelection(ui->CreditsListView);
    ui->CreditsListView->viewport()->installEventFilter(this);
}

void TMainForm::SetupDetailsTree()
{
    ui->DebtorsTreeView->installEventFilter(this);
}

void TMainForm::SetupFilters()
{
    ui->NameFilterEdit->SetInsideHint(QStringLiteral("Начните набирать"));
    ui->NameFilterEdit->SetInsideHintColor(QColor(192, 192, 192));
    ui->NameFilterEdit->SetIsClearOnEnter(true);
    ui->NameFilterEdit->SetTypeWaitTimeMs(NameFilterPauseMs);
    connect(ui->NameFilterEdit, &TConstraintedEdit::OnTypoStop, this, &TMainForm::NameFilterEditTypoStop);

    // Not editable: the box always names the filter in force.
    ui->FilterComboBox->setCurrentIndex(0);
    connect(ui->FilterComboBox, &QComboBox::activated, this, &TMainForm::FilterComboBoxChange);
}

void TMainForm::SetupPopupMenus()
{
    m_creditsPopupMenu = new QMenu(this);
    m_creditsPopupMenu->setObjectName(QStringLiteral("CreditsPopupMenu"));
    m_creditsPopupMenu->addAction(ui->ShowCreditAction);
    m_creditsPopupMenu->setDefaultAction(ui->ShowCreditAction);
    m_creditsPopupMenu->addAction(ui->ShowCreditPaymentsHistoryAction);
    m_creditsPopupMenu->addSeparator();
    m_creditsPopupMenu->addAction(ui->MakeCreditPaymentAction);
    m_creditsPopupMenu->addSeparator();
    m_creditsPopupMenu->addAction(ui->DeleteCreditAction);

    m_debtorsPopupMenu = new QMenu(this);
    m_debtorsPopupMenu->setObjectName(QStringLiteral("DebtorsPopupMenu"));
    m_debtorsPopupMenu->addAction(ui->EditDebtorAction);
    m_debtorsPopupMenu->setDefaultAction(ui->EditDebtorAction);
    m_debtorsPopupMenu->addSeparator();
    m_debtorsPopupMenu->addAction(ui->AddCreditAction);
    m_debtorsPopupMenu->addAction(ui->MakeDebtorPaymentAction);
    m_debtorsPopupMenu->addSeparator();
    m_debtorsPopupMenu->addAction(ui->DeleteDebtorAction);

    m_treePopupMenu = new QMenu(this);
    m_treePopupMenu->setObjectName(QStringLiteral("TreePopupMenu"));
    m_treePopupMenu->addAction(ui->CopyNodeAction);
    m_treePopupMenu->addSeparator();
    m_treePopupMenu->addAction(ui->OpenMapAction);

    const auto popUp = [this](QAbstractItemView* view, QMenu* menu) {
        connect(view, &QWidget::customContextMenuRequested, menu, [this, view, menu](const QPoint& position) {
            UpdateActions();
            menu->popup(view->viewport()->mapToGlobal(position));
        });
    };
    popUp(ui->CreditsListView, m_creditsPopupMenu);
    popUp(ui->DBGrid1, m_debtorsPopupMenu);
    popUp(ui->DebtorsTreeView, m_treePopupMenu);
}

void TMainForm::SetupKeyboard()
{
    // Commands found only in pop-up menus keep their keys in the whole window.
    addAction(ui->ShowCreditPaymentsHistoryAction);
    // The tool bar takes part in the Tab order, before the filters, and its
    // buttons name their keys.
    QWidget* previous = nullptr;
    for (QAction* command : ui->ToolBar->actions()) {
        if (command->isSeparator())
            continue;
        if (QWidget* button = ui->ToolBar->widgetForAction(command)) {
            button->setFocusPolicy(Qt::TabFocus);
            if (previous)
                setTabOrder(previous, button);
            previous = button;
        }
        if (!command->shortcut().isEmpty() && command->toolTip() == command->iconText())
            command->setToolTip(QStringLiteral("%1 (%2)").arg(command->iconText(),
                                                              command->shortcut().toString(QKeySequence::NativeText)));
    }
    // From the filters to the grid, the credits and the details; Tab leaves the grid.
    if (previous)
        setTabOrder(previous, ui->NameFilterEdit);
    setTabOrder(ui->NameFilterEdit, ui->FilterComboBox);
    setTabOrder(ui->FilterComboBox, ui->DBGrid1);
    setTabOrder(ui->DBGrid1, ui->CreditsListView);
    setTabOrder(ui->CreditsListView, ui->DebtorsTreeView);
}

void TMainForm::Command(const std::function<void(TSystemController&)>& command)
{
    if (!m_controller)
        return;
    TSystemController& controller = *m_controller;
    controller.RunCommand([&] { command(controller); });
}

void TMainForm::Forward(QAction* action, void (TSystemController::*operation)())
{
    connect(action, &QAction::triggered, this, [this, operation] {
        Command([operation](TSystemController& controller) { (controller.*operation)(); });
    });
}

void TMainForm::ForwardWithSelectedCredit(QAction* action, void (TSystemController::*operation)(int))
{
    connect(action, &QAction::triggered, this, [this, operation] {
        const int index = SelectedCreditIndex();
        if (index >= 0)
            Command([operation, index](TSystemController& controller) { (controller.*operation)(index); });
    });
}

void TMainForm::ConnectCommands()
{
    connect(ui->MakeDebtorPaymentAction, &QAction::triggered, this, [this] {
        const int index = SelectedCreditIndex();
        Command([index](TSystemController& controller) { controller.MakeDebtorPayment(index); });
    });
    connect(ui->ExitAction, &QAction::triggered, this, &TMainForm::ExitActionExecute);
    Forward(ui->AddDebtorAction, &TSystemController::AddDebtor);
    Forward(ui->AddCreditAction, &TSystemController::AddCredit);
    ForwardWithSelectedCredit(ui->ShowCreditPaymentsHistoryAction, &TSystemController::ShowPaymentHistory);
    Forward(ui->UpdateSchedulesDelayAction, &TSystemController::RunOverdueIndexing);
    Forward(ui->EditDebtorAction, &TSystemController::EditDebtor);
    ForwardWithSelectedCredit(ui->ShowCreditAction, &TSystemController::ShowCredit);
    Forward(ui->EditCompanyInfoAction, &TSystemController::EditCompanyInfo);
    Forward(ui->DeleteDebtorAction, &TSystemController::DeleteCurrentDebtor);
    ForwardWithSelectedCredit(ui->DeleteCreditAction, &TSystemController::DeleteCreditAt);
    Forward(ui->ShowAboutFormAction, &TSystemController::ShowAbout);
    Forward(ui->RestoreBackupAction, &TSystemController::RestoreFromBackup);
    connect(ui->ConnectToDataBaseAction, &QAction::triggered, this, [this] {
        Command([](TSystemController& controller) { controller.SwitchDatabase(QString()); });
    });
    Forward(ui->UpdateAction, &TSystemController::RefreshAll);
    Forward(ui->BuildDebtorsForDateReportAction, &TSystemController::BuildDebtorsForDateReport);
    connect(ui->CopyNodeAction, &QAction::triggered, this, &TMainForm::CopyNodeActionExecute);
    Forward(ui->BuildAheadStatementReportAction, &TSystemController::BuildAheadStatementReport);
    Forward(ui->BuildRespiteStatementReportAction, &TSystemController::BuildRespiteStatementReport);
    ForwardWithSelectedCredit(ui->MakeCreditPaymentAction, &TSystemController::MakeCreditPayment);
    Forward(ui->BuildAllInsolventReportAction, &TSystemController::BuildAllInsolventReport);
    Forward(ui->BuildPaymentsForDateReport, &TSystemController::BuildPaymentsForDateReport);
    Forward(ui->BuildStatisticsReportAction, &TSystemController::BuildStatisticsReport);
    Forward(ui->OpenMapAction, &TSystemController::OpenDebtorOnMap);
    Forward(ui->PlayGameAction, &TSystemController::PlayGame);
    Forward(ui->BuildMonthForecastReportAction, &TSystemController::BuildMonthForecastReport);
    Forward(ui->HelpAction, &TSystemController::ShowHelp);

    ui->MainMenu->SetOnDynamicItemClick([this](QObject* sender) { MainMenuDynamicItemClick(sender); });
}

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
        m_parts.StartUp.SetHistoryMenuView(this);
        connected = m_parts.StartUp.ConnectToDatabase(cmStoredSettings, QString());
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
    try {
        m_controller = std::make_unique<TSystemController>(m_parts, this, this);
        m_controller->CheckOverdueIndexing();
    } catch (...) {
        // The loan book is open; the window stays and the user may try again (F5).
        HandleApplicationException();
    }
}

void TMainForm::ShowDatabaseInfo(const QString& fileName, const TCompany* company)
{
    const bool server = IsServerBook(fileName);
    m_databasePanel->setText(server ? QStringLiteral("Сервер: %1").arg(BookCaption(fileName))
                                    : QStringLiteral("База: %1").arg(fileName));
    // Several books look alike: the title (and the task bar) names the open one.
    const QString book = server ? BookCaption(fileName) : QFileInfo(fileName).fileName();
    setWindowTitle(book.isEmpty() ? QStringLiteral("Varnel") : QStringLiteral("%1 — Varnel").arg(book));
    if (company)
        m_companyPanel->setText(QStringLiteral("Фирма: %1").arg(company->CompanyName));
}

void TMainForm::SetDebtorsDataSet(TResultSet* dataSet)
{
    if (!dataSet)
        return;
    // Emptied by the new rows, the grid's selection is the controller's to give again.
    const QScopedValueRollback showing(m_showingSelection, true);
    m_debtorsModel->SetResultSet(dataSet);
}

void TMainForm::SelectDebtor(int debtorID)
{
    const QScopedValueRollback showing(m_showingSelection, true);
    m_debtorsGrid->SelectRow(m_debtorsModel->RowOfDebtor(debtorID));
}

void TMainForm::DBGrid1SelectionChange(int row)
{
    // A grid emptied by new rows has no current row; the controller keeps its debtor.
    if (m_showingSelection || row < 0)
        return;
    const int debtorID = m_debtorsModel->DebtorID(row);
    Command([debtorID](TSystemController& controller) { controller.SelectDebtor(debtorID); });
}

void TMainForm::ShowCredits(const TCreditsList* credits)
{
    FillCreditsList(credits, ui->CreditsListView);
    FitCreditsColumns();
}

void TMainForm::ShowDebtorDetails(const TDebtor* debtor)
{
    if (debtor)
        FillDebtorDetails(ui->DebtorsTreeView, *debtor);
}

void TMainForm::RefreshHistoryMenu(THistoryManager&, const QStringList& entries)
{
    FillHistoryMenu(*ui->MainMenu, entries);
    // An empty submenu would open as an empty box.
    ui->HistoryMenuItem->menuAction()->setEnabled(!entries.isEmpty());
    for (QAction* item : ui->HistoryMenuItem->actions())
        if (auto* dynamicItem = qobject_cast<TDynamicMenuItem*>(item))
            dynamicItem->setIcon(ImageIndexIcon(dynamicItem->ImageIndex()));
}

void TMainForm::ShowSavedFile(const QString& path)
{
    // Long enough to read after the preview is closed; the panels come back after it.
    ui->StatusBar->showMessage(QStringLiteral("Сохранён файл %1").arg(QDir::toNativeSeparators(path)), 30000);
}

QString TMainForm::DatabasePanelText() const
{
    return m_databasePanel->text();
}

QString TMainForm::CompanyPanelText() const
{
    return m_companyPanel->text();
}

int TMainForm::SelectedCreditIndex() const
{
    const QList<QTreeWidgetItem*> selected = ui->CreditsListView->selectedItems();
    return selected.isEmpty() ? -1 : ui->CreditsListView->indexOfTopLevelItem(selected.first());
}

const TCredit* TMainForm::SelectedCredit() const
{
    const QList<QTreeWidgetItem*> selected = ui->CreditsListView->selectedItems();
    return selected.isEmpty() ? nullptr : CreditOfLine(selected.first());
}

void TMainForm::UpdateActions()
{
    ConcreateCreditActionUpdate(ui->ShowCreditPaymentsHistoryAction);
    ConcreateCreditActionUpdate(ui->ShowCreditAction);
    ConcreateCreditActionUpdate(ui->DeleteCreditAction);
    MakeCreditPaymentActionUpdate(ui->MakeCreditPaymentAction);
    CopyNodeActionUpdate(ui->CopyNodeAction);
    for (QAction* action : {ui->MakeDebtorPaymentAction, ui->AddCreditAction, ui->EditDebtorAction,
                            ui->DeleteDebtorAction, ui->OpenMapAction, ui->BuildAheadStatementReportAction,
                            ui->BuildRespiteStatementReportAction})
        DebtorActionUpdate(action);
}

void TMainForm::DebtorActionUpdate(QAction* action)
{
    // An empty list has no debtor to act for.
    action->setEnabled(m_debtorsModel->rowCount() > 0);
}

void TMainForm::ConcreateCreditActionUpdate(QAction* action)
{
    action->setEnabled(SelectedCreditIndex() >= 0);
}

void TMainForm::MakeCreditPaymentActionUpdate(QAction* action)
{
    ConcreateCreditActionUpdate(action);
    if (action->isEnabled()) {
        const TCredit* credit = SelectedCredit();
        action->setEnabled(credit && !credit->IsPaidOff());
    }
}

void TMainForm::CopyNodeActionUpdate(QAction* action)
{
    const QTreeWidgetItem* node = ui->DebtorsTreeView->currentItem();
    action->setEnabled(node && node->isSelected());
}

void TMainForm::ExecuteAction(QAction* action)
{
    UpdateActions();
    action->trigger();
}

void TMainForm::Label2Click()
{
    m_legendPanel->Toggle();
}

void TMainForm::DBGrid1DblClick()
{
    ExecuteAction(ui->EditDebtorAction);
}

void TMainForm::DBGrid1MouseUp(Qt::MouseButton button, const QPoint& position)
{
    if (button != Qt::MiddleButton)
        return;
    // The payment is for the debtor under the pointer, made current first as
    // any click makes him; the credit selected below stays only for him.
    const QModelIndex index = ui->DBGrid1->indexAt(position);
    if (!index.isValid())
        return;
    if (index.row() != m_debtorsGrid->SelectedRow())
        ui->DBGrid1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                                  | QItemSelectionModel::Rows);
    ExecuteAction(ui->MakeDebtorPaymentAction);
}

bool TMainForm::DebtorsTreeViewKeyDown(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_C && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
        ExecuteAction(ui->CopyNodeAction);
        return true;
    }
    // The tree's own copy (of any copy key) would bypass the command.
    return key.matches(QKeySequence::Copy);
}

void TMainForm::CreditsListViewDblClick()
{
    ExecuteAction(ui->ShowCreditAction);
}

void TMainForm::FilterComboBoxChange(int itemIndex)
{
    Command([itemIndex](TSystemController& controller) { controller.ApplyListFilter(itemIndex); });
}

void TMainForm::NameFilterEditTypoStop()
{
    const QString typed = ui->NameFilterEdit->text();
    Command([typed](TSystemController& controller) { controller.ApplyNameFilter(typed); });
}

void TMainForm::MainMenuDynamicItemClick(QObject* sender)
{
    if (auto* item = qobject_cast<TDynamicMenuItem*>(sender)) {
        const int index = item->Tag();
        Command([index](TSystemController& controller) { controller.OpenRecentDatabase(index); });
    }
}

void TMainForm::CopyNodeActionExecute()
{
    const QTreeWidgetItem* node = ui->DebtorsTreeView->currentItem();
    if (!node || !node->isSelected())
        return;
    // Unicode text on the clipboard reads the same under every keyboard
    // layout, so no layout is switched around the copy here.
    QGuiApplication::clipboard()->setText(node->text(0));
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->DBGrid1->viewport()) {
        const QEvent::Type type = event->type();
        // Only mouse button events are QMouseEvents: look inside no other.
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease
            && type != QEvent::MouseButtonDblClick)
            return QMainWindow::eventFilter(watched, event);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::MouseButton button = mouse->button();
        if (type == QEvent::MouseButtonRelease)
            DBGrid1MouseUp(button, mouse->position().toPoint());
        else if (type == QEvent::MouseButtonDblClick && button == Qt::LeftButton)
            DBGrid1DblClick();
        // The middle button is the payment's alone.
        return button == Qt::MiddleButton;
    } else if (watched == ui->CreditsListView->viewport()) {
        if (event->type() == QEvent::Resize)
            FitCreditsColumns();
        // The first click of the two has selected the line under the mouse.
        if (event->type() == QEvent::MouseButtonDblClick
            && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            CreditsListViewDblClick();
    } else if (watched == ui->DebtorsTreeView && event->type() == QEvent::KeyPress) {
        return DebtorsTreeViewKeyDown(*static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
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
