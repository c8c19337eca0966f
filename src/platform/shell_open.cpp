#include "platform/shell_open.h"

#include "core/text.h"

#include <QFileInfo>

namespace platform {

namespace {

QString unquote(const QString& s) {
    QString t = core::trimText(s);
    if (t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"')) t = t.mid(1, t.size() - 2);
    return t;
}

QString enc(const QString& s) {
    return QString::fromLatin1(QUrl::toPercentEncoding(s));
}

QUrl mailtoUrl(const QString& link) {
    const QString rest = link.mid(7); // after "mailto:"
    const qsizetype q = rest.indexOf(u'?');
    const QString address = q < 0 ? rest : rest.left(q);
    QString encoded =
        QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(address, "@+"));
    if (q >= 0) {
        QString query = rest.mid(q + 1);
        QStringList parts;
        // subject and body are written as typed: split on the body marker only once.
        const qsizetype body = query.lastIndexOf(QLatin1String("&body="));
        QString head = body < 0 ? query : query.left(body);
        // Address fields come first, each up to the next '&': only their values are encoded,
        // so the mail program still sees fields (a Bcc of many addresses, say).
        for (bool more = true; more;) {
            more = false;
            for (const QLatin1String key : {QLatin1String("to="), QLatin1String("cc="),
                                            QLatin1String("bcc=")}) {
                if (!head.startsWith(key, Qt::CaseInsensitive)) continue;
                const qsizetype amp = head.indexOf(u'&');
                const QString value = head.mid(key.size(), amp < 0 ? -1 : amp - key.size());
                parts << QString(key) +
                             QString::fromLatin1(QUrl::toPercentEncoding(value, "@+,"));
                head = amp < 0 ? QString() : head.mid(amp + 1);
                more = true;
                break;
            }
        }
        if (head.startsWith(QLatin1String("subject=")))
            parts << QStringLiteral("subject=") + enc(head.mid(8));
        else if (!head.isEmpty())
            parts << enc(head);
        if (body >= 0) parts << QStringLiteral("body=") + enc(query.mid(body + 6));
        encoded += u'?' + parts.join(u'&');
    }
    return QUrl::fromEncoded(encoded.toLatin1(), QUrl::StrictMode);
}

} // namespace

QUrl desktopUrl(const QString& command) {
    const QString text = unquote(command);
    if (text.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) return mailtoUrl(text);
    if (text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
        text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive) ||
        text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl::fromUserInput(text);
    return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
}

QString mailRefusedMessage() {
    return QStringLiteral("Attenzione: non \u00e8 stato possibile aprire il programma di posta "
                          "elettronica.\r\n\r\nAccertarsi che nel computer sia impostato un "
                          "programma predefinito per la posta elettronica.");
}

} // namespace platform
