#include "platform/help.h"

#include <QFile>

namespace platform {

HelpTopic parseHelpTopic(QStringView text, QStringView key) {
    HelpTopic topic;
    bool inside = false;
    QString paragraph;
    const auto endParagraph = [&] {
        if (!paragraph.isEmpty()) topic.paragraphs << paragraph;
        paragraph.clear();
    };
    for (QStringView line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.startsWith(u'[')) {
            if (inside) break;
            const qsizetype close = line.indexOf(u"] ");
            inside = close > 0 && line.sliced(1, close - 1) == key;
            if (inside) topic.title = line.sliced(close + 2).toString();
        } else if (!inside) {
            continue;
        } else if (line.isEmpty()) {
            endParagraph();
        } else {
            if (!paragraph.isEmpty()) paragraph += u' ';
            paragraph += line;
        }
    }
    endParagraph();
    return topic;
}

HelpTopic helpTopic(const QString& folder, const QString& key) {
    QFile file(QStringLiteral(":/help/%1_help.txt").arg(folder));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return parseHelpTopic(QString::fromUtf8(file.readAll()), key);
}

} // namespace platform
