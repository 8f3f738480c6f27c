// The four edit dialogs: their presets, and the table change their OK makes
// when opened from the form's buttons.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>

#include "tests/gui/GuiFixture.h"
#include "gui/DisplayText.h"
#include "gui/LnbChoiceText.h"
#include "gui/LnbEditDlg.h"
#include "gui/SatAddDlg.h"
#include "gui/TpEditDlg.h"
#include "gui/TpSortDlg.h"
#include "session/Commands.h"

namespace velmora::apptest {
namespace {

// Queues an answer for the next dialog of type D: look at it, change it, OK.
template <typename D>
void AnswerWith(std::function<void(D&)> look, int result = QDialog::Accepted) {
    modal::PushScript([look, result](QDialog& d) {
        auto* dlg = dynamic_cast<D*>(&d);
        EXPECT_NE(dlg, nullptr) << "another dialog opened";
        if (dlg != nullptr) look(*dlg);
        return result;
    });
}

// ---- texts ---------------------------------------------------------------------

TEST(DialogTexts, LnbChoiceText) {
    struct Case {
        uint8_t type;
        uint32_t lo;
        uint8_t sw;
        uint8_t input;
        int index;
        const char* text;
    };
    const Case cases[] = {
        {.type = 2, .lo = 0, .sw = 1, .input = 4, .index = 2,
         .text = "[03] 9750/10700   DiSEqC 1.0 tone burst A"},
        {.type = 0, .lo = 5150, .sw = 0, .input = 0, .index = 0,
         .text = "[01] 5150         no DiSEqC"},
        {.type = 12, .lo = 0, .sw = 2, .input = 5, .index = 15,
         .text = "[16] 5150         DiSEqC 1.1 input 6"},
        {.type = 1, .lo = 0, .sw = 7, .input = 0, .index = 3,
         .text = "[04] 9750/10600   unknown DiSEqC switch"},
    };
    for (const Case& c : cases) {
        LnbRecord l{};
        l.type = c.type;
        l.loFrequency = c.lo;
        l.diseqcSwitch = c.sw;
        l.diseqcInput = c.input;
        EXPECT_EQ(LnbChoiceText(l, c.index), c.text);
    }
}

TEST(DialogTexts, SatelliteNameCutsAtCharacterBoundary) {
    // 15 ASCII bytes and a two-byte letter: the letter would end at byte 17.
    EXPECT_EQ(Utf8Cut(QStringLiteral("ABCDEFGHIJKLMNOé"), 16), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(Utf8Cut(QStringLiteral("Türksat 4A"), 16), "T\xC3\xBCrksat 4A");
    SatNameValidator v;
    int pos = 0;
    QString text = QStringLiteral("Astra,1");
    EXPECT_EQ(v.validate(text, pos), QValidator::Invalid);
    text = QStringLiteral("ABCDEFGHIJKLMNOP");
    EXPECT_EQ(v.validate(text, pos), QValidator::Acceptable);
    text = QStringLiteral("ABCDEFGHIJKLMNOé");
    EXPECT_EQ(v.validate(text, pos), QValidator::Invalid);
}

// Types text as a keyboard would, letters beyond ASCII included.
void Type(QWidget* field, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &press);
    }
}

TEST(DialogTexts, SatelliteNameSaysTheRoomLeftAndWhyAKeyWasRefused) {
    SatTpDatabase db{};
    SatAddDlg sat(db);
    QLineEdit* name = sat.NameEdit();
    name->clear();
    Type(name, QStringLiteral("Türksat"));
    EXPECT_EQ(sat.NameHint()->text(), QStringLiteral("8 of 16 bytes left"));
    Type(name, QStringLiteral(",4A"));
    EXPECT_EQ(name->text(), QStringLiteral("Türksat4A"));
    EXPECT_EQ(sat.NameHint()->text(), QStringLiteral("6 of 16 bytes left"));
    Type(name, QStringLiteral(","));
    EXPECT_TRUE(sat.NameHint()->text().startsWith(QStringLiteral("A comma cannot be stored")));
    Type(name, QStringLiteral("ABCDEéé"));
    EXPECT_EQ(name->text(), QStringLiteral("Türksat4AABCDE"));
    EXPECT_TRUE(sat.NameHint()->text().startsWith(QStringLiteral("No room left")));
}

// ---- input checks ------------------------------------------------------------------

TEST(DialogInputChecks, OkWithABadFieldNamesItAndKeepsTheDialogOpen) {
    SatTpDatabase db{};
    modal::ClearShownBoxes();
    TpEditDlg tp(db, TpEditDlg::Mode::Add, -1, -1);
    tp.FrequencyEdit()->setText(QStringLiteral("11362"));
    tp.SymbolRateEdit()->setText(QStringLiteral("99999999999"));
    tp.OkButton()->click();
    EXPECT_NE(tp.result(), QDialog::Accepted);
    ASSERT_EQ(modal::ShownBoxes().size(), 1u);
    EXPECT_EQ(modal::ShownBoxes()[0].text,
              QStringLiteral("Symbol rate: enter a whole number from 100 to 70000 kS/s."));
    EXPECT_EQ(tp.SymbolRateEdit()->selectedText(), QStringLiteral("99999999999"));
    tp.SymbolRateEdit()->setText(QStringLiteral("27500"));
    tp.OkButton()->click();
    EXPECT_EQ(tp.result(), QDialog::Accepted);

    SatAddDlg sat(db);
    sat.NameEdit()->setText(QString());
    sat.OkButton()->click();
    EXPECT_NE(sat.result(), QDialog::Accepted);
    sat.NameEdit()->setText(QStringLiteral("X"));
    sat.LongitudeEdit()->setText(QStringLiteral("999.9"));
    sat.OkButton()->click();
    EXPECT_NE(sat.result(), QDialog::Accepted);
    EXPECT_EQ(modal::ShownBoxes().back().text,
              QStringLiteral("Longitude: enter a number from 0.0 to 180.0 degrees, with at most "
                             "one decimal."));
}

TEST_F(GuiTest, CaptionMarksUnsavedEdits) {
    StartWithSample();
    EXPECT_EQ(Caption(), QStringLiteral("sattp.csv - Orvane"));
    Sess().TpAdd({0, 0, "12100", "27500", 0, 0});
    EXPECT_EQ(Caption(), QStringLiteral("sattp.csv* - Orvane"));
}

// ---- TP dialog -------------------------------------------------------------------

TEST_F(GuiTest, TpAddWithoutSatellitesSaysWhyInsteadOfOpeningTheDialog) {
    Start();
    Click(FormControl::TpAdd);
    ASSERT_EQ(modal::ShownBoxes().size(), 1u);
    EXPECT_EQ(modal::ShownBoxes()[0].text,
              QStringLiteral("Add a satellite first: a transponder belongs to a satellite."));
}

TEST_F(GuiTest, TpAddFromAllSatellitesStartsFromTheSelectedRow) {
    StartWithSample();
    SelectRow(1);  // Alpha 11538 V unique
    AnswerWith<TpEditDlg>([](TpEditDlg& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("TP ADD"));
        EXPECT_TRUE(d.SatelliteList()->isEnabled());
        EXPECT_EQ(d.SatelliteList()->count(), 4);
        EXPECT_EQ(d.SatelliteList()->currentText(), QStringLiteral("[001] 19.2E Alpha"));
        EXPECT_EQ(d.LnbList()->count(), 16);
        EXPECT_TRUE(d.FrequencyEdit()->text().isEmpty());
        EXPECT_TRUE(d.SymbolRateEdit()->text().isEmpty());
        EXPECT_EQ(d.PolarisationList()->currentText(), QStringLiteral("Vertical / right (13 V)"));
        EXPECT_EQ(d.UniqueList()->currentText(), QStringLiteral("YES"));
        d.SatelliteList()->setCurrentIndex(3);
        d.LnbList()->setCurrentIndex(5);
        d.FrequencyEdit()->setText(QStringLiteral("12100"));
        d.SymbolRateEdit()->setText(QStringLiteral("27500"));
    });
    Click(FormControl::TpAdd);
    ASSERT_EQ(Db().tpCount, 7);
    EXPECT_EQ(Db().tps[6].satIndex, 3);
    EXPECT_EQ(Db().tps[6].flags, TP_FLAG_VERTICAL | TP_FLAG_UNIQUE);
    EXPECT_EQ(Db().satellites[3].lnbIndex, 5);
    ASSERT_EQ(Rows(), 7);
    EXPECT_EQ(Cell(6, 0), QStringLiteral("7"));
    EXPECT_EQ(Cell(6, 3), QStringLiteral("12100"));
    EXPECT_TRUE(frame_->CommandAction(CommandId::FileSave)->isEnabled());
}

TEST_F(GuiTest, TpEditWithSatelliteChosenLocksItAndRewritesTheRow) {
    StartWithSample();
    SelectSatellite(1);  // Beta, LNB 2
    SelectRow(1);        // 10920 H
    AnswerWith<TpEditDlg>([](TpEditDlg& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("TP EDIT"));
        EXPECT_FALSE(d.SatelliteList()->isEnabled());
        EXPECT_EQ(d.SatelliteList()->currentIndex(), 1);
        EXPECT_EQ(d.LnbList()->currentIndex(), 1);
        EXPECT_EQ(d.FrequencyEdit()->text(), QStringLiteral("10920"));
        EXPECT_EQ(d.PolarisationList()->currentText(), QStringLiteral("Horizontal / left (18 V)"));
        EXPECT_EQ(d.UniqueList()->currentText(), QStringLiteral("NO"));
        d.FrequencyEdit()->setText(QStringLiteral("10930"));
        d.UniqueList()->setCurrentIndex(1);
    });
    Click(FormControl::TpEdit);
    EXPECT_EQ(Db().tps[3].frequency, 10930u);
    EXPECT_EQ(Cell(1, 3), QStringLiteral("10930"));
    EXPECT_EQ(Cell(1, 6), QStringLiteral("Y"));
}

TEST_F(GuiTest, TpEditOnEmptyListOffersDefaultsAndChangesNothing) {
    Start();
    AnswerWith<TpEditDlg>([](TpEditDlg& d) {
        EXPECT_FALSE(d.SatelliteList()->isEnabled());
        EXPECT_EQ(d.FrequencyEdit()->text(), QStringLiteral("40000"));
        EXPECT_EQ(d.SymbolRateEdit()->text(), QStringLiteral("27500"));
        EXPECT_EQ(d.PolarisationList()->currentIndex(), 0);
        EXPECT_EQ(d.UniqueList()->currentIndex(), 0);
    });
    Click(FormControl::TpEdit);
    EXPECT_EQ(Db().tpCount, 0);
    EXPECT_FALSE(Sess().Modified());
}

TEST_F(GuiTest, CancelledDialogChangesNothing) {
    StartWithSample();
    AnswerWith<TpEditDlg>([](TpEditDlg& d) { d.FrequencyEdit()->setText("1"); },
                           QDialog::Rejected);
    Click(FormControl::TpEdit);
    EXPECT_EQ(Db().tps[0].frequency, 11362u);
    EXPECT_FALSE(Sess().Modified());
}

TEST_F(GuiTest, NoDialogOpensWhileAnOperationRuns) {
    StartWithSample();
    Sess().State().flags.busyFlag = 1;
    modal::PushAnswer(QDialog::Accepted);
    Click(FormControl::SatAdd);
    EXPECT_EQ(modal::PendingAnswers(), 1);
    modal::ClearPending();
    Sess().State().flags.busyFlag = 0;
    EXPECT_EQ(Db().satCount, 4);
}

// ---- Satellite Add -----------------------------------------------------------------

TEST_F(GuiTest, SatAddPresetsAndAppendsTheTreeItem) {
    StartWithSample();
    AnswerWith<SatAddDlg>([](SatAddDlg& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Satellite Add"));
        EXPECT_EQ(d.NameEdit()->text(), QStringLiteral("UserDefined"));
        EXPECT_EQ(d.LongitudeEdit()->text(), QStringLiteral("000.0"));
        EXPECT_EQ(d.HemisphereList()->currentText(), QStringLiteral("East"));
        EXPECT_EQ(d.LnbList()->currentIndex(), 0);
    });
    Click(FormControl::SatAdd);
    ASSERT_EQ(Db().satCount, 5);
    EXPECT_EQ(SatName(Db().satellites[4]), "UserDefined");
    EXPECT_EQ(Db().satellites[4].position, 0);
    EXPECT_EQ(SatItem(4)->text(0), QStringLiteral("[5] 0.0E UserDefined"));

    AnswerWith<SatAddDlg>([](SatAddDlg& d) {
        d.NameEdit()->setText(QStringLiteral("Türksat 4A"));
        d.HemisphereList()->setCurrentIndex(1);
        d.LongitudeEdit()->setText(QStringLiteral("30.0"));
        d.LnbList()->setCurrentIndex(2);
    });
    Click(FormControl::SatAdd);
    ASSERT_EQ(Db().satCount, 6);
    EXPECT_EQ(SatName(Db().satellites[5]), "T\xC3\xBCrksat 4A");
    EXPECT_EQ(Db().satellites[5].position, 3300);
    EXPECT_EQ(Db().satellites[5].lnbIndex, 2);
    EXPECT_EQ(SatItem(5)->text(0), QStringLiteral("[6] 30.0W Türksat 4A"));
}

// ---- LNB Edit ----------------------------------------------------------------------

TEST_F(GuiTest, LnbEditPresetsTheSelectedLnbAndRefreshesItsRow) {
    StartWithSample();
    frame_->RunCommand(CommandId::DisplayLnb);
    SelectRow(1);  // 9750/10700, V1.0, Burst A
    AnswerWith<LnbEditDlg>([](LnbEditDlg& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("LNB Edit"));
        EXPECT_EQ(d.TypeList()->currentText(), QStringLiteral("9750/10700"));
        EXPECT_EQ(d.SwitchList()->currentText(), QStringLiteral("V1.0"));
        EXPECT_EQ(d.PortList()->currentText(), QStringLiteral("Burst A"));
        EXPECT_EQ(d.PortList()->count(), 18);
        d.TypeList()->setCurrentIndex(6);
        d.PortList()->setCurrentIndex(17);
    });
    Click(FormControl::LnbEdit);
    EXPECT_EQ(Db().lnbs[1].type, 6);
    EXPECT_EQ(Db().lnbs[1].diseqcInput, 5);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("11300"));
    EXPECT_EQ(Cell(1, 5), QStringLiteral("Burst B"));
}

TEST(LnbChoiceLists, ShowTheLongestChoiceWhole) {
    SatTpDatabase db{};
    ApplyLnbDefaults(db);
    db.lnbs[3].type = 4;  // "5150V/5750H", the longest LO text
    db.lnbs[3].diseqcSwitch = 1;
    db.lnbs[3].diseqcInput = 5;
    TpEditDlg tp(db, TpEditDlg::Mode::Add, -1, -1);
    SatAddDlg sat(db);
    for (QComboBox* list : {tp.LnbList(), sat.LnbList()}) {
        list->setCurrentIndex(3);
        EXPECT_GE(list->width(), list->sizeHint().width()) << list->currentText().toStdString();
    }
}

TEST(LnbEditDialog, PortOfAV11SwitchIsItsInput) {
    SatTpDatabase db{};
    db.lnbs[0].diseqcSwitch = 2;
    db.lnbs[0].diseqcInput = 4;
    LnbEditDlg dlg(db, 99);  // out of range: LNB 0
    EXPECT_EQ(dlg.PortList()->currentText(), QStringLiteral("5"));
}

// ---- TP SORT -----------------------------------------------------------------------

TEST_F(GuiTest, TpSortDefaultsSortAndKeepsTheChosenSatellite) {
    StartWithSample();
    SelectSatellite(2);
    AnswerWith<TpSortDlg>([](TpSortDlg& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("TP SORT"));
        EXPECT_EQ(d.FirstSatelliteList()->currentIndex(), 0);
        EXPECT_EQ(d.DirectionList()->currentText(), QStringLiteral("West to east"));
        EXPECT_EQ(d.Key1List()->currentText(), QStringLiteral("Frequency"));
        EXPECT_EQ(d.Key2List()->currentText(), QStringLiteral("Symbol rate"));
        d.DirectionList()->setCurrentIndex(1);  // East->West from 19.2E
    });
    Click(FormControl::TpSort);
    // Westward from 19.2E the nearest come first: 30.0W, then 179.9W, then 180.0E.
    // The tree stays open and Gamma stays chosen.
    EXPECT_EQ(Sess().State().edit.satFilter, 3);
    EXPECT_EQ(View().Tree()->currentItem(), SatItem(3));
    EXPECT_EQ(Rows(), 1);
    EXPECT_TRUE(View().RootItem()->isExpanded());
    QStringList order;
    for (int i = 0; i < View().RootItem()->childCount(); ++i) order << SatItem(i)->text(0);
    EXPECT_EQ(order, QStringList({"[1] 19.2E Alpha", "[2] 30.0W Beta", "[3] 179.9W Delta",
                                  "[4] 180.0E Gamma"}));
}

// ---- deletes ---------------------------------------------------------------------

TEST_F(GuiTest, TpDeleteAsksAboutRowZeroWithoutSelection) {
    StartWithSample();
    modal::PushAnswer(QMessageBox::Yes);
    Click(FormControl::TpDelete);
    ASSERT_EQ(modal::ShownBoxes().size(), 1u);
    EXPECT_EQ(modal::ShownBoxes()[0].text,
              QStringLiteral("Delete the transponder 11362 H 22000?"));
    EXPECT_EQ(modal::ShownBoxes()[0].icon, QMessageBox::Question);
    EXPECT_EQ(Rows(), 5);
    EXPECT_EQ(Cell(0, 3), QStringLiteral("11538"));
    EXPECT_EQ(Cell(4, 0), QStringLiteral("5"));
}

TEST_F(GuiTest, SatDeleteAnsweredNoKeepsEverything) {
    StartWithSample();
    // "All satellites" names none: the row's satellite is not offered.
    SelectRow(2);
    for (CommandId id : {CommandId::SatDelete, CommandId::SatEdit}) {
        EXPECT_FALSE(Sess().IsEnabled(id)) << static_cast<int>(id);
    }
    Click(FormControl::SatDelete);
    EXPECT_TRUE(modal::ShownBoxes().empty());
    SelectSatellite(1);
    Click(FormControl::SatDelete);  // unanswered: No
    ASSERT_EQ(modal::ShownBoxes().size(), 1u);
    EXPECT_EQ(modal::ShownBoxes()[0].text,
              QStringLiteral("Delete the satellite [002] 30.0W Beta and its transponders?"));
    EXPECT_EQ(Db().satCount, 4);
    modal::PushAnswer(QMessageBox::Yes);
    Click(FormControl::SatDelete);
    EXPECT_EQ(Db().satCount, 3);
    EXPECT_EQ(View().RootItem()->childCount(), 3);
    EXPECT_EQ(Rows(), 4);
}

}  // namespace
}  // namespace velmora::apptest
