#pragma once

#include <QApplication>

// The application object. An exception that escapes an event handler (a
// user command) ends up here instead of inside Qt: the error box is shown
// and the program goes on.
class TVarnelApplication : public QApplication
{
public:
    TVarnelApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
