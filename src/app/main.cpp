// Until the main window exists: opens both tables in the working folder and says how it went.
#include "data/BalanceRule.h"
#include "data/Dataset.h"
#include "data/TableDef.h"
#include "text/Errors.h"
#include "ui/controls/ErrorDisplay.h"
#include "ui/controls/Prompts.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RavikPro"));
    try {
        ravik::Dataset customers(ravik::customerTableDef());
        customers.setCalcFields(ravik::applyBalanceRule);
        customers.open();
        ravik::Dataset settings(ravik::settingsTableDef());
        settings.open();
        std::printf("RavikPro: the tables are in order (%d customers). The main window is not "
                    "built yet.\n",
                    customers.recordCount());
    } catch (const ravik::Error& e) {
        std::fprintf(stderr, "%s\n", qPrintable(ravik::errorDisplayText(e.message())));
        ravik::Prompts::instance().showError(e.message());
    }
    return 0;
}
