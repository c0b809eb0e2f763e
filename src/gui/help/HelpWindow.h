#pragma once

#include <QString>

class QMainWindow;
class QWidget;

// What the program asks of a help window. The window itself (HelpViewer, with the
// help engine) lives in the help module, loaded at the first request for help.
class HelpWindow {
public:
    virtual ~HelpWindow() = default;
    virtual QMainWindow* window() = 0;
    // False when the help file could not be opened (the window says which file).
    virtual bool isAvailable() const = 0;
    virtual QString helpFile() const = 0;
    // Shows the topic of a context (helpcontext::DefaultTopic: the first page).
    virtual void showContext(int context) = 0;
};

// The help module's one entry point: a new help window of `helpFile`, keeping its
// registration and search index in `collectionFile`.
using MakeHelpWindow = HelpWindow* (*)(const QString& helpFile, const QString& collectionFile,
                                       QWidget* parent);
inline constexpr const char* HelpModule = "program-help";
inline constexpr const char* MakeHelpWindowSymbol = "programMakeHelpWindow";
