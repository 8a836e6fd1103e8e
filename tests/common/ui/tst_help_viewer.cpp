#include "help_viewer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>

using common::HelpViewer;

namespace {

const QString kGildcrestHelp = QStringLiteral(GILDCREST_HELP_FILE);
const QString kFernwickHelp = QStringLiteral(FERNWICK_HELP_FILE);
const QString kGildcrestContents = QStringLiteral("qthelp://com.quintmoor.gildcrest/doc/gildcrest/index.html");
const QString kFernwickContents = QStringLiteral("qthelp://com.quintmoor.fernwick/doc/fernwick/index.html");
// Indexing and reading the help happen on threads of their own, slower under
// the sanitizers.
constexpr int kHelpEngineTimeout = 20000;

QTextBrowser* topicPane(const HelpViewer& viewer)
{
    return viewer.window()->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
}

QString currentTab(const HelpViewer& viewer)
{
    const auto* tabs = viewer.window()->findChild<QTabWidget*>(QStringLiteral("helpTabs"));
    return tabs->tabText(tabs->currentIndex()).remove(u'&');
}

QLineEdit* searchField(const HelpViewer& viewer)
{
    return viewer.window()->findChild<QWidget*>(QStringLiteral("helpSearchQuery"))->findChild<QLineEdit*>();
}

QString searchResultsText(const HelpViewer& viewer)
{
    const auto* results = viewer.window()->findChild<QWidget*>(QStringLiteral("helpSearchResults"));
    const auto* list = results->findChild<QTextBrowser*>();
    return list ? list->toHtml() : QString();
}

// The help window is the only window on screen: no message box beside it.
bool onlyWindowShown(const HelpViewer& viewer)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window != viewer.window())
            return false;
    }
    return QApplication::activeModalWidget() == nullptr;
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void helpFilesLieBesideThePrograms();
    void contentsShowsTheFirstTopic_data();
    void contentsShowsTheFirstTopic();
    void searchOpensOnAnEmptyFocusedField();
    void searchFindsWordsInTheTopics();
    void helpOnHelpShowsTheViewersOwnPage();
    void keysOfTheHelpWindow();
    void quitClosesTheWindowAndIsHarmlessWithoutOne();
    void unusableHelpFileIsReportedInTheWindow_data();
    void unusableHelpFileIsReportedInTheWindow();
    void indexFindsKeyWords_data();
    void indexFindsKeyWords();
    void keyWordOfSeveralTopicsListsThem();
    void collectionFollowsTheHelpFile();
    void helpWindowNeverKeepsTheProgramRunning(); // last: it runs the event loop to its end
};

void HelpViewerTest::initTestCase()
{
    // The collections go to a cache folder of the test's own.
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
}

// Each program looks for its help file in its own folder.
void HelpViewerTest::helpFilesLieBesideThePrograms()
{
    QCOMPARE(QFileInfo(kGildcrestHelp).absolutePath(), QFileInfo(QStringLiteral(GILDCREST_FOLDER)).absoluteFilePath());
    QCOMPARE(QFileInfo(kGildcrestHelp).fileName(), QStringLiteral("Gildcrest.hlp"));
    QCOMPARE(QFileInfo(kFernwickHelp).absolutePath(), QFileInfo(QStringLiteral(FERNWICK_FOLDER)).absoluteFilePath());
    QCOMPARE(QFileInfo(kFernwickHelp).fileName(), QStringLiteral("Fernwick.hlp"));
}

void HelpViewerTest::contentsShowsTheFirstTopic_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("firstWords");

    QTest::newRow("gildcrest") << kGildcrestHelp << QStringLiteral("Gildcrest Help") << kGildcrestContents
                               << QStringLiteral("Gildcrest works out what one stock trade brings you.");
    QTest::newRow("fernwick") << kFernwickHelp << QStringLiteral("Fernwick Help") << kFernwickContents
                              << QStringLiteral("You have some spare cash.");
}

void HelpViewerTest::contentsShowsTheFirstTopic()
{
    QFETCH(QString, helpFile);
    QFETCH(QString, title);
    QFETCH(QString, topic);
    QFETCH(QString, firstWords);

    HelpViewer viewer(helpFile, title);
    QVERIFY(!viewer.window());
    viewer.showContents(nullptr);

    QVERIFY(viewer.window()->isVisible());
    QVERIFY(!viewer.window()->isModal());
    QCOMPARE(viewer.window()->windowTitle(), title);
    QCOMPARE(currentTab(viewer), QStringLiteral("Contents"));
    QTRY_COMPARE_WITH_TIMEOUT(topicPane(viewer)->source(), QUrl(topic), kHelpEngineTimeout);
    QVERIFY(topicPane(viewer)->toPlainText().contains(firstWords));
    // The contents tree marks the topic on show, the top of the help.
    const auto* tree = viewer.window()->findChild<QTreeView*>(QStringLiteral("helpContents"));
    QTRY_COMPARE(tree->currentIndex().data().toString(), title);
    QVERIFY(onlyWindowShown(viewer));
}

// "Search for Help On" asks for a word every time: whatever was typed before
// is gone, and typing goes straight into the field.
void HelpViewerTest::searchOpensOnAnEmptyFocusedField()
{
    HelpViewer viewer(kGildcrestHelp, QStringLiteral("Gildcrest Help"));
    viewer.showSearch(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(viewer.window()));

    QCOMPARE(currentTab(viewer), QStringLiteral("Search"));
    QLineEdit* field = searchField(viewer);
    QCOMPARE(field->text(), QString());
    QTRY_COMPARE(QApplication::focusWidget(), field);
    // With nothing shown yet, the topic pane shows the help's first topic.
    QTRY_COMPARE_WITH_TIMEOUT(topicPane(viewer)->source(), QUrl(kGildcrestContents), kHelpEngineTimeout);

    QTest::keyClicks(field, QStringLiteral("commission"));
    viewer.showContents(nullptr);
    QCOMPARE(currentTab(viewer), QStringLiteral("Contents"));
    viewer.showSearch(nullptr);
    QCOMPARE(currentTab(viewer), QStringLiteral("Search"));
    QCOMPARE(field->text(), QString());
    QTRY_COMPARE(QApplication::focusWidget(), field);
}

// The topics are indexed when the search is first used; a search typed at
// once waits for the index instead of finding nothing.
void HelpViewerTest::searchFindsWordsInTheTopics()
{
    HelpViewer viewer(kFernwickHelp, QStringLiteral("Fernwick Help"));
    viewer.showSearch(nullptr);
    // No events in between: the indexing has not even started.
    searchField(viewer)->setText(QStringLiteral("compounding"));
    QTest::keyClick(searchField(viewer), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(searchResultsText(viewer).contains(QStringLiteral("fernwick/compounding.html")),
                             kHelpEngineTimeout);
    QVERIFY(!searchResultsText(viewer).contains(QStringLiteral("fernwick/disclaimer.html")));
}

void HelpViewerTest::helpOnHelpShowsTheViewersOwnPage()
{
    HelpViewer viewer(kFernwickHelp, QStringLiteral("Fernwick Help"));
    viewer.showHelpOnHelp(nullptr);

    QVERIFY(viewer.window()->isVisible());
    QCOMPARE(topicPane(viewer)->source().scheme(), QStringLiteral("qrc"));
    QCOMPARE(topicPane(viewer)->documentTitle(), QStringLiteral("How to Use Help"));
    QVERIFY(topicPane(viewer)->toPlainText().contains(QStringLiteral("The Index tab lists key words")));
}

void HelpViewerTest::keysOfTheHelpWindow()
{
    HelpViewer viewer(kGildcrestHelp, QStringLiteral("Gildcrest Help"));
    viewer.showContents(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(viewer.window()));
    QTRY_COMPARE_WITH_TIMEOUT(topicPane(viewer)->source(), QUrl(kGildcrestContents), kHelpEngineTimeout);

    // The keys press their buttons, which show the press before they act.
    QTest::keyClick(viewer.window(), Qt::Key_F1);
    QTRY_COMPARE(topicPane(viewer)->documentTitle(), QStringLiteral("How to Use Help"));

    QTest::keyClick(viewer.window(), Qt::Key_Left, Qt::AltModifier);
    QTRY_COMPARE(topicPane(viewer)->source(), QUrl(kGildcrestContents));

    QTest::keyClick(viewer.window(), Qt::Key_Escape);
    QVERIFY(!viewer.window()->isVisible());
}

void HelpViewerTest::quitClosesTheWindowAndIsHarmlessWithoutOne()
{
    HelpViewer viewer(kGildcrestHelp, QStringLiteral("Gildcrest Help"));
    viewer.quit();
    QVERIFY(!viewer.window());

    viewer.showContents(nullptr);
    viewer.quit();
    QVERIFY(!viewer.window()->isVisible());
    viewer.quit();
    QVERIFY(!viewer.window()->isVisible());

    // Closed, the window opens again on the next command.
    viewer.showHelpOnHelp(nullptr);
    QVERIFY(viewer.window()->isVisible());
}

void HelpViewerTest::unusableHelpFileIsReportedInTheWindow_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: no file at all
    QTest::addColumn<QString>("message");

    QTest::newRow("missing") << QByteArray() << QStringLiteral("could not be found.");
    QTest::newRow("not a help file") << QByteArray("[LastValues]\r\nCash=1000\r\n")
                                     << QStringLiteral("could not be read.");
}

void HelpViewerTest::unusableHelpFileIsReportedInTheWindow()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);

    QTemporaryDir folder;
    const QString helpFile = folder.filePath(QStringLiteral("Gildcrest.hlp"));
    if (!contents.isEmpty()) {
        QFile file(helpFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    HelpViewer viewer(helpFile, QStringLiteral("Gildcrest Help"));
    viewer.showContents(nullptr);
    QVERIFY(viewer.window()->isVisible());
    const QString expected = QStringLiteral("The help file %1 %2").arg(QDir::toNativeSeparators(helpFile), message);
    QTRY_VERIFY(topicPane(viewer)->toPlainText().contains(expected));
    QVERIFY(onlyWindowShown(viewer));

    // The viewer's own page still shows, and a search, which can find
    // nothing, brings the message back.
    viewer.showHelpOnHelp(nullptr);
    QCOMPARE(topicPane(viewer)->documentTitle(), QStringLiteral("How to Use Help"));
    viewer.showSearch(nullptr);
    QCOMPARE(currentTab(viewer), QStringLiteral("Search"));
    QVERIFY(topicPane(viewer)->toPlainText().contains(expected));
    QVERIFY(onlyWindowShown(viewer));
}

void HelpViewerTest::indexFindsKeyWords_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("keyWord");
    QTest::addColumn<QString>("topic");

    QTest::newRow("gildcrest: fraction calculator")
        << kGildcrestHelp << QStringLiteral("Stock Fraction Calculator")
        << QStringLiteral("qthelp://com.quintmoor.gildcrest/doc/gildcrest/fraction-calculator.html");
    QTest::newRow("gildcrest: first letters") << kGildcrestHelp << QStringLiteral("Gross")
                                              << QStringLiteral("qthelp://com.quintmoor.gildcrest/doc/gildcrest/results.html");
    QTest::newRow("fernwick: settings file") << kFernwickHelp << QStringLiteral("Fernwick.ini")
                                             << QStringLiteral("qthelp://com.quintmoor.fernwick/doc/fernwick/settings.html");
    QTest::newRow("fernwick: any letter case") << kFernwickHelp << QStringLiteral("no warranty")
                                               << QStringLiteral("qthelp://com.quintmoor.fernwick/doc/fernwick/disclaimer.html");
}

// A key word typed into the index field and Enter show its topic.
void HelpViewerTest::indexFindsKeyWords()
{
    QFETCH(QString, helpFile);
    QFETCH(QString, keyWord);
    QFETCH(QString, topic);

    HelpViewer viewer(helpFile, QStringLiteral("Help"));
    viewer.showContents(nullptr);
    auto* field = viewer.window()->findChild<QLineEdit*>(QStringLiteral("helpIndexFilter"));
    auto* list = viewer.window()->findChild<QAbstractItemView*>(QStringLiteral("helpIndex"));
    QTest::keyClicks(field, keyWord);
    QTRY_VERIFY_WITH_TIMEOUT(list->currentIndex().isValid(), kHelpEngineTimeout);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(topicPane(viewer)->source(), QUrl(topic));
}

// A key word of two topics lists both in the topic pane, as links; no dialog.
void HelpViewerTest::keyWordOfSeveralTopicsListsThem()
{
    HelpViewer viewer(kGildcrestHelp, QStringLiteral("Gildcrest Help"));
    viewer.showContents(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(viewer.window()));
    auto* field = viewer.window()->findChild<QLineEdit*>(QStringLiteral("helpIndexFilter"));
    auto* list = viewer.window()->findChild<QAbstractItemView*>(QStringLiteral("helpIndex"));
    QTest::keyClicks(field, QStringLiteral("Net Profit"));
    QTRY_VERIFY_WITH_TIMEOUT(list->currentIndex().isValid(), kHelpEngineTimeout);
    QTest::keyClick(field, Qt::Key_Return);

    QTextBrowser* pane = topicPane(viewer);
    QVERIFY(pane->toPlainText().contains(QStringLiteral("The results")));
    QVERIFY(pane->toPlainText().contains(QStringLiteral("The net-profit chart")));
    QVERIFY(onlyWindowShown(viewer));

    // The links lead to their topics, and Back returns to the list.
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_Tab);
    QTest::keyClick(pane, Qt::Key_Return);
    QCOMPARE(pane->source().fileName(), QStringLiteral("results.html"));
    pane->backward();
    QVERIFY(pane->toPlainText().contains(QStringLiteral("The net-profit chart")));
}

// The collection in the cache must never show pages of an earlier help file
// at the same place: a program updated in its folder shows its new help.
void HelpViewerTest::collectionFollowsTheHelpFile()
{
    QTemporaryDir folder;
    const QString helpFile = folder.filePath(QStringLiteral("Program.hlp"));
    QVERIFY(QFile::copy(kGildcrestHelp, helpFile));
    {
        HelpViewer viewer(helpFile, QStringLiteral("Help"));
        viewer.showContents(nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(topicPane(viewer)->source(), QUrl(kGildcrestContents), kHelpEngineTimeout);
    }

    QVERIFY(QFile::remove(helpFile));
    QVERIFY(QFile::copy(kFernwickHelp, helpFile));
    {
        HelpViewer viewer(helpFile, QStringLiteral("Help"));
        viewer.showContents(nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(topicPane(viewer)->source(), QUrl(kFernwickContents), kHelpEngineTimeout);
        const auto* tree = viewer.window()->findChild<QTreeView*>(QStringLiteral("helpContents"));
        QCOMPARE(tree->model()->rowCount(), 1);
        QCOMPARE(tree->model()->index(0, 0).data().toString(), QStringLiteral("Fernwick Help"));
    }

    QVERIFY(QFile::remove(helpFile));
    {
        HelpViewer viewer(helpFile, QStringLiteral("Help"));
        viewer.showContents(nullptr);
        QTRY_VERIFY(topicPane(viewer)->toPlainText().contains(QStringLiteral("could not be found.")));
        auto* field = viewer.window()->findChild<QLineEdit*>(QStringLiteral("helpIndexFilter"));
        QTest::keyClicks(field, QStringLiteral("Fernwick.ini"));
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(topicPane(viewer)->toPlainText().contains(QStringLiteral("could not be found.")));
    }
}

// The program ends when its main window closes, even when the help window
// was left open (as when the program ends to install an update).
void HelpViewerTest::helpWindowNeverKeepsTheProgramRunning()
{
    QWidget mainWindow;
    mainWindow.show();
    HelpViewer viewer(kGildcrestHelp, QStringLiteral("Gildcrest Help"));
    viewer.showContents(&mainWindow);

    constexpr int kStillRunning = 1;
    QTimer::singleShot(0, &mainWindow, &QWidget::close);
    QTimer::singleShot(kHelpEngineTimeout, qApp, [] { QApplication::exit(kStillRunning); });
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(HelpViewerTest)
#include "tst_help_viewer.moc"
