#pragma once

#include "book/page_list.h"
#include "platform/context.h"
#include "platform/text_list.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

namespace book {

// A page chosen in the page list, read whole.
struct PickedPage {
    qint64 number = 0;
    PageValues values;
};

// The pages of one register, one line each by the first member: find, print, and load a page
// by double click or Enter. The editor opens it in mode "registro" and loads what it returns.
class TfrmTrovaRegistro : public QDialog {
    Q_OBJECT
public:
    TfrmTrovaRegistro(platform::Context& ctx, QWidget* parent, const QString& registerPath,
                      const QString& mode = QStringLiteral("registro"));

    std::optional<PickedPage> picked() const { return picked_; }
    platform::TextList* list() const { return lstRecords_; }

public slots:
    void print(); // "Stampa"
    void pick(int row);

private:
    platform::Context& ctx_;
    QString path_;
    QLineEdit* txtTrova_;
    platform::TextList* lstRecords_;
    platform::FindInList* finder_;
    QLabel* lblMemory_;
    std::optional<PickedPage> picked_;
};

} // namespace book
