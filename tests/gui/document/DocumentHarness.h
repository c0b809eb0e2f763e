#pragma once

#include "app/ProgramState.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelTableModel.h"
#include "channels/ChildFrame.h"
#include "channels/ProgramView.h"
#include "model/MyDocManager.h"
#include "model/ProgramDoc.h"
#include "support/TempDir.h"

#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>

#include <memory>

// A main window with a document area and the document manager, as the program
// has them, with per-user settings of its own that start empty.
struct DocumentHarness {
    static constexpr const char* AppName = "ProgramDocumentTests";

    explicit DocumentHarness(program::Language language = program::Language::English,
                             const program::IniFile* settings = nullptr) {
        state.userSettingsName = AppName;
        state.messageCaption = "Program";
        state.language = language;
        QSettings(QSettings::UserScope, AppName).clear();
        window.setCentralWidget(area);
        window.statusBar();
        window.resize(1200, 800);
        window.show();
        manager = std::make_unique<CMyDocManager>(area, state, settings);
        manager->setFrameFactory(CChildFrame::factoryFor(*manager));
    }

    CChildFrame* frame() const { return qobject_cast<CChildFrame*>(manager->activeFrame()); }
    CProgramDoc& doc() const { return *frame()->document(); }
    CProgramView& view() const { return *frame()->view(); }
    ChannelGrid& grid() const { return *view().grid(); }
    QModelIndex cell(int tableRow, int tableColumn) const {
        return grid().model()->index(tableRow - 1, tableColumn - 1);
    }
    QString text(int tableRow, int tableColumn) const {
        return QString::fromStdString(doc().table().text(tableRow, tableColumn));
    }
    QString path(const QString& name) const {
        return QString::fromStdString((dir / name.toStdString()).string());
    }

    testsupport::TempDir dir;
    program::ProgramState state;
    QMainWindow window;
    QMdiArea* area = new QMdiArea;
    std::unique_ptr<CMyDocManager> manager;
};
