#pragma once

#include "cashbook/movement_record.h"
#include "platform/record_form.h"
#include "platform/ui.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace cashbook {

// The movement work area: one movement of the current year file at a time.
class TfrmMovimenti : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmMovimenti(platform::Context& ctx);

    // The year chooser hands over the year file and its year (caption and hidden `lblFile`).
    void openYear(const QString& path, const QString& year);
    QString yearFile() const;

    // Shows a movement picked in a list: every field, the type, the position.
    void showMovement(const Movement& movement);

    qint64 position() const { return form_.position(); }
    // The 28 field texts as they would be stored now (type from the options, signed total).
    QStringList values() const;
    bool income() const;

public slots:
    void newSheet();
    void duplicate();
    void save();
    void find();
    void attach();
    void print();
    void first();
    void previous();
    void next();
    void last();
    void exportExcel();
    void pending();
    void help();

    void setIncome(bool income); // the two options and the amount's label
    void normaliseAmount();      // on leaving the amount field
    void importPayer();
    void importBeneficiary();
    void checkCodFisc();
    void checkPartitaIva();
    void email();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildFields();
    void showType();
    core::Archive archive() const { return yearArchive(yearFile()); }

    platform::RecordForm form_;
    QLabel* panInfo_ = nullptr;
    QLabel* lblPosizione_ = nullptr;
    QLabel* lblFile_ = nullptr;
    QLabel* lblImporto_ = nullptr;
    QRadioButton* optEntrata_ = nullptr;
    QRadioButton* optUscita_ = nullptr;
};

} // namespace cashbook
