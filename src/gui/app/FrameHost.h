#pragma once

#include <QString>

namespace program {
class IniFile;
struct ProgramState;
} // namespace program
class MenuPack;
class QWidget;

// What the main window asks of the application that made it: the shared values,
// the texts of the settings file, the menus of the language pack, and the commands
// the application answers itself.
class FrameHost {
public:
    virtual ~FrameHost() = default;

    virtual program::ProgramState& state() = 0;
    virtual program::IniFile& settings() = 0;
    // A value of the section named after the language of the run ("English", ...).
    virtual QString languageSetting(const char* key) const = 0;
    virtual const MenuPack& menus() const = 0;

    virtual void showAbout(QWidget* parent) = 0;
    // Asks for help at a context number, in the help file of the run.
    virtual void requestHelp(int context) = 0;
    virtual void chooseLanguage(QWidget* parent) = 0;
};
