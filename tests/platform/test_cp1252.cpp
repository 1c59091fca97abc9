#include "platform/Cp1252.h"

#include <gtest/gtest.h>

using namespace zv::platform;

TEST(Cp1252, EncodesLatinLettersAndTheWindowsOnlyCharacters)
{
    struct Case { QString text; QByteArray bytes; };
    const Case cases[] = {
        {QStringLiteral("ação"), QByteArray("a\xE7\xE3o")},
        {QStringLiteral("Relatório"), QByteArray("Relat\xF3rio")},
        {QStringLiteral("€ – “x” …"), QByteArray("\x80 \x96 \x93x\x94 \x85")},
        {QStringLiteral("tab\tCR\r\n"), QByteArray("tab\tCR\r\n")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toCp1252(c.text), c.bytes) << qPrintable(c.text);
        EXPECT_EQ(fromCp1252(c.bytes), c.text) << qPrintable(c.text);
    }
}

TEST(Cp1252, CharacterWithoutCodeBecomesQuestionMark)
{
    EXPECT_EQ(toCp1252(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
    EXPECT_EQ(cp1252Code(QChar(0x4E2D)), -1);
}

TEST(Cp1252, EveryByteReadsAsOneCharacterAndRoundTrips)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    // The five unassigned codes read as their own control characters and
    // so do not come back; every other byte does.
    QByteArray back = toCp1252(text);
    for (int code : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        back[code] = char(code);
    EXPECT_EQ(back, all);
}
