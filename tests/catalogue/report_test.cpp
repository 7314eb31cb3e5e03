#include "catalogue/report.h"

#include "catalogue/cards.h"
#include "catalogue/spreads.h"
#include "platform/richtextbox.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "support/qtprinting.h"

// The report is compared paragraph by paragraph in a small markup: "C|" starts a centred
// paragraph and "L|" a left one; **bold** and __underlined__ runs; {R} stands for the 512 blanks
// of a rule line.
namespace {
const QString kRule(512, QLatin1Char(' '));
const QString kSite = QStringLiteral("https://www.corvantelle.example/");
const QString kBanner = QStringLiteral(
    "Corvantelle the most popular online discussion forum. A place to learn, to share and to make new friends.");
const QString kClosing = QStringLiteral(
    "Thank You for using CV Ruda Dored Ivadezo Radadudu. Come spend some time with us online at "
    "https://www.corvantelle.example/. The best online discussion forum for every esoteric.");

QStringList Markup(const QTextDocument& doc) {
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString line = (b.blockFormat().alignment() & Qt::AlignHCenter) ? "C|" : "L|";
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            QString text = f.text();
            text.replace(kRule, "{R}");
            const QTextCharFormat cf = f.charFormat();
            if (cf.fontWeight() >= QFont::Bold) text = "**" + text + "**";
            if (cf.fontUnderline()) text = "__" + text + "__";
            line += text;
        }
        lines << line;
    }
    return lines;
}

QString PlainText(QStringList markup) {
    for (QString& line : markup) {
        line.remove(0, 2);
        line.remove("**");
        line.remove("__");
        line.replace("{R}", kRule);
    }
    return markup.join("\r\n");
}

QStringList HeaderBanner() {
    return {"L|**" + kBanner + "**", "L|", "C|**Visit **", "C|**" + kSite + " **", "C|**Now **", "L|__{R}__"};
}

QString Bold(const QString& s) { return "**" + s + "**"; }

// One position of the card section: position text, the card, the rule line.
QStringList CardLines(const QString& spread, int k, int id, bool reversed) {
    const SpreadPosition& p = SpreadByName(spread)->arrPositions[k];
    const TarotCard& card = *CardById(id);
    QStringList lines;
    if (p.blnSameLine) {
        lines << "L|" + Bold(p.strTitle) + p.strMeaning;
    } else {
        lines << "L|" + Bold(p.strTitle) << "L|" + p.strMeaning;
    }
    lines << "L|" << "L|" + Bold(reversed ? card.strTitle + " - Reversed" : card.strTitle)
          << "L|" + (reversed ? card.strReversed : card.strUpright) << "L|__{R}__";
    return lines;
}

QStringList ClosingLines() { return {"L|", "L|" + Bold(kClosing), "L|"}; }

class Report : public ::testing::Test {
protected:
    void SetUp() override {
        State() = ReadingState{};
        strPositionSpread().clear();
    }

    // As the card table's load and a cast write it.
    void WriteReading(const QString& spread, const CardArray& drawn, const CardArray& reversed, bool manual = false) {
        State().reading.strSpreadName = spread;
        State().reading.blnManualMode = manual;
        box.setText("");
        WriteReportHeader(box, spread);
        WriteCardReadings(box, drawn, reversed);
    }

    void ExpectReport(const QStringList& expected) {
        const QStringList actual = Markup(*box.document());
        for (int i = 0; i < std::max(expected.size(), actual.size()); ++i) {
            EXPECT_EQ(actual.value(i).toStdString(), expected.value(i).toStdString()) << "paragraph " << i + 1;
        }
        EXPECT_EQ(box.Text(), PlainText(expected));
    }

    platform::RichTextBox box;
};
}  // namespace

TEST_F(Report, OneCardReading) {
    WriteReading("One Card", {9, 0}, {});

    ExpectReport(HeaderBanner() + QStringList{
        "L|**Spread Type - One Card**",
        "L|" + SpreadByName("One Card")->strDescription,
        "L|",
        "L|__{R}__",
        "L|",
        "L|**Card 1:  **This represents the most important factor that affects the issue in hand.",
        "L|",
        "L|**The Emperor**",
        "L|" + CardById(9)->strUpright,
        "L|__{R}__",
    } + ClosingLines());
    EXPECT_EQ(box.SelStart(), box.Text().size());
    EXPECT_FALSE(box.SelBold());
    EXPECT_FALSE(box.SelUnderline());
    EXPECT_EQ(box.SelAlignment(), platform::kAlignLeft);
}

TEST_F(Report, CelticCrossReading) {
    const CardArray drawn = {0, 1, 22, 77, 21, 40, 15, 57, 76, 9, 0};
    WriteReading("Celtic Cross", drawn, {22, 9});

    QStringList expected = HeaderBanner() + QStringList{
        "L|**Spread Type - Celtic Cross Spread**",
        "L|" + SpreadByName("Celtic Cross")->strDescription,
        "L|__{R}__",
        "L|",
        "L|**Card 1: The Covering**",
        "L|This represents the overall events, situations or influences surrounding the present question.",
        "L|",
        "L|**Death**",
        "L|" + CardById(0)->strUpright,
        "L|__{R}__",
        "L|**Card 2: The Crossing**",
        "L|This represents the current problems, challenges and negative influences that the querent has to face.",
        "L|",
        "L|**The Hermit**",
        "L|" + CardById(1)->strUpright,
        "L|__{R}__",
    };
    for (int k = 2; k < 10; ++k) expected += CardLines("Celtic Cross", k, drawn[k], drawn[k] == 22 || drawn[k] == 9);
    expected += ClosingLines();
    ExpectReport(expected);
    EXPECT_TRUE(box.Text().contains("\r\n\r\nTwo of Cups - Reversed\r\n"));
    EXPECT_TRUE(box.Text().contains("\r\n\r\nThe Emperor - Reversed\r\n"));
    EXPECT_EQ(strPositionSpread(), "Celtic Cross");
}

TEST_F(Report, ManualDealWithoutTheSpareElementGivesTheSameReport) {
    WriteReading("Three Cards", {9, 40, 15, 0}, {});
    const QString automatic = box.Text();
    const QStringList automaticMarkup = Markup(*box.document());
    EXPECT_TRUE(automatic.contains("\r\n\r\nThe Emperor\r\n"));
    EXPECT_TRUE(automatic.contains("\r\n\r\nSix of Wands\r\n"));
    EXPECT_TRUE(automatic.contains("\r\n\r\nThe Magician\r\n"));
    EXPECT_FALSE(automatic.contains("\r\n\r\nDeath\r\n"));  // the spare element

    WriteReading("Three Cards", {9, 40, 15}, {}, /*manual=*/true);
    EXPECT_EQ(box.Text(), automatic);
    EXPECT_EQ(Markup(*box.document()), automaticMarkup);
}

TEST_F(Report, ReversedIsByIdAndDeathCanLieReversed) {
    WriteReading("Three Cards", {0, 0, 5, 0}, {0, 33});
    ExpectReport(HeaderBanner() +
                 QStringList{"L|**Spread Type - Three Cards**", "L|" + SpreadByName("Three Cards")->strDescription, "L|",
                             "L|__{R}__", "L|"} +
                 CardLines("Three Cards", 0, 0, true) + CardLines("Three Cards", 1, 0, true) +
                 CardLines("Three Cards", 2, 5, false) + ClosingLines());
}

TEST_F(Report, UnknownSpreadNameWritesOnlyTheBanner) {
    for (const QString& name : {QStringLiteral("-1"), QString(), QStringLiteral("Celtic Cross "), QStringLiteral("celtic cross")}) {
        box.setText("");
        WriteReportHeader(box, name);
        ExpectReport(HeaderBanner() + QStringList{"L|"});
    }
}

TEST_F(Report, HeaderFramesTheDescriptionBySpread) {
    struct Case {
        const char* spread;
        QStringList lines;  // below the banner; D is the description
    };
    const Case cases[] = {
        {"Two Cards", {"L|**Spread Type - Two Cards**", "L|D", "L|", "L|__{R}__", "L|", "L|"}},
        {"Eliphas Levy Wheel Spread(Hollin)",
         {"L|**Spread Type - Eliphas Levy Wheel Spread(Hollin)**", "L|", "L|D", "L|__{R}__", "L|", "L|"}},
        {"Seven Card Chakra Layout", {"L|**Spread Type - Seven Card Chakra Spread**", "L|D", "L|__{R}__", "L|", "L|"}},
        {"Four Seasons Spread(Marvane/Oska)", {"L|**Spread Type - Four Seasons Spread**", "L|D", "L|__{R}__", "L|", "L|"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spread);
        box.setText("");
        WriteReportHeader(box, c.spread);
        QStringList expected = HeaderBanner();
        for (QString line : c.lines) expected << line.replace("L|D", "L|" + SpreadByName(c.spread)->strDescription);
        ExpectReport(expected);
    }
}

TEST_F(Report, ASecondHeaderIsAppendedAtTheEndWhereverTheCaretStood) {
    WriteReportHeader(box, "Tree of Life");
    const QString once = box.Text();
    const QStringList onceMarkup = Markup(*box.document());
    box.setSelStart(3);
    WriteReportHeader(box, "Tree of Life");
    EXPECT_EQ(box.Text(), once + once);
    // The second banner begins in the empty paragraph the first header left.
    EXPECT_EQ(Markup(*box.document()), onceMarkup.mid(0, onceMarkup.size() - 1) + onceMarkup);
}

TEST_F(Report, CardSectionEdgeCases) {
    // Only the spare element of an automatic cast: the closing line alone.
    State().reading.strSpreadName = "Celtic Cross";
    WriteCardReadings(box, {0}, {});
    EXPECT_EQ(Markup(*box.document()), ClosingLines());

    // An id outside the catalogue gets only its rule line.
    box.setText("");
    State().reading.strSpreadName = "Three Cards";
    WriteCardReadings(box, {9, 40, 78, 0}, {});
    EXPECT_EQ(Markup(*box.document()),
              CardLines("Three Cards", 0, 9, false) + CardLines("Three Cards", 1, 40, false) +
                  (QStringList{"L|", "L|__{R}__"}) + ClosingLines());

    // Without a spread name the opened reading's spread names the position texts.
    box.setText("");
    State().reading.strSpreadName.clear();
    State().opened.strOpenedSpreadName = "Celtic Cross";
    WriteCardReadings(box, {5, 0}, {});
    EXPECT_EQ(strPositionSpread(), "Celtic Cross");
    EXPECT_TRUE(box.Text().startsWith("Card 1: The Covering\r\n"));

    // A name that is no spread: cards without position texts.
    box.setText("");
    State().reading.strSpreadName = "-1";
    WriteCardReadings(box, {5, 0}, {5});
    EXPECT_EQ(box.Text(), "\r\n\r\nTemperance - Reversed\r\n" + CardById(5)->strReversed + "\r\n" + kRule + "\r\n\r\n" +
                              kClosing + "\r\n");
}

TEST_F(Report, PositionTexts) {
    strPositionSpread() = "The Romany/ Gypsy Spread";
    WritePositionText(box, 7);
    EXPECT_EQ(Markup(*box.document()), (QStringList{"L|**Card 8**", "L|Represent the present."}));

    box.setText("");
    strPositionSpread() = "The Line Spread";
    WritePositionText(box, 4);
    EXPECT_EQ(Markup(*box.document()), (QStringList{"L|**Card 5 - **This card represents the distant future."}));

    struct Nothing {
        const char* spread;
        int k;
    };
    for (const Nothing& n : {Nothing{"One Card", 1}, Nothing{"The Romany/ Gypsy Spread", 21}, Nothing{"Tree of Life", -1},
                             Nothing{"Celtic Cross ", 0}, Nothing{"CELTIC CROSS", 0}, Nothing{"", 0}}) {
        box.setText("");
        strPositionSpread() = n.spread;
        WritePositionText(box, n.k);
        EXPECT_EQ(box.Text(), "") << n.spread << n.k;
    }
}
