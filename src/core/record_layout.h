#pragma once

#include <QByteArray>
#include <QByteArrayView>
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

// The bytes loadField (below) would decode, trimmed the same way, without decoding them.
inline QByteArrayView storedBytes(const char* field, int capacity) {
    const auto* p = reinterpret_cast<const unsigned char*>(field);
    const int n = p[0] < capacity ? p[0] : capacity; // a damaged length byte stays in the field
    const auto trimmable = [](unsigned char b) { return b <= 0x20 || b == 0x7F; };
    int s = 1, e = n + 1;
    while (s < e && trimmable(p[s]))
        ++s;
    while (e > s && trimmable(p[e - 1]))
        --e;
    return QByteArrayView(reinterpret_cast<const char*>(p + s), e - s);
}

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

    // Lists read many records and show a few fields of each: they take the text straight from
    // the stored bytes, without a string per field.
    // The field's bytes as load() sees them, not decoded: the length clamped to the capacity,
    // blanks and control characters dropped at both ends (one byte is one character).
    QByteArrayView bytes(const char* record, int index) const {
        return storedBytes(record + offsets_[size_t(index)], fields_[size_t(index)].capacity);
    }
    // Appends the field's text, padded with blanks to `width` and cut to it (-1: the whole text).
    void appendText(QString& out, const char* record, int index, int width = -1) const;

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

// Writes stored bytes (as storedBytes gives them) decoded at `out`, padded with blanks to `width`
// and cut to it (-1: the whole text), and returns the end. `out` must have the room.
QChar* writeStoredText(QChar* out, QByteArrayView stored, int width = -1);

} // namespace core
