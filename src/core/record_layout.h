#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace core {

// One short text field of a fixed record: one length byte, then up to `capacity` bytes.
struct Field {
    const char* name;
    int capacity;
};

// Offsets and record length computed from the field table of an archive.
class RecordLayout {
public:
    explicit RecordLayout(std::span<const Field> fields);

    int fieldCount() const { return int(fields_.size()); }
    int recordLength() const { return length_; }
    int offset(int index) const { return offsets_[index]; }
    int capacity(int index) const { return fields_[index].capacity; }
    const char* name(int index) const { return fields_[index].name; }
    int indexOf(const QString& name) const; // -1 when absent

    // Load: first n bytes (n clamped to the capacity), decoded and trimmed.
    QString load(const char* record, int index) const;
    // Store: trimmed, encoded, cut to the capacity. Bytes after the text are left as they were.
    void store(char* record, int index, const QString& text) const;

    QStringList loadAll(const char* record) const;
    // `record` must be recordLength() bytes; values beyond fieldCount() are ignored.
    void storeAll(char* record, const QStringList& values) const;

private:
    std::span<const Field> fields_;
    std::vector<int> offsets_;
    int length_ = 0;
};

// Store/load on a single field buffer (capacity + 1 bytes).
QString loadField(const char* field, int capacity);
void storeField(char* field, int capacity, const QString& text);

} // namespace core
