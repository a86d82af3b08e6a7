// varnel-bench: the data-access facade's operations and queries (see BenchDataAccess.cpp).
#include "BenchRun.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return RunBench(QStringLiteral("varnel-bench"));
}
