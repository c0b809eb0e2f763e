#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

// File names cross between Qt and the core in the system's own encoding, so
// names with non-ASCII letters reach the same file.
inline std::filesystem::path toFilesystemPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

inline QString fromFilesystemPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}
