#pragma once

#include <QString>

// The program's title: the caption of its main window and of its error box.
extern const QString ApplicationTitle;

// The error box text: the message with a full stop appended, unless it is
// empty or already ends in a full stop or in a character whose code is
// smaller (such as "!", "," or a blank).
QString ApplicationErrorText(const QString& message);

// The general handler: call it inside a catch block. Shows the error box
// captioned with the program's title for the exception being handled;
// a silent abort (EAbort) shows nothing.
void HandleApplicationException();
