#pragma once

#include "ProductDetails.h"

#include <QDialog>
#include <memory>

namespace Ui {
class AboutForm;
}

// The About box: the program's icon, title and version, a mail link to the
// maker's support and the maker's line linking to the maker's site.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent = nullptr, TProductDetails details = TProductDetails::BuiltIn());
    ~TAboutForm() override;

    // True when closed with OK.
    bool Execute();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void Label4Click();
    void Label2Click();
    void Label2MouseEnter();
    void Label2MouseLeave();
    void SetLabel2Underline(bool underline);

    std::unique_ptr<Ui::AboutForm> m_ui;
    TProductDetails m_details;
};
