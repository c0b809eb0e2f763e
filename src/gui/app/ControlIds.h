#pragma once

// Dialog control ids. They double as help contexts: F1 in a dialog opens the help
// file at the id of the control that has the focus.
namespace control {

// About box
inline constexpr int AboutIcon = 1096;
inline constexpr int AboutVersion = 1098;
inline constexpr int AboutCopyrights = 1099;
inline constexpr int AboutCopyrightsOwner = 1100;
inline constexpr int AboutFixedLine = 65535;

// Navigation bar
inline constexpr int NavigationBar = 100;
inline constexpr int NavigationTree = 1030;

// Language dialog
inline constexpr int LanguageEnglish = 1076;
inline constexpr int LanguageChinese = 1077;

} // namespace control
