// The rules every row of the command table must keep, so that a new row
// cannot leave a command unreachable, a key taken twice or a button dead.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "session/Commands.h"
#include "session/SessionView.h"

namespace velmora {
namespace {

std::vector<std::string> Keys(const Command& c) {
    std::vector<std::string> keys;
    std::string_view rest = c.keys;
    while (!rest.empty()) {
        std::size_t cut = rest.find("; ");
        keys.emplace_back(rest.substr(0, cut));
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 2);
    }
    return keys;
}

TEST(CommandTable, EveryRowIsReachableRunnableAndUnambiguous) {
    std::set<CommandId> ids;
    std::map<std::string, int> keyOwner;
    std::set<int> toolbarPlaces;
    std::map<FormControl, int> buttonOwner;
    std::set<std::pair<ContextMenu, int>> contextPlaces;
    for (const Command& c : Commands()) {
        SCOPED_TRACE("command " + std::to_string(static_cast<int>(c.id)));
        EXPECT_TRUE(ids.insert(c.id).second) << "id listed twice";
        EXPECT_EQ(FindCommand(c.id), &c);
        bool inMenu = c.menu != Menu::None && *c.text != '\0';
        EXPECT_TRUE(inMenu || c.toolbarPlace > 0) << "neither in a menu nor on the toolbar";
        EXPECT_NE(c.run != nullptr, c.step != WindowStep::None) << "runs nothing or two things";
        EXPECT_NE(c.enabled, nullptr) << "no enable rule";
        EXPECT_EQ(c.step == WindowStep::PressButton, c.button != FormControl::None);
        if (c.button != FormControl::None) {
            auto [at, fresh] = buttonOwner.emplace(c.button, static_cast<int>(c.id));
            EXPECT_TRUE(fresh) << "button also run by command " << at->second;
        }
        for (const std::string& key : Keys(c)) {
            auto [at, fresh] = keyOwner.emplace(key, static_cast<int>(c.id));
            EXPECT_TRUE(fresh) << key << " also runs command " << at->second;
        }
        if (c.toolbarPlace > 0) {
            EXPECT_TRUE(toolbarPlaces.insert(c.toolbarPlace).second) << "toolbar place taken";
            EXPECT_NE(c.icon, nullptr) << "toolbar button without image";
        }
        for (const ContextPlace& at : c.contexts) {
            if (at.menu == ContextMenu::None) continue;
            EXPECT_TRUE(contextPlaces.insert({at.menu, at.place}).second) << "context place taken";
        }
    }
    // The toolbar has no gaps, and every form button has its command.
    std::vector<CommandId> toolbar = ToolbarCommands();
    ASSERT_EQ(toolbar.size(), toolbarPlaces.size());
    EXPECT_EQ(*toolbarPlaces.rbegin(), static_cast<int>(toolbar.size()));
    for (FormControl button : {FormControl::TpAdd, FormControl::TpEdit, FormControl::TpDelete, FormControl::TpSort, FormControl::SatAdd,
                       FormControl::SatEdit, FormControl::SatDelete, FormControl::LnbEdit}) {
        EXPECT_EQ(buttonOwner.count(button), 1u) << "button " << static_cast<int>(button);
    }
}

}  // namespace
}  // namespace velmora
