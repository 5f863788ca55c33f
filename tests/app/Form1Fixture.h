#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "UiDriver.h"
#include "app/Form1.h"
#include "toolkit/Application.h"
#include "toolkit/ScriptedDialogs.h"

namespace norvalt::test {

// A real main window on the offscreen platform with scripted dialogs.
class Form1Test : public testing::Test {
protected:
    void SetUp() override {
        Application().SetDialogs(&dialogs);
        form = std::make_unique<TForm1>();
        ShowActive(*form);
        Settle();
    }
    void TearDown() override {
        form.reset();
        Application().SetDialogs(nullptr);
    }
    TRoseColoredGrid& Grid() { return form->DataGrid; }
    // Fills rows 1..n with a distinct text in every column, n + 2 rows in all.
    void PutRecords(int n) {
        Grid().SetRowCount(n + 2);
        for (int r = 1; r <= n; ++r) {
            for (int c = 0; c < Grid().ColCount(); ++c) {
                Grid().SetCells(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
            }
        }
    }
    void ClickTab(int index) { form->PageControl1.ClickTab(index); }
    std::vector<std::string> Questions() const { return dialogs.Texts(ScriptedDialogs::Kind::MessageBox); }

    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

} // namespace norvalt::test
