// The shipped translations: complete, in step with the sources, and loaded
// into the window (German menus, Arabic right to left, Latin labels in their
// own order there).

#include <cerrno>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>

#include "tests/gui/GuiFixture.h"
#include "gui/CoreText.h"
#include "gui/FormDialog.h"
#include "gui/Language.h"
#include "gui/SatAddDlg.h"
#include "core/TextMark.h"
#include "serial/LinkTexts.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortWatcher.h"

namespace velmora::apptest {
namespace {

struct TsFile {
    QSet<QString> messages;  // "context\x1fsource"
    int unfinished = 0;
    int outdated = 0;  // obsolete or vanished
};

TsFile ReadTs(const QString& path) {
    TsFile ts;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() == QLatin1String("source")) {
            ts.messages.insert(context + QChar(0x1f) +
                               xml.readElementText(QXmlStreamReader::IncludeChildElements));
        }
        if (xml.name() == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            ts.unfinished += type == QLatin1String("unfinished");
            ts.outdated += type == QLatin1String("obsolete") || type == QLatin1String("vanished");
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return ts;
}

QString TranslationsDir() { return QStringLiteral(VELMORA_SOURCE_DIR "/translations"); }

QStringList TsFiles() {
    return QDir(TranslationsDir()).entryList({QStringLiteral("velmora_*.ts")}, QDir::Files);
}

TEST(Translations, EveryFileHasTheSameMessagesAndIsComplete) {
    const QStringList files = TsFiles();
    ASSERT_EQ(files.size(), 10);
    const TsFile german = ReadTs(TranslationsDir() + QStringLiteral("/velmora_de.ts"));
    ASSERT_FALSE(german.messages.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const TsFile ts = ReadTs(TranslationsDir() + QLatin1Char('/') + name);
        EXPECT_EQ(ts.messages, german.messages);
        EXPECT_EQ(ts.outdated, 0);
        EXPECT_EQ(ts.unfinished, 0);
    }
}

// A text added to the sources without running update_translations is
// missing from the .ts files; lupdate over copies of them finds it.
TEST(Translations, LupdateFindsNoTextMissingFromTheFiles) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString copy = scratch.filePath(QStringLiteral("velmora_de.ts"));
    ASSERT_TRUE(QFile::copy(TranslationsDir() + QStringLiteral("/velmora_de.ts"), copy));
    QFile sources(QStringLiteral(VELMORA_LUPDATE_SOURCES));
    ASSERT_TRUE(sources.open(QIODevice::ReadOnly));
    QStringList args = QString::fromUtf8(sources.readAll()).split(QLatin1Char('\n'),
                                                                  Qt::SkipEmptyParts);
    args += QStringLiteral(VELMORA_LUPDATE_OPTIONS).split(QLatin1Char('\n'));
    // The include path lets lupdate see the classes' namespace, as the target's project does.
    args << QStringLiteral("-I") << QStringLiteral(VELMORA_SOURCE_DIR);
    args << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(VELMORA_LUPDATE), args);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const TsFile before = ReadTs(TranslationsDir() + QStringLiteral("/velmora_de.ts"));
    const TsFile after = ReadTs(copy);
    EXPECT_EQ(after.messages, before.messages);
    EXPECT_EQ(after.unfinished, 0) << "texts without a German translation";
}

// A template the core fills and marks, but CoreText does not match, would
// show in English under every language: each one in the files must be known.
TEST(Translations, CoreTextKnowsEveryMarkedTemplateOfTheCore) {
    const TsFile german = ReadTs(TranslationsDir() + QStringLiteral("/velmora_de.ts"));
    const QStringList known = CoreTemplates();
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    for (const QString& message : german.messages) {
        const QString context = message.section(QChar(0x1f), 0, 0);
        const QString text = message.section(QChar(0x1f), 1);
        if (context != QLatin1String("Core") && context != QLatin1String("Commands")) continue;
        if (text.contains(marker)) {
            EXPECT_TRUE(known.contains(text)) << text.toStdString();
        }
    }
}

// Translators are children of the application; deleting one uninstalls it.
class LanguageTest : public GuiTest {
protected:
    void TearDown() override {
        GuiTest::TearDown();
        qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        // Back to following the translation, as at start.
        QApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
    }
};

TEST_F(LanguageTest, GermanShowsGermanMenusAndIndicators) {
    ASSERT_EQ(InstallLanguage(*qApp, QStringLiteral("de")), QStringLiteral("de"));
    StartWithSample();
    QStringList titles;
    for (QAction* a : frame_->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, QStringList({"&Datei", "&Bearbeiten", "&Messgerät", "&Hilfe"}));
    QStringList panes;
    for (QLabel* l : frame_->IndicatorPanes()) panes << l->text();
    EXPECT_EQ(panes, QStringList({"GROSS", "NUM", "ROLL"}));
    EXPECT_EQ(frame_->IdlePane()->text(), QStringLiteral("Bereit"));
}

// Help > Language keeps the choice for the next start and says so;
// "System default" forgets it.
TEST_F(LanguageTest, HelpLanguageRemembersTheChoice) {
    StartWithSample();
    QMenu* languages = nullptr;
    for (QAction* a : frame_->menuBar()->actions().last()->menu()->actions()) {
        if (a->menu() != nullptr) languages = a->menu();
    }
    ASSERT_NE(languages, nullptr);
    auto choose = [&](const QString& name) {
        for (QAction* a : languages->actions()) {
            if (a->text() == name) a->trigger();
        }
    };
    modal::PushAnswer(QMessageBox::Ok);
    choose(QStringLiteral("Deutsch"));
    EXPECT_EQ(ChosenLanguage(), QStringLiteral("de"));
    ASSERT_FALSE(modal::ShownBoxes().empty());
    EXPECT_TRUE(modal::ShownBoxes().back().text.contains(QStringLiteral("next")));
    modal::PushAnswer(QMessageBox::Ok);
    choose(QStringLiteral("System default"));
    EXPECT_EQ(ChosenLanguage(), QString());
}

// The core's English texts shown in German: whole, filled from a template
// (the value kept as it is, even one that looks like a marker), line by line,
// and unknown texts unchanged. The port texts come from the functions that
// build them, so a template CoreText does not know shows up here.
TEST_F(LanguageTest, CoreTextsShowInGerman) {
    InstallLanguage(*qApp, QStringLiteral("de"));
    struct Case {
        std::string in;
        QString out;
    };
    const Case cases[] = {
        {.in = TEXT_WRITE_COMPLETED, .out = QStringLiteral("Schreiben abgeschlossen! ")},
        {.in = FillText("Save the changes to %1?", {"/tmp/a%1b.csv"}),
         .out = QStringLiteral("Änderungen an /tmp/a%1b.csv speichern?")},
        {.in = std::string(TEXT_CONNECT_FAIL) + "\n" + TEXT_ASK_TIMEOUT,
         .out = QStringLiteral("Verbindung fehlgeschlagen \n"
                               " Zeitüberschreitung bei der Anfrage!  ")},
        {.in = FillText("Undo %1", {FillText("Delete %1 TPs", {"3"})}),
         .out = QStringLiteral("Rückgängig: 3 TPs löschen")},
        // The question's template says more than "%1 Save anyway ?" and wins.
        {.in = FillText("%1 Save anyway ?",
                        {FillText("%1 was not read completely (%2 findings), so the table to be "
                                  "saved is shorter than that file.",
                                  {"a.csv", "2"})}),
         .out = QStringLiteral("a.csv wurde nicht vollständig gelesen (2 Befunde); die zu "
                               "speichernde Tabelle ist daher kürzer als diese Datei. "
                               "Trotzdem speichern?")},
        {.in = "COM3 /dev/ttyUSB0", .out = QStringLiteral("COM3 /dev/ttyUSB0")},
        {.in = PortChangeText(true, "COM3", "CH340"),
         .out = QStringLiteral("USB-RS232-Adapter eingesteckt: COM3 (CH340)")},
        {.in = std::string(TEXT_CONNECT_FAIL) + "\n" +
               PortOpenFailureText(EBUSY, "/dev/ttyUSB0", "dialout", "pid 42"),
         .out = QStringLiteral("Verbindung fehlgeschlagen \n/dev/ttyUSB0 wird von einem anderen "
                               "Programm benutzt (pid 42)")},
        {.in = FillText(TEXT_ADAPTER_UNPLUGGED, {TEXT_READ_FAILED}),
         .out = QStringLiteral("Lesen fehlgeschlagen! (der Adapter wurde abgezogen)")},
    };
    for (const Case& c : cases) EXPECT_EQ(CoreText(c.in), c.out) << c.in;
}

TEST_F(LanguageTest, ArabicLaysTheWindowOutRightToLeft) {
    InstallLanguage(*qApp, QStringLiteral("ar"));
    EXPECT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);
    StartWithSample();
    EXPECT_TRUE(frame_->isRightToLeft());
    // The form's hand-placed controls mirror too: the buttons left of the list.
    MainForm& form = frame_->View();
    EXPECT_LT(form.Control(FormControl::TpAdd)->geometry().right(), form.List()->x());
}

// Where the cursor at `at` stands in the text laid out right to left, as a
// mirrored view lays out its items.
qreal RightToLeftX(const QString& text, int at) {
    QTextLayout layout(text, QApplication::font());
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return line.cursorToX(at);
}

// "[1] 19.2E Alpha" must not read "Alpha 19.2E [1]" in a mirrored window,
// and a name typed there is stored exactly as typed.
TEST_F(LanguageTest, ArabicKeepsLabelsInOrderAndNamesClean) {
    InstallLanguage(*qApp, QStringLiteral("ar"));
    StartWithSample();
    struct Case {
        const char* where;
        QString shown;
    };
    const Case cases[] = {
        {.where = "tree", .shown = SatItem(0)->text(0)},
        {.where = "list", .shown = Model().data(Model().index(0, 1)).toString()},
        {.where = "satellite choice", .shown = SatelliteChoiceTexts(Db())[0]},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.shown.contains(QStringLiteral("19.2E Alpha"))) << c.where;
        // The label's start, "[", must stand left of its name.
        EXPECT_LT(RightToLeftX(c.shown, 0),
                  RightToLeftX(c.shown, static_cast<int>(c.shown.indexOf(u"Alpha")) + 2))
            << c.where;
    }

    SelectSatellite(0);
    modal::PushScript([](QDialog& d) {
        auto* dlg = dynamic_cast<SatAddDlg*>(&d);
        EXPECT_NE(dlg, nullptr);
        if (dlg != nullptr) dlg->NameEdit()->insert(QStringLiteral(" 2"));
        return static_cast<int>(QDialog::Accepted);
    });
    Click(FormControl::SatEdit);
    EXPECT_EQ(SatName(Db().satellites[0]), "Alpha 2");
    // The edited item is still the tree's choice, so the list still follows it.
    EXPECT_EQ(View().Tree()->currentItem(), SatItem(0));
}

}  // namespace
}  // namespace velmora::apptest
