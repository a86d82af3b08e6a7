#pragma once

#include <QLocale>

// The locale whose formats (dates, month names, amounts, currency) the program
// shows. The interface exists only in Russian, so a system locale of another
// language (C.UTF-8, en_US, ...) gives way to ru_RU; a Russian-language
// system locale (ru_RU, ru_UA, ...) keeps its own settings.
QLocale FormatsLocale(const QLocale& systemLocale);
