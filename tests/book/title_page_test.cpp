#include "book/title_page.h"
#include "files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace book;

TEST(TitlePageSettings, RoundTripTrimmedKeepingOtherSections) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kTitleIniFileName);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Altro]\r\nChiave=valore\r\n\r\n[Frontespizio Registro]\r\nSede Legale=Roma\r\n"
                "Extra=resta\r\n");
    }
    TitleTexts texts = readTitlePage(path);
    EXPECT_EQ(texts[1], "Roma");
    EXPECT_EQ(texts[0], "");
    for (std::size_t i = 0; i < kTitleKeyCount; ++i)
        texts[i] = u"  valore "_qs + QString::number(i) + u"  "_qs;
    texts[4] = u"Attività sportive [DATE]"_qs;
    ASSERT_TRUE(writeTitlePage(path, texts));

    const TitleTexts back = readTitlePage(path);
    EXPECT_EQ(back[0], "valore 0");
    EXPECT_EQ(back[9], "valore 9");
    EXPECT_EQ(back[4], "Attività sportive [DATE]");
    const QByteArray file = testing_support::fileBytes(path);
    EXPECT_TRUE(file.startsWith("[Altro]\r\nChiave=valore\r\n"));
    EXPECT_TRUE(file.contains("Extra=resta\r\n"));
    EXPECT_TRUE(file.contains("Attivit\xe0 sportive")); // Windows-1252
    EXPECT_TRUE(file.contains("Firma Segretario=valore 9\r\n"));
}

TEST(TitlePageSettings, MissingFileReadsEmptyAndIsCreatedWithTenKeys) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kTitleIniFileName);
    const TitleTexts texts = readTitlePage(path);
    for (const QString& t : texts)
        EXPECT_TRUE(t.isEmpty());
    ASSERT_TRUE(writeTitlePage(path, texts));
    const QByteArray file = testing_support::fileBytes(path);
    EXPECT_TRUE(file.startsWith("[Frontespizio Registro]\r\n"));
    for (const TitleKey& k : kTitleKeys)
        EXPECT_TRUE(file.contains(QByteArray(k.key) + "=\r\n")) << k.key;
}
