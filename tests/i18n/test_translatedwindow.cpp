// The interface in Dutch, French and German: every page of the main window and the plot
// window started in each language shows no English text of the program's own (names, units
// and the station's data aside), and choosing another language on the welcome page turns
// the open window, every page already made and the plot window, at once.
#include "app/mainwindow.h"
#include "base/applicationstate.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "charts/ui/polarchart.h"
#include "charts/ui/xychart.h"
#include "exposure/ui/graphwindow.h"
#include "freshdatabase.h"
#include "shell/interfacetranslation.h"
#include "shell/ui/pagebase.h"
#include "shell/ui/statusbar.h"
#include "shell/wizardpages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>

namespace
{

using Texts = std::map<QString, QString>; // where on screen -> the text shown there

// Texts that are the same in English and in the language: names, units and
// abbreviations, and the few words the language writes as English does.
const QSet<QString> Everywhere = {
    QStringLiteral("Velmor"),     QStringLiteral("OK"),          QStringLiteral("Internet :"),
    QStringLiteral("WGS84"),      QStringLiteral("Lambert (X)"), QStringLiteral("Lambert (Y)"),
    QStringLiteral("QRP"),        QStringLiteral("Pol."),        QStringLiteral("Min."),
    QStringLiteral("ERP"),        QStringLiteral("ERP (W) :"),   QStringLiteral("EIRP :"),
    QStringLiteral("Station"),    QStringLiteral("Watt"),        QStringLiteral("Fax"),
    QStringLiteral("Ø in"),       QStringLiteral("X(m)   ="),    QStringLiteral("Y(m)   ="),
    QStringLiteral("EIRP(dBW):"), QStringLiteral("Ref.")};
const std::map<int, QSet<QString>> SameInLanguage = {
    {1,
     {QStringLiteral("Help"), QStringLiteral("Type"), QStringLiteral("Type :"),
      QStringLiteral("Clubstation :"), QStringLiteral("Freq. (MHz)"), QStringLiteral("Sec."),
      QStringLiteral("Ant.type:")}},
    {2,
     {QStringLiteral("Distance"), QStringLiteral("Type"), QStringLiteral("Description"),
      QStringLiteral("Gain"), QStringLiteral("Distance(m)"), QStringLiteral("Distance (m)   ="),
      QStringLiteral("Dist."), QStringLiteral("Deg."), QStringLiteral("Sec."),
      QStringLiteral("Longitude (E)"), QStringLiteral("Latitude (N)")}},
    {3, {QStringLiteral("Name"), QStringLiteral("Freq. (MHz)"), QStringLiteral("EIRP(dBW):")}},
};

// Units and numbers say nothing about the language.
const QRegularExpression
    Neutral(QStringLiteral("(\\b(MHz|GHz|dBi|dBW|dB|W|m|V/"
                           "m|deg)\\b|[-+]?\\d+([.,]\\d+)?|[\u00b0\u03bb%():=/.,*<>\"'\\-\\s])"));

class TestTranslatedWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyPageAndThePlotAreTranslated_data();
    void everyPageAndThePlotAreTranslated();
    void choosingALanguageTurnsTheOpenWindowAtOnce();
    void aMissingTranslationKeepsEnglishAndSaysSo();
    void qtsOwnDialogsSpeakTheLanguage_data();
    void qtsOwnDialogsSpeakTheLanguage();

private:
    std::unique_ptr<TfrmMain> startWindow(int language);
    void closeWindow(std::unique_ptr<TfrmMain> &window);
    Texts walk(TfrmMain &window, bool visitPages);
    Texts plotTexts(TfrmMain &window);
    // checkRoom: also texts cut for lack of room (only where the window was laid out again,
    // that is on pages shown after the change).
    QStringList stillEnglish(const Texts &english, const Texts &shown, int language,
                             bool checkRoom = true) const;
    void readStationData();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TdtmMain> m_dm;
    QStringList m_stationData; // every text of the database, longest first
    Texts m_english;           // every page and the plot, started in English
};

// A widget's place: the names (or class and position) of it and its parents up to the root.
QString placeOf(const QObject *object, const QObject *root)
{
    QStringList parts;
    for (const QObject *o = object; o && o != root; o = o->parent()) {
        QString part = o->objectName();
        if (part.isEmpty()) {
            const QObject *parent = o->parent();
            int index = 0;
            if (parent) {
                for (const QObject *sibling : parent->children()) {
                    if (sibling == o)
                        break;
                    if (sibling->metaObject() == o->metaObject())
                        ++index;
                }
            }
            part = QString::fromLatin1(o->metaObject()->className()) + QLatin1Char('#') +
                   QString::number(index);
        }
        parts.prepend(part);
    }
    return parts.join(QLatin1Char('/'));
}

// With VLM_SCREENSHOT_DIR set, a picture of each page and of the plot in each language
// (page3-fr.png, plot-nl.png, ...) for a look at clipped or overlapping texts.
void saveScreenshot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("VLM_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window->grab().save(QDir(folder).filePath(name + QLatin1Char('-') +
                                              InterfaceLanguageCode(InstalledInterfaceLanguage()) +
                                              QStringLiteral(".png")));
}

void addText(Texts &texts, const QString &place, const QString &text)
{
    if (!text.trimmed().isEmpty())
        texts[place] = text;
}

const QString CutMark = QStringLiteral("[cut]");

// Whether a widget's text needs more room than the widget has: the text would be cut.
bool textIsCut(QWidget *w)
{
    const QFontMetrics metrics = w->fontMetrics();
    const auto widest = [&](QString text) {
        text.remove(QLatin1Char('&'));
        int width = 0;
        for (const QString &line : text.split(QLatin1Char('\n')))
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    };
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return false;
        return widest(label->text()) > label->contentsRect().width() - 2 * label->margin();
    }
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return !button->text().isEmpty() && button->sizeHint().width() > button->width();
    if (auto *group = qobject_cast<QGroupBox *>(w))
        return widest(group->title()) + 8 > group->width();
    return false;
}

// The texts a user reads in a widget tree: labels, buttons, group titles, tab names,
// column headers, tool tips and window titles of the widgets shown within `root`.
void collect(Texts &texts, const QString &prefix, QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (w != root && !w->isVisibleTo(root))
            continue;
        const QString place = prefix + placeOf(w, root);
        if (textIsCut(w))
            texts[place + CutMark] =
                w->property("text").toString() + w->property("title").toString();
        addText(texts, place + QStringLiteral("[tip]"), w->toolTip());
        if (w->isWindow())
            addText(texts, place + QStringLiteral("[title]"), w->windowTitle());
        if (auto *label = qobject_cast<QLabel *>(w))
            addText(texts, place, label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            addText(texts, place, button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            addText(texts, place, group->title());
        if (auto *table = qobject_cast<QTableWidget *>(w)) {
            for (int r = 0; r < table->rowCount(); ++r) {
                for (int c = 0; c < table->columnCount(); ++c) {
                    if (const QTableWidgetItem *item = table->item(r, c))
                        addText(texts, place + QStringLiteral("[%1,%2]").arg(r).arg(c),
                                item->text());
                }
            }
        }
        if (auto *chart = qobject_cast<TPolarChart *>(w))
            addText(texts, place + QStringLiteral("[chart]"), chart->title());
        if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                addText(texts, place + QStringLiteral("[tab%1]").arg(i), tabs->tabText(i));
        }
        if (auto *header = qobject_cast<QHeaderView *>(w); header && header->model()) {
            const int count = header->count();
            for (int s = 0; s < count; ++s) {
                if (!header->isSectionHidden(s))
                    addText(texts, place + QStringLiteral("[%1]").arg(s),
                            header->model()->headerData(s, header->orientation()).toString());
            }
        }
    }
}

void TestTranslatedWindow::initTestCase()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QString error;
    m_dm = OpenFreshMainDatabase(QStringLiteral(VLM_TEST_DB), m_dir->path(), &error);
    QVERIFY2(m_dm, qPrintable(error));
    // A station with one site, two placements and two critical test points, so that
    // every page shows its lists, groups and results.
    const QSqlDatabase db = m_dm->conMainDb->database();
    for (const char *statement :
         {"INSERT INTO tblOwner (IdOwner, OwnerCall, OwnerFname, OwnerName, OwnerAddress1, "
          "IdLanguage, OwnerSpecCase, IdZipCity1, IdZipCity2, OwnerSiteAddr1, OwnerQrpDistA, "
          "OwnerQrpDistB, OwnerQrpPower, OwnerQrpGain, OwnerQrpCoaxLoss) VALUES (7, 'ON4AAA', "
          "'Jan', 'Peeters', 'Kerkstraat 1', 2, 0, 3, 3, 'Kerkstraat 1', '2', '3', '5', '2', '1')",
          "INSERT INTO tblTower (IdTower, IdOwner, TowerName, TowerMain, TowerCoordLamX, "
          "TowerCoordLamY) VALUES (3, 7, 'Location_01', 1, 152000, 212000)",
          "INSERT INTO tblListAnt (IdListAnt, AntType, AntMakeDescr, AntV00, AntV10, AntV20, "
          "AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100) VALUES (900, "
          "'Dipole', 'Half-wave wire', 2.1, 1.9, 1.2, 0, -2, -4.5, -8, -13, -20, -30, -30)",
          "INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, IdMode, IdTxTime, "
          "AntennasRef, AntennasHeight, AntennasTilt, AntennasAntPwr, StationTxPower) VALUES "
          "(3, 900, 12, 2, 1, 'Loc01-Ant01', 10, 0, 17, 100), "
          "(3, 40, 14, 2, 1, 'Loc01-Ant02', 8, 10, 10, 20)",
          "INSERT INTO tblCriticalPnt (IdTower, IdSpaceAtt, CriticalPntRef, CriticalPntDist, "
          "CriticalPntHeight, CriticalPntRem) VALUES (3, 2, 'CTP_01', 12, 2, 'Garden'), "
          "(3, 4, 'CTP_02', 6, 4, 'Bedroom')"}) {
        const FixtureSqlResult done = RunFixtureSql(db, QString::fromLatin1(statement));
        QVERIFY2(done.ok, qPrintable(done.error));
    }
    readStationData();

    // The program's folder: the database beside the program, the translations as the
    // build stages them.
    const QString program = m_dir->path();
    QVERIFY(QDir().mkpath(program + QStringLiteral("/translations")));
    for (const char *code : {"nl", "fr", "de"}) {
        const QString name = QStringLiteral("translations/velmor_%1.qm").arg(QLatin1String(code));
        QVERIFY2(QFile::copy(QStringLiteral(VLM_PROGRAM_DIR "/") + name,
                             program + QLatin1Char('/') + name),
                 qPrintable(name));
    }
    SetProgramFolder(program);
    SetPreferenceFile(m_dir->filePath(QStringLiteral("prefs.ini")));

    std::unique_ptr<TfrmMain> window = startWindow(0);
    QVERIFY(window);
    m_english = walk(*window, true);
    const Texts plot = plotTexts(*window);
    m_english.insert(plot.begin(), plot.end());
    closeWindow(window);
    QVERIFY(m_english.size() > 300); // every page showed its controls
}

void TestTranslatedWindow::cleanupTestCase()
{
    InstallInterfaceTranslation(0);
    SetPreferenceFile(QString());
    SetProgramFolder(QString());
    CurrentSelection().clear();
    m_dm.reset();
}

// Every text column of every table: what the pages show of the station and the lookup lists.
void TestTranslatedWindow::readStationData()
{
    const QSqlDatabase db = m_dm->conMainDb->database();
    for (const QString &table : db.tables(QSql::Tables)) {
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("SELECT * FROM ") + table));
        while (query.next()) {
            const QSqlRecord record = query.record();
            for (int i = 0; i < record.count(); ++i) {
                const QVariant value = record.value(i);
                if (value.typeId() == QMetaType::QString && value.toString().size() >= 2)
                    m_stationData << value.toString();
            }
        }
    }
    m_stationData.removeDuplicates();
    std::sort(m_stationData.begin(), m_stationData.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
}

std::unique_ptr<TfrmMain> TestTranslatedWindow::startWindow(int language)
{
    TPreferences::setOwnerLan(language);
    CurrentSelection().clear();
    SetSkipExitConfirmation(false);
    auto window = std::make_unique<TfrmMain>(m_dm.get());
    window->SetUpdateCheckEnabled(false);
    QSignalSpy firstShow(window.get(), &TfrmMain::firstShowDone);
    window->show();
    if (!firstShow.wait(10000))
        return nullptr;
    return window;
}

void TestTranslatedWindow::closeWindow(std::unique_ptr<TfrmMain> &window)
{
    if (TFrmGraph *plot = TFrmGraph::Instance())
        delete plot;
    SetSkipExitConfirmation(true);
    window->close();
    window.reset();
}

// The header, the status bar and every page; with visitPages each page is shown in turn
// (so that it is made and loaded), else the pages made so far are read where they are.
Texts TestTranslatedWindow::walk(TfrmMain &window, bool visitPages)
{
    Texts texts;
    for (int page = 0; page < WizardPageCount; ++page) {
        if (visitPages) {
            window.SetActivePage(page);
            QTest::qWait(20);
            addText(texts, QStringLiteral("title%1").arg(page), window.PageTitleText());
            saveScreenshot(&window, QStringLiteral("page%1").arg(page));
        }
        TfraBase *frame = window.PageFrame(page);
        if (!frame)
            continue;
        collect(texts, QStringLiteral("page%1/").arg(page), frame);
        if (!visitPages)
            continue;
        // Every tab of the page in turn, then the first one again.
        for (QTabWidget *tabs : frame->findChildren<QTabWidget *>()) {
            for (int tab = tabs->count() - 1; tab >= 0; --tab) {
                tabs->setCurrentIndex(tab);
                QTest::qWait(20);
                collect(texts, QStringLiteral("page%1/").arg(page), frame);
            }
        }
    }
    if (!visitPages)
        addText(texts, QStringLiteral("title%1").arg(window.ActivePage()), window.PageTitleText());
    for (int panel = 0; panel < TStatusBar::PanelCount; ++panel)
        addText(texts, QStringLiteral("status%1").arg(panel), window.statusBar()->panelText(panel));
    return texts;
}

// The plot window of the first placement, with a read-out of the field strength taken
// at 5 m distance and 3 m height.
Texts TestTranslatedWindow::plotTexts(TfrmMain &window)
{
    TFrmGraph *plot = TFrmGraph::Instance();
    if (!plot) {
        CurrentSelection().ownerId = 7;
        CurrentSelection().setCall(QStringLiteral("ON4AAA"));
        plot = TFrmGraph::OpenGraph(*m_dm, QStringLiteral("Location_01"),
                                    QStringLiteral("Loc01-Ant01"), &window);
        if (!plot)
            return {};
        plot->ShowReadOut(QPointF(5, 3));
        saveScreenshot(plot, QStringLiteral("plot"));
    }
    Texts texts;
    collect(texts, QStringLiteral("plot/"), plot);
    if (auto *chart = plot->findChild<TXYChart *>()) {
        addText(texts, QStringLiteral("plot/xCaption"), chart->xCaption());
        addText(texts, QStringLiteral("plot/yCaption"), chart->yCaption());
    }
    return texts;
}

// The places whose text is still the English one, with the text, unless it is a name, a
// unit, a number, the station's data or a word the language writes alike.
QStringList TestTranslatedWindow::stillEnglish(const Texts &english, const Texts &shown,
                                               int language, bool checkRoom) const
{
    QStringList found;
    const QSet<QString> alike = SameInLanguage.at(language);
    for (const auto &[place, text] : shown) {
        if (place.endsWith(CutMark)) {
            // Cut in the translation where the English text has room: the layout must grow.
            if (checkRoom && english.count(place) == 0)
                found << place + QStringLiteral(": \"") + text + QStringLiteral("\" has no room");
            continue;
        }
        const auto was = english.find(place);
        if (was == english.end() || was->second != text)
            continue;
        QString plain = text;
        plain.remove(QLatin1Char('&'));
        plain = plain.trimmed();
        if (Everywhere.contains(plain) || alike.contains(plain))
            continue;
        for (const QString &data : m_stationData)
            plain.replace(data, QStringLiteral(" "));
        plain.remove(Neutral);
        if (plain.size() < 2) // a polarisation letter, a sign
            continue;
        found << place + QStringLiteral(": \"") + text + QLatin1Char('"');
    }
    return found;
}

void TestTranslatedWindow::everyPageAndThePlotAreTranslated_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("Dutch") << 1;
    QTest::newRow("French") << 2;
    QTest::newRow("German") << 3;
}

void TestTranslatedWindow::everyPageAndThePlotAreTranslated()
{
    QFETCH(int, language);
    std::unique_ptr<TfrmMain> window = startWindow(language);
    QVERIFY(window);
    QCOMPARE(InstalledInterfaceLanguage(), language);
    Texts shown = walk(*window, true);
    const Texts plot = plotTexts(*window);
    shown.insert(plot.begin(), plot.end());
    closeWindow(window);

    QVERIFY(shown.size() > 300);
    const QStringList english = stillEnglish(m_english, shown, language);
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));

    // Numbers keep the program's format (decimal comma) whatever the language.
    static const QRegularExpression decimal(QStringLiteral("\\d+[,.]\\d+"));
    const auto numbersIn = [](const QString &text) {
        QStringList found;
        for (const QRegularExpressionMatch &m : decimal.globalMatch(text))
            found << m.captured();
        return found;
    };
    QStringList changed;
    int numbers = 0;
    for (const auto &[place, text] : m_english) {
        const QStringList expected = numbersIn(text);
        if (expected.isEmpty() || place.endsWith(QStringLiteral("[tip]")))
            continue; // tool tips name typical losses in words of their own
        ++numbers;
        if (numbersIn(shown[place]) != expected)
            changed << place + QStringLiteral(": ") + shown[place] + QStringLiteral(" for ") + text;
    }
    QVERIFY(numbers > 10);
    QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1Char('\n'))));
}

void TestTranslatedWindow::choosingALanguageTurnsTheOpenWindowAtOnce()
{
    std::unique_ptr<TfrmMain> window = startWindow(0);
    QVERIFY(window);
    // Every page made, the plot open, back on the welcome page.
    walk(*window, true);
    plotTexts(*window);
    window->SetActivePage(PageWelcome);
    const Texts english = walk(*window, false);
    const Texts englishPlot = plotTexts(*window);

    auto *combo = window->findChild<QComboBox *>(QStringLiteral("cmbSetupLan"));
    QVERIFY(combo);
    const auto choose = [&](int language) {
        combo->setCurrentIndex(language);
        emit combo->activated(language);
    };

    choose(2);
    QCOMPARE(TPreferences::ownerLan(), std::optional<int>(2));
    QTRY_COMPARE(window->PageTitleText(), QStringLiteral("Bienvenue dans VLM"));
    QCOMPARE(window->ActivePage(), int(PageWelcome)); // nothing was shown again
    QCOMPARE(combo->itemText(2), QStringLiteral("Français"));
    QCOMPARE(window->statusBar()->panelText(TStatusBar::PanelConnection),
             QStringLiteral("Connecté"));
    QStringList left = stillEnglish(english, walk(*window, false), 2, false);
    left << stillEnglish(englishPlot, plotTexts(*window), 2, false);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));

    // From one translation to another.
    choose(1);
    QTRY_COMPARE(window->PageTitleText(), QStringLiteral("Welkom bij VLM"));
    left = stillEnglish(english, walk(*window, false), 1, false);
    left << stillEnglish(englishPlot, plotTexts(*window), 1, false);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    // Each page, shown again, has made room for its longer texts.
    window->SetActivePage(PageWelcome);
    left = stillEnglish(m_english, walk(*window, true), 1);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    window->SetActivePage(PageWelcome);

    // And back: every text is the English one again.
    choose(0);
    QTRY_COMPARE(window->PageTitleText(), QStringLiteral("Welcome to VLM"));
    Texts again = walk(*window, false);
    const Texts plotAgain = plotTexts(*window);
    QStringList differ;
    for (const auto &[place, text] : english) {
        if (again[place] != text)
            differ << place + QStringLiteral(": \"") + again[place] + QStringLiteral("\" for \"") +
                          text + QLatin1Char('"');
    }
    for (const auto &[place, text] : englishPlot) {
        if (plotAgain.count(place) == 0 || plotAgain.at(place) != text)
            differ << place + QStringLiteral(" in the plot");
    }
    QVERIFY2(differ.isEmpty(), qPrintable(differ.join(QLatin1Char('\n'))));
    closeWindow(window);
}

// A program folder whose translations went missing: the choice is kept for the next start,
// the window stays English and the user is told why.
void TestTranslatedWindow::aMissingTranslationKeepsEnglishAndSaysSo()
{
    std::unique_ptr<TfrmMain> window = startWindow(0);
    QVERIFY(window);
    QTemporaryDir bare;
    QVERIFY(bare.isValid());
    const QString program = ProgramFolder();
    SetProgramFolder(bare.path());
    ClearShownMessages();
    auto *combo = window->findChild<QComboBox *>(QStringLiteral("cmbSetupLan"));
    QVERIFY(combo);
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    SetProgramFolder(program);

    QCOMPARE(TPreferences::ownerLan(), std::optional<int>(1));
    QCOMPARE(CurrentSelection().interfaceLanguage, 1);
    QCOMPARE(InstalledInterfaceLanguage(), 0);
    const QList<ShownMessage> shown = ShownMessages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, 1); // an error
    QVERIFY2(shown.first().text.contains(QStringLiteral("stays in English")),
             qPrintable(shown.first().text));
    QTest::qWait(50);
    QCOMPARE(window->PageTitleText(), QStringLiteral("Welcome to VLM"));
    closeWindow(window);
}

void TestTranslatedWindow::qtsOwnDialogsSpeakTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("lookIn");
    QTest::newRow("English") << 0 << QStringLiteral("Look in:");
    QTest::newRow("Dutch") << 1 << QStringLiteral("Zoeken in:");
    QTest::newRow("French") << 2 << QStringLiteral("Voir dans :");
    QTest::newRow("German") << 3 << QStringLiteral("Suchen in:");
}

// Qt's file dialog (and its print and colour dialogs) use Qt's own translation of the language.
void TestTranslatedWindow::qtsOwnDialogsSpeakTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, lookIn);
    QVERIFY(InstallInterfaceTranslation(language));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
    QVERIFY(label);
    QCOMPARE(label->text(), lookIn);
    InstallInterfaceTranslation(0);
}

} // namespace

QTEST_MAIN(TestTranslatedWindow)
#include "test_translatedwindow.moc"
