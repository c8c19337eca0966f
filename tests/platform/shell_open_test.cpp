#include "platform/shell_open.h"

#include <gtest/gtest.h>

using platform::desktopUrl;

TEST(DesktopUrl, EncodesLinksAndKeepsPathsAsFiles) {
    struct Case {
        QString command;
        QString encoded;
    } cases[] = {
        {"\"mailto:a@b.it?subject=Software Quorvix 5.0&body=Salve, vorrei\"",
         "mailto:a@b.it?subject=Software%20Quorvix%205.0&body=Salve%2C%20vorrei"},
        {"mailto:a@b.it?subject=A&B&body=x=1?", "mailto:a@b.it?subject=A%26B&body=x%3D1%3F"},
        // Address fields stay fields: many addresses in Bcc, then the subject as typed.
        {"\"mailto:?bcc=a@b.it,c.d@e.it&subject=Rinnovo & quota&body=Gentile socio\"",
         "mailto:?bcc=a@b.it,c.d@e.it&subject=Rinnovo%20%26%20quota&body=Gentile%20socio"},
        {"mailto:a@b.it?cc=x y@z.it&bcc=w@z.it", "mailto:a@b.it?cc=x%20y@z.it&bcc=w@z.it"},
        {"https://www.quorvix.it", "https://www.quorvix.it"},
        {"\"/tmp/q/-rf %41.pdf\"", "file:///tmp/q/-rf%20%2541.pdf"},
        {"\"/tmp/Documenti Allegati/è.txt\"", "file:///tmp/Documenti%20Allegati/%C3%A8.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QString::fromLatin1(desktopUrl(c.command).toEncoded()), c.encoded)
            << c.command.toStdString();
}
