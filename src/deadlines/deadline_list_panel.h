#pragma once

#include "platform/context.h"
#include "platform/text_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace deadlines {

// The list face shared by the three summaries and the search results: find field and button,
// the sorted summary lines, the hint for the double click, an optional count line, print and
// close.
class DeadlineListPanel : public QWidget {
    Q_OBJECT
public:
    DeadlineListPanel(platform::Context& ctx, QWidget* parent, QString printTitle, bool withCount);

    void setLines(const QStringList& lines); // also sets the count line when there is one
    void resetFind() { finder_->reset(); }
    void focusFind() { txtTrova_->setFocus(Qt::OtherFocusReason); }
    void print();
    platform::TextList* list() const { return list_; }

signals:
    void lineActivated(const QString& line); // double click on an entry
    void closeRequested();

private:
    platform::Context& ctx_;
    QString printTitle_;
    QLineEdit* txtTrova_;
    platform::TextList* list_;
    QLabel* lblTrovate_ = nullptr;
    platform::FindInList* finder_;
};

// "Il presente elenco contiene N schede."
QString foundLine(qsizetype lines);

} // namespace deadlines
