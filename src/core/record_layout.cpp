#include "core/record_layout.h"

#include "core/text.h"
#include "core/win1252.h"

#include <cstring>

namespace core {

RecordLayout::RecordLayout(std::span<const Field> fields) : fields_(fields) {
    offsets_.reserve(fields.size());
    for (const Field& f : fields) {
        offsets_.push_back(length_);
        length_ += f.capacity + 1;
    }
}

int RecordLayout::indexOf(const QString& name) const {
    for (int i = 0; i < fieldCount(); ++i)
        if (name == QLatin1String(fields_[i].name))
            return i;
    return -1;
}

QString loadField(const char* field, int capacity) {
    int n = static_cast<unsigned char>(field[0]);
    if (n > capacity) // damaged length byte: never read into the next field
        n = capacity;
    return trimText(fromWin1252(field + 1, n));
}

void storeField(char* field, int capacity, const QString& text) {
    QByteArray bytes = toWin1252(trimText(text));
    if (bytes.size() > capacity)
        bytes.truncate(capacity);
    field[0] = static_cast<char>(bytes.size());
    std::memcpy(field + 1, bytes.constData(), bytes.size());
}

QString RecordLayout::load(const char* record, int index) const {
    return loadField(record + offsets_[index], fields_[index].capacity);
}

void RecordLayout::store(char* record, int index, const QString& text) const {
    storeField(record + offsets_[index], fields_[index].capacity, text);
}

QStringList RecordLayout::loadAll(const char* record) const {
    QStringList out;
    out.reserve(fieldCount());
    for (int i = 0; i < fieldCount(); ++i)
        out.append(load(record, i));
    return out;
}

void RecordLayout::storeAll(char* record, const QStringList& values) const {
    for (int i = 0; i < fieldCount(); ++i)
        store(record, i, i < values.size() ? values[i] : QString());
}

} // namespace core
