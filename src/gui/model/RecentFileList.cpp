#include "model/RecentFileList.h"

#include "model/UserSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const char* const Group = "Recent File List";

QString entryKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

RecentFileList::RecentFileList(const UserSettings& settings) : m_settings(settings) {}

QStringList RecentFileList::files() const {
    auto store = m_settings.open();
    store->beginGroup(Group);
    QStringList result;
    for (int i = 0; i < Size; ++i) {
        const QString file = store->value(entryKey(i)).toString();
        if (!file.isEmpty())
            result << file;
    }
    return result;
}

void RecentFileList::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > Size)
        list.removeLast();

    auto store = m_settings.open();
    store->beginGroup(Group);
    for (int i = 0; i < Size; ++i) {
        if (i < list.size())
            store->setValue(entryKey(i), list.at(i));
        else
            store->remove(entryKey(i));
    }
}
