#include "AboutForm.h"

#include "ProgramIcon.h"
#include "YandexMapsLauncher.h"
#include "ui/FormLook.h"
#include "ui/ModalDialogs.h"
#include "ui_AboutForm.h"

#include <QEvent>

namespace {
const QColor Grey(128, 128, 128);
const QSize DesignedSize(330, 170);
}

TAboutForm::TAboutForm(QWidget* parent, TProductDetails details)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AboutForm>())
    , m_details(std::move(details))
{
    m_ui->setupUi(this);
    UseSingleBorder(this);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    m_ui->IconLabel->setPixmap(ProgramIcon().pixmap(QSize(32, 32)));
    m_ui->ProductLabel->setText(m_details.Title);
    SetTextColor(m_ui->VersionLabel, Grey);
    SetTextColor(m_ui->VersionEdit, Grey);
    ShowAsPlainText(m_ui->VersionEdit);

    m_ui->Label4->setToolTip(m_details.SupportAddress);
    m_ui->Label4->setVisible(!m_details.SupportAddress.isEmpty());
    m_ui->Label2->setText(m_details.Maker);
    m_ui->Label2->SetLook(Grey, false);
    m_ui->Label2->setCursor(Qt::PointingHandCursor);
    m_ui->Label2->setVisible(!m_details.WebSite.isEmpty());
    m_ui->Label2->installEventFilter(this);
    FixFormSize(this, DesignedSize);

    connect(m_ui->Label4, &TLinkLabel::Clicked, this, &TAboutForm::Label4Click);
    connect(m_ui->Label2, &TLinkLabel::Clicked, this, &TAboutForm::Label2Click);
    connect(m_ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutForm::~TAboutForm() = default;

bool TAboutForm::Execute()
{
    return ExecModal(*this) == QDialog::Accepted;
}

void TAboutForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->Label2) {
        if (event->type() == QEvent::Enter)
            Label2MouseEnter();
        else if (event->type() == QEvent::Leave)
            Label2MouseLeave();
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::FormShow()
{
    m_ui->VersionEdit->setText(m_details.Version);
    m_ui->VersionEdit->setCursorPosition(0);
}

void TAboutForm::Label4Click()
{
    TYandexMapsLauncher::OpenUrl(QStringLiteral("mailto:") + m_details.SupportAddress
                              + QStringLiteral("?subject=Вопросы%20и%20предложения%20") + m_details.Title);
}

void TAboutForm::Label2Click()
{
    TYandexMapsLauncher::OpenUrl(m_details.WebSite);
}

void TAboutForm::Label2MouseEnter()
{
    SetLabel2Underline(true);
}

void TAboutForm::Label2MouseLeave()
{
    SetLabel2Underline(false);
}

void TAboutForm::SetLabel2Underline(bool underline)
{
    QFont font = m_ui->Label2->font();
    font.setUnderline(underline);
    m_ui->Label2->setFont(font);
}
