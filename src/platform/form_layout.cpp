#include "platform/form_layout.h"

#include "platform/ui.h"

namespace platform {

std::vector<QGroupBox*> makeSections(QWidget* panel, std::span<const Section> sections) {
    std::vector<QGroupBox*> out;
    out.reserve(sections.size());
    for (const Section& s : sections) {
        auto* box = new QGroupBox(QString::fromUtf8(s.title), panel);
        box->setObjectName(QLatin1String(s.name));
        box->setGeometry(s.rect);
        out.push_back(box);
    }
    return out;
}

namespace detail {
QToolButton* sideButton(QGroupBox* section, QLabel* statusLine, const char* name, const char* art,
                        const char* hint, QRect place, int iconSize) {
    QToolButton* b = pictureButton(section, QLatin1String(name),
                                   QStringLiteral(":/art/%1.svg").arg(QLatin1String(art)),
                                   QString::fromUtf8(hint), {iconSize, iconSize});
    b->setGeometry(place);
    setStatusHint(b, statusLine, QString::fromUtf8(hint));
    return b;
}
} // namespace detail

} // namespace platform
