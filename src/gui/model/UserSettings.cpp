#include "model/UserSettings.h"

#include <QSettings>

namespace {

const char* const PortKey = "COM";
const char* const TypeKey = "Type";
const char* const VerifyKey = "VerifyAfterWrite";

} // namespace

UserSettings::UserSettings(QString appName) : m_appName(std::move(appName)) {}

std::unique_ptr<QSettings> UserSettings::open() const {
    // An empty AppName still gets a store of its own rather than a shared one.
    const QString name = m_appName.isEmpty() ? QStringLiteral("Program") : m_appName;
    return std::make_unique<QSettings>(QSettings::UserScope, name);
}

std::uint8_t UserSettings::radioType() const {
    bool ok = false;
    const qlonglong stored = open()->value(TypeKey).toLongLong(&ok);
    return ok ? static_cast<std::uint8_t>(stored & 0xFF) : 0;
}

void UserSettings::setRadioType(std::uint8_t type) {
    open()->setValue(TypeKey, type);
}

bool UserSettings::verifyAfterWrite() const {
    return open()->value(VerifyKey, false).toBool();
}

void UserSettings::setVerifyAfterWrite(bool verify) {
    open()->setValue(VerifyKey, verify);
}

void SettingsPortNumberStore::save(int portNumber) {
    m_settings.open()->setValue(PortKey, portNumber);
}

std::optional<long long> SettingsPortNumberStore::loadStored() const {
    bool ok = false;
    const qlonglong stored = m_settings.open()->value(PortKey).toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return stored;
}
