#pragma once

#include <QString>

// The version of this build ("1.0.0"), as the build system names it: the
// program, its tool and the About box all show this text.
QString ProgramVersion();
