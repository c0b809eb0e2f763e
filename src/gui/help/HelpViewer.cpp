#include "help/HelpViewer.h"

#include "help/HelpBrowser.h"
#include "help/HelpContexts.h"

#include <QAction>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

HelpViewer::HelpViewer(const QString& helpFile, const QString& collectionFile, QWidget* parent)
    : QMainWindow(parent), m_helpFile(helpFile) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Help"));
    resize(960, 680);
    if (openEngine(collectionFile))
        buildWindow();
    else
        showMissingFile();
}

bool HelpViewer::openEngine(const QString& collectionFile) {
    if (!QFileInfo(m_helpFile).isFile())
        return false;
    auto* engine = new QHelpEngine(collectionFile, this);
    engine->setReadOnly(false);
    engine->setUsesFilterEngine(true);
    if (!engine->setupData()) {
        delete engine;
        return false;
    }
    // The collection is the viewer's own; an older registration of the same
    // documentation (another build of the file) gives way to this file.
    const QString name = QHelpEngineCore::namespaceName(m_helpFile);
    if (name.isEmpty()) {
        delete engine;
        return false;
    }
    if (engine->registeredDocumentations().contains(name) &&
        engine->documentationFileName(name) != QFileInfo(m_helpFile).absoluteFilePath())
        engine->unregisterDocumentation(name);
    if (!engine->registeredDocumentations().contains(name) &&
        !engine->registerDocumentation(m_helpFile)) {
        delete engine;
        return false;
    }
    m_engine = engine;
    return true;
}

void HelpViewer::buildWindow() {
    m_browser = new HelpBrowser(*m_engine, this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("HelpNote"));
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::RichText);
    m_note->hide();
    connect(m_note, &QLabel::linkActivated, this,
            [this](const QString& link) { showUrl(QUrl(link)); });
    // The note speaks of the page a request opened; following a link leaves it behind.
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this] { setNote(QString()); });

    auto* page = new QWidget(this);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(m_note);
    pageLayout->addWidget(m_browser, 1);

    QHelpContentWidget* contents = m_engine->contentWidget();
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpViewer::showUrl);
    // The contents follow the page on show, wherever it was opened from.
    connect(m_browser, &QTextBrowser::sourceChanged, contents, [contents](const QUrl& url) {
        const QModelIndex entry = contents->indexOf(url);
        if (entry.isValid())
            contents->setCurrentIndex(entry);
    });
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        // The chapters show at once; their sections open on demand.
        contents->expandToDepth(0);
        if (m_defaultTopicPending)
            showDefaultTopic();
    });

    m_sidebar = new QTabWidget(this);
    m_sidebar->setObjectName(QStringLiteral("HelpSidebar"));
    m_sidebar->addTab(contents, tr("Contents"));
    m_sidebar->addTab(makeIndexPage(), tr("Index"));
    m_sidebar->addTab(makeSearchPage(), tr("Search"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_sidebar);
    splitter->addWidget(page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 700});
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setMovable(false);
    QAction* back = bar->addAction(tr("Back"), m_browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(back, &QAction::triggered, this, [this] { setNote(QString()); });
    QAction* forward = bar->addAction(tr("Forward"), m_browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(forward, &QAction::triggered, this, [this] { setNote(QString()); });
    bar->addAction(tr("Contents"), this, [this] {
        setNote(QString());
        showDefaultTopic();
    });

    // Esc or Ctrl+W closes the help, as in most help windows.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    // The full-text index is built in the background the first time the file is seen.
    m_engine->searchEngine()->reindexDocumentation();
}

QWidget* HelpViewer::makeIndexPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* filter = new QLineEdit(page);
    filter->setObjectName(QStringLiteral("HelpIndexFilter"));
    filter->setPlaceholderText(tr("Type a keyword"));
    QHelpIndexWidget* index = m_engine->indexWidget();
    layout->addWidget(filter);
    layout->addWidget(index, 1);
    connect(filter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document) { showDocuments({document}); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents) { showDocuments(documents); });
    return page;
}

QWidget* HelpViewer::makeSearchPage() {
    QHelpSearchEngine* search = m_engine->searchEngine();
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(search->queryWidget());
    layout->addWidget(search->resultWidget(), 1);
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, search,
            [search] { search->search(search->queryWidget()->searchInput()); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this,
            &HelpViewer::showUrl);
    return page;
}

void HelpViewer::showMissingFile() {
    auto* message = new QLabel(
        tr("The help file %1 could not be found.").arg(QFileInfo(m_helpFile).absoluteFilePath()),
        this);
    message->setObjectName(QStringLiteral("HelpMissing"));
    message->setWordWrap(true);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message->setAlignment(Qt::AlignCenter);
    message->setMargin(24);
    setCentralWidget(message);
    m_note = message;
    resize(560, 160);
}

void HelpViewer::showContext(int context) {
    if (!m_engine)
        return;
    setNote(QString());
    if (context == helpcontext::DefaultTopic) {
        showDefaultTopic();
        return;
    }
    const QList<QHelpLink> documents = m_engine->documentsForIdentifier(QString::number(context));
    if (documents.isEmpty()) {
        setNote(tr("There is no topic for help context %1; here is the first page.").arg(context));
        showDefaultTopic();
        return;
    }
    showDocuments(documents);
}

void HelpViewer::showDocuments(const QList<QHelpLink>& documents) {
    if (documents.isEmpty())
        return;
    setNote(QString());
    openPage(documents.first().url);
    if (documents.size() == 1)
        return;
    QStringList others;
    for (qsizetype i = 1; i < documents.size(); ++i)
        others.append(QStringLiteral("<a href=\"%1\">%2</a>")
                          .arg(documents[i].url.toString(QUrl::FullyEncoded),
                               documents[i].title.toHtmlEscaped()));
    setNote(tr("Also about this: %1").arg(others.join(QStringLiteral(", "))));
}

void HelpViewer::showDefaultTopic() {
    const QUrl first = firstContentsUrl();
    // The contents are read in the background; the first page follows once they are.
    m_defaultTopicPending = first.isEmpty();
    if (!first.isEmpty())
        openPage(first);
}

QUrl HelpViewer::firstContentsUrl() const {
    QHelpContentModel* model = m_engine->contentModel();
    if (model->isCreatingContents() || model->rowCount() == 0)
        return {};
    const QHelpContentItem* item = model->contentItemAt(model->index(0, 0));
    return item ? item->url() : QUrl();
}

void HelpViewer::showUrl(const QUrl& url) {
    if (!m_browser)
        return;
    setNote(QString());
    openPage(url);
}

void HelpViewer::openPage(const QUrl& url) {
    if (url.isEmpty())
        return;
    m_defaultTopicPending = false;
    m_browser->setSource(url);
}

QUrl HelpViewer::currentUrl() const {
    return m_browser ? m_browser->source() : QUrl();
}

void HelpViewer::setNote(const QString& text) {
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

// The help module's entry point, resolved by name when help is first asked for.
extern "C" Q_DECL_EXPORT HelpWindow*
programMakeHelpWindow(const QString& helpFile, const QString& collectionFile, QWidget* parent) {
    return new HelpViewer(helpFile, collectionFile, parent);
}
