#include "BalanceRule.h"

#include "Dataset.h"
#include "Field.h"

namespace ravik {

void applyBalanceRule(Dataset& customers) {
    // Runs for every record read: the fields are found once.
    static const int fee = customerTableDef().indexOf(QStringLiteral("Ucret"));
    static const int received = customerTableDef().indexOf(QStringLiteral("Alinan"));
    static const int rest = customerTableDef().indexOf(QStringLiteral("Kalan"));
    customers.field(rest)->setAsFloat(customers.field(fee)->asFloat() -
                                      customers.field(received)->asFloat());
}

} // namespace ravik
