// Help pages read from their text: the topic asked for, whole, and nothing of its neighbours.
#include "platform/help.h"

#include <gtest/gtest.h>

using platform::parseHelpTopic;

TEST(HelpText, ATopicIsItsTitleAndItsParagraphsJoinedLineByLine) {
    const QString text = u"[uno] Primo argomento.\n"
                         u"\n"
                         u"Una riga\n"
                         u"spezzata in due.\n"
                         u"\n"
                         u"\n"
                         u"Secondo paragrafo, così.\n"
                         u"[due] Secondo argomento.\r\n"
                         u"\r\n"
                         u"Riga con CR LF\r\n"
                         u"finale."_qs;
    const struct {
        const char16_t* key;
        const char16_t* title;
        QStringList paragraphs;
    } cases[] = {
        {u"uno",
         u"Primo argomento.",
         {u"Una riga spezzata in due."_qs, u"Secondo paragrafo, così."_qs}},
        {u"due", u"Secondo argomento.", {u"Riga con CR LF finale."_qs}},
        {u"tre", u"", {}},
        {u"un", u"", {}},
    };
    for (const auto& c : cases) {
        const platform::HelpTopic topic = parseHelpTopic(text, c.key);
        EXPECT_EQ(topic.title, QString::fromUtf16(c.title))
            << QString::fromUtf16(c.key).toStdString();
        EXPECT_EQ(topic.paragraphs, c.paragraphs) << QString::fromUtf16(c.key).toStdString();
    }
}

TEST(HelpText, AMissingFolderGivesAnEmptyTopic) {
    const platform::HelpTopic topic = platform::helpTopic(u"nessuna"_qs, u"uno"_qs);
    EXPECT_TRUE(topic.title.isEmpty());
    EXPECT_TRUE(topic.paragraphs.isEmpty());
}
