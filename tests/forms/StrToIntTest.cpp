#include "forms/StrToInt.h"
#include "forms/Exceptions.h"

#include "support/Failures.h"

#include <gtest/gtest.h>

namespace {

struct Accepted {
    const char* text;
    int value;
};

void PrintTo(const Accepted& accepted, std::ostream* out)
{
    *out << '"' << accepted.text << "\" is " << accepted.value;
}

class StrToIntAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(StrToIntAccepts, Converts)
{
    EXPECT_EQ(StrToInt(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    IntegerSyntax, StrToIntAccepts,
    ::testing::Values(Accepted{"42", 42}, Accepted{"  42", 42}, Accepted{"+7", 7},
                      Accepted{"-5", -5}, Accepted{"0", 0}, Accepted{"007", 7},
                      Accepted{"2147483647", 2147483647}, Accepted{"-2147483648", -2147483647 - 1},
                      Accepted{"$2A", 42}, Accepted{"x2a", 42}, Accepted{"X2A", 42},
                      Accepted{"0x2A", 42}, Accepted{"0X2a", 42}, Accepted{"  $10", 16},
                      Accepted{"$FFFFFFFF", -1}, Accepted{"$80000000", -2147483647 - 1},
                      Accepted{"$000000001", 1}, Accepted{"000000000000000000000000042", 42},
                      Accepted{"$00000000000000000000000FF", 255},
                      Accepted{"-0000000000000000000002147483648", -2147483647 - 1}));

class StrToIntRejects : public ::testing::TestWithParam<const char*> {};

QString ConversionError(const QString& shown)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(shown);
}

TEST_P(StrToIntRejects, RaisesTheConversionError)
{
    const QString text = QString::fromUtf8(GetParam());
    EXPECT_EQ(MessageOf<EConvertError>([&] { StrToInt(text); }), ConversionError(text));
}

TEST(StrToIntMessage, ElidesTheMiddleOfALongValue)
{
    const QString digits = QString(10240, u'7') + QStringLiteral("x");
    const QString shown = QStringLiteral("12345") + QString(25, u'7') + QChar(0x2026) +
                          QString(28, u'7') + QStringLiteral("x");
    EXPECT_EQ(shown.size(), 60);
    EXPECT_EQ(MessageOf<EConvertError>([&] { StrToInt(QStringLiteral("12345") + digits); }),
              ConversionError(shown));
    // 60 characters show whole.
    const QString sixty(60, u'a');
    EXPECT_EQ(MessageOf<EConvertError>([&] { StrToInt(sixty); }), ConversionError(sixty));
}

INSTANTIATE_TEST_SUITE_P(IntegerSyntax, StrToIntRejects,
                         ::testing::Values("", " ", "abc", "42 ", "4 2", "2147483648",
                                           "-2147483649", "+", "-", "$", "0x", "-$10", "+$10",
                                           "$100000000", "$G", "1.5", "\t42", "４２",
                                           "99999999999999999999999999", "-18446744073709551616",
                                           "4294967296", "$FFFFFFFFFFFFFFFFFFFF",
                                           "$10000000000000000", "0x1FFFFFFFF", "42\n", "$0x5"));

} // namespace
