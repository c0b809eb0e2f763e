#pragma once

#include <QString>
#include <QStringList>

class UserSettings;

// The last four files opened or saved, newest first, kept per user. The menus
// never show the list; it is kept so that other tools and later versions can.
class RecentFileList {
public:
    static constexpr int Size = 4;

    explicit RecentFileList(const UserSettings& settings);

    QStringList files() const;
    void add(const QString& path);

private:
    const UserSettings& m_settings;
};
