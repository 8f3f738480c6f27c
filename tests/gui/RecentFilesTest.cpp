// The recent-files list: newest first, no repeats, at most eight, only
// files; its menu opens what is chosen.
#include <QMenu>

#include "tests/gui/GuiFixture.h"
#include "gui/RecentFiles.h"

namespace velmora::apptest {
namespace {

TEST_F(GuiTest, RecentFilesKeepTheEightNewestFilesOnce) {
    QMenu menu;
    QStringList opened;
    RecentFiles recent(&menu, [&](const QString& path) { opened << path; });
    EXPECT_FALSE(menu.isEnabled());
    QStringList paths;
    for (int i = 0; i < 10; ++i) {
        paths << dir_.filePath(QStringLiteral("t%1.csv").arg(i));
        WriteFile(paths.back(), kSampleCsv);
        recent.Remember(paths.back());
    }
    recent.Remember(QStringLiteral("t5.csv"));  // relative, already listed
    recent.Remember(dir_.filePath(QStringLiteral("gone.csv")));
    recent.Remember(dir_.path());
    recent.Remember(QString());
    EXPECT_EQ(recent.Files(), QStringList({paths[5], paths[9], paths[8], paths[7], paths[6],
                                           paths[4], paths[3], paths[2]}));
    ASSERT_TRUE(menu.isEnabled());
    ASSERT_EQ(menu.actions().size(), 8);
    EXPECT_EQ(menu.actions()[1]->text(), QStringLiteral("&2 ") + paths[9]);
    menu.actions()[1]->trigger();
    EXPECT_EQ(opened, QStringList{paths[9]});
}

}  // namespace
}  // namespace velmora::apptest
