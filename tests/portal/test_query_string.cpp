// The office's desktops percent-encode in Windows-1252 and leave everything
// else as typed; a portal that decoded as UTF-8 would garble every accent.
#include "portal/QueryString.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using zv::portal::QueryString;
using zv::portal::decodeComponent;

TEST(PortalQueryString, DecodesWindows1252PercentEncoding)
{
    zv::test::TempHome home;
    struct Case {
        const char* raw;
        const char* expected;  // UTF-8
    } const cases[] = {
        {"a%E7%E3o", "ação"},
        {"%80", "€"},
        {"S%E3o%20Jo%E3o", "São João"},
        {"a+b", "a b"},
        {"1%2B1%3D2", "1+1=2"},
        {"x%26y%23z%25", "x&y#z%"},
        {"tab%09end", "tab\tend"},
        {"%zz%4", "%zz%4"},
        {"100%", "100%"},
        {"plain:/.?_-$(){}~", "plain:/.?_-$(){}~"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeComponent(c.raw), QString::fromUtf8(c.expected)) << c.raw;
}

TEST(PortalQueryString, SplitsPairsAndMatchesKeysWithoutCase)
{
    zv::test::TempHome home;
    const QueryString query = QueryString::parse("L=45&s=123&&psw=a%26b%3Dc&flag&s=999&ia=7&");
    EXPECT_EQ(query.value(QStringLiteral("l")), QStringLiteral("45"));
    EXPECT_EQ(query.value(QStringLiteral("S")), QStringLiteral("123"));  // the first one counts
    EXPECT_EQ(query.value(QStringLiteral("psw")), QStringLiteral("a&b=c"));
    EXPECT_TRUE(query.has(QStringLiteral("flag")));
    EXPECT_TRUE(query.value(QStringLiteral("flag")).isEmpty());
    EXPECT_FALSE(query.has(QStringLiteral("o")));
    EXPECT_EQ(query.integer(QStringLiteral("ia")), 7);

    const QueryString numbers = QueryString::parse("a=12&b=&c=1x&d=%31%32&e=99999999999999999999");
    EXPECT_EQ(numbers.integer(QStringLiteral("a")), 12);
    EXPECT_EQ(numbers.integer(QStringLiteral("b")), std::nullopt);
    EXPECT_EQ(numbers.integer(QStringLiteral("c")), std::nullopt);
    EXPECT_EQ(numbers.integer(QStringLiteral("d")), 12);
    EXPECT_EQ(numbers.integer(QStringLiteral("e")), std::nullopt);
    EXPECT_EQ(numbers.integer(QStringLiteral("missing")), std::nullopt);
}
