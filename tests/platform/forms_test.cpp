#include "platform/forms.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {
std::vector<std::string> g_log;

class frmTiny : public QWidget, public Form {
public:
    QWidget* widget() override { return this; }
    void Form_Load() override {
        g_log.push_back("load");
        // A load may touch its own window again.
        EXPECT_EQ(Peek<frmTiny>(), this);
    }
    void Form_Unload(bool& cancel) override {
        g_log.push_back("unload");
        cancel = keepLoaded;
    }
    void closeEvent(QCloseEvent* e) override { handleCloseEvent(e); }
    bool keepLoaded = false;
    CommandButton button{"Go", this};
};

class frmOther : public QWidget, public Form {
public:
    QWidget* widget() override { return this; }
};

void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}  // namespace

TEST(Forms, LoadOnceOnFirstUseAndPeekNeverLoads) {
    g_log.clear();
    EXPECT_EQ(Peek<frmTiny>(), nullptr);
    EXPECT_FALSE(IsLoaded<frmTiny>());
    frmTiny* a = Get<frmTiny>();
    frmTiny* b = Get<frmTiny>();
    EXPECT_EQ(a, b);
    EXPECT_EQ(g_log, (std::vector<std::string>{"load"}));
    Unload<frmTiny>();
    Flush();
}

TEST(Forms, UnloadFromItsOwnHandlerAndAFreshInstanceAfterwards) {
    g_log.clear();
    frmTiny* first = Get<frmTiny>();
    QObject::connect(&first->button, &CommandButton::Click, [] { Unload<frmTiny>(); });
    first->button.click();  // the handler unloads its own window
    EXPECT_FALSE(IsLoaded<frmTiny>());
    Flush();
    frmTiny* second = Get<frmTiny>();
    EXPECT_TRUE(IsLoaded<frmTiny>());
    EXPECT_EQ(g_log, (std::vector<std::string>{"load", "unload", "load"}));
    Unload<frmTiny>();
    (void)second;
    Flush();
}

TEST(Forms, LoadOrderIsKeptAndCancelKeepsTheWindow) {
    frmOther* other = Get<frmOther>();
    frmTiny* tiny = Get<frmTiny>();
    auto loaded = LoadedForms();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0], static_cast<Form*>(other));
    EXPECT_EQ(loaded[1], static_cast<Form*>(tiny));

    tiny->keepLoaded = true;
    EXPECT_FALSE(Unload<frmTiny>());
    EXPECT_TRUE(IsLoaded<frmTiny>());
    tiny->keepLoaded = false;
    tiny->close();  // the close box unloads as Unload does
    EXPECT_FALSE(IsLoaded<frmTiny>());
    Unload<frmOther>();
    Flush();
    EXPECT_TRUE(LoadedForms().empty());
}

TEST(Forms, ButtonValueIsTrueOnlyWhileItsHandlerRuns) {
    CommandButton button("Start Again");
    std::vector<bool> seen;
    QObject::connect(&button, &CommandButton::Click, [&] { seen.push_back(button.Value()); });
    button.click();
    button.setValue(true);
    EXPECT_EQ(seen, (std::vector<bool>{true, true}));
    EXPECT_FALSE(button.Value());
}
