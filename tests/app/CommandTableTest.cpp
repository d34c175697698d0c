// The window's command table and the command layer's edit rules name their
// commands by number only; joined both ways, a command wired to the edit
// handler without a rule, or a rule that no command reaches, shows here.
#include "app/CommandTable.h"
#include "app/CMainFrame.h"
#include "interaction/EditCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

TEST(CommandTable, EveryCommandHasANumberOfItsOwn) {
    // Two rows with one number would share one action: one of them could
    // never be chosen.
    std::vector<CommandId> ids;
    for (const CommandRow& row : CommandRows()) ids.push_back(row.id);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
}

TEST(CommandTable, AgreesWithTheEditRulesBothWays) {
    // The handlers that run a change of their own bringing under their row.
    const std::array bringTheirChange = {&CMainFrame::OnProperties,    &CMainFrame::OnObjectList,
                                         &CMainFrame::OnResize,        &CMainFrame::OnFillColour,
                                         &CMainFrame::OnOutlineColour, &CMainFrame::OnReadText,
                                         &CMainFrame::OnMerge};
    // The handlers that run the row's own change after work of their own
    // (the clipboard first).
    const auto runsTheRow = [](CommandHandler handler) {
        return handler == &CMainFrame::OnEdit || handler == &CMainFrame::OnCut;
    };
    for (const CommandRow& row : CommandRows()) {
        const EditRule* rule = FindEditRule(row.id);
        const int id = static_cast<int>(row.id);
        if (runsTheRow(row.handler)) {
            ASSERT_NE(rule, nullptr) << id << " runs the edit handler without a rule";
            EXPECT_NE(rule->action, nullptr) << id << " has no change of its own";
        } else if (std::find(bringTheirChange.begin(), bringTheirChange.end(), row.handler) !=
                   bringTheirChange.end()) {
            ASSERT_NE(rule, nullptr) << id << " changes the drawing without a rule";
            EXPECT_EQ(rule->action, nullptr) << id;
        } else {
            EXPECT_EQ(rule, nullptr) << id << " has a rule that its handler never runs";
        }
    }
    for (const EditRule& rule : EditRules()) {
        const CommandRow* row = FindCommand(rule.id);
        ASSERT_NE(row, nullptr) << static_cast<int>(rule.id) << " is in no menu or bar";
        EXPECT_EQ(runsTheRow(row->handler), rule.action != nullptr) << static_cast<int>(rule.id);
    }
}
