#include "forms/Exceptions.h"
#include "forms/StrToInt.h"

#include <gtest/gtest.h>

namespace {

struct Accepted {
    const char* text;
    int value;
};

class StrToIntAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(StrToIntAccepts, Converts)
{
    EXPECT_EQ(StrToInt(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    IntegerSyntax, StrToIntAccepts,
    ::testing::Values(Accepted{"42", 42}, Accepted{"  42", 42}, Accepted{"+7", 7},
                      Accepted{"-5", -5}, Accepted{"0", 0}, Accepted{"007", 7},
                      Accepted{"2147483647", 2147483647},
                      Accepted{"-2147483648", -2147483647 - 1}, Accepted{"$2A", 42},
                      Accepted{"x2a", 42}, Accepted{"X2A", 42}, Accepted{"0x2A", 42},
                      Accepted{"0X2a", 42}, Accepted{"  $10", 16}, Accepted{"$FFFFFFFF", -1},
                      Accepted{"$80000000", -2147483647 - 1}, Accepted{"$000000001", 1}));

class StrToIntRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(StrToIntRejects, RaisesTheConversionError)
{
    const QString text = QString::fromUtf8(GetParam());
    try {
        StrToInt(text);
        FAIL() << "accepted '" << GetParam() << "'";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

INSTANTIATE_TEST_SUITE_P(IntegerSyntax, StrToIntRejects,
                         ::testing::Values("", " ", "abc", "42 ", "4 2", "2147483648",
                                           "-2147483649", "+", "-", "$", "0x", "-$10", "+$10",
                                           "$100000000", "$G", "1.5", "\t42", "４２"));

} // namespace
