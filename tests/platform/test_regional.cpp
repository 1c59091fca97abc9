#include "platform/Regional.h"

#include <gtest/gtest.h>

using zv::platform::Regional;

TEST(Regional, DatesAndTimesInTheBrazilianForms)
{
    EXPECT_EQ(Regional::shortDate(QDate(2011, 3, 7)), QStringLiteral("07/03/2011"));
    EXPECT_EQ(Regional::longTime(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
    EXPECT_EQ(Regional::generalDate(QDateTime(QDate(2011, 3, 17), QTime(21, 5, 7))),
              QStringLiteral("17/03/2011 21:05:07"));
    // The general date leaves the time out at midnight exactly.
    EXPECT_EQ(Regional::generalDate(QDateTime(QDate(2011, 3, 17), QTime(0, 0))), QStringLiteral("17/03/2011"));
}

TEST(Regional, ReadsBackWhatItWritesAndRefusesOtherText)
{
    const QDateTime moment(QDate(2026, 12, 11), QTime(13, 14, 15));
    EXPECT_EQ(Regional::parseDateTime(Regional::generalDate(moment)), moment);
    EXPECT_EQ(Regional::parseDateTime(QStringLiteral("01/01/2000")), QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    EXPECT_EQ(Regional::parseDate(QStringLiteral("7/3/2011")), QDate(2011, 3, 7));
    for (const char* bad : {"", "abc", "31/02/2011", "2011-03-07", "12/13/2011"})
        EXPECT_FALSE(Regional::parseDateTime(QLatin1String(bad)).has_value()) << bad;
}

TEST(Regional, NumbersAndCurrencyUseTheDecimalComma)
{
    EXPECT_EQ(Regional::currency(1234.5), QStringLiteral("R$ 1.234,50"));
    EXPECT_EQ(Regional::currency(0), QStringLiteral("R$ 0,00"));
    EXPECT_EQ(Regional::number(1234567.891, 2), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(Regional::parseNumber(QStringLiteral("1.234,5")), 1234.5);
    EXPECT_FALSE(Regional::parseNumber(QStringLiteral("doze")).has_value());
}
