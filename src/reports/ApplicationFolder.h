#pragma once

#include <QString>

// The folder of the running program's executable, with a trailing separator:
// the report templates and the declension library lie beside the program.
QString ApplicationFolder();
