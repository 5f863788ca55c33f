#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>

#include "UiDriver.h"
#include "app/Form1.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/ScriptedDialogs.h"
#include "toolkit/Shell.h"
#include "widgets/HyperLinkLabel.h"

using namespace norvalt;
using namespace norvalt::test;

namespace {

class RecordingShell : public IShell {
public:
    bool OpenUrl(const std::string& url) override {
        opened.push_back(url);
        return false; // the desktop's answer is not looked at
    }
    std::vector<std::string> opened;
};

class HyperLinkLabelTest : public testing::Test {
protected:
    void SetUp() override {
        Application().SetShell(&shell);
        Application().SetDialogs(&dialogs);
        form.SetClientSize(300, 100);
        ShowActive(form);
    }
    void TearDown() override {
        Application().SetShell(nullptr);
        Application().SetDialogs(nullptr);
    }
    void ClickOn(TLabel& label) { Click(label.Widget(), 2, 2); }
    void Enter(TLabel& label) {
        QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(label.Widget(), &e);
    }
    void Leave(TLabel& label) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(label.Widget(), &e);
    }
    RecordingShell shell;
    ScriptedDialogs dialogs;
    TForm form;
};

TEST_F(HyperLinkLabelTest, CreationDefaults) {
    THyperLinkLabel label(&form);
    EXPECT_EQ(label.Caption(), "index.html");
    EXPECT_EQ(label.HyperLink(), THyperLinkLabel::DefaultLink());
    EXPECT_EQ(label.HyperLink().rfind("http://", 0), 0u);
    EXPECT_EQ(label.LinkFont().Color(), RGB(0, 0, 255));
    EXPECT_EQ(label.VisitedLinkFont().Color(), RGB(128, 0, 128));
    EXPECT_EQ(label.HoverLinkFont().Color(), RGB(255, 0, 0));
    EXPECT_EQ(label.Font(), label.LinkFont());
    EXPECT_TRUE(label.Font().Style() & fsUnderline);
    EXPECT_FALSE(label.Visited());
    EXPECT_EQ(label.Widget()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(HyperLinkLabelTest, ClickOpensTheLinkUnlessThereIsAHandlerOrNoLink) {
    THyperLinkLabel label(&form);
    label.SetHyperLink("https://x.example.org/a%20b.doc");
    ClickOn(label);
    EXPECT_EQ(shell.opened, std::vector<std::string>{"https://x.example.org/a%20b.doc"});
    EXPECT_FALSE(label.Visited()) << "a click does not change Visited";

    int handled = 0;
    label.OnClick = [&] { ++handled; };
    ClickOn(label);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(shell.opened.size(), 1u);

    label.OnClick = nullptr;
    label.SetHyperLink("");
    ClickOn(label);
    EXPECT_EQ(shell.opened.size(), 1u);
    EXPECT_TRUE(dialogs.ShownBoxes().empty());

    label.SetHyperLink("  \t ");
    ClickOn(label);
    EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Kind::Error),
              std::vector<std::string>{"No link for launching web browser."});
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(HyperLinkLabelTest, EnterAndLeaveSwitchTheFonts) {
    THyperLinkLabel label(&form);
    Enter(label);
    EXPECT_TRUE(label.MouseOver());
    EXPECT_EQ(label.Font().Color(), RGB(255, 0, 0));
    Leave(label);
    EXPECT_EQ(label.Font().Color(), RGB(0, 0, 255));
    label.SetVisited(true);
    EXPECT_EQ(label.Font().Color(), RGB(128, 0, 128));
    Enter(label);
    EXPECT_EQ(label.Font().Color(), RGB(255, 0, 0));
    Leave(label);
    EXPECT_EQ(label.Font().Color(), RGB(128, 0, 128));
    label.VisitedLinkFont().SetColor(clGray); // a change of an owned font shows at once
    EXPECT_EQ(label.Font().Color(), clGray);
}

TEST_F(HyperLinkLabelTest, SettingTheLinkClearsVisitedAndFillsAnEmptyCaption) {
    THyperLinkLabel label(&form);
    label.SetVisited(true);
    label.SetHyperLink(THyperLinkLabel::DefaultLink()); // the same value changes nothing
    EXPECT_TRUE(label.Visited());
    label.SetHyperLink("https://a.example.org/");
    EXPECT_FALSE(label.Visited());
    EXPECT_EQ(label.Caption(), "index.html");
    label.SetCaption("");
    label.SetHyperLink("https://b.example.org/");
    EXPECT_EQ(label.Caption(), "https://b.example.org/");
}

TEST_F(HyperLinkLabelTest, EachPageLinksItsOwnFormatDocument) {
    TForm1 window;
    ShowActive(window);
    const std::pair<THyperLinkLabel*, std::string> labels[] = {
        {&window.HyperLinkLabel1, "%E6%A0%BC%E5%BC%8F-tran01.doc"},
        {&window.HyperLinkLabel2, "%E6%A0%BC%E5%BC%8F-tran06.doc"},
        {&window.HyperLinkLabel4, "%E6%A0%BC%E5%BC%8F-tran06E.doc"},
        {&window.HyperLinkLabel3, "/storage/bond_download/tran11%E6%A0%BC%E5%BC%8F.doc"},
    };
    int clicked = 0;
    for (int page = 0; page < 3; ++page) {
        window.PageControl1.SetActivePageIndex(page);
        for (const auto& [label, ending] : labels) {
            if (!label->Widget()->isVisible()) {
                continue;
            }
            shell.opened.clear();
            ClickOn(*label);
            ++clicked;
            ASSERT_EQ(shell.opened.size(), 1u);
            EXPECT_EQ(shell.opened[0].rfind("https://", 0), 0u);
            EXPECT_EQ(shell.opened[0].substr(shell.opened[0].size() - ending.size()), ending);
            EXPECT_EQ(label->Font().Name(), "Verdana");
            EXPECT_EQ(label->Font().Height(), -11);
            EXPECT_EQ(label->HoverLinkFont().Color(), RGB(255, 0, 0));
        }
    }
    EXPECT_EQ(clicked, 4) << "every label shows on its page";
}

} // namespace
