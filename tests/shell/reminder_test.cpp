#include "platform/application.h"
#include "platform/settingsstore.h"
#include "shell/startup.h"
#include "shell/textshift.h"
#include "shell/weblinks_urls.h"
#include "support/windowtest.h"

#include <QDate>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {
const QDate kToday(2010, 2, 9);
const QString kQuestion =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");
// "Duration" shifted up by 85.
const QByteArray kShiftedKey("\x99\xCA\xC7\xB6\xC9\xBE\xC4\xC3");

class Reminder : public WindowTest {
protected:
    void store(const QByteArray& text) {
        ASSERT_TRUE(platform::SaveSetting(platform::ExecutableName(), "Settings", kShiftedKey, EncodeText(text)));
    }
    std::optional<QByteArray> stored() const {
        const auto value = platform::GetSetting(platform::ExecutableName(), "Settings", kShiftedKey).value;
        if (!value) return std::nullopt;
        return DecodeText(*value);
    }
};

struct ReminderCase {
    const char* name;
    std::optional<QByteArray> before;  // the stored date text, none for a first start
    bool asks;
    QByteArray after;
};
void PrintTo(const ReminderCase& c, std::ostream* os) { *os << c.name; }

class ReminderTable : public Reminder, public ::testing::WithParamInterface<ReminderCase> {};

TEST_P(ReminderTable, AsksWhenDueAndStoresToday) {
    const ReminderCase& c = GetParam();
    if (c.before) store(*c.before);
    messages.setNextAnswer(MsgResult::No);

    CheckUpdateReminder(kToday);

    if (c.asks) {
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, kQuestion);
        EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Information);
        EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::YesNo);
        EXPECT_FALSE(messages.shown()[0].defaultNo);
        EXPECT_EQ(messages.shown()[0].title, "CV Vezor Adarizu Dudiruvo");
    } else {
        EXPECT_TRUE(messages.shown().empty());
    }
    EXPECT_EQ(stored(), std::optional<QByteArray>(c.after));
    EXPECT_TRUE(browser.opened().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, ReminderTable,
    ::testing::Values(ReminderCase{"None", std::nullopt, false, "2010-02-09"},
                      ReminderCase{"Today", QByteArray("2010-02-09"), false, "2010-02-09"},
                      ReminderCase{"FourteenDaysBack", QByteArray("2010-01-26"), false, "2010-01-26"},
                      ReminderCase{"FifteenDaysBack", QByteArray("2010-01-25"), true, "2010-02-09"},
                      ReminderCase{"FourteenDaysAhead", QByteArray("2010-02-23"), false, "2010-02-23"},
                      ReminderCase{"FifteenDaysAhead", QByteArray("2010-02-24"), true, "2010-02-09"},
                      ReminderCase{"AYearBack", QByteArray("2009-02-09"), true, "2010-02-09"},
                      ReminderCase{"Garbage", QByteArray("not a date"), false, "2010-02-09"},
                      ReminderCase{"ImpossibleDate", QByteArray("2010-02-30"), false, "2010-02-09"},
                      ReminderCase{"LocaleShortDate", QByteArray("2/9/2010"), false, "2010-02-09"},
                      ReminderCase{"Empty", QByteArray(""), false, "2010-02-09"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Reminder, YesOpensTheDownloadPageAndNoOpensNothing) {
    for (const MsgResult answer : {MsgResult::Yes, MsgResult::No}) {
        browser.clear();
        store("2009-12-01");
        messages.setNextAnswer(answer);
        CheckUpdateReminder(kToday);
        const QStringList expected =
            answer == MsgResult::Yes ? QStringList{PageAddress("download-web-page")} : QStringList{};
        EXPECT_EQ(browser.opened(), expected);
        EXPECT_EQ(stored(), std::optional<QByteArray>("2010-02-09"));
    }
}

TEST_F(Reminder, AfterADueReminderTheNextCallsOnTheSameDayAreQuiet) {
    store("2009-12-01");
    CheckUpdateReminder(kToday);
    CheckUpdateReminder(kToday);
    CheckUpdateReminder(kToday.addDays(14));
    EXPECT_EQ(messages.texts(), QStringList{kQuestion});
    CheckUpdateReminder(kToday.addDays(15));
    EXPECT_EQ(messages.texts(), (QStringList{kQuestion, kQuestion}));
}

TEST_F(Reminder, KeyAndValueAreStoredShiftedUnderTheProgramsName) {
    CheckUpdateReminder(kToday);
    const auto raw = platform::GetSetting(platform::ExecutableName(), "Settings", kShiftedKey).value;
    ASSERT_TRUE(raw.has_value());
    // "2010-02-09" with every code raised by 85.
    EXPECT_EQ(*raw, QByteArray("\x87\x85\x86\x85\x82\x85\x87\x82\x85\x8E"));
    EXPECT_FALSE(platform::GetSetting(platform::ExecutableName(), "Settings", "Duration").value.has_value());
}

}  // namespace
