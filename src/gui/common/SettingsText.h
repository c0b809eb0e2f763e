#pragma once

#include <QString>

#include <string>

// Texts of Program.ini are bytes. Files written here are UTF-8; a file brought
// from a Chinese Windows system holds GBK bytes, which are read as such instead of
// turning into replacement characters.
QString fromSettings(const std::string& bytes);
std::string toSettings(const QString& text);

// A numeric setting read as C's atoi reads it: leading blanks, an optional sign and
// the digits that follow; empty or non-numeric text gives 0. Values beyond the
// range of int are clamped instead of overflowing.
int decimalSetting(const std::string& text);
