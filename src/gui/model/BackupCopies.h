#pragma once

#include <QDateTime>
#include <QString>

namespace program {
class CodeplugImage;
}

// Every image read from a radio is also kept as a timestamped .dat file in the
// user's data folder, so what a radio held before it was reprogrammed can be
// restored.
class BackupCopies {
public:
    // The folder of the copies: <user data folder>/backups.
    static QString folder();
    // e.g. "read-2026-12-08-153012.dat"
    static QString fileNameFor(const QDateTime& when);

    struct Result {
        bool ok = false;
        QString path;  // where the copy is (or was meant to be)
        QString error; // the reason when it failed
    };

    // Saves atomically; never overwrites an earlier copy made in the same second.
    static Result saveReadCopy(const program::CodeplugImage& image,
                               const QDateTime& when = QDateTime::currentDateTime());
};
