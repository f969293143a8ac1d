#include "app/mainkeys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace vy::keys;

TEST(MainWindowKeys, QuadraticRowAndUnknownFields) {
    for (const char* field : {"Edit12", "Edit13", "Edit14"}) {
        const FieldKeys* k = mainWindowKeysFor(field);
        ASSERT_NE(k, nullptr) << field;
        EXPECT_EQ(k->target(Arrow::Up), "Edit10");
        EXPECT_EQ(k->target(Arrow::Down), "");
    }
    EXPECT_EQ(mainWindowKeysFor("Edit16"), nullptr);
    EXPECT_EQ(mainWindowKeysFor("Button1"), nullptr);
    EXPECT_EQ(mainWindowKeysFor("Edit1")->target(Arrow::Up), "");
    EXPECT_EQ(mainWindowKeysFor("Edit5")->target(Arrow::Left), "Edit4");
}

TEST(MainWindowKeys, EveryTargetIsAFieldOfTheTableAndLeftUndoesRight) {
    std::set<std::string_view> fields;
    for (const auto& k : mainWindowKeys())
        fields.insert(k.field);
    EXPECT_EQ(fields.size(), 15u);
    for (const auto& k : mainWindowKeys()) {
        for (Arrow a : {Arrow::Down, Arrow::Up, Arrow::Right, Arrow::Left}) {
            if (!k.target(a).empty()) {
                EXPECT_TRUE(fields.count(k.target(a))) << k.field;
            }
        }
        if (!k.right.empty()) {
            EXPECT_EQ(mainWindowKeysFor(k.right)->left, k.field);
            // Within a row, Enter in a first field moves where Right does.
            EXPECT_EQ(k.enter, EnterAction::FocusField);
            EXPECT_EQ(k.enterTarget, k.right);
        }
    }
}

} // namespace
