#include "app_frame.h"
#include "main_window.h"
#include "message_seam.h"
#include "picture_field.h"
#include "settings_location.h"
#include "test_support.h"
#include "window_test_support.h"
#include "url_opener.h"
#include "web_addresses.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>
#include <QToolButton>

#include <memory>

using common::PictureField;
using fernwick::TfrmMain;
using testsupport::readBytes;
using testsupport::writeBytes;

namespace {

QWidget* helpWindow()
{
    return testsupport::topLevelWindowTitled(QStringLiteral("Fernwick Help"));
}

const QString kUnidentified = QStringLiteral("An unidentified error has occurred.");

} // namespace

using testsupport::AddressRecorder;
using testsupport::MessageRecorder;

Q_DECLARE_METATYPE(common::Link)

class FernwickMainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRunWithoutSettings();
    void remembersInputsAndShowsTheWorkedExample();
    void typingDoesNotRecalculateLeavingDoes();
    void pageSwitchesDriveTheCommands();
    void resetOnTheCalculationPage();
    void hintsGoToTheStatusBar();
    void storedValueThatIsNotANumber_data();
    void storedValueThatIsNotANumber();
    void otherSectionsSurviveAClose();
    void failedSaveIsReportedOnceAndTheWindowStillCloses();
    void settingsLiveInTheConfigFolderWhenTheProgramFolderIsReadOnly_data();
    void settingsLiveInTheConfigFolderWhenTheProgramFolderIsReadOnly();
    void disclaimerOpensCentredOnTheScreen();
    void layout_data();
    void layout();
    void menus_data();
    void menus();
    void accessibleNames();
    void webCommandsOpenTheirAddresses_data();
    void webCommandsOpenTheirAddresses();
    void helpCommandsAndQuitOnClose();
    void aboutBoxFromMenusAndCompanyName();

private:
    void openWindow();
    void closeWindow();
    template <class T = QWidget>
    T* control(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    PictureField* field(const QString& name) const { return control<PictureField>(name); }
    QString shown(const QString& name) const { return field(name)->text().trimmed(); }
    void typeInto(const QString& name, const QString& keys);
    void enterMathPage();
    QStringList commandStates() const;

    QString iniPath;
    MessageRecorder messages;
    std::unique_ptr<TfrmMain> window;
};

void FernwickMainWindowTest::init()
{
    iniPath = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Fernwick.ini"));
    QFile::remove(iniPath);
    QDir(iniPath).removeRecursively();
    common::AppFrame::instance().setMessageSeam(&messages);
    messages.texts.clear();
}

void FernwickMainWindowTest::cleanup()
{
    window.reset();
    QFile::remove(iniPath);
    QDir(iniPath).removeRecursively();
}

void FernwickMainWindowTest::openWindow()
{
    window = std::make_unique<TfrmMain>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void FernwickMainWindowTest::closeWindow()
{
    window->close();
    window.reset();
}

void FernwickMainWindowTest::typeInto(const QString& name, const QString& keys)
{
    PictureField* target = field(name);
    target->setFocus(Qt::TabFocusReason);
    target->selectAll();
    QTest::keyClicks(target, keys);
}

void FernwickMainWindowTest::enterMathPage()
{
    QTest::mouseClick(control<QToolButton>(QStringLiteral("btnForward")), Qt::LeftButton);
}

// Print commands then reset commands, each "on" or "off", in the order of
// the tool button, the File menu entry and the popup entry.
QStringList FernwickMainWindowTest::commandStates() const
{
    QStringList states;
    for (const char* name : {"btnPrint", "mnuFilePrint", "mnuPopPrint", "btnReset", "mnuFileReset", "mnuPopReset"}) {
        QObject* command = window->findChild<QObject*>(QString::fromLatin1(name));
        states << (command->property("enabled").toBool() ? QStringLiteral("on") : QStringLiteral("off"));
    }
    return states;
}

void FernwickMainWindowTest::firstRunWithoutSettings()
{
    openWindow();
    QCOMPARE(control<QTabWidget>(QStringLiteral("nbkMain"))->currentIndex(), 0);
    QCOMPARE(shown("edtCash"), "$0.00");
    QCOMPARE(shown("edtDebtInterest"), "0.0000");
    QCOMPARE(shown("edtInvestmentReturn"), "0.0000");
    QCOMPARE(commandStates(), QStringList(6, "off"));

    enterMathPage();
    for (int year = 1; year <= 10; ++year)
        for (const char* column : {"edtInvestment", "edtDebt", "edtDifference"})
            QCOMPARE(shown(QString::fromLatin1(column) + QString::number(year)), "$0.00");
    QCOMPARE(commandStates(), QStringList(6, "on"));
    QCOMPARE(QApplication::focusWidget(), field("edtCash"));
    QVERIFY(messages.texts.isEmpty());
}

void FernwickMainWindowTest::remembersInputsAndShowsTheWorkedExample()
{
    openWindow();
    enterMathPage();
    typeInto("edtCash", "1000");
    typeInto("edtDebtInterest", "18");
    typeInto("edtInvestmentReturn", "7");
    closeWindow();
    QCOMPARE(readBytes(iniPath), QByteArray("[LastValues]\nCash=1000\nInterest=18\nReturn=7\n"));

    openWindow();
    QCOMPARE(shown("edtCash"), "$1,000.00");
    QCOMPARE(shown("edtDebtInterest"), "18.0000");
    QCOMPARE(shown("edtInvestmentReturn"), "7.0000");
    control<QTabWidget>(QStringLiteral("nbkMain"))->setCurrentIndex(1);
    QCOMPARE(shown("edtInvestment1"), "$1,070.00");
    QCOMPARE(shown("edtDebt1"), "$1,180.00");
    QCOMPARE(shown("edtDifference1"), "-$110.00");
    QCOMPARE(shown("edtInvestment10"), "$1,967.15");
    QCOMPARE(shown("edtDebt10"), "$5,233.84");
    QCOMPARE(shown("edtDifference10"), "-$3,266.68");
    QVERIFY(messages.texts.isEmpty());
}

void FernwickMainWindowTest::typingDoesNotRecalculateLeavingDoes()
{
    openWindow();
    enterMathPage();
    typeInto("edtInvestmentReturn", "7");
    QTest::keyClick(field("edtInvestmentReturn"), Qt::Key_Tab);
    QSignalSpy recalculations(window.get(), &TfrmMain::recalculated);
    typeInto("edtCash", "2000");
    QCOMPARE(recalculations.count(), 0);
    QCOMPARE(shown("edtInvestment1"), "$0.00");
    QTest::keyClick(field("edtCash"), Qt::Key_Tab);
    QCOMPARE(recalculations.count(), 1);
    QCOMPARE(shown("edtInvestment1"), "$2,140.00");
}

void FernwickMainWindowTest::pageSwitchesDriveTheCommands()
{
    openWindow();
    auto* notebook = control<QTabWidget>(QStringLiteral("nbkMain"));
    notebook->setCurrentIndex(1);
    QCOMPARE(commandStates(), QStringList(6, "on"));
    notebook->setCurrentIndex(0);
    QCOMPARE(commandStates(), QStringList(6, "off"));
    QSignalSpy recalculations(window.get(), &TfrmMain::recalculated);
    notebook->setCurrentIndex(1);
    QCOMPARE(recalculations.count(), 1);
    QCOMPARE(commandStates(), QStringList(6, "on"));
    QCOMPARE(QApplication::focusWidget(), field("edtCash"));
}

void FernwickMainWindowTest::resetOnTheCalculationPage()
{
    writeBytes(iniPath, "[LastValues]\nCash=1000\nInterest=18\nReturn=7\n");
    openWindow();
    enterMathPage();
    field("edtDebtInterest")->setFocus(); // Reset's move to the cash field then leaves this one
    QTest::mouseClick(control<QToolButton>(QStringLiteral("btnReset")), Qt::LeftButton);

    for (const char* input : {"edtDebtInterest", "edtInvestmentReturn"})
        QCOMPARE(shown(QString::fromLatin1(input)), "0.0000");
    QCOMPARE(shown("edtCash"), "$0.00");
    QCOMPARE(shown("edtDifference10"), "$0.00");
    QCOMPARE(shown("edtDebt3"), "$0.00");
    QCOMPARE(QApplication::focusWidget(), field("edtCash"));
    QCOMPARE(commandStates(), QStringList(6, "off"));

    QTest::keyClick(field("edtCash"), Qt::Key_Tab); // leaving the cash field recalculates
    QCOMPARE(commandStates(), QStringList(6, "on"));
    QCOMPARE(readBytes(iniPath), QByteArray("[LastValues]\nCash=1000\nInterest=18\nReturn=7\n"));
}

void FernwickMainWindowTest::hintsGoToTheStatusBar()
{
    openWindow();
    auto* bar = control<QStatusBar>(QStringLiteral("StatusBar1"));
    QCOMPARE(bar->currentMessage(), "Visit www.quintmoor.example for more financial calculators!");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(control(QStringLiteral("btnPrint")), &enter);
    QCOMPARE(bar->currentMessage(), " Print ...");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(control(QStringLiteral("btnPrint")), &leave);
    QApplication::sendEvent(control(QStringLiteral("Label19")), &enter);
    QCOMPARE(bar->currentMessage(), QString());
    QCOMPARE(control(QStringLiteral("btnForward"))->statusTip(), " Click to \"Do the Math!\" ...");
}

void FernwickMainWindowTest::storedValueThatIsNotANumber_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("text") << QByteArray("[LastValues]\nCash=1000\nInterest=abc\nReturn=7\n");
    QTest::newRow("comma under a point locale") << QByteArray("[LastValues]\nCash=1000\nInterest=18,5\nReturn=7\n");
    QTest::newRow("empty value") << QByteArray("[LastValues]\nCash=\n");
}

void FernwickMainWindowTest::storedValueThatIsNotANumber()
{
    QFETCH(QByteArray, settings);
    writeBytes(iniPath, settings);
    openWindow();
    QCOMPARE(messages.texts, QStringList{kUnidentified});
    QCOMPARE(shown("edtCash"), "$0.00"); // not even the value read before the failing one
    QCOMPARE(commandStates(), QStringList({"on", "off", "off", "off", "off", "off"}));
    enterMathPage();
    QCOMPARE(commandStates(), QStringList(6, "on"));
}

void FernwickMainWindowTest::otherSectionsSurviveAClose()
{
    const QByteArray before = "; my notes\r\n[Window]\r\nLeft=10\r\n[LastValues]\r\nCash=5\r\nColour=blue\r\n";
    writeBytes(iniPath, before);
    openWindow();
    enterMathPage();
    typeInto("edtCash", "250");
    QTest::keyClick(field("edtCash"), Qt::Key_Tab);
    closeWindow();
    QCOMPARE(readBytes(iniPath), QByteArray("; my notes\r\n[Window]\r\nLeft=10\r\n[LastValues]\r\nCash=250\r\n"
                                            "Colour=blue\r\nInterest=0\r\nReturn=0\r\n"));
}

void FernwickMainWindowTest::failedSaveIsReportedOnceAndTheWindowStillCloses()
{
    // A folder where the file should be: it can neither be read nor replaced.
    QVERIFY(QDir().mkpath(iniPath));
    openWindow();
    QVERIFY(messages.texts.isEmpty());
    window->close();
    QVERIFY(!window->isVisible());
    QCOMPARE(messages.texts, QStringList{kUnidentified});
    QVERIFY(QFileInfo(iniPath).isDir());
}

void FernwickMainWindowTest::settingsLiveInTheConfigFolderWhenTheProgramFolderIsReadOnly_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("expected");
    QTest::newRow("portable install") << true << "/home/ann/fernwick/Fernwick.ini";
    QTest::newRow("system install") << false << "/home/ann/.config/Quintmoor/Fernwick.ini";
}

void FernwickMainWindowTest::settingsLiveInTheConfigFolderWhenTheProgramFolderIsReadOnly()
{
    QFETCH(bool, writable);
    QTEST(fernwick::settingsFilePath(QStringLiteral("/home/ann/fernwick/"),
                                     QStringLiteral("/home/ann/.config/Quintmoor"), writable),
          "expected");
}

void FernwickMainWindowTest::disclaimerOpensCentredOnTheScreen()
{
    openWindow();
    QStringList opened;
    const auto closeDisclaimer = [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            opened << dialog->windowTitle();
            dialog->close();
        }
    };
    QTimer::singleShot(0, this, closeDisclaimer);
    QTest::mouseClick(control<QToolButton>(QStringLiteral("btnDisclaim")), Qt::LeftButton);
    QTimer::singleShot(0, this, closeDisclaimer);
    control<QAction>(QStringLiteral("mnuPopDisclaim"))->trigger();
    QCOMPARE(opened, QStringList({"Disclaimer", "Disclaimer"}));
}

void FernwickMainWindowTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("print") << "btnPrint" << QRect(1, 2, 26, 26);
    QTest::newRow("print setup") << "btnPrintSetup" << QRect(27, 2, 26, 26);
    QTest::newRow("disclaimer") << "btnDisclaim" << QRect(53, 2, 26, 26);
    QTest::newRow("reset") << "btnReset" << QRect(79, 2, 26, 26);
    QTest::newRow("update") << "btnUpdate" << QRect(105, 2, 26, 26);
    QTest::newRow("help") << "btnHelp" << QRect(131, 2, 26, 26);
    QTest::newRow("exit") << "btnExit" << QRect(530, 2, 26, 26);
    QTest::newRow("company") << "lblCompany" << QRect(203, 6, 153, 18);
    QTest::newRow("introduction panel") << "Panel1" << QRect(9, 11, 538, 349);
    QTest::newRow("forward") << "btnForward" << QRect(407, 313, 113, 24);
    QTest::newRow("input band") << "Panel3" << QRect(0, 0, 556, 80);
    QTest::newRow("results band") << "Panel2" << QRect(0, 80, 556, 287);
    QTest::newRow("cash") << "edtCash" << QRect(55, 46, 90, 22);
    QTest::newRow("debt interest") << "edtDebtInterest" << QRect(246, 46, 67, 22);
    QTest::newRow("investment return") << "edtInvestmentReturn" << QRect(432, 46, 67, 22);
    QTest::newRow("year 1 investment") << "edtInvestment1" << QRect(88, 47, 100, 22);
    QTest::newRow("year 5 debt") << "edtDebt5" << QRect(253, 139, 100, 22);
    QTest::newRow("year 10 difference") << "edtDifference10" << QRect(421, 254, 100, 22);
}

void FernwickMainWindowTest::layout()
{
    openWindow();
    QFETCH(QString, name);
    QTEST(control(name)->geometry(), "rect");
}

void FernwickMainWindowTest::menus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("reset") << "mnuFileReset" << "&Reset" << false;
    QTest::newRow("print setup") << "mnuFilePrintSetup" << "Prin&t Setup..." << true;
    QTest::newRow("print") << "mnuFilePrint" << "&Print" << false;
    QTest::newRow("exit") << "mnuFileExit" << "E&xit" << true;
    QTest::newRow("home page") << "mnuInternetWebHome" << "&Home Page" << true;
    QTest::newRow("freeware") << "mnuInternetWebFreeware" << "Quintmoor' &Freeware Page" << true;
    QTest::newRow("suggestion box") << "SuggestionBox1" << "&Suggestion Box" << true;
    QTest::newRow("send suggestions") << "SendSuggestions1" << "&Send Suggestions" << true;
    QTest::newRow("tech support") << "ContactTechSupport1" << "Contact &Tech Support" << true;
    QTest::newRow("Oxbrindle") << "mnuInternetDownloadOxbrindle" << "&Oxbrindle" << true;
    QTest::newRow("Marrowby") << "mnuInternetDownloadMarrowby" << "&Marrowby" << true;
    QTest::newRow("Brackenly") << "mnuInternetDownloadBrackenly" << "&Brackenly" << true;
    QTest::newRow("update") << "mnuHelpUpdate" << "Check for &Update ..." << true;
    QTest::newRow("contents") << "Contents1" << "&Contents" << true;
    QTest::newRow("search") << "SearchforHelpOn1" << "&Search for Help On..." << true;
    QTest::newRow("how to") << "HowtoUseHelp1" << "&How to Use Help" << true;
    QTest::newRow("support address") << "mnuHelpSupport" << "support@quintmoor.example" << true;
    QTest::newRow("about") << "mnuHelpAbout" << "&About..." << true;
    QTest::newRow("popup print") << "mnuPopPrint" << "&Print ..." << false;
    QTest::newRow("popup reset") << "mnuPopReset" << "&Reset" << false;
    QTest::newRow("popup update") << "mnuPopUpdate" << "Check for &Update ..." << true;
    QTest::newRow("popup disclaimer") << "mnuPopDisclaim" << "&Disclaimer ..." << true;
    QTest::newRow("popup about") << "mnuPopAbout" << "&About..." << true;
    QTest::newRow("popup exit") << "mnuPopExit" << "E&xit" << true;
}

void FernwickMainWindowTest::menus()
{
    openWindow();
    QFETCH(QString, name);
    const auto* action = control<QAction>(name);
    QTEST(action->text(), "caption");
    QTEST(action->isEnabled(), "enabled");
    QVERIFY(!control<QAction>(QStringLiteral("N3"))->isVisible());
    QCOMPARE(control<QAction>(QStringLiteral("Contents1"))->shortcut(), QKeySequence(Qt::Key_F1));
}

void FernwickMainWindowTest::accessibleNames()
{
    openWindow();
    QCOMPARE(field("edtCash")->accessibleName(), "Cash");
    QCOMPARE(field("edtDebtInterest")->accessibleName(), "Debt interest");
    QCOMPARE(field("edtInvestmentReturn")->accessibleName(), "Investment return");
    QCOMPARE(field("edtInvestment1")->accessibleName(), "Year 1 investment");
    QCOMPARE(field("edtDebt7")->accessibleName(), "Year 7 debt");
    QCOMPARE(field("edtDifference10")->accessibleName(), "Year 10 difference");
    QCOMPARE(control(QStringLiteral("btnPrint"))->accessibleName(), "Print");
    QCOMPARE(control(QStringLiteral("btnReset"))->accessibleName(), "Reset the calculator");
    QCOMPARE(control(QStringLiteral("btnExit"))->accessibleName(), "Close Fernwick");
    auto* notebook = control<QTabWidget>(QStringLiteral("nbkMain"));
    QCOMPARE(notebook->tabText(0), "Introduction");
    QCOMPARE(notebook->tabText(1), "Do the Math!");
}

void FernwickMainWindowTest::webCommandsOpenTheirAddresses_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<common::Link>("link");
    QTest::newRow("home page") << "mnuInternetWebHome" << common::Link::Home;
    QTest::newRow("freeware") << "mnuInternetWebFreeware" << common::Link::Freeware;
    QTest::newRow("suggestion box") << "SuggestionBox1" << common::Link::Suggest;
    QTest::newRow("send suggestions") << "SendSuggestions1" << common::Link::EmailSuggest;
    QTest::newRow("tech support") << "ContactTechSupport1" << common::Link::EmailSupport;
    QTest::newRow("tech support from Help") << "mnuHelpSupport" << common::Link::EmailSupport;
    QTest::newRow("Oxbrindle") << "mnuInternetDownloadOxbrindle" << common::Link::Oxbrindle;
    QTest::newRow("Marrowby") << "mnuInternetDownloadMarrowby" << common::Link::Marrowby;
    QTest::newRow("Brackenly") << "mnuInternetDownloadBrackenly" << common::Link::BrackenlySetup;
}

void FernwickMainWindowTest::webCommandsOpenTheirAddresses()
{
    QFETCH(QString, command);
    QFETCH(common::Link, link);
    openWindow();
    AddressRecorder recorder;
    common::setUrlOpener(&recorder);
    const auto restore = qScopeGuard([] { common::setUrlOpener(nullptr); });
    control<QAction>(command)->trigger();
    QCOMPARE(recorder.opened.size(), 1);
    const QString opened = recorder.opened.first().toString();
    QVERIFY2(opened.endsWith(common::linkAddress(link)), qPrintable(opened));
    // Addresses kept without a scheme still open as web pages.
    QVERIFY(opened.startsWith(QLatin1String("http")) || opened.startsWith(QLatin1String("mailto:")));

    recorder.opened.clear();
    QTest::mouseClick(control(QStringLiteral("urlQuintmoor")), Qt::LeftButton);
    QCOMPARE(recorder.opened, QList<QUrl>{QUrl(common::linkAddress(common::Link::Home))});
}

void FernwickMainWindowTest::helpCommandsAndQuitOnClose()
{
    openWindow();
    QTest::keyClick(window.get(), Qt::Key_F1);
    QVERIFY(helpWindow() && helpWindow()->isVisible());
    helpWindow()->close();
    for (const char* command : {"SearchforHelpOn1", "HowtoUseHelp1", "Contents1"}) {
        control<QAction>(QString::fromLatin1(command))->trigger();
        QVERIFY2(helpWindow()->isVisible(), command);
    }
    closeWindow(); // the help window goes first, then the values are saved
    QVERIFY(!helpWindow() || !helpWindow()->isVisible());
    QVERIFY(QFileInfo::exists(iniPath));
}

void FernwickMainWindowTest::aboutBoxFromMenusAndCompanyName()
{
    openWindow();
    QStringList captions;
    const auto closeAbout = [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            captions << box->windowTitle();
            box->close();
        }
    };
    QTimer::singleShot(0, this, closeAbout);
    control<QAction>(QStringLiteral("mnuHelpAbout"))->trigger();
    QTimer::singleShot(0, this, closeAbout);
    control<QAction>(QStringLiteral("mnuPopAbout"))->trigger();
    QTimer::singleShot(0, this, closeAbout);
    QTest::mouseClick(control(QStringLiteral("lblCompany")), Qt::LeftButton);
    QCOMPARE(captions, QStringList(3, QStringLiteral("About ...")));
}

QTEST_MAIN(FernwickMainWindowTest)
#include "tst_fernwick_main_window.moc"
