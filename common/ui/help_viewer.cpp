#include "help_viewer.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>
#include <utility>

namespace common {

namespace {

// The viewer's own pages and the help's style sheet, compiled into the program.
const QString kViewerResources = QStringLiteral("qrc:/help-viewer/");
const QUrl kHowToUseHelpPage(kViewerResources + QStringLiteral("viewer/how-to-use-help.html"));
const QString kStyleSheet = kViewerResources + QStringLiteral("style.css");
const QString kHelpScheme = QStringLiteral("qthelp");
const QString kWrittenPageScheme = QStringLiteral("help-viewer");
constexpr QSize kFirstSize(840, 580);
constexpr int kSidePaneWidth = 280;

// What became of the program's help file when the window was made.
enum class HelpFileState { Ready, Missing, Unreadable, NoCollection };

// A page that the viewer writes itself, in the look of the help pages.
QString writtenPage(const QString& body)
{
    return QStringLiteral("<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"%1\"></head>"
                          "<body>%2</body></html>")
        .arg(kStyleSheet, body);
}

bool isOwnPage(const QUrl& url)
{
    return url.scheme() == kHelpScheme || url.scheme() == kWrittenPageScheme || url.scheme() == u"qrc";
}

// The topic pane: pages of the help file come from the help engine, the
// viewer's own page from the program's resources, and the pages that the
// viewer writes itself (a problem with the help file, the topics of a key
// word) from memory, so that Back and Forward treat them like any topic.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(const QHelpEngineCore& engine, QWidget* parent)
        : QTextBrowser(parent)
        , engine_(engine)
    {
        // Links to web pages or e-mail addresses go to the desktop; QTextBrowser
        // would try to load them itself and show an empty page.
        setOpenLinks(false);
        connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
            if (isOwnPage(url))
                setSource(url);
            else
                QDesktopServices::openUrl(url);
        });
    }

    void showWrittenPage(const QString& name, const QString& body)
    {
        QUrl url;
        url.setScheme(kWrittenPageScheme);
        url.setPath(name);
        writtenPages_.insert(url, writtenPage(body));
        setSource(url);
    }

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (name.scheme() == kHelpScheme)
            return engine_.fileData(name);
        if (name.scheme() == kWrittenPageScheme)
            return writtenPages_.value(name);
        return QTextBrowser::loadResource(type, name);
    }

private:
    const QHelpEngineCore& engine_;
    QHash<QUrl, QString> writtenPages_;
};

// The collection file that registers the help file is written by us, so it
// lives in the user's cache and never beside the program. Each help file gets
// its own, so that two copies of a program in different folders never mix.
QString collectionFileName(const QString& helpFile)
{
    const QFileInfo info(helpFile);
    const QByteArray key = QCryptographicHash::hash(info.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
                               .toHex()
                               .left(12);
    return info.completeBaseName() + u'-' + QString::fromLatin1(key) + QStringLiteral(".qhc");
}

QString cacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        return {};
    const QString folder = QDir(cache).filePath(QStringLiteral("help"));
    return QDir().mkpath(folder) ? folder : QString();
}

bool sameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// Makes the collection hold exactly the help file, or nothing when the file
// cannot be used: a collection left from an earlier build or an earlier copy
// of the file must never show stale pages.
HelpFileState registerHelpFile(QHelpEngine& engine, const QString& helpFile)
{
    const bool exists = QFileInfo::exists(helpFile);
    const QString wanted = exists ? QHelpEngineCore::namespaceName(helpFile) : QString();
    for (const QString& registered : engine.registeredDocumentations()) {
        if (registered != wanted || !sameFile(engine.documentationFileName(registered), helpFile))
            engine.unregisterDocumentation(registered);
    }
    if (!exists)
        return HelpFileState::Missing;
    if (wanted.isEmpty())
        return HelpFileState::Unreadable;
    if (!engine.registeredDocumentations().contains(wanted) && !engine.registerDocumentation(helpFile))
        return HelpFileState::Unreadable;
    return HelpFileState::Ready;
}

// The arrow keys in the index field move through the list below it, so that
// a key word can be typed, chosen and opened without leaving the field.
class ArrowKeysToList : public QObject {
public:
    ArrowKeysToList(QWidget* list, QObject* parent)
        : QObject(parent)
        , list_(list)
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QApplication::sendEvent(list_, event);
            return true;
        default:
            return false;
        }
    }

private:
    QWidget* list_;
};

QString problemPage(HelpFileState state, const QString& helpFile, const QString& engineError)
{
    const QString file = QDir::toNativeSeparators(QFileInfo(helpFile).absoluteFilePath()).toHtmlEscaped();
    QString text;
    switch (state) {
    case HelpFileState::Missing:
        text = QStringLiteral("<p>The help file %1 could not be found.</p>"
                              "<p>The help file belongs in the folder that holds the program. "
                              "Installing the program again puts it back.</p>")
                   .arg(file);
        break;
    case HelpFileState::Unreadable:
        text = QStringLiteral("<p>The help file %1 could not be read. It may be damaged.</p>"
                              "<p>Installing the program again replaces it.</p>")
                   .arg(file);
        break;
    case HelpFileState::NoCollection:
        text = QStringLiteral("<p>The help file %1 could not be opened: %2</p>")
                   .arg(file, engineError.toHtmlEscaped());
        break;
    case HelpFileState::Ready:
        break;
    }
    return QStringLiteral("<h1>Help is not available</h1>") + text;
}

} // namespace

// The help window: a tabbed side pane (contents, index, search) beside the
// topic pane, with Back, Forward, Contents and How to Use Help buttons.
class HelpWindow : public QWidget {
public:
    HelpWindow(const QString& helpFile, const QString& title);

    void showContents();
    void showSearch();
    void showHelpOnHelp();
    void bringUp(QWidget* owner);

private:
    QString openCollection();
    QWidget* makeButtons();
    QWidget* makeIndexPane();
    QWidget* makeSearchPane();
    void showContentsTopic();
    void showProblem();
    void showTopic(const QUrl& url);
    void showTopicChoice(const QList<QHelpLink>& topics, const QString& keyword);
    void indexOnFirstUse();
    void search();

    QString helpFile_;
    std::optional<QTemporaryDir> fallbackFolder_;
    QHelpEngine* engine_ = nullptr;
    HelpFileState state_ = HelpFileState::Ready;
    QTabWidget* tabs_ = nullptr;
    HelpBrowser* browser_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QWidget* searchPane_ = nullptr;
    bool placed_ = false;
    bool contentsTopicWanted_ = false;
    bool indexed_ = false;
    bool indexing_ = false;
    bool searchWhenIndexed_ = false;
};

HelpWindow::HelpWindow(const QString& helpFile, const QString& title)
    : helpFile_(helpFile)
{
    setWindowTitle(title);
    // The program ends with its main window even while its help is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    engine_ = new QHelpEngine(openCollection(), this);
    // The collection is ours to change: registering needs a writable engine.
    engine_->setReadOnly(false);
    // Registered before the set-up, so that the set-up does not start the
    // full-text indexing at once: that waits for the first search.
    state_ = registerHelpFile(*engine_, helpFile_);
    if (!engine_->setupData())
        state_ = HelpFileState::NoCollection;

    browser_ = new HelpBrowser(*engine_, this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));

    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    contents->setAccessibleName(QStringLiteral("Contents"));
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showTopic);
    // One click shows a topic, as in any help window; Enter and double-click
    // come through linkActivated.
    connect(contents, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (QHelpContentItem* item = engine_->contentModel()->contentItemAt(index))
            showTopic(item->url());
    });
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandToDepth(0);
        if (std::exchange(contentsTopicWanted_, false))
            showContentsTopic();
    });
    connect(browser_, &QTextBrowser::sourceChanged, this, [contents](const QUrl& url) {
        const QModelIndex index = contents->indexOf(url);
        if (index.isValid())
            contents->setCurrentIndex(index);
    });

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("helpTabs"));
    tabs_->addTab(contents, QStringLiteral("&Contents"));
    tabs_->addTab(makeIndexPane(), QStringLiteral("&Index"));
    searchPane_ = makeSearchPane();
    tabs_->addTab(searchPane_, QStringLiteral("&Search"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (tabs_->currentWidget() == searchPane_)
            indexOnFirstUse();
    });

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kSidePaneWidth, kFirstSize.width() - kSidePaneWidth});
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(makeButtons());
    layout->addWidget(splitter, 1);

    // Esc closes the window; F1 is the key of the How to Use Help button.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    resize(kFirstSize);
}

QString HelpWindow::openCollection()
{
    QString folder = cacheFolder();
    if (folder.isEmpty()) {
        fallbackFolder_.emplace();
        folder = fallbackFolder_->path();
    }
    return QDir(folder).filePath(collectionFileName(helpFile_));
}

QWidget* HelpWindow::makeButtons()
{
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [bar, layout](const QString& name, const QString& text, QStyle::StandardPixmap icon,
                                      const QKeySequence& key) {
        auto* b = new QToolButton(bar);
        b->setObjectName(name);
        b->setText(text);
        b->setIcon(bar->style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        if (!key.isEmpty()) {
            b->setShortcut(key);
            b->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
        }
        layout->addWidget(b);
        return b;
    };
    QToolButton* back = button(QStringLiteral("helpBack"), QStringLiteral("Back"), QStyle::SP_ArrowBack,
                               QKeySequence::Back);
    QToolButton* forward = button(QStringLiteral("helpForward"), QStringLiteral("Forward"), QStyle::SP_ArrowForward,
                                  QKeySequence::Forward);
    QToolButton* contents = button(QStringLiteral("helpHome"), QStringLiteral("Contents"), QStyle::SP_DirHomeIcon, {});
    QToolButton* howTo = button(QStringLiteral("helpHowTo"), QStringLiteral("How to Use Help"),
                                QStyle::SP_DialogHelpButton, QKeySequence(Qt::Key_F1));
    layout->addStretch(1);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(contents, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(howTo, &QToolButton::clicked, this, &HelpWindow::showHelpOnHelp);
    return bar;
}

QWidget* HelpWindow::makeIndexPane()
{
    auto* pane = new QWidget;
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(4, 6, 4, 4);

    indexFilter_ = new QLineEdit(pane);
    indexFilter_->setObjectName(QStringLiteral("helpIndexFilter"));
    indexFilter_->setClearButtonEnabled(true);
    auto* label = new QLabel(QStringLiteral("&Type a key word:"), pane);
    label->setBuddy(indexFilter_);

    QHelpIndexWidget* index = engine_->indexWidget();
    index->setObjectName(QStringLiteral("helpIndex"));
    index->setAccessibleName(QStringLiteral("Index"));

    layout->addWidget(label);
    layout->addWidget(indexFilter_);
    layout->addWidget(index, 1);

    connect(indexFilter_, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
    connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    // The index is read on a thread of its own: a word typed before it was
    // ready still finds its key word.
    connect(engine_->indexModel(), &QHelpIndexModel::indexCreated, index,
            [this, index] { index->filterIndices(indexFilter_->text()); });
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& topic, const QString&) { showTopic(topic.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, &HelpWindow::showTopicChoice);

    indexFilter_->installEventFilter(new ArrowKeysToList(index, indexFilter_));
    return pane;
}

QWidget* HelpWindow::makeSearchPane()
{
    auto* pane = new QWidget;
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(4, 6, 4, 4);

    QHelpSearchEngine* searchEngine = engine_->searchEngine();
    QHelpSearchQueryWidget* query = searchEngine->queryWidget();
    query->setObjectName(QStringLiteral("helpSearchQuery"));
    QHelpSearchResultWidget* results = searchEngine->resultWidget();
    results->setObjectName(QStringLiteral("helpSearchResults"));
    layout->addWidget(query);
    layout->addWidget(results, 1);

    connect(query, &QHelpSearchQueryWidget::search, this, &HelpWindow::search);
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::showTopic);
    connect(searchEngine, &QHelpSearchEngine::indexingFinished, this, [this] {
        indexing_ = false;
        if (std::exchange(searchWhenIndexed_, false))
            search();
    });
    return pane;
}

void HelpWindow::indexOnFirstUse()
{
    if (state_ != HelpFileState::Ready || std::exchange(indexed_, true))
        return;
    indexing_ = true;
    engine_->searchEngine()->scheduleIndexDocumentation();
}

// A search asked for while the topics are still being indexed runs once the
// index is complete, instead of finding nothing.
void HelpWindow::search()
{
    if (indexing_) {
        searchWhenIndexed_ = true;
        return;
    }
    QHelpSearchEngine* searchEngine = engine_->searchEngine();
    searchEngine->search(searchEngine->queryWidget()->searchInput());
}

void HelpWindow::showContents()
{
    tabs_->setCurrentIndex(tabs_->indexOf(engine_->contentWidget()));
    engine_->contentWidget()->setFocus();
    showContentsTopic();
}

void HelpWindow::showSearch()
{
    // A search in a help file that cannot be read finds nothing: say why.
    if (state_ != HelpFileState::Ready || browser_->source().isEmpty())
        showContentsTopic();
    tabs_->setCurrentWidget(searchPane_);
    QHelpSearchQueryWidget* query = engine_->searchEngine()->queryWidget();
    query->setSearchInput(QString());
    query->setFocus(Qt::ShortcutFocusReason);
}

void HelpWindow::showHelpOnHelp()
{
    showTopic(kHowToUseHelpPage);
}

// The contents topic is the first entry of the help file's table of contents.
// The table is read on a thread of its own; until it is ready, the topic is
// shown as soon as it is.
void HelpWindow::showContentsTopic()
{
    if (state_ != HelpFileState::Ready) {
        showProblem();
        return;
    }
    QHelpContentModel* model = engine_->contentModel();
    if (model->isCreatingContents() || model->rowCount() == 0) {
        contentsTopicWanted_ = true;
        return;
    }
    showTopic(model->contentItemAt(model->index(0, 0))->url());
}

void HelpWindow::showProblem()
{
    browser_->showWrittenPage(QStringLiteral("problem"), problemPage(state_, helpFile_, engine_->error()));
}

void HelpWindow::showTopic(const QUrl& url)
{
    browser_->setSource(url);
}

// A key word with several topics: the topics as a list of links, in the topic
// pane, rather than in a dialog that would stop the program.
void HelpWindow::showTopicChoice(const QList<QHelpLink>& topics, const QString& keyword)
{
    QString html = QStringLiteral("<h1>%1</h1><p>Topics found:</p><ul>").arg(keyword.toHtmlEscaped());
    for (const QHelpLink& topic : topics) {
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                    .arg(topic.url.toString(QUrl::FullyEncoded).toHtmlEscaped(), topic.title.toHtmlEscaped());
    }
    html += QStringLiteral("</ul>");
    browser_->showWrittenPage(QStringLiteral("topics/") + keyword, html);
}

void HelpWindow::bringUp(QWidget* owner)
{
    if (!std::exchange(placed_, true)) {
        // First shown in the middle of the owner's screen, at most the size of it.
        const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect available = screen->availableGeometry();
            resize(size().boundedTo(available.size()));
            move(available.center() - rect().center());
        }
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

HelpViewer::HelpViewer(QString helpFile, QString windowTitle, QObject* parent)
    : QObject(parent)
    , helpFile_(std::move(helpFile))
    , windowTitle_(std::move(windowTitle))
{
}

HelpViewer::~HelpViewer() = default;

void HelpViewer::showContents(QWidget* owner)
{
    openWindow(owner).showContents();
}

void HelpViewer::showSearch(QWidget* owner)
{
    openWindow(owner).showSearch();
}

void HelpViewer::showHelpOnHelp(QWidget* owner)
{
    openWindow(owner).showHelpOnHelp();
}

void HelpViewer::quit()
{
    if (window_)
        window_->close();
}

QWidget* HelpViewer::window() const
{
    return window_.get();
}

HelpWindow& HelpViewer::openWindow(QWidget* owner)
{
    if (!window_)
        window_ = std::make_unique<HelpWindow>(helpFile_, windowTitle_);
    window_->bringUp(owner);
    return *window_;
}

} // namespace common
