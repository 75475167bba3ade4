#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

QString Translated(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

// Every test runs in a process of its own, so each starts with Qt's English texts.
TEST(QtTranslations, SimplifiedChineseTranslatesQtsOwnTexts)
{
    ASSERT_EQ(Translated("QPlatformTheme", "OK"), "OK");
    EXPECT_TRUE(InstallQtTranslations(QLocale(QLocale::Chinese, QLocale::China)));
    // The message box buttons and the edit fields' context menu.
    EXPECT_EQ(Translated("QPlatformTheme", "OK"), QStringLiteral("确定"));
    EXPECT_EQ(Translated("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    EXPECT_EQ(Translated("QLineEdit", "&Copy"), QStringLiteral("复制(&C)"));
}

TEST(QtTranslations, TheLocaleChoosesTheCatalogue)
{
    EXPECT_TRUE(InstallQtTranslations(QLocale(QLocale::Chinese, QLocale::Taiwan)));
    const QString ok = Translated("QPlatformTheme", "OK");
    EXPECT_NE(ok, "OK");
    EXPECT_NE(ok, QStringLiteral("确定"));
}

TEST(QtTranslations, ALanguageWithoutCatalogueKeepsTheEnglishTexts)
{
    EXPECT_FALSE(InstallQtTranslations(QLocale(QLocale::Swahili, QLocale::Kenya)));
    EXPECT_EQ(Translated("QPlatformTheme", "OK"), "OK");
    EXPECT_EQ(Translated("QPlatformTheme", "Cancel"), "Cancel");
}

} // namespace
