#include "shell/placeholder_area.h"

#include <QLabel>
#include <QToolButton>

namespace shell {

PlaceholderArea::PlaceholderArea(platform::Context& ctx, const QString& className,
                                 const QString& caption)
    : WorkArea(ctx, className, caption) {
    auto* title = new QLabel(caption.trimmed(), panel());
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 300, 995, 30);
    auto* esci = platform::pictureButton(panel(), QStringLiteral("cmdEsci"), QStringLiteral(":/art/esci.svg"),
                                         QStringLiteral("Esci da questa schermata di lavoro."), {40, 40});
    esci->setGeometry(931, 628, 48, 48);
    connect(esci, &QToolButton::clicked, this, &QWidget::close);
}

} // namespace shell
