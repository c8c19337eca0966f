#pragma once

#include "book/page_record.h"
#include "platform/record_form.h"
#include "platform/ui.h"

class QLabel;

namespace book {

// The page editor: one page of one register at a time. The register list names the register
// in the hidden `lblFile` (and `lblNome`) and shows the editor, which opens on the last page.
class TfrmRegistro : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmRegistro(platform::Context& ctx);

    QString registerPath() const;
    qint64 position() const { return form_.position(); }
    // The 63 field texts as they would be stored (trimmed), in record order.
    PageValues values() const { return form_.values(); }
    // Shows page `number` with these texts (a page chosen in the page list).
    void showPage(qint64 number, const PageValues& page) { form_.pick(archive(), number, page); }

public slots:
    void newPage();
    void duplicate();
    void save();
    void find();
    void attach();
    void preview();
    void print();
    void first();
    void previous();
    void next();
    void last();
    void help();
    void generatePages(); // cmdGenera
    void checkCodFisc();
    void importMember(int row);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildHeading();
    void buildRows();
    void unpaintRowFrames();
    void openLastPage();
    core::Archive archive() const { return pageArchive(registerPath()); }

    platform::RecordForm form_;
    QLabel* panInfo_ = nullptr;
    QLabel* lblPosizione_ = nullptr;
    QLabel* lblFile_ = nullptr;
    QLabel* lblNome_ = nullptr;
};

} // namespace book
