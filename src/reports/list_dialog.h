#pragma once

#include "core/record_layout.h"
#include "reports/list_panel.h"

#include <QDialog>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace reports {

// A dialog around one list panel: "Chiudi" rejects, the record of a picked line goes to pick().
class ListDialog : public QDialog {
    Q_OBJECT
public:
    ListPanel* panel() const { return panel_; }

protected:
    ListDialog(platform::Context& ctx, QWidget* parent, const QString& className,
               const QString& caption, ListFace face);
    virtual void pick(qint64 record) = 0;

    platform::Context& ctx_;
    ListPanel* panel_;
};

// One filter of a search window: its control, the caption above it and the record field whose
// capacity limits it (none: any length).
struct FilterField {
    const char16_t* name;
    const char16_t* label;
    int field = -1;
};

// True when the filters stand for `fields` one by one: a search reads the typed texts in the
// order of its model's fields. For a static_assert beside the window's table.
template <class Fields>
constexpr bool filtersFollow(std::span<const FilterField> filters, const Fields& fields) {
    if (filters.size() != std::size(fields)) return false;
    for (size_t i = 0; i < filters.size(); ++i)
        if (filters[i].field != int(fields[i])) return false;
    return true;
}

// How a search window is named: its class and caption, the filter panel's objectName, whether it
// keeps the number of filters in use (the hidden `lblConta`), its list panel, and the layout of
// the records its filters are limited by.
struct SearchFace {
    QString className;
    QString caption;
    QString filterPanel;
    bool countsFilters;
    ListFace list;
    const core::RecordLayout* layout = nullptr;
};

// The search windows: a panel of filters (two columns, Enter round them) with "Cerca" and
// "Chiudi", then the list of what matched. The window gives its filters and its search; the
// hidden `lblMemory` holds the mode word of the opener.
class SearchDialog : public ListDialog {
    Q_OBJECT
public:
    void search(); // "Cerca"
    QString mode() const { return lblMemory_->text(); }

protected:
    SearchDialog(platform::Context& ctx, QWidget* parent, const SearchFace& face,
                 std::span<const FilterField> filters, const QString& mode);

    // The rows that match the typed filters. When the file could not be read whole the filters
    // stay, with the access message; damaged records left out are told after the list shows.
    virtual core::ListRows find() = 0;

    template <size_t N> std::array<QString, N> typedFilters() const {
        std::array<QString, N> out;
        for (size_t i = 0; i < N && i < filters_.size(); ++i)
            out[i] = filters_[i]->text();
        return out;
    }
    void setFiltersInUse(int count) { lblConta_->setText(QString::number(count)); }
    QWidget* filterPanel() const { return filterPanel_; } // for a window's own options

    void showEvent(QShowEvent* event) override;

private:
    QWidget* filterPanel_;
    std::vector<QLineEdit*> filters_;
    QLabel* lblAttendere_;
    QLabel* lblConta_ = nullptr;
    QLabel* lblMemory_;
};

} // namespace reports
