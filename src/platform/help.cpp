#include "platform/help.h"

namespace platform {

namespace {
HelpOpener& opener() {
    static HelpOpener o;
    return o;
}
} // namespace

void setHelpOpener(HelpOpener o) {
    opener() = std::move(o);
}

void openHelp(QWidget* owner, const QString& title, const QStringList& paragraphs) {
    if (opener()) opener()(owner, title, paragraphs);
}

} // namespace platform
