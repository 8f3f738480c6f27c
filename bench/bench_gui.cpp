// The window with a full database (300 satellites, 8000 transponders), offscreen:
// showing the whole TP list, rebuilding the satellite tree, the start-up
// from creating the window until it is shown, undo and redo of a delete
// until the list is shown again, and one character typed into find.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <memory>

#include "gui/MainFrame.h"
#include "gui/Modal.h"
#include "gui/TpListModel.h"
#include "gui/VelmoraDoc.h"
#include "gui/MainForm.h"
#include "core/SatTpFile.h"

using namespace velmora;

namespace {

// Fills the tables to capacity: 300 satellites, 8000 transponders.
void FillFull(SatTpDatabase* db) {
    ClearDatabase(*db);
    ApplyLnbDefaults(*db);
    db->satCount = MAX_SATELLITES;
    for (int s = 0; s < MAX_SATELLITES; ++s) {
        char name[SAT_NAME_BYTES + 1];
        int n = std::snprintf(name, sizeof name, "Satellite %03d", s);
        SetSatName(db->satellites[s], name, static_cast<std::size_t>(n));
        db->satellites[s].lnbIndex = static_cast<uint8_t>(s % LNB_COUNT);
        db->satellites[s].position = static_cast<uint16_t>(s * 12);
    }
    db->tpCount = MAX_TPS;
    for (int t = 0; t < MAX_TPS; ++t) {
        TpRecord& tp = db->tps[t];
        tp.satIndex = static_cast<uint16_t>(t * MAX_SATELLITES / MAX_TPS);
        tp.flags = static_cast<uint8_t>(t % 4);
        tp.frequency = 10700 + static_cast<uint32_t>(t % 27) * 70;
        tp.symbolRate = 22000 + static_cast<uint32_t>(t % 3) * 5500;
    }
}

// The fullest file there is: the reader stops at the 300th satellite line,
// so the last satellite's transponders stay behind.
bool WriteFullDatabase(const QString& dir) {
    auto db = std::make_unique<SatTpDatabase>();
    FillFull(db.get());
    return WriteSatTpFile(*db, QFile::encodeName(dir + QStringLiteral("/sattp.csv")).constData());
}

SessionOptions Options() {
    SessionOptions options;
    options.probePorts = [] { return std::vector<std::string>{"COM1"}; };
    return options;
}

// One shown window over the full database, kept for the list and tree benchmarks.
struct Window {
    VelmoraDoc doc;
    MainFrame frame{doc, Options()};
    Window() {
        frame.show();
        QCoreApplication::processEvents();
        FillFull(&frame.GetSession().Database());
    }
};

Window* g_window = nullptr;

void BM_ShowTpList8000(benchmark::State& state) {
    MainForm& view = g_window->frame.View();
    for (auto _ : state) {
        view.ShowTpList(-1);
        view.List()->viewport()->repaint();
    }
    state.counters["rows"] = view.ListModel()->rowCount();
}
BENCHMARK(BM_ShowTpList8000)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_RebuildSatTree300(benchmark::State& state) {
    MainForm& view = g_window->frame.View();
    view.Tree()->expandAll();
    for (auto _ : state) {
        view.RebuildSatTree();
        view.Tree()->viewport()->repaint();
    }
    state.counters["items"] = view.RootItem()->childCount();
}
BENCHMARK(BM_RebuildSatTree300)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The full table, one transponder deleted: one undo (or redo) away from the other.
void PrepareDelete(MainForm& view) {
    Session& session = g_window->frame.GetSession();
    FillFull(&session.Database());
    session.TablesChanged("Fill");
    view.FindField()->clear();
    view.List()->clearSelection();
    view.List()->selectRow(100);
    modal::PushAnswer(QMessageBox::Yes);
    session.TpDelete();
}

void BM_UndoDelete8000(benchmark::State& state) {
    MainForm& view = g_window->frame.View();
    PrepareDelete(view);
    for (auto _ : state) {
        g_window->frame.GetSession().Undo();
        view.List()->viewport()->repaint();
        view.Tree()->viewport()->repaint();
        state.PauseTiming();
        g_window->frame.GetSession().Redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoDelete8000)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_RedoDelete8000(benchmark::State& state) {
    MainForm& view = g_window->frame.View();
    PrepareDelete(view);
    for (auto _ : state) {
        state.PauseTiming();
        g_window->frame.GetSession().Undo();
        state.ResumeTiming();
        g_window->frame.GetSession().Redo();
        view.List()->viewport()->repaint();
        view.Tree()->viewport()->repaint();
    }
}
BENCHMARK(BM_RedoDelete8000)->Unit(benchmark::kMillisecond)->Repetitions(5);

// "2750" typed one character after "275", with 8000 rows in the list.
void BM_FindOneCharacter8000(benchmark::State& state) {
    MainForm& view = g_window->frame.View();
    FillFull(&g_window->frame.GetSession().Database());
    view.ShowTpList(-1);
    QLineEdit* find = view.FindField();
    for (auto _ : state) {
        state.PauseTiming();
        find->setText(QStringLiteral("275"));
        state.ResumeTiming();
        find->setText(QStringLiteral("2750"));
        view.List()->viewport()->repaint();
    }
    state.counters["shown"] = view.List()->model()->rowCount();
    find->clear();
}
BENCHMARK(BM_FindOneCharacter8000)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_StartUpUntilShown(benchmark::State& state) {
    for (auto _ : state) {
        VelmoraDoc doc;
        MainFrame frame(doc, Options());
        frame.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(frame.isVisible());
        state.PauseTiming();
        frame.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpUntilShown)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window starts in a folder holding only the full database.
    QTemporaryDir dir;
    if (!dir.isValid() || !WriteFullDatabase(dir.path()) || !QDir::setCurrent(dir.path())) {
        std::fprintf(stderr, "cannot prepare the database\n");
        return 1;
    }
    Window window;
    g_window = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
