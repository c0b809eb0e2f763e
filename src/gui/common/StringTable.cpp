#include "common/StringTable.h"

#include "app/MessageIds.h"

#include <QCoreApplication>

QString stringTable(int id) {
    return QCoreApplication::translate("StringTable", program::message::englishText(id));
}
