#pragma once

#include <QWidget>

class QTextBrowser;

// The clerk's manual: HTML pages lying beside the program, read in a window
// of its own that stays open beside the work. Links between the pages are
// followed inside the window, links to the web in the browser.
class THelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the page (a file path); false when there is no such file.
    bool Open(const QString& page);
    QTextBrowser* Browser() const { return m_browser; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* m_browser;
};

// Shows the page in the one help window of `owner` (made on first use),
// raised above the work. A missing manual is said in a warning box.
void ShowManual(const QString& page, QWidget* owner);
