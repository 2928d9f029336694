// Posts one customer into the tables in argv[1], says "posted", then waits to be killed.
#include "data/BalanceRule.h"
#include "data/Dataset.h"
#include "data/Field.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ravik::Dataset t(ravik::customerTableDef());
    t.setCalcFields(ravik::applyBalanceRule);
    t.setDirectory(app.arguments().at(1));
    t.open();
    t.append();
    t.fieldByName(QStringLiteral("Isim"))->setAsString(app.arguments().at(2));
    t.fieldByName(QStringLiteral("Ucret"))->setAsFloat(75);
    t.post();
    // Keep the table open and a pending edit going, as a running program would.
    t.edit();
    t.fieldByName(QStringLiteral("Tel1"))->setAsString(QStringLiteral("not posted"));
    std::printf("posted\n");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
