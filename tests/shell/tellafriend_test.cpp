#include "shell/frmNagScreen2.h"
#include "shell/modTellAFriend.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "shell/weblinks_urls.h"
#include "support/windowtest.h"

#include <QTest>
#include <QUrl>

using platform::MsgIcon;

namespace {
const QString kReferPage = QStringLiteral(
    "https://www.corvantelle.example/vezor-adarizu-dudiruvo/ssd.php?page=lunavere-refer-a-friend");

// What the boxes hold when the form is sent; a null entry leaves the box as it is.
struct Entries {
    QString name = "Ann Smith";
    QString email = "ann@mail.example";
    QString message = "Try this";
    QString friendName = "Bob Jones";
    QString friendEmail = "bob@mail.example";
};

// The query values of an address, in order, each decoded.
std::vector<std::pair<QString, QString>> QueryValues(const QString& address) {
    std::vector<std::pair<QString, QString>> values;
    const QString query = address.mid(address.indexOf('?') + 1);
    for (const QString& pair : query.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        values.emplace_back(pair.left(eq), QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(eq + 1).toLatin1())));
    }
    return values;
}

class ReferAFriend : public WindowTest {
protected:
    void SetUp() override {
        screen = ShownExitScreen();
        ASSERT_NE(screen, nullptr);
    }
    void fill(const Entries& e) {
        if (!e.name.isNull()) screen->txtName.setText(e.name);
        if (!e.email.isNull()) screen->txtEmail.setText(e.email);
        if (!e.message.isNull()) screen->setTxtMessageText(e.message);
        if (!e.friendName.isNull()) screen->txtFriendName.setText(e.friendName);
        if (!e.friendEmail.isNull()) screen->txtFriendEmail.setText(e.friendEmail);
    }
    void send() { QTest::mouseClick(&screen->cmdSubmit, Qt::LeftButton); }
    QStringList boxTexts() const {
        return {screen->txtName.text(), screen->txtEmail.text(), screen->txtMessageText(),
                screen->txtFriendName.text(), screen->txtFriendEmail.text()};
    }

    QuitRecorder quit;
    frmNagScreen2* screen = nullptr;
};

TEST_F(ReferAFriend, TheBoxesStartWithTheirPlaceholders) {
    EXPECT_EQ(boxTexts(), (QStringList{"Your Name", "Your Email Address", "Your Message\r\n", "Friend's Name",
                                       "Friend's Email Address"}));
    EXPECT_EQ(screen->cmdSubmit.text(), "Refer A Friend &Now");
}

struct RefusalCase {
    const char* name;
    Entries entries;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

Entries With(QString Entries::*field, const QString& value) {
    Entries e;
    e.*field = value;
    return e;
}

class Refusal : public ReferAFriend, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, ShowsItsMessageAndSendsNothing) {
    fill(GetParam().entries);
    const QStringList before = boxTexts();
    send();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, GetParam().message);
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(browser.opened().isEmpty());
    EXPECT_EQ(boxTexts(), before);
    EXPECT_TRUE(ExitScreenShown());
}

Entries Untouched() {
    Entries e;
    e.name = e.email = e.message = e.friendName = e.friendEmail = QString();
    return e;
}

Entries BothEmailsEmpty() {
    Entries e;
    e.email = e.friendEmail = "";
    return e;
}

Entries NameAndMessageEmpty() {
    Entries e;
    e.name = e.message = "";
    return e;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, Refusal,
    ::testing::Values(
        RefusalCase{"BothEmailsEmpty", BothEmailsEmpty(), "Please Enter Distinct Email Addresses"},
        RefusalCase{"SameEmailTwice", With(&Entries::friendEmail, "  ann@mail.example "),
                    "Please Enter Distinct Email Addresses"},
        RefusalCase{"Untouched", Untouched(), "Please Enter Proper Email Address"},
        RefusalCase{"NoAtSign", With(&Entries::email, "ann.mail.example"), "Please Enter Proper Email Address"},
        RefusalCase{"FriendWithoutFullStop", With(&Entries::friendEmail, "bob@mail"),
                    "Please Enter Proper Email Address"},
        RefusalCase{"OneEmailEmpty", With(&Entries::email, ""), "Please Enter Proper Email Address"},
        RefusalCase{"NamePlaceholder", With(&Entries::name, "Your Name"), "Please Enter Your Name"},
        RefusalCase{"NamePlaceholderInBlanks", With(&Entries::name, "  Your Name  "), "Please Enter Your Name"},
        RefusalCase{"NameBlanks", With(&Entries::name, "   "), "Please Enter Your Name"},
        RefusalCase{"MessageEmptied", With(&Entries::message, ""), "Please Enter Your Message"},
        RefusalCase{"MessagePlaceholder", With(&Entries::message, " Your Message "), "Please Enter Your Message"},
        RefusalCase{"FriendNamePlaceholder", With(&Entries::friendName, "Friend's Name"),
                    "Please Enter Your Friend's Name"},
        RefusalCase{"FriendNameEmpty", With(&Entries::friendName, ""), "Please Enter Your Friend's Name"},
        RefusalCase{"FirstFailingFieldWins", NameAndMessageEmpty(), "Please Enter Your Name"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ModuleCase {
    const char* name;
    Entries entries;
    const char* message;
};
void PrintTo(const ModuleCase& c, std::ostream* os) { *os << c.name; }

class ModuleRefusal : public ReferAFriend, public ::testing::WithParamInterface<ModuleCase> {};

// The e-mail checks of TellAFriend itself, which the form's own checks normally pre-empt.
TEST_P(ModuleRefusal, TellAFriendChecksEveryFieldInOrder) {
    const Entries& e = GetParam().entries;
    strSenderName() = e.name;
    strSenderEmail() = e.email;
    strMessage() = e.message;
    strFriendName() = e.friendName;
    strFriendEmail() = e.friendEmail;
    TellAFriend();
    EXPECT_EQ(messages.texts(), QStringList{GetParam().message});
    EXPECT_TRUE(browser.opened().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ModuleRefusal,
    ::testing::Values(ModuleCase{"SenderEmailEmpty", With(&Entries::email, ""), "Please Enter Your Email"},
                      ModuleCase{"SenderEmailPlaceholder", With(&Entries::email, "Your Email Address"),
                                 "Please Enter Your Email"},
                      ModuleCase{"FriendEmailPlaceholder", With(&Entries::friendEmail, "Friend's Email Address"),
                                 "Please Enter Your Friend's Email"},
                      ModuleCase{"FriendEmailBlanks", With(&Entries::friendEmail, "  "),
                                 "Please Enter Your Friend's Email"}),
    [](const auto& info) { return std::string(info.param.name); });

struct AcceptedCase {
    const char* name;
    const char* email;
    const char* friendEmail;
};
void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.name; }

class Accepted : public ReferAFriend, public ::testing::WithParamInterface<AcceptedCase> {};

TEST_P(Accepted, AddressesPassTheFormsChecks) {
    Entries e;
    e.email = GetParam().email;
    e.friendEmail = GetParam().friendEmail;
    fill(e);
    send();
    EXPECT_TRUE(messages.shown().empty());
    ASSERT_EQ(browser.opened().size(), 1);
    EXPECT_EQ(QueryValues(browser.opened()[0])[2].second, GetParam().email);
    EXPECT_EQ(QueryValues(browser.opened()[0])[5].second, GetParam().friendEmail);
}

INSTANTIATE_TEST_SUITE_P(Addresses, Accepted,
                         ::testing::Values(AcceptedCase{"DifferOnlyInCase", "Ann@Mail.example", "ann@mail.example"},
                                           AcceptedCase{"FullStopBeforeAt", "a.b@c", "x@y.z"},
                                           AcceptedCase{"AtAndFullStopAtTheEnds", "@x.", ".y@"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReferAFriend, TheAddressCarriesTheTrimmedEntriesInOrder) {
    Entries e;
    e.name = "  Ann Smith ";
    fill(e);
    send();
    ASSERT_EQ(browser.opened().size(), 1);
    const QString address = browser.opened()[0];
    EXPECT_TRUE(address.startsWith(kReferPage + "&taf1="));
    const std::vector<std::pair<QString, QString>> expected = {
        {"page", "lunavere-refer-a-friend"},
        {"taf1", "Ann Smith"},
        {"taf2", "ann@mail.example"},
        {"taf3", "Try this"},
        {"taf4", "Bob Jones"},
        {"taf5", "bob@mail.example"},
        {"taf6", "https://www.corvantelle.example/vezor-adarizu-dudiruvo/"},
    };
    EXPECT_EQ(QueryValues(address), expected);
    EXPECT_EQ(strReferUrl(), address);
    EXPECT_EQ(strSenderName(), "Ann Smith");
}

TEST_F(ReferAFriend, TheUntouchedMessageIsSentWithItsLineBreak) {
    Entries e;
    e.message = QString();
    fill(e);
    send();
    ASSERT_EQ(browser.opened().size(), 1);
    EXPECT_EQ(QueryValues(browser.opened()[0])[3].second, "Your Message\r\n");
    EXPECT_TRUE(browser.opened()[0].contains("&taf3=Your%20Message%0D%0A&"));
}

TEST_F(ReferAFriend, AwkwardValuesAreEncodedAndDecodeToExactlyWhatWasTyped) {
    Entries e;
    e.name = QString::fromUtf8("Zoë & Åsa = #1 + co");
    e.email = "a+b@x.example";
    e.message = QString::fromUtf8("Line one?\r\nLine two: 100% sure; ünïcødé €");
    e.friendName = QString::fromUtf8("Bob\tO'Brien-Łukasz");
    e.friendEmail = "b=c#d&e@y.example";
    fill(e);
    send();
    ASSERT_EQ(browser.opened().size(), 1);
    const QString address = browser.opened()[0];
    const QString query = address.mid(kReferPage.size());
    for (const char c : {' ', '\r', '\n', '\t', '#', '+', '?', ';'}) {
        EXPECT_FALSE(query.contains(QLatin1Char(c))) << "raw character " << int(c);
    }
    const auto values = QueryValues(address);
    ASSERT_EQ(values.size(), 7u);
    EXPECT_EQ(values[1].second, e.name);
    EXPECT_EQ(values[2].second, e.email);
    EXPECT_EQ(values[3].second, e.message);
    EXPECT_EQ(values[4].second, e.friendName);
    EXPECT_EQ(values[5].second, e.friendEmail);
    // A browser-side parser sees the same values.
    EXPECT_TRUE(QUrl(address, QUrl::StrictMode).isValid());
}

TEST_F(ReferAFriend, EachPressBuildsTheAddressAnew) {
    fill(Entries{});
    send();
    screen->txtFriendName.setText("Carol");
    send();
    ASSERT_EQ(browser.opened().size(), 2);
    EXPECT_EQ(QueryValues(browser.opened()[1])[4].second, "Carol");
    EXPECT_EQ(strFriendName(), "Carol");
}

class BlankKey : public ReferAFriend, public ::testing::WithParamInterface<int> {
protected:
    QLineEdit& box() { return GetParam() == 0 ? screen->txtEmail : screen->txtFriendEmail; }
};

TEST_P(BlankKey, IsRefusedInTheEmailBoxes) {
    box().setText("");
    box().setFocus();
    QTest::keyClicks(&box(), "a b");
    EXPECT_EQ(box().text(), "ab");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Email Address Cannot Contain Space");
    EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Critical);
}

INSTANTIATE_TEST_SUITE_P(Boxes, BlankKey, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? "Email" : "FriendEmail"; });

TEST_F(ReferAFriend, BlanksAreTypedIntoTheOtherBoxesAndPastedOnesReachTheEmailBoxes) {
    screen->txtName.setText("");
    QTest::keyClicks(&screen->txtName, "a b");
    EXPECT_EQ(screen->txtName.text(), "a b");
    screen->txtEmail.setText("");
    screen->txtEmail.insert("x y@z.example");  // as a paste does
    EXPECT_EQ(screen->txtEmail.text(), "x y@z.example");
    EXPECT_TRUE(messages.shown().empty());
}

struct PlaceholderCase {
    const char* name;
    QWidget* (*box)(frmNagScreen2&);
    const char* placeholder;
};
void PrintTo(const PlaceholderCase& c, std::ostream* os) { *os << c.name; }

class Placeholder : public ReferAFriend, public ::testing::WithParamInterface<PlaceholderCase> {
protected:
    void SetUp() override {
        ReferAFriend::SetUp();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
        screen->cmdClose.setFocus(Qt::TabFocusReason);
    }
    QString text(QWidget* w) {
        if (w == &screen->txtMessage) return screen->txtMessageText();
        return static_cast<QLineEdit*>(w)->text();
    }
    void setText(QWidget* w, const QString& t) {
        if (w == &screen->txtMessage) {
            screen->setTxtMessageText(t);
        } else {
            static_cast<QLineEdit*>(w)->setText(t);
        }
    }
    void enter(QWidget* w) { w->setFocus(Qt::TabFocusReason); }
    void leave() { screen->cmdClose.setFocus(Qt::TabFocusReason); }
};

TEST_P(Placeholder, GoesOnFocusAndComesBackWhenLeftEmpty) {
    QWidget* w = GetParam().box(*screen);
    const QString placeholder = GetParam().placeholder;
    setText(w, placeholder);
    enter(w);
    EXPECT_EQ(text(w), "");
    leave();
    EXPECT_EQ(text(w), placeholder);

    setText(w, "   ");
    enter(w);
    leave();
    EXPECT_EQ(text(w), placeholder);

    setText(w, "typed");
    enter(w);
    leave();
    EXPECT_EQ(text(w), "typed");
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, Placeholder,
    ::testing::Values(
        PlaceholderCase{"Name", [](frmNagScreen2& s) -> QWidget* { return &s.txtName; }, "Your Name"},
        PlaceholderCase{"Email", [](frmNagScreen2& s) -> QWidget* { return &s.txtEmail; }, "Your Email Address"},
        PlaceholderCase{"FriendEmail", [](frmNagScreen2& s) -> QWidget* { return &s.txtFriendEmail; },
                        "Friend's Email Address"},
        PlaceholderCase{"FriendName", [](frmNagScreen2& s) -> QWidget* { return &s.txtFriendName; }, "Friend's Name"},
        PlaceholderCase{"Message", [](frmNagScreen2& s) -> QWidget* { return &s.txtMessage; }, "Your Message"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReferAFriend, TheUntouchedMessageKeepsItsTextOnFocusAndTabReachesIt) {
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
    screen->txtFriendName.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&screen->txtFriendName, Qt::Key_Tab);
    EXPECT_TRUE(screen->txtMessage.hasFocus());
    EXPECT_EQ(screen->txtMessageText(), "Your Message\r\n");
}

TEST_F(ReferAFriend, AMessageBoxTakingTheFocusLeavesTheBoxAlone) {
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
    screen->txtName.setFocus(Qt::TabFocusReason);
    ASSERT_EQ(screen->txtName.text(), "");
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(&screen->txtName, &out);
    EXPECT_EQ(screen->txtName.text(), "");
}

}  // namespace
