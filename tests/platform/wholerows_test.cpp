// A list box shows whole rows: it keeps its place and width, and gives up the part of its height
// that would show only part of a row.
#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/wholerows.h"
#include "support/qtprinting.h"

#include <QApplication>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

struct ListCase {
    const char* name;
    double left, top, width, height;  // twips
    double points;
};

const ListCase kLists[] = {
    {"SpreadList", 5280, 1890, 3495, 1230, 8.25},
    {"OneRowAndABit", 120, 60, 2000, 315, 8.25},
    {"Taller", 300, 450, 2600, 2000, 9.75},
};

QStringList Entries(int count) {
    QStringList entries;
    for (int i = 0; i < count; ++i) entries << QStringLiteral("Spread number %1").arg(i + 1);
    return entries;
}

// Where the list, scrolled through, first shows part of a row or leaves room below its last row;
// "" when it never does.
std::string FirstFault(QListWidget& list) {
    const QRect room = list.viewport()->rect();
    QScrollBar* scroll = list.verticalScrollBar();
    for (int value = scroll->minimum(); value <= scroll->maximum(); ++value) {
        scroll->setValue(value);
        int bottom = 0;
        for (int i = 0; i < list.count(); ++i) {
            const QRect shown = list.visualItemRect(list.item(i));
            if (!shown.intersects(room)) continue;
            if (!room.contains(shown)) {
                return "scrolled to " + std::to_string(value) + ", \"" + list.item(i)->text().toStdString() +
                       "\" shows in part";
            }
            bottom = std::max(bottom, shown.bottom() + 1);
        }
        if (bottom != room.height()) return "scrolled to " + std::to_string(value) + ", room left below the last row";
    }
    return {};
}

}  // namespace

TEST(WholeRows, TheListKeepsItsPlaceAndShowsWholeRowsAtEveryScrollPosition) {
    for (const ListCase& c : kLists) {
        // Filled before it is placed and after, as windows do either.
        for (const bool filledFirst : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (filledFirst ? ", filled first" : ", placed first"));
            QWidget window;
            window.resize(800, 600);
            platform::WholeRowsListWidget list(&window);
            list.setFont(platform::ProgramFont(QStringLiteral("Verdana"), c.points));
            const QRect given = platform::TwipsRect(c.left, c.top, c.width, c.height);
            if (filledFirst) list.addItems(Entries(13));
            list.setGeometry(given);
            if (!filledFirst) list.addItems(Entries(13));
            window.show();
            QApplication::processEvents();

            EXPECT_EQ(list.pos(), given.topLeft());
            EXPECT_EQ(list.width(), given.width());
            EXPECT_LE(list.height(), given.height());
            const int row = list.visualItemRect(list.item(0)).height();
            EXPECT_LT(given.height() - list.height(), row) << "the list gave up more than part of a row";

            EXPECT_EQ(FirstFault(list), "");
        }
    }
}
