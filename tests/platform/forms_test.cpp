#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "support/recording_services.h"

using namespace platform;

namespace {

std::vector<std::string> gLog;

struct Screen : Form {
    explicit Screen(std::string name, FormKind kind = FormKind::MdiChild) : Form(std::move(name), kind) {
        cmdClose.onClick = [this] { unload(); };
        cmdOk.onClick = [this] { hide(); };
    }
    TextBox txt1{*this, "txt1"};
    CommandButton cmdClose{*this, "cmdClose"};
    CommandButton cmdOk{*this, "cmdOk"};
    bool refuseUnload = false;

protected:
    void Form_Load() override {
        gLog.push_back(name() + " load");
        txt1.setText("初期値");
    }
    void Form_Activate() override { gLog.push_back(name() + " activate"); }
    void Form_QueryUnload(bool& cancel) override { cancel = refuseUnload; }
    void Form_Unload() override { gLog.push_back(name() + " unload"); }
};

struct Slots {
    FormSlot<Screen> a{[] { return std::make_unique<Screen>("A"); }};
    FormSlot<Screen> b{[] { return std::make_unique<Screen>("B"); }};
    FormSlot<Screen> dialog{[] { return std::make_unique<Screen>("D", FormKind::Dialog); }};
};

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override { gLog.clear(); }
    testing_support::RecordingServices services;
    Slots slots;
};

TEST_F(FormsTest, AReferenceCreatesTheFormAndUnloadDiscardsItsState) {
    EXPECT_FALSE(slots.a.loaded());
    slots.a().txt1.setText("changed"); // reading or setting a control creates the form, hidden
    EXPECT_TRUE(slots.a.loaded());
    EXPECT_FALSE(slots.a().visible());
    EXPECT_EQ(gLog, (std::vector<std::string>{"A load"}));

    EXPECT_TRUE(slots.a.unload());
    EXPECT_FALSE(slots.a.loaded());
    EXPECT_EQ(slots.a().txt1.text(), "初期値"); // afresh, from its initial values
    EXPECT_EQ(gLog, (std::vector<std::string>{"A load", "A unload", "A load"}));
}

TEST_F(FormsTest, AFormMayUnloadItselfFromItsOwnHandler) {
    slots.a().show();
    slots.a().cmdClose.click();
    EXPECT_FALSE(slots.a.loaded());
    EXPECT_EQ(slots.a().txt1.text(), "初期値");
}

TEST_F(FormsTest, QueryUnloadMayCancel) {
    slots.a().refuseUnload = true;
    EXPECT_FALSE(slots.a.unload());
    slots.a().userClose();
    EXPECT_TRUE(slots.a.loaded());
}

TEST_F(FormsTest, ShowingAScreenActivatesItAndHidingTheActiveOneActivatesTheNext) {
    slots.a().show();
    slots.b().show();
    EXPECT_EQ(Desktop::activeChild(), slots.b.get());
    slots.a().show(); // already shown: brought to the front and activated
    slots.b().hide();
    slots.b().show();
    slots.b().hide();
    EXPECT_EQ(Desktop::activeChild(), slots.a.get());
    EXPECT_EQ(gLog, (std::vector<std::string>{"A load", "A activate", "B load", "B activate", "A activate",
                                              "B activate", "A activate"}));
    slots.a().hide();
    EXPECT_EQ(Desktop::activeChild(), nullptr);
}

TEST_F(FormsTest, AModalFormRunsThroughTheServicesUntilItIsHidden) {
    bool visibleInside = false;
    services.onModal = [&](Form& f) {
        visibleInside = f.visible() && f.isModal();
        static_cast<Screen&>(f).cmdOk.click();
    };
    slots.dialog().showModal();
    EXPECT_TRUE(visibleInside);
    EXPECT_EQ(services.modalForms, (std::vector<std::string>{"D"}));
    EXPECT_TRUE(slots.dialog.loaded()); // OK hides: its state stays readable
    EXPECT_FALSE(slots.dialog().visible());
    EXPECT_FALSE(slots.dialog().isModal());

    services.onModal = [&](Form& f) { static_cast<Screen&>(f).cmdClose.click(); };
    slots.dialog().showModal();
    EXPECT_FALSE(slots.dialog.loaded());
    EXPECT_TRUE(Desktop::modalStack().empty());
}

struct MenuForm : Form {
    MenuForm() : Form("Main", FormKind::MdiParent) {
        for (int i = 0; i < 3; ++i)
            toolbar.addButton("k", "tip", i + 1);
        toolbar.addButton("", "", 0, ToolbarButton::Style::Separator);
    }
    MenuItem file{*this, "Men_F", "ﾌｧｲﾙ(&F)"};
    MenuItem open{*this, "Men_FOpn", "開く(&O)", &file};
    MenuItem line{*this, "Men_FL1", "-", &file};
    MenuItem help{*this, "Men_H", "ﾍﾙﾌﾟ(&H)"};
    Toolbar toolbar{*this, "Toolbar1"};
};

TEST_F(FormsTest, MenusAndToolbarDeliverClicksOnlyWhenEnabled) {
    MenuForm f;
    std::vector<int> clicked;
    int opened = 0;
    f.toolbar.onButtonClick = [&](const ToolbarButton& b) { clicked.push_back(b.index); };
    f.open.onClick = [&] { ++opened; };
    f.toolbar.setButtonEnabled(2, false);
    for (int i : {1, 2, 3, 4, 5, 0})
        f.toolbar.click(i);
    EXPECT_EQ(clicked, (std::vector<int>{1, 3}));

    f.open.click();
    f.open.setEnabled(false);
    f.open.click();
    f.line.click();
    EXPECT_EQ(opened, 1);
    ASSERT_EQ(f.menuBar().size(), 2u);
    EXPECT_EQ(f.menuBar()[0]->items().size(), 2u);
}

} // namespace
