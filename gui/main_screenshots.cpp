// Renders the main window with a database loaded, and each dialog, into PNG
// files: velmora-screenshots [--lang CODE] DATABASE.csv OUTPUT_DIR
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <memory>
#include <string_view>

#include "gui/AboutDlg.h"
#include "gui/CatalogDlg.h"
#include "gui/CompareDlg.h"
#include "gui/HelpDlg.h"
#include "gui/ImportDlg.h"
#include "gui/Language.h"
#include "gui/LnbEditDlg.h"
#include "gui/MainForm.h"
#include "gui/MainFrame.h"
#include "gui/SatAddDlg.h"
#include "gui/TpEditDlg.h"
#include "gui/TpSortDlg.h"
#include "gui/UrlImport.h"
#include "gui/VelmoraDoc.h"

using namespace velmora;

namespace {

bool Save(QWidget& widget, const QDir& dir, const char* name) {
    widget.show();
    QApplication::processEvents();
    QString path = dir.filePath(QString::fromLatin1(name));
    bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    widget.hide();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // English unless a language is asked for: the pictures must not follow
    // the machine they were made on.
    QString lang = QStringLiteral("en");
    if (argc == 5 && std::string_view(argv[1]) == "--lang") {
        lang = QString::fromLocal8Bit(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc != 3 || !KnownLanguage(lang)) {
        std::fprintf(stderr, "usage: velmora-screenshots [--lang CODE] DATABASE.csv OUTPUT_DIR\n");
        return 2;
    }
    InstallLanguage(app, lang);
    QDir out(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir work;
    if (!out.mkpath(QStringLiteral(".")) || !work.isValid()) return 1;

    // A fresh history, and two ports, so the window looks as on a first start.
    SessionOptions options;
    options.historyFile =
        QFile::encodeName(work.filePath(QStringLiteral("orvanelog.txt"))).toStdString();
    options.defaultDbFile = argv[1];
    options.probePorts = [] { return std::vector<std::string>{"COM1", "COM3"}; };

    VelmoraDoc doc;
    MainFrame frame(doc, options);
    frame.show();
    QApplication::processEvents();
    MainForm& view = frame.View();
    view.Tree()->expandItem(view.RootItem());
    view.List()->selectRow(2);
    bool ok = Save(frame, out, "main-window.png");

    const SatTpDatabase& db = frame.GetSession().Database();
    TpEditDlg tpEdit(db, TpEditDlg::Mode::Edit, 2, -1, &frame);
    ok = Save(tpEdit, out, "tp-edit.png") && ok;
    TpEditDlg tpAdd(db, TpEditDlg::Mode::Add, 2, -1, &frame);
    ok = Save(tpAdd, out, "tp-add.png") && ok;
    SatAddDlg satAdd(db, &frame);
    ok = Save(satAdd, out, "satellite-add.png") && ok;
    LnbEditDlg lnbEdit(db, 0, &frame);
    ok = Save(lnbEdit, out, "lnb-edit.png") && ok;
    TpSortDlg tpSort(db, &frame);
    ok = Save(tpSort, out, "tp-sort.png") && ok;
    // A small list of public satellites: one matches the table, three are new.
    SourceList list;
    list.format = ListFormat::SatellitesXml;
    auto addSat = [&list](const char* name, int position, std::vector<uint64_t> khz) {
        SourceSatellite s;
        s.name = name;
        s.position = s.givenPosition = position;
        for (std::size_t i = 0; i < khz.size(); ++i)
            s.tps.push_back({khz[i], 27500000, i % 2 ? SourcePol::V : SourcePol::H, 0});
        list.satellites.push_back(s);
    };
    addSat("19.2E Astra 1KR/1L/1M/1N", 192, {10743750, 10773250, 11229000, 11362500});
    addSat("26.0E C-band Badr 4/5/6/7", 260, {3880000, 4000000});
    addSat("28.2E Astra 2E/2F/2G", 282, {10714000, 10729000, 10758000});
    // Within a degree of the table's 1.0W Thor, which the row offers.
    addSat("0.8W Thor 5/6/7", 3592, {10778000, 10797000});
    ImportDlg import(frame.GetSession(), list, QStringLiteral("satellites.xml"), &frame);
    ok = Save(import, out, "import.png") && ok;
    // The installed scan tables, the Thor ones ticked (0.6W and 0.8W go into
    // the table's 1.0W Thor); skipped where none are.
    std::vector<CatalogEntry> entries;
    std::string whyNot;
    if (frame.GetSession().ListCatalog(entries, whyNot)) {
        CatalogDlg catalog(frame.GetSession(), entries, &frame);
        for (int i = 0; i < catalog.EntryList()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = catalog.EntryRow(i);
            if (row->text(1).startsWith(QStringLiteral("Thor ")))
                row->setCheckState(0, Qt::Checked);
        }
        ok = Save(catalog, out, "catalog.png") && ok;
    }
    UrlDlg url(&frame);
    url.AddressBox()->setEditText(QStringLiteral("https://example.org/lists/Astra-19.2E"));
    ok = Save(url, out, "import-url.png") && ok;
    AboutDlg about(&frame);
    ok = Save(about, out, "about.png") && ok;
    HelpDlg help(&frame);
    ok = Save(help, out, "help.png") && ok;

    // The Meter menu, opened, and a comparison with a meter whose table is
    // a few edits behind the document's.
    // File, Edit, Meter, Help: found by place, as their names are translated.
    const QList<QAction*> menus = frame.menuBar()->actions();
    for (qsizetype i = 0; i < menus.size(); ++i) {
        QAction* menu = menus[i];
        const char* name = i == 2 ? "meter-menu.png" : i == 1 ? "edit-menu.png" : nullptr;
        if (menu->menu() != nullptr && name != nullptr) {
            frame.UpdateCommandUI();
            menu->menu()->popup(frame.mapToGlobal(QPoint(40, 20)));
            QApplication::processEvents();
            ok = Save(*menu->menu(), out, name) && ok;
        }
    }
    auto meter = std::make_unique<SatTpDatabase>(db);
    if (meter->tpCount > 3 && meter->satCount > 1) {
        meter->tps[1].symbolRate = 27500;
        meter->tps[3].frequency += 10;
        meter->lnbs[2].type = 1;
        meter->satCount -= 1;
        meter->tpCount -= 1;
    }
    CompareDlg compare(CompareTables(*meter, db), &frame);
    ok = Save(compare, out, "compare.png") && ok;

    // Find in use, and the window grown to a large screen. The frame is shown
    // first: a hidden status bar keeps its label under the find's report.
    frame.show();
    view.FindField()->setText(QStringLiteral("astra"));
    QApplication::processEvents();
    ok = Save(frame, out, "find.png") && ok;
    view.FindField()->clear();
    QSize normal = frame.size();
    frame.resize(1260, 860);
    ok = Save(frame, out, "main-window-maximised.png") && ok;
    frame.resize(normal);

    frame.GetSession().DisplayLnb();
    ok = Save(frame, out, "lnb-list.png") && ok;
    return ok ? 0 : 1;
}
