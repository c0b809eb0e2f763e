#pragma once

#include <QString>

#include <string>

// Texts of Program.ini are bytes. Files written here are UTF-8; a file brought
// from a Chinese Windows system holds GBK bytes, which are read as such instead of
// turning into replacement characters.
QString fromSettings(const std::string& bytes);
std::string toSettings(const QString& text);

// A caption from the settings as a window's title. The window system shows the
// program's name in place of an empty title, so an empty caption goes to it as a
// blank.
QString windowCaption(const QString& caption);
// The same for the settings' bytes: the Company caption of the message boxes.
QString captionFromSettings(const std::string& bytes);

// A numeric setting read as C's atoi reads it: leading blanks, an optional sign and
// the digits that follow; empty or non-numeric text gives 0. Values beyond the
// range of int are clamped instead of overflowing.
int decimalSetting(const std::string& text);
