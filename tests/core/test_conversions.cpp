#include "core/Conversions.h"
#include "platform/ErrorNumbers.h"

#include <gtest/gtest.h>

using namespace zv;

TEST(Conversions, NumbersThatConvertAndThoseThatDoNot)
{
    EXPECT_EQ(core::toInt32(QStringLiteral(" 123 ")), 123);
    EXPECT_EQ(core::toInt32(QStringLiteral("-7")), -7);
    EXPECT_EQ(core::toInt16(QStringLiteral("5")), 5);
    EXPECT_EQ(core::toInt32(QStringLiteral("2,5")), 2); // half to even
    EXPECT_EQ(core::toInt32(QStringLiteral("3.5")), 4);
    EXPECT_DOUBLE_EQ(core::toDouble(QStringLiteral("1.234,56")), 1234.56);

    struct Bad { const char* text; bool sixteenBits; int number; };
    const Bad bad[] = {{"", false, 13}, {"abc", false, 13}, {"12x", false, 13},
                       {"70000", true, 6}, {"99999999999", false, 6}};
    for (const Bad& b : bad) {
        try {
            const QString text = QLatin1String(b.text);
            b.sixteenBits ? void(core::toInt16(text)) : void(core::toInt32(text));
            ADD_FAILURE() << b.text << " converted";
        } catch (const platform::Failure& f) {
            EXPECT_EQ(f.number(), b.number) << b.text;
        }
    }
    EXPECT_TRUE(core::isNumeric(QStringLiteral("1")));
    EXPECT_FALSE(core::isNumeric(QStringLiteral("abc")));
    EXPECT_FALSE(core::isNumeric(QString()));
}

TEST(Conversions, DatesInTheRegionalForm)
{
    EXPECT_EQ(core::toDate(QStringLiteral("11/12/2026")), QDate(2026, 12, 11));
    EXPECT_EQ(core::toDateTime(QStringLiteral("11/12/2026 08:00:01")), QDateTime(QDate(2026, 12, 11), QTime(8, 0, 1)));
    EXPECT_THROW(core::toDate(QStringLiteral("2026-12-11")), platform::Failure);
    EXPECT_THROW(core::toDateTime(QString()), platform::Failure);
}
