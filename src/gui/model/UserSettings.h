#pragma once

#include "link/PortNames.h"

#include <QString>

#include <cstdint>
#include <memory>

class QSettings;

// Per-user values kept between runs, under a key named after the "AppName"
// setting: the type byte of the last radio or file decoded, the serial port
// number, the recent-file list and whether a write is verified.
class UserSettings {
public:
    explicit UserSettings(QString appName);

    std::uint8_t radioType() const; // 0 when missing or unreadable
    void setRadioType(std::uint8_t type);

    // Whether a write is read back and checked: the Write window's "Verify after
    // writing", off until the user ticks it.
    bool verifyAfterWrite() const;
    void setVerifyAfterWrite(bool verify);

    std::unique_ptr<QSettings> open() const;

private:
    QString m_appName;
};

// The chosen serial port number, kept as "COM" in the user's settings.
class SettingsPortNumberStore final : public program::PortNumberStore {
public:
    explicit SettingsPortNumberStore(const UserSettings& settings) : m_settings(settings) {}

    void save(int portNumber) override;

protected:
    std::optional<long long> loadStored() const override;

private:
    const UserSettings& m_settings;
};
