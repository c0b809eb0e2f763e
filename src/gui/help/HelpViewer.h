#pragma once

#include "help/HelpWindow.h"

#include <QHelpLink>
#include <QList>
#include <QMainWindow>
#include <QUrl>

class HelpBrowser;
class QHelpEngine;
class QLabel;
class QTabWidget;

// The help window of one help file: its contents, an index and full-text search on
// the left, the page on the right. It opens at a context number or at the file's
// first page. When the file cannot be found the window says which file it was
// looking for, and asks for topics change nothing.
class HelpViewer : public QMainWindow, public HelpWindow {
    Q_OBJECT
public:
    // `helpFile` is the path of a compressed help file (.qch); `collectionFile` a
    // writable file of the viewer's own, where the help engine keeps the file's
    // registration and its search index.
    HelpViewer(const QString& helpFile, const QString& collectionFile, QWidget* parent = nullptr);

    QMainWindow* window() override { return this; }
    bool isAvailable() const override { return m_engine != nullptr; }
    QString helpFile() const override { return m_helpFile; }

    // Shows the topic of a context (helpcontext::DefaultTopic: the first page of the
    // contents). A context with several topics shows the first and offers the others
    // above the page; one without a topic shows the first page and says so.
    void showContext(int context) override;
    void showUrl(const QUrl& url);

    QUrl currentUrl() const;
    HelpBrowser* browser() const { return m_browser; }
    // The line above the page: other topics of the context, or why nothing is shown.
    QLabel* noteLabel() const { return m_note; }
    QTabWidget* sidebar() const { return m_sidebar; }
    QHelpEngine* engine() const { return m_engine; }

private:
    bool openEngine(const QString& collectionFile);
    void buildWindow();
    QWidget* makeIndexPage();
    QWidget* makeSearchPage();
    void showMissingFile();
    void showDocuments(const QList<QHelpLink>& documents);
    void showDefaultTopic();
    void openPage(const QUrl& url);
    QUrl firstContentsUrl() const;
    void setNote(const QString& text);

    QString m_helpFile;
    QHelpEngine* m_engine = nullptr;
    HelpBrowser* m_browser = nullptr;
    QTabWidget* m_sidebar = nullptr;
    QLabel* m_note = nullptr;
    // Help Topics arrived before the contents were read.
    bool m_defaultTopicPending = false;
};
