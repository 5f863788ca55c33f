// Saves a picture of the main window in a given state, for looking at the
// program as a user would: norvalt-shot OUT.png [start|loaded|tran06|tran11]
//   loaded: examples/tran01 imported and its third record double-clicked.
#include <QApplication>
#include <QImage>
#include <QTimer>
#include <cstdio>
#include <string>

#include "UiDriver.h"
#include "app/Form1.h"
#include "text/Cp950.h"
#include "toolkit/Application.h"
#include "toolkit/ScriptedDialogs.h"

using namespace norvalt;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: norvalt-shot OUT.png [start|loaded|tran06|tran11]\n");
        return 2;
    }
    const std::string out = argv[1];
    const std::string scenario = argc > 2 ? argv[2] : "start";
    TApplication app(argc, argv);
    ScriptedDialogs dialogs;
    Application().SetDialogs(&dialogs);
    TForm1 form;
    test::ShowActive(form);
    test::Settle();
    if (scenario == "loaded") {
        dialogs.QueueFile(std::filesystem::path(NORVALT_SOURCE_DIR) / "examples" / "tran01");
        form.LoadBtn_Tran01.Click();
        const TRect cell = form.DataGrid.CellRect(4, 3);
        test::DoubleClick(test::InputWidget(form.DataGrid), cell.Left + 5, cell.Top + 5);
    } else if (scenario == "tran06") {
        form.PageControl1.ClickTab(1);
    } else if (scenario == "tran11") {
        form.PageControl1.ClickTab(2);
    }
    test::Settle();
    (void)test::Grab(form.Widget());
    test::Settle();
    const QImage image = test::Grab(form.Widget());
    if (!image.save(QString::fromStdString(out))) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    for (const auto& shown : dialogs.ShownBoxes()) {
        if (shown.kind != ScriptedDialogs::Kind::Open && shown.kind != ScriptedDialogs::Kind::Save) {
            std::fprintf(stderr, "box: %s\n", Cp950ToUtf8(shown.text).c_str());
        }
    }
    return 0;
}
